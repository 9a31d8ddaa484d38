#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "model/channel_plan.h"
#include "model/frequency.h"
#include "model/private_sets.h"
#include "reports/sheet_layout.h"
#include "support/records.h"

namespace qx {
namespace {

const std::string kEllipsis = "\xE2\x80\xA6";

RadioSettings UkRecord() { return test::UkWithIdentities(); }

// Every group switched on and the private block full but for one entry, with every flag set
// and names from files that are not text.
RadioSettings CrowdedRecord()
{
    RadioSettings r;
    ResetSettings(r, 2);
    for (int32_t RadioSettings::*g :
         {&RadioSettings::usaEnabled, &RadioSettings::intEnabled, &RadioSettings::canEnabled,
          &RadioSettings::privateEnabled, &RadioSettings::usaNarrowEnabled, &RadioSettings::intNarrowEnabled,
          &RadioSettings::canNarrowEnabled, &RadioSettings::wxEnabled})
        r.*g = 1;
    for (int i = 0; i < 99; ++i) {
        ChannelEntry& e = r.channels[kPrivateBlock + i];
        e = ChannelEntry{};
        const char name[3] = {kPrivateNameChars[i / 15], kPrivateNameChars[i % 15], '\0'};
        SetChannelName(e, name);
        SetUsageText(e, i % 2 ? "\xFF\x01WIDE WIDE WW" : "MARINA");
        e.usageCode = static_cast<int8_t>(11 + i % 25);
        e.txMHz = i == 7 ? 1e300 : 155.0 + i * 0.00625;
        e.rxMHz = e.txMHz;
        e.inUse = e.lowPowerOnly = e.rxOnly = e.oneWattAtis = e.rxAtis = e.pttHigh = 1;
    }
    SetMmsiText(r,
                "\xC3\x28"
                "12345678");
    return r;
}

SheetOptions Options(PaperSize paper, std::string vessel = {}, std::string callSign = {})
{
    SheetOptions o;
    o.paper = paper;
    o.vesselName = std::move(vessel);
    o.callSign = std::move(callSign);
    o.programVersion = "1.10";
    o.printed = {2026, 12, 8, 14, 30, 0, 0};
    o.writtenAndVerified = LocalTime{2026, 12, 8, 14, 29, 0, 0};
    return o;
}

bool ValidUtf8(const std::string& s)
{
    for (std::size_t i = 0; i < s.size();) {
        const unsigned char c = static_cast<unsigned char>(s[i]);
        const int n = c < 0x80                 ? 1
                      : c >= 0xC2 && c <= 0xDF ? 2
                      : c >= 0xE0 && c <= 0xEF ? 3
                      : c >= 0xF0 && c <= 0xF4 ? 4
                                               : 0;
        if (n == 0 || i + n > s.size()) return false;
        for (int k = 1; k < n; ++k)
            if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80) return false;
        if (n == 1 && c < 0x20) return false;
        i += n;
    }
    return true;
}

// What is wrong with where an item sits or what it holds; empty when nothing is.
std::string Misplaced(const SheetDocument& doc, const SheetItem& item)
{
    const double eps = 1e-6;
    const double right = item.x + std::max(0.0, item.width), bottom = item.y + std::max(0.0, item.height);
    const double left = std::min(item.x, item.x + item.width), top = std::min(item.y, item.y + item.height);
    if (left < doc.marginMm - eps || top < doc.marginMm - eps || right > doc.widthMm - doc.marginMm + eps ||
        bottom > doc.heightMm - doc.marginMm + eps)
        return "outside the printable area";
    if (!ValidUtf8(item.text)) return "not printable UTF-8";
    const double room = item.kind == SheetItem::Kind::Cell ? item.width - 2 * kCellPaddingMm : item.width;
    if (TextWidthMm(item.text, item.style) > room + eps) return "wider than its box";
    return {};
}

std::vector<std::string> Texts(const SheetDocument& doc)
{
    std::vector<std::string> texts;
    for (const SheetPage& page : doc.pages)
        for (const SheetItem& item : page.items)
            if (!item.text.empty()) texts.push_back(item.text);
    return texts;
}

bool Holds(const std::vector<std::string>& texts, const std::string& text)
{
    return std::find(texts.begin(), texts.end(), text) != texts.end();
}

TEST(SheetLayout, EveryItemStaysInsideThePrintableAreaAndItsBox)
{
    const std::string longName(300, 'W');
    const std::string longWords = "The Very Long Name Of A Vessel That Goes On And On Past Any Line Of The Sheet";
    struct Case {
        const char* what;
        RadioSettings record;
        SheetOptions options;
    };
    RadioSettings usa;
    ResetSettings(usa, 0);
    const Case cases[] = {
        {"typical, A4", UkRecord(), Options(PaperSize::A4)},
        {"USA default, letter", usa, Options(PaperSize::Letter, "Bay", "WXY1234")},
        {"99 channels, A4", CrowdedRecord(), Options(PaperSize::A4, longWords, longName)},
        {"99 channels, letter", CrowdedRecord(), Options(PaperSize::Letter, longName, longWords)},
    };
    for (const Case& c : cases) {
        for (bool card : {false, true}) {
            const SheetDocument doc = card ? BuildChannelCard(c.record, c.options)
                                           : BuildCommissioningSheet(c.record, c.options);
            ASSERT_FALSE(doc.pages.empty()) << c.what;
            for (std::size_t p = 0; p < doc.pages.size(); ++p)
                for (const SheetItem& item : doc.pages[p].items) {
                    const std::string why = Misplaced(doc, item);
                    EXPECT_EQ(why, "") << c.what << (card ? " card" : " sheet") << ", page " << p + 1 << ": \""
                                       << item.text << "\" at " << item.x << "," << item.y;
                }
        }
    }
}

TEST(SheetLayout, TypicalRecordFitsOnePageOfEitherPaper)
{
    for (PaperSize paper : {PaperSize::A4, PaperSize::Letter}) {
        const SheetDocument doc = BuildCommissioningSheet(UkRecord(), Options(paper, "Morning Star", "MXYZ9"));
        EXPECT_EQ(doc.pages.size(), 1u);
        const std::vector<std::string> texts = Texts(doc);
        for (const char* text : {"235012345", "9235012345", "M1", "M2", "157.8500", "161.4250", "Morning Star", "MXYZ9",
                                 "Written and verified: 2026-12-08 14:29", "INT, USA, Private"})
            EXPECT_TRUE(Holds(texts, text)) << text;
    }
}

TEST(SheetLayout, LongListsRunOnWithoutLosingARow)
{
    const RadioSettings record = CrowdedRecord();
    const SheetDocument sheet = BuildCommissioningSheet(record, Options(PaperSize::Letter));
    EXPECT_GT(sheet.pages.size(), 1u);
    const std::vector<std::string> sheetTexts = Texts(sheet);
    for (int i = 0; i < 99; ++i) EXPECT_TRUE(Holds(sheetTexts, ChannelName(record.channels[kPrivateBlock + i]))) << i;
    // A page that carries on the table starts with its heading row again.
    for (std::size_t p = 0; p < sheet.pages.size(); ++p) {
        const auto& items = sheet.pages[p].items;
        const bool rows = std::any_of(items.begin(), items.end(), [](const SheetItem& i) {
            return i.kind == SheetItem::Kind::Cell && i.style.monospace;
        });
        const bool heading = std::any_of(items.begin(), items.end(),
                                         [](const SheetItem& i) { return i.text == "TX MHz"; });
        EXPECT_EQ(rows, heading) << "page " << p + 1;
    }

    const SheetDocument card = BuildChannelCard(record, Options(PaperSize::A4));
    // A card row: channel, TX and RX in monospace cells, then the usage.
    std::vector<std::string> rx;
    for (const SheetPage& page : card.pages)
        for (std::size_t i = 0; i + 3 < page.items.size(); ++i) {
            const SheetItem* row = &page.items[i];
            if (row[0].style.monospace && row[1].style.monospace && row[2].style.monospace && !row[3].style.monospace) {
                rx.push_back(row[2].text);
                i += 3;
            }
        }
    std::size_t expected = 0;
    for (int group : {kGroupInt, kGroupUsa, kGroupCan, kGroupIntNarrow, kGroupUsaNarrow, kGroupCanNarrow, kGroupWx}) {
        for (const ChannelPlanRow& row : PlanRows(group))
            EXPECT_TRUE(Holds(rx, PlanRxText(row.rxWord))) << group << " row " << int{row.row};
        expected += PlanRows(group).size();
    }
    EXPECT_EQ(rx.size(), expected + 99);
}

TEST(SheetLayout, TextsAreCutOrWrappedToTheirWidth)
{
    const TextStyle body{9.0, false, false, TextAlign::Left};
    const TextStyle bold{11.0, true, false, TextAlign::Left};
    struct Case {
        std::string text;
        TextStyle style;
        double widthMm;
        int maxLines;
        std::vector<std::string> lines;  // empty: only the limits are checked
        bool cut;
    };
    const Case cases[] = {
        {"MID 235, United Kingdom", body, 120, 3, {"MID 235, United Kingdom"}, false},
        {"one two three four five six", body, 22, 9, {"one two", "three four", "five six"}, false},
        {"one two three four five six", body, 22, 2, {}, true},
        {std::string(200, 'W'), bold, 60, 2, {}, true},
        {"\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9", body, 10, 1, {}, true},
        {"", body, 50, 2, {}, false},
    };
    for (const Case& c : cases) {
        const std::vector<std::string> lines = WrapText(c.text, c.style, c.widthMm, c.maxLines);
        if (!c.lines.empty()) {
            EXPECT_EQ(lines, c.lines) << c.text;
        }
        EXPECT_LE(lines.size(), static_cast<std::size_t>(c.maxLines)) << c.text;
        for (const std::string& line : lines) {
            EXPECT_LE(TextWidthMm(line, c.style), c.widthMm) << c.text;
            EXPECT_TRUE(ValidUtf8(line)) << c.text;
        }
        const bool cut = !lines.empty() && lines.back().size() >= kEllipsis.size() &&
                         lines.back().compare(lines.back().size() - kEllipsis.size(), kEllipsis.size(), kEllipsis) == 0;
        EXPECT_EQ(cut, c.cut) << c.text;
    }
}

}  // namespace
}  // namespace qx
