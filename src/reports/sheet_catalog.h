// The sheet's and the card's texts in the other languages, compiled in from the Qt Linguist
// catalogs (context qx::Sheet), so that the window, the page and the command line print alike.
#pragma once

#include <string>
#include <string_view>

namespace qx {

struct SheetCatalogEntry {
    const char* language;  // "de", "nl", "fr"
    const char* source;    // the English text
    const char* translation;
};
extern const SheetCatalogEntry kSheetCatalog[];
extern const int kSheetCatalogSize;

// `source` in `language`; the English text itself for "en" or where the catalog has none.
std::string SheetText(std::string_view language, std::string_view source);

}  // namespace qx
