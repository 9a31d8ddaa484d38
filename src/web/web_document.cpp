#include "web/web_document.h"

namespace qx::web {

WebDocument::WebDocument() { editor.Reset(DefaultState(ModelVariant::Usa, -1)); }

ModelConfig WebDocument::Config() const
{
    ModelConfig config{};
    ResetModelConfig(config);
    config.modelType = editor.State().modelType;
    config.europeanSet = editor.State().europeanSet;
    config.untitled = untitled ? 1 : 0;
    config.modified = editor.IsModified() ? 1 : 0;
    return config;
}

void WebDocument::TakeRead(const RadioSettings& record)
{
    editor.TakeRead(record);
    untitled = true;
    name.clear();
}

WebDocument& Document()
{
    static WebDocument document;
    return document;
}

}  // namespace qx::web
