#include "model/channel_plan.h"

#include <array>
#include <cstdio>

#include "model/frequency.h"

namespace qx {

namespace {

// The group tables in the notation of the channel plan: channel number, kind (D duplex,
// S simplex, R receive only), "/" usage code, "#" attribute word in hex; a missing usage
// code or attribute word is 0. Keeping the plan's own notation lets the data be checked
// against the channel plan line by line; the tables are built from it at compile time.
constexpr std::string_view kIntText =
    "1D/30 2D/30 3D/30 4D/11 5D/12 6S/15#20 7D/11 8S/21#20 9S/19#20 10S/21#20 11S/22#20 "
    "12S/12#20 13S/31#20 14S/12#20 15S/11#24 16S/17#28 17S/29#24 18D/11 19D/21 20D/11 "
    "21D/11 22D/11 23D/30 24D/30 25D/30 26D/30 27D/30 28D/30 60D/30 61D/11 62D/11 63D/11 "
    "64D/30 65D/11 66D/11 67S/31#20 68S/13#20 69S/11#20 70S/18#8 71S/11#20 72S/14#20 "
    "73S/11#20 74S/11#20 75S/11#24 76S/11#24 77S/14#24 78D/20 79D/21 80D/21 81D/11 82D/11 "
    "83D/30 84D/30 85D/30 86D/30 87S/30 88S/30";
constexpr std::string_view kUsaText =
    "1S/12#21 3S/26#21 5S/12#21 6S/15#20 7S/21#21 8S/21#20 9S/19#20 10S/21#20 11S/22#20 "
    "12S/12#20 13S/31#24 14S/12#20 15R/32#30 16S/17#28 17S/27#24 18S/21#21 19S/21#21 20D/11 "
    "20S/11#21 21S/26#21 22S/28#21 23S/26#21 24D/30 25D/30 26D/30 27D/30 28D/30 61S/26#21 "
    "63S/12#21 64S/26#21 65S/11#21 66S/11#20 67S/31#24 68S/13#20 69S/13#20 70S/18#8 "
    "71S/13#20 72S/13#20 73S/11#20 74S/11#20 77S/11#24 78S/13#21 79S/21#21 80S/21#21 "
    "81S/26#21 82S/26#21 83S/26#21 84D/30 85D/30 86D/30 87D/30 88D/30 88S/21#21";
constexpr std::string_view kCanText =
    "1D/30 2D/30 3D/30 4S/29#21 5S/12#21 6S/15#20 7S/21#21 8S/21#20 9S/19#20 10S/21#20 "
    "11S/22#20 12S/12#20 13S/31#24 14S/12#20 15S/21#24 16S/17#28 17S/27#24 18S/21#21 "
    "19S/28#21 20D/28 21S/26#21 21R/11#12 22S/28#21 23D/30 24D/30 25D/30 25R/30#12 26D/30 "
    "27D/30 28D/30 28R/30#12 60D/30 61D/26 61S/26#21 62S/28#21 64D/30 64S/26#21 65S/11#21 "
    "66S/11#25 67S/21#20 68S/13#20 69S/23#20 70S/18#8 71S/13#20 72S/14#20 73S/23#20 "
    "74S/23#20 75S/11#24 76S/11#24 77S/11#24 78S/13#21 79S/21#21 80S/21#21 81S/26#21 "
    "82S/26#21 83D/28 83S/26#21 83R/28#12 84D/30 85D/30 86D/30 87D/30 88D/30";
constexpr std::string_view kIntNarrowText =
    "401D 402D 403D 404D 405D 406S 407D 408S 409S 410S 411S 412S 413S 414S 415S 416S 417S "
    "418D 419D 420D 421D 422D 423D 424D 425D 426D 427D 428D 460D 461D 462D 463D 464D 465D "
    "466D 467S 468S 469S 470S 471S 472S 473S 474S 475S 476S 477S 478D 479D 480D 481D 482D "
    "483D 484D 485D 486D 487S";
constexpr std::string_view kUsaNarrowText =
    "401S/0#1 403S/0#1 405S/0#1 406S/0 407S/0#1 408S/0 409S/0 410S/0 411S/0 412S/0 413S/0 "
    "414S/0 415R/0#10 416S/0 417S/0 418S/0#1 419S/0#1 420D/0 420S/0#1 421S/0#1 422S/0#1 "
    "423S/0#1 424D/0 425D/0 426D/0 427D/0 428D/0 461S/0#1 463S/0#1 464S/0#1 465S/0#1 466S/0 "
    "467S/0 468S/0 469S/0 470S/0 471S/0 472S/0 473S/0 474S/0 477S/0 478S/0#1 479S/0#1 "
    "480S/0#1 481S/0#1 482S/0#1 483S/0#1 484D/0 485D/0 486D/0 487D/0";
constexpr std::string_view kCanNarrowText =
    "401D 402D 403D 404S#1 405S#1 406S 407S#1 408S 409S 410S 411S 412S 413S 414S 415S 416S "
    "417S 418S#1 419S#1 420D 421S#1 421R#2 422S#1 423D 424D 425D 425R#2 426D 427D 428D "
    "428R#2 460D 461D 461S#1 462S#1 464D 464S#1 465S#1 466S#1 467S 468S 469S 470S 471S 472S "
    "473S 474S 475S 476S 477S 478S#1 479S#1 480S#1 481S#1 482S#1 483D 483S#1 483R#2 484D "
    "485D 486D 487D";

// WX: receive-only channels 1..10 with usage codes 1..10, by receive frequency in kHz.
constexpr std::array<int, 10> kWxRxKHz = {162550, 162400, 162475, 162425, 162450,
                                          162500, 162525, 161650, 161775, 163275};

// Frequencies are worked in 6.25 kHz units, the Tx word step, so that no rounding occurs.
constexpr int kNarrowOffsetUnits = 2;   // 12.5 kHz
constexpr int kDuplexShiftUnits = 736;  // 4.6 MHz

constexpr int BaseUnits(int n)
{
    if (n >= 1 && n <= 28) return 24960 + 8 * n;          // 156.000 + 0.050 n
    if (n >= 60 && n <= 88) return 24964 + 8 * (n - 60);  // 156.025 + 0.050 (n - 60)
    throw "channel outside the plan";
}

constexpr uint16_t RxWordOfUnits(int units)
{
    return static_cast<uint16_t>(units / 2 - static_cast<int>(kPlanRxOffsetSteps));
}

// One row as the tables above write it: "21S/26#21" is channel 21, kind S, usage 26, attribute 0x21.
struct CodedRow {
    int channel = 0;
    char kind = 0;
    int usage = 0;
    int attribute = 0;
};

template <typename Emit>
constexpr void ForEachCodedRow(std::string_view text, Emit emit)
{
    std::size_t i = 0;
    auto number = [&](int base) {
        int value = 0;
        bool any = false;
        for (; i < text.size(); ++i) {
            char c = text[i];
            int digit = -1;
            if (c >= '0' && c <= '9')
                digit = c - '0';
            else if (base == 16 && c >= 'A' && c <= 'F')
                digit = c - 'A' + 10;
            if (digit < 0) break;
            value = value * base + digit;
            any = true;
        }
        if (!any) throw "number expected";
        return value;
    };
    while (i < text.size()) {
        if (text[i] == ' ') {
            ++i;
            continue;
        }
        CodedRow row;
        row.channel = number(10);
        if (i >= text.size()) throw "kind expected";
        row.kind = text[i++];
        if (i < text.size() && text[i] == '/') {
            ++i;
            row.usage = number(10);
        }
        if (i < text.size() && text[i] == '#') {
            ++i;
            row.attribute = number(16);
        }
        emit(row);
    }
}

enum class Family { kInt, kUsa, kCan };

// Attribute word of a wide row repeated as 2xx in a narrow table.
constexpr int RepeatedAttribute(Family family, const CodedRow& wide)
{
    switch (family) {
    case Family::kUsa:
        if (wide.channel == 15) return 0x10;
        return wide.attribute == 0x21 ? 1 : 0;
    case Family::kCan:
        if (wide.attribute == 0x21 || wide.attribute == 0x25) return 1;
        return wide.attribute == 0x12 ? 2 : 0;
    default: return 0;
    }
}

constexpr int kStoredRows = 57 + 53 + 63 + 113 + 104 + 125 + 10;
constexpr int kGroupSlots = 8;

struct PlanStore {
    std::array<ChannelPlanRow, kStoredRows> rows{};
    std::array<int, kGroupSlots> start{-1, -1, -1, -1, -1, -1, -1, -1};
    int size = 0;

