// The commissioning sheet and the channel card as pages of placed items in millimetres. The
// layout is decided here once; the PDF, print and page painters only draw what it places.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "clone/clock.h"
#include "model/radio_settings.h"

namespace qx {

enum class PaperSize { A4, Letter };

// "a4" or "letter"; false for anything else.
bool PaperSizeFromName(std::string_view name, PaperSize& paper);
// The languages a sheet is printed in: "en", "de", "nl", "fr".
bool SheetLanguageKnown(std::string_view language);

enum class TextAlign { Left, Center, Right };

struct TextStyle {
    double sizePt = 9.0;
    bool bold = false;
    bool monospace = false;
    TextAlign align = TextAlign::Left;
};

// One thing drawn on a page. Coordinates are millimetres from the page's top left corner.
struct SheetItem {
    enum class Kind {
        Text,  // `text` in the box (x, y, width, height), vertically centred, never wider than the box
        Rule,  // a line from (x, y) to (x + width, y + height)
        Cell,  // a table cell: the box, its border and optional shade, and `text` inset in it
    };
    Kind kind = Kind::Text;
    double x = 0, y = 0, width = 0, height = 0;
    std::string text;  // valid UTF-8
    TextStyle style;
    double lineMm = 0.2;  // rules and cell borders
    bool border = true;   // cells
    bool shaded = false;  // cells: a light grey background
};

inline constexpr double kCellPaddingMm = 1.0;

struct SheetPage {
    std::vector<SheetItem> items;
};

struct SheetDocument {
    std::string title;  // the PDF's title
    double widthMm = 0, heightMm = 0;
    double marginMm = 0;  // nothing is placed closer than this to an edge
    std::vector<SheetPage> pages;
};

struct SheetOptions {
    PaperSize paper = PaperSize::A4;
    std::string vesselName;  // empty: a line to fill in by hand
    std::string callSign;
    std::string programName = "QX720 Clone";
    std::string programVersion;
    LocalTime printed;
    std::optional<LocalTime> writtenAndVerified;  // set after a verified write
    // "en", "de", "nl" or "fr": the texts (from the catalogs), dates and decimal marks.
    std::string language = "en";
};

// The commissioning record of one radio: identities, model, groups, steps, private channels,
// checksum and signature lines. One page for a typical record; long channel lists run on.
SheetDocument BuildCommissioningSheet(const RadioSettings& record, const SheetOptions& options);

// The channels the radio will have: its enabled built-in groups and its private channels, in
// narrow columns to fold and keep aboard.
SheetDocument BuildChannelCard(const RadioSettings& record, const SheetOptions& options);

// A generous estimate of the width of `text` in `style`, in mm, from classes of characters: the
// layout fits texts by it without measuring fonts, and the painters still cut what overflows.
double TextWidthMm(std::string_view text, const TextStyle& style);

// `text` cut (ending in "…") so that its estimated width stays within `widthMm`.
std::string FitText(std::string_view text, const TextStyle& style, double widthMm);

// `text` broken at blanks into at most `maxLines` lines within `widthMm`; the last line is cut
// when the text needs more. A word wider than a line is cut too.
std::vector<std::string> WrapText(std::string_view text, const TextStyle& style, double widthMm, int maxLines);

}  // namespace qx
