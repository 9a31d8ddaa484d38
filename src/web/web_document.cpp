#include "web/web_document.h"

#include "model/private_sets.h"

namespace qx::web {

namespace {
// Each step holds a whole record (43816 bytes): a bound keeps the page's memory small.
constexpr std::size_t kMaxHistory = 200;
}  // namespace

WebDocument::WebDocument() { LoadDefault(0); }

void WebDocument::StartHistory()
{
    history_.assign(1, record_);
    position_ = 0;
}

void WebDocument::Change(const RadioSettings& record)
{
    history_.resize(position_ + 1);
    history_.push_back(record);
    if (history_.size() > kMaxHistory) history_.erase(history_.begin());
    position_ = history_.size() - 1;
    record_ = record;
    config_.modified = 1;
}

void WebDocument::LoadDefault(int32_t modelType, int setIndex)
{
    ResetModelConfig(config_);
    config_.modelType = modelType;
    ResetSettings(record_, modelType);
    if ((modelType == 1 || modelType == 2) && setIndex >= 0 && setIndex < kPrivateSetCount) {
        LoadPrivateSet(setIndex, record_);
        config_.europeanSet = setIndex;
    }
    config_.untitled = 1;
    config_.modified = 0;
    name_.clear();
    StartHistory();
}

void WebDocument::ReplaceWithRead(const RadioSettings& record)
{
    record_ = record;
    config_.untitled = 1;
    config_.modified = 1;
    name_.clear();
    StartHistory();
}

void WebDocument::ReplaceWithFile(const RadioSettings& record, const std::string& name)
{
    record_ = record;
    config_.untitled = 0;
    config_.modified = 0;
    name_ = name;
    StartHistory();
}

void WebDocument::MarkSaved(const std::string& name)
{
    config_.untitled = 0;
    config_.modified = 0;
    name_ = name;
}

bool WebDocument::Undo()
{
    if (!CanUndo()) return false;
    record_ = history_[--position_];
    config_.modified = 1;
    return true;
}

bool WebDocument::Redo()
{
    if (!CanRedo()) return false;
    record_ = history_[++position_];
    config_.modified = 1;
    return true;
}

WebDocument& Document()
{
    static WebDocument document;
    return document;
}

}  // namespace qx::web
