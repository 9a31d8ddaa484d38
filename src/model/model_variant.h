// The radio's model variants in one table: what each is called, which groups and private
// channels it has. Front ends ask this table; none compares a model type as a number.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "model/radio_settings.h"

namespace qx {

enum class ModelVariant { Usa, EuropeInt, EuropeIntUsa };

struct ModelVariantInfo {
    ModelVariant variant;
    int32_t type;             // as the record and the options store it
    const char* wizardName;   // the model wizard's and the page's choice ("EUR (INT)")
    const char* commandName;  // the command line's ("eur-int")
    const char* titleName;    // the window title's ("QX720EUR")
    bool europe;              // the feature panel's "Europe" button
    bool weather;             // the WX group is shown and enabled
    bool privateChannels;     // the private group is shown and enabled, its channels editable
    bool privateSets;         // Load Default offers the European private channel sets
};

std::span<const ModelVariantInfo> ModelVariants();
const ModelVariantInfo& VariantInfo(ModelVariant variant);
// A stored type: 0 is the USA model, anything else Europe (an unknown type as EUR (INT)).
const ModelVariantInfo& VariantOfType(int32_t type);
inline const ModelVariantInfo& VariantOf(const RadioSettings& record) { return VariantOfType(record.modelType); }
// By the command line's name; null when none has it.
const ModelVariantInfo* VariantNamed(std::string_view commandName);

// The record's model as one of the feature panel's two buttons: the USA model, or Europe.
ModelVariant PanelVariant(bool europe);

}  // namespace qx
