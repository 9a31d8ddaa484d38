#include "model/model_variant.h"

namespace qx {

namespace {

constexpr ModelVariantInfo kVariants[] = {
    {ModelVariant::Usa, 0, "USA", "usa", "QX720USA", false, true, false, false},
    {ModelVariant::EuropeInt, 1, "EUR (INT)", "eur-int", "QX720EUR", true, false, true, true},
    {ModelVariant::EuropeIntUsa, 2, "EUR (INT,USA)", "eur-int-usa", "QX720EUR", true, false, true, true},
};

}  // namespace

std::span<const ModelVariantInfo> ModelVariants() { return kVariants; }

const ModelVariantInfo& VariantInfo(ModelVariant variant)
{
    for (const ModelVariantInfo& info : kVariants)
        if (info.variant == variant) return info;
    return kVariants[0];
}

const ModelVariantInfo& VariantOfType(int32_t type)
{
    for (const ModelVariantInfo& info : kVariants)
        if (info.type == type) return info;
    return kVariants[1];
}

const ModelVariantInfo* VariantNamed(std::string_view commandName)
{
    for (const ModelVariantInfo& info : kVariants)
        if (commandName == info.commandName) return &info;
    return nullptr;
}

ModelVariant PanelVariant(bool europe) { return europe ? ModelVariant::EuropeInt : ModelVariant::Usa; }

}  // namespace qx