    constexpr void Push(int position, int channel, int tx, int rx, int usage, int attribute)
    {
        if (size >= kStoredRows) throw "plan storage too small";
        rows[size++] = ChannelPlanRow{static_cast<uint8_t>(position), 0,
                                      static_cast<uint16_t>(channel), static_cast<uint16_t>(attribute),
                                      static_cast<uint16_t>(tx),      static_cast<uint16_t>(rx),
                                      static_cast<uint8_t>(usage),    0};
    }

    constexpr void Add(Family family, int position, const CodedRow& row)
    {
        const bool narrow = row.channel >= 400;
        const int n = row.channel % 200;  // 4xx and 2xx stand for channel n
        const int units = BaseUnits(n) + (narrow ? kNarrowOffsetUnits : 0);
        int tx = units;
        int rx = RxWordOfUnits(units);
        switch (row.kind) {
        case 'D': rx = RxWordOfUnits(units + kDuplexShiftUnits); break;
        case 'S': break;
        case 'R':
            tx = 0;
            // The USA plans receive their channel 15 on the base frequency.
            if (!(family == Family::kUsa && n == 15)) rx = RxWordOfUnits(units + kDuplexShiftUnits);
            break;
        default: throw "unknown row kind";
        }
        if (family == Family::kUsa && row.channel == 410) {
            tx = 25060;  // stored on 156.6250 MHz, off the narrow raster
            rx = 9422;
        }
        Push(position, row.channel, tx, rx, row.usage, row.attribute);
    }

