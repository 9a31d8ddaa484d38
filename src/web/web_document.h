// The page's document: the core's editor, and the name the document was opened or saved under.
#pragma once

#include <string>

#include "editing/document_editor.h"
#include "files/model_config.h"

namespace qx::web {

struct WebDocument {
    DocumentEditor editor;
    std::string name;
    bool untitled = true;

    WebDocument();
    const RadioSettings& Record() const { return editor.Record(); }
    // The options a clone file or an operation takes: the model the history holds.
    ModelConfig Config() const;
    // What a read brought: one step of an untitled document.
    void TakeRead(const RadioSettings& record);
};

WebDocument& Document();

class JsonText;
// "groups" (which of the groups the record shows) and "bands" (the lines of each shown group),
// as the channel list shows them.
void ChannelBands(JsonText& json, const RadioSettings& record);

}  // namespace qx::web
