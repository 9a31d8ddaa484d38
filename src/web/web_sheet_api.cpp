// The page's print view: the commissioning sheet or the channel card of its document, as the
// core lays it out, for the page to draw in millimetres and the browser to print.
#include <emscripten.h>

#include <string>

#include "model/radio_image.h"
#include "reports/sheet_layout.h"
#include "web/bridge_reply.h"
#include "web/json_text.h"
#include "web/verified_write.h"
#include "web/web_document.h"

namespace qx::web {
namespace {

const char* KindName(SheetItem::Kind kind)
{
    switch (kind) {
    case SheetItem::Kind::Rule: return "rule";
    case SheetItem::Kind::Cell: return "cell";
    case SheetItem::Kind::Text: break;
    }
    return "text";
}

const char* AlignName(TextAlign align)
{
    return align == TextAlign::Right ? "right" : align == TextAlign::Center ? "center" : "left";
}

void Item(JsonText& json, const SheetItem& item)
{
    json.Begin()
        .Field("kind", KindName(item.kind))
        .Field("x", item.x)
        .Field("y", item.y)
        .Field("width", item.width)
        .Field("height", item.height)
        .Field("text", item.text)
        .Field("lineMm", item.lineMm)
        .Field("border", item.border)
        .Field("shaded", item.shaded);
    json.Key("style")
        .Begin()
        .Field("sizePt", item.style.sizePt)
        .Field("bold", item.style.bold)
        .Field("monospace", item.style.monospace)
        .Field("align", AlignName(item.style.align))
        .End();
    json.End();
}

std::string SheetJson(const SheetDocument& sheet)
{
    JsonText json;
    json.Begin()
        .Field("title", sheet.title)
        .Field("widthMm", sheet.widthMm)
        .Field("heightMm", sheet.heightMm)
        .Field("marginMm", sheet.marginMm)
        .Field("paddingMm", kCellPaddingMm);
    json.Key("pages").Begin('[');
    for (const SheetPage& page : sheet.pages) {
        json.Begin().Key("items").Begin('[');
        for (const SheetItem& item : page.items) Item(json, item);
        json.End(']').End();
    }
    json.End(']');
    return json.End().Str();
}

}  // namespace
}  // namespace qx::web

using namespace qx;
using namespace qx::web;

extern "C" {

// The sheet (card 0) or the channel card (card 1) of the document, printed now. An unknown
// paper name is answered with {"error":...}.
EMSCRIPTEN_KEEPALIVE const char* qx_sheet(int card, const char* paper, const char* vessel, const char* callSign,
                                          const char* version, const char* language)
{
    SheetOptions options;
    // The page's own language: the sheet's texts, dates and decimal marks follow it.
    if (SheetLanguageKnown(language)) options.language = language;
    if (!PaperSizeFromName(paper, options.paper)) {
        JsonText json;
        return Reply(json.Begin().Field("error", std::string("unknown paper ") + paper).End().Str());
    }
    options.vesselName = vessel;
    options.callSign = callSign;
    options.programVersion = version;
    options.printed = SystemLocalTime();
    const RadioSettings& record = Document().Record();
    if (VerifiedWrite().verified && VerifiedWrite().sent == EncodedCloneRange(record))
        options.writtenAndVerified = VerifiedWrite().verified;
    return Reply(SheetJson(card ? BuildChannelCard(record, options) : BuildCommissioningSheet(record, options)));
}

}  // extern "C"
