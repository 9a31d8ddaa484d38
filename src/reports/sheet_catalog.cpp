#include "reports/sheet_catalog.h"

namespace qx {

std::string SheetText(std::string_view language, std::string_view source)
{
    for (int i = 0; i < kSheetCatalogSize; ++i) {
        const SheetCatalogEntry& entry = kSheetCatalog[i];
        if (language == entry.language && source == entry.source && entry.translation[0] != '\0')
            return entry.translation;
    }
    return std::string(source);
}

}  // namespace qx