    constexpr void AddWide(int group, Family family, std::string_view text)
    {
        start[group] = size;
        int position = 0;
        ForEachCodedRow(text, [&](const CodedRow& row) { Add(family, position++, row); });
    }

    // A narrow table: its own 4xx rows, then the wide table again as channels 2xx.
    constexpr void AddNarrow(int group, Family family, std::string_view narrowText, std::string_view wideText)
    {
        start[group] = size;
        int position = 0;
        ForEachCodedRow(narrowText, [&](const CodedRow& row) { Add(family, position++, row); });
        ForEachCodedRow(wideText, [&](const CodedRow& wide) {
            CodedRow repeated = wide;
            repeated.channel = 200 + wide.channel;
            repeated.attribute = RepeatedAttribute(family, wide);
            Add(family, position++, repeated);
        });
    }

    constexpr void AddWx()
    {
        start[kGroupWx] = size;
        for (int i = 0; i < static_cast<int>(kWxRxKHz.size()); ++i) {
            if (kWxRxKHz[i] * 2 % 25 != 0) throw "WX frequency off the 12.5 kHz raster";
            Push(i, i + 1, 0, kWxRxKHz[i] * 2 / 25 - static_cast<int>(kPlanRxOffsetSteps), i + 1, 0);
        }
    }

