// The page's document: the settings record it edits, its options, the name it was opened or
// saved under, and the history that undo and redo walk.
#pragma once

#include <string>
#include <vector>

#include "files/model_config.h"
#include "model/radio_settings.h"

namespace qx::web {

class WebDocument {
public:
    WebDocument();

    const RadioSettings& Record() const { return record_; }
    const ModelConfig& Config() const { return config_; }
    bool Modified() const { return config_.modified != 0; }
    const std::string& Name() const { return name_; }

    // Every change goes through here, so that it can be undone.
    void Change(const RadioSettings& record);
    // As the model wizard builds it: the European private channel set only for Europe.
    void LoadDefault(int32_t modelType, int setIndex = -1);
    // A read gives a new, untitled document.
    void ReplaceWithRead(const RadioSettings& record);
    void ReplaceWithFile(const RadioSettings& record, const std::string& name);
    void MarkSaved(const std::string& name);

    bool Undo();
    bool Redo();
    bool CanUndo() const { return position_ > 0; }
    bool CanRedo() const { return position_ + 1 < history_.size(); }

private:
    RadioSettings record_{};
    ModelConfig config_{};
    std::string name_;
    std::vector<RadioSettings> history_;
    std::size_t position_ = 0;

    void StartHistory();
};

WebDocument& Document();

}  // namespace qx::web