    // Rows of a table as readers see them: while the row number equals the position.
    constexpr int CountRows(int group) const
    {
        int n = 0;
        while (start[group] + n < size && rows[start[group] + n].row == n) ++n;
        return n;
    }
};

// All seven tables lie back to back, so reading past a table's end meets the next table's
// row 0 - which is what ends it.
constexpr PlanStore BuildStore()
{
    PlanStore store;
    store.AddWide(kGroupInt, Family::kInt, kIntText);
    store.AddWide(kGroupUsa, Family::kUsa, kUsaText);
    store.AddWide(kGroupCan, Family::kCan, kCanText);
    store.AddNarrow(kGroupIntNarrow, Family::kInt, kIntNarrowText, kIntText);
    store.AddNarrow(kGroupUsaNarrow, Family::kUsa, kUsaNarrowText, kUsaText);
    store.AddNarrow(kGroupCanNarrow, Family::kCan, kCanNarrowText, kCanText);
    store.AddWx();
    if (store.size != kStoredRows) throw "plan storage size mismatch";
    return store;
}

constexpr PlanStore kStore = BuildStore();

static_assert(kStore.CountRows(kGroupInt) == 57);
static_assert(kStore.CountRows(kGroupUsa) == 53);
static_assert(kStore.CountRows(kGroupCan) == 63);
static_assert(kStore.CountRows(kGroupIntNarrow) == 113);
static_assert(kStore.CountRows(kGroupUsaNarrow) == 104);
static_assert(kStore.CountRows(kGroupCanNarrow) == 125);
static_assert(kStore.CountRows(kGroupWx) == 10);

constexpr const char* kUsageNames[kUsageSlotCount] = {
    "                ",  // 0
    "  162.550000Mhz ",  // 1
    "  162.400000Mhz ",  // 2
    "  162.475000Mhz ",  // 3
    "  162.425000Mhz ",  // 4
    "  162.450000Mhz ",  // 5
    "  162.500000Mhz ",  // 6
    "  162.525000Mhz ",  // 7
    "  161.650000Mhz ",  // 8
    "  161.775000Mhz ",  // 9
    "  163.275000Mhz ",  // 10
    " PORT OPERATION ",  // 11
    " PORT OPERAT/VTS",  // 12
    " BOAT OPERATION ",  // 13
    "    INTER-SHIP  ",  // 14
    "INTERSHIP/SAFETY",  // 15
    "      PLEASURE  ",  // 16
    "      DISTRESS  ",  // 17
    "         DSC    ",  // 18
    "       CALLING  ",  // 19
    " NON-COMMERCIAL ",  // 20
    "     COMMERCIAL ",  // 21
    " COMMERCIAL/VTS ",  // 22
    " COMMERCIAL FISH",  // 23
    "     GREAT LAKE ",  // 24
    "     GOVERNMENT ",  // 25
    "   UNAUTHORIZED ",  // 26
    "STATE CONTROLLED",  // 27
    "    COAST GUARD ",  // 28
    "COAST GUARD/SAR ",  // 29
    " CORRESPONDENCE ",  // 30
    "BRIDGE TO BRIDGE",  // 31
    "  ENVIRONMENTAL ",  // 32
    "       MARINA   ",  // 33
    "      LEISURE   ",  // 34
    "      FISHING   ",  // 35
};

constexpr bool UsageNamesAreSlotWide()
{
    for (const char* name : kUsageNames)
        if (std::string_view(name).size() != 16) return false;
    return true;
}
static_assert(UsageNamesAreSlotWide());

int GroupStart(int group) { return group >= 0 && group < kGroupSlots ? kStore.start[group] : -1; }

}  // namespace

bool PlanStoredRow(int group, int position, ChannelPlanRow& row)
{
    int start = GroupStart(group);
    if (start < 0 || position < 0 || position >= kStore.size - start) return false;
    row = kStore.rows[start + position];
    return true;
}

std::vector<ChannelPlanRow> PlanRows(int group, int maxRows)
{
    std::vector<ChannelPlanRow> rows;
    ChannelPlanRow row;
    for (int position = 0; position < maxRows && PlanStoredRow(group, position, row); ++position) {
        if (row.row != position) break;
        rows.push_back(row);
    }
    return rows;
}

const char* UsageName(int code) { return code >= 0 && code < kUsageSlotCount ? kUsageNames[code] : ""; }

std::string FormatPlanLine(const ChannelPlanRow& row)
{
    uint32_t txWhole, txFraction, rxWhole, rxFraction;
    PlanTxParts(row.txWord, txWhole, txFraction);
    PlanRxParts(row.rxWord, rxWhole, rxFraction);
    char text[96];
    std::snprintf(text, sizeof text, "%02d, TX:%u.%04u  RX:%u.%04u,%s", int{row.channel}, txWhole, txFraction, rxWhole,
                  rxFraction, UsageName(row.usageCode));
    return text;
}

std::string FormatPrivateLine(const ChannelEntry& entry)
{
    // Room for the widest double "%8.4f" can print, twice: damaged files may hold any value.
    char text[1024];
    std::snprintf(text, sizeof text, "%3s,TX:%8.4f  RX:%8.4f %s", ChannelName(entry).c_str(), entry.txMHz, entry.rxMHz,
                  UsageName(entry.usageCode));
    return text;
}

}  // namespace qx
