#include "reports/sheet_layout.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>

#include "channels/channel_csv.h"
#include "csv/csv.h"
#include "identity/maritime_identity.h"
#include "model/channel_plan.h"
#include "model/checksum.h"
#include "model/frequency.h"
#include "reports/report_text.h"
#include "reports/sheet_catalog.h"

namespace qx {

namespace {

constexpr double kMmPerPt = 25.4 / 72.0;
constexpr double kMarginMm = 15.0;
constexpr double kFooterMm = 8.0;  // room kept above the bottom margin for the page footer
constexpr const char* kEllipsis = "\xE2\x80\xA6";
constexpr const char* kDash = "\xE2\x80\x94";

// Length of the UTF-8 sequence a lead byte starts; 0 for a byte that cannot lead one.
int SequenceLength(unsigned char lead)
{
    if (lead < 0x80) return 1;
    if (lead >= 0xC2 && lead <= 0xDF) return 2;
    if (lead >= 0xE0 && lead <= 0xEF) return 3;
    if (lead >= 0xF0 && lead <= 0xF4) return 4;
    return 0;
}

// The code points of valid UTF-8 text, each as its byte span.
std::vector<std::string_view> Characters(std::string_view text)
{
    std::vector<std::string_view> out;
    for (std::size_t i = 0; i < text.size();) {
        const int n = std::max(1, SequenceLength(static_cast<unsigned char>(text[i])));
        const std::size_t take = std::min<std::size_t>(n, text.size() - i);
        out.push_back(text.substr(i, take));
        i += take;
    }
    return out;
}

// Width of one character in ems. Generous for the proportional faces (capitals and wide
// letters are counted wide), exact enough for monospace faces, which all advance about 0.6 em.
double CharacterEms(std::string_view c, const TextStyle& style)
{
    if (style.monospace) return 0.62;
    if (c.size() > 2) return 1.0;  // CJK and symbols: a whole em
    if (c.size() > 1) return 0.8;
    const char ch = c[0];
    if (std::string_view("iljtfrI.,:;'!|() []").find(ch) != std::string_view::npos) return 0.42;
    if (ch >= '0' && ch <= '9') return 0.64;
    if (ch == 'W' || ch == 'M' || ch == 'm' || ch == 'w' || ch == '@' || ch == '%') return 1.0;
    if (ch >= 'A' && ch <= 'Z') return 0.78;
    return 0.64;
}

double LineHeightMm(double sizePt) { return sizePt * kMmPerPt * 1.5; }

// The language of the sheet being laid out, for the helpers below: each layout sets it for its
// own thread (fleet units lay out their sheets at once).
thread_local std::string tLanguage = "en";

struct LanguageScope {
    std::string saved = tLanguage;
    explicit LanguageScope(const std::string& language) { tLanguage = language; }
    ~LanguageScope() { tLanguage = saved; }
    LanguageScope(const LanguageScope&) = delete;
    LanguageScope& operator=(const LanguageScope&) = delete;
};

// A text of the sheet in its language.
std::string T(std::string_view english) { return SheetText(tLanguage, english); }
// The same with %1, %2 filled in.
std::string T(std::string_view english, const std::string& first, const std::string& second = {})
{
    std::string text = T(english);
    if (const auto at = text.find("%1"); at != std::string::npos) text.replace(at, 2, first);
    if (const auto at = text.find("%2"); at != std::string::npos) text.replace(at, 2, second);
    return text;
}

// Decimal commas everywhere but in English.
std::string LocalNumber(std::string text)
{
    if (tLanguage != "en") std::replace(text.begin(), text.end(), '.', ',');
    return text;
}

// The date and time as the language writes them.
std::string TimeText(const LocalTime& t)
{
    if (tLanguage == "de") return FormatText("%02d.%02d.%04d %02d:%02d", t.day, t.month, t.year, t.hour, t.minute);
    if (tLanguage == "nl") return FormatText("%d-%d-%04d %02d:%02d", t.day, t.month, t.year, t.hour, t.minute);
    if (tLanguage == "fr") return FormatText("%02d/%02d/%04d %02d:%02d", t.day, t.month, t.year, t.hour, t.minute);
    return FormatText("%04d-%02d-%02d %02d:%02d", t.year, t.month, t.day, t.hour, t.minute);
}

// A frequency from a record: four decimals, five when the 6.25 kHz raster needs them. Files
// may hold any double, so the text is bounded and non-numbers are named.
std::string MHzText(double mhz)
{
    if (!std::isfinite(mhz) || std::fabs(mhz) > 1e6) return "?";
    std::string text = FormatText("%.5f", mhz);
    if (text.back() == '0') text.pop_back();
    return LocalNumber(text);
}

std::string TrimBlanks(std::string_view text)
{
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    return std::string(text.substr(first, text.find_last_not_of(' ') - first + 1));
}

bool SameIgnoringCase(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::toupper(static_cast<unsigned char>(x)) == std::toupper(static_cast<unsigned char>(y));
           });
}

std::string PrivateUsage(const ChannelEntry& entry)
{
    const std::string name = TrimBlanks(UsageName(entry.usageCode));
    const std::string text = PrintableText(TrimBlanks(UsageText(entry)));
    if (text.empty() || SameIgnoringCase(name, text)) return name;
    if (name.empty()) return text;
    return name + " (" + text + ")";
}

std::string FlagsText(const ChannelEntry& entry)
{
    struct Flag {
        int32_t ChannelEntry::*field;
        const char* text;
    };
    static constexpr Flag kFlags[] = {
        {&ChannelEntry::lowPowerOnly, "1 W only"}, {&ChannelEntry::rxOnly, "RX only"},
        {&ChannelEntry::oneWattAtis, "1 W ATIS"},  {&ChannelEntry::rxAtis, "RX ATIS"},
        {&ChannelEntry::pttHigh, "PTT high"},
    };
    std::string out;
    for (const Flag& f : kFlags) {
        if (entry.*f.field == 0) continue;
        if (!out.empty()) out += ", ";
        out += T(f.text);
    }
    return out;
}

std::string StepText(int32_t step)
{
    switch (step) {
    case 1: return LocalNumber("12.5 kHz");
    case 2: return "25 kHz";
    default: return LocalNumber("6.25 kHz");
    }
}

struct GroupSwitch {
    int group;
    int32_t RadioSettings::*field;
    const char* shortName;
    const char* title;
};

// In the radio's own group order.
constexpr GroupSwitch kGroupSwitches[] = {
    {kGroupInt, &RadioSettings::intEnabled, "INT", "INT (international)"},
    {kGroupUsa, &RadioSettings::usaEnabled, "USA", "USA"},
    {kGroupCan, &RadioSettings::canEnabled, "CAN", "CAN (Canada)"},
    {kGroupPrivate, &RadioSettings::privateEnabled, "Private", "Private channels"},
    {kGroupIntNarrow, &RadioSettings::intNarrowEnabled, "INT narrow", "INT narrow"},
    {kGroupUsaNarrow, &RadioSettings::usaNarrowEnabled, "USA narrow", "USA narrow"},
    {kGroupCanNarrow, &RadioSettings::canNarrowEnabled, "CAN narrow", "CAN narrow"},
    {kGroupWx, &RadioSettings::wxEnabled, "WX", "WX (weather, receive only)"},
};

std::string IdentityMidText(int mid, bool allocated, const std::string& administration)
{
    if (mid < 0) return {};
    return MidLabel(mid) + (allocated ? ", " + administration : " " + T("(not allocated)"));
}

// Places items page by page, top to bottom, starting a new page when the next block would
// reach into the footer.
class Flow {
public:
    Flow(SheetDocument& doc) : doc_(doc) { NewPage(); }

    double Left() const { return doc_.marginMm; }
    double Right() const { return doc_.widthMm - doc_.marginMm; }
    double Width() const { return Right() - Left(); }
    double Top() const { return doc_.marginMm; }
    double Bottom() const { return doc_.heightMm - doc_.marginMm - kFooterMm; }
    double y = 0;

    void NewPage()
    {
        doc_.pages.emplace_back();
        y = Top();
    }
    bool Fits(double height) const { return y + height <= Bottom() + 1e-9; }
    // True when a new page was started.
    bool Ensure(double height)
    {
        if (Fits(height) || y == Top()) return false;
        NewPage();
        return true;
    }

    void Text(double x, double top, double width, double height, std::string_view text, const TextStyle& style)
    {
        SheetItem item;
        item.kind = SheetItem::Kind::Text;
        item.x = x;
        item.y = top;
        item.width = width;
        item.height = height;
        item.style = style;
        item.text = FitText(text, style, width);
        Page().items.push_back(std::move(item));
    }
    void Rule(double x, double top, double width, double lineMm = 0.2)
    {
        SheetItem item;
        item.kind = SheetItem::Kind::Rule;
        item.x = x;
        item.y = top;
        item.width = width;
        item.lineMm = lineMm;
        Page().items.push_back(std::move(item));
    }
    void Cell(double x, double top, double width, double height, std::string_view text, const TextStyle& style,
              bool shaded = false)
    {
        SheetItem item;
        item.kind = SheetItem::Kind::Cell;
        item.x = x;
        item.y = top;
        item.width = width;
        item.height = height;
        item.style = style;
        item.shaded = shaded;
        item.lineMm = 0.15;
        item.text = FitText(text, style, width - 2 * kCellPaddingMm);
        Page().items.push_back(std::move(item));
    }

    SheetPage& Page() { return doc_.pages.back(); }

private:
    SheetDocument& doc_;
};

SheetDocument NewDocument(const SheetOptions& options, std::string title)
{
    SheetDocument doc;
    doc.title = T(title);
    if (options.paper == PaperSize::Letter) {
        doc.widthMm = 215.9;
        doc.heightMm = 279.4;
    } else {
        doc.widthMm = 210.0;
        doc.heightMm = 297.0;
    }
    doc.marginMm = kMarginMm;
    return doc;
}

// "Page n of m" and the program on every page, once the number of pages is known.
void AddFooters(SheetDocument& doc, const SheetOptions& options)
{
    const TextStyle style{7.0, false, false, TextAlign::Left};
    TextStyle right = style;
    right.align = TextAlign::Right;
    const double left = doc.marginMm;
    const double width = doc.widthMm - 2 * doc.marginMm;
    const double height = LineHeightMm(style.sizePt);
    const double top = doc.heightMm - doc.marginMm - height;
    const std::string program = PrintableText(options.programName + " " + options.programVersion);
    const int count = static_cast<int>(doc.pages.size());
    for (int i = 0; i < count; ++i) {
        auto& items = doc.pages[i].items;
        SheetItem rule;
        rule.kind = SheetItem::Kind::Rule;
        rule.x = left;
        rule.y = top - 1.0;
        rule.width = width;
        rule.lineMm = 0.1;
        items.push_back(rule);
        SheetItem text;
        text.x = left;
        text.y = top;
        text.width = width * 0.7;
        text.height = height;
        text.style = style;
        text.text = FitText(program + " " + kDash + " " + T("%1, printed %2", doc.title, TimeText(options.printed)),
                            style, text.width);
        items.push_back(text);
        text.x = left + width * 0.7;
        text.width = width * 0.3;
        text.style = right;
        text.text = T("Page %1 of %2", std::to_string(i + 1), std::to_string(count));
        items.push_back(text);
    }
}

// The title line and a heavy rule; the program and the date on the right.
void AddTitle(Flow& flow, const std::string& title, const std::string& rightTop, const std::string& rightBottom)
{
    // Smaller rather than cut, for the longer titles of other languages.
    TextStyle titleStyle{16.0, true, false, TextAlign::Left};
    while (titleStyle.sizePt > 11.0 && TextWidthMm(title, titleStyle) > flow.Width() * 0.6) titleStyle.sizePt -= 1.0;
    const TextStyle small{8.5, false, false, TextAlign::Right};
    const double top = flow.y;
    flow.Text(flow.Left(), top, flow.Width() * 0.6, 10.0, title, titleStyle);
    flow.Text(flow.Left() + flow.Width() * 0.6, top + 0.5, flow.Width() * 0.4, 4.5, rightTop, small);
    flow.Text(flow.Left() + flow.Width() * 0.6, top + 5.0, flow.Width() * 0.4, 4.5, rightBottom, small);
    flow.y = top + 11.0;
    flow.Rule(flow.Left(), flow.y, flow.Width(), 0.5);
    flow.y += 3.0;
}

const TextStyle kHeading{11.0, true, false, TextAlign::Left};
const TextStyle kLabel{9.0, true, false, TextAlign::Left};
const TextStyle kBody{9.0, false, false, TextAlign::Left};
const TextStyle kNumber{9.5, true, true, TextAlign::Left};
constexpr double kLabelMm = 38.0;
constexpr double kRowMm = 5.5;

// A section heading kept with at least `keep` mm of what follows it.
void AddHeading(Flow& flow, const std::string& text, double keep)
{
    flow.Ensure(9.0 + keep);
    flow.y += 2.0;
    flow.Text(flow.Left(), flow.y, flow.Width(), 5.5, T(text), kHeading);
    flow.y += 5.8;
    flow.Rule(flow.Left(), flow.y, flow.Width(), 0.25);
    flow.y += 1.2;
}

// A label and its value, the value wrapped onto up to `maxLines` lines.
void AddField(Flow& flow, const std::string& label, const std::string& value, int maxLines = 2)
{
    const double width = flow.Width() - kLabelMm;
    const std::vector<std::string> lines = WrapText(value, kBody, width, maxLines);
    const double height = kRowMm * std::max<std::size_t>(1, lines.size());
    flow.Ensure(height);
    flow.Text(flow.Left(), flow.y, kLabelMm, kRowMm, T(label), kLabel);
    for (std::size_t i = 0; i < lines.size(); ++i)
        flow.Text(flow.Left() + kLabelMm, flow.y + kRowMm * i, width, kRowMm, lines[i], kBody);
    flow.y += height;
}

// A label with a line to write on, or the value given.
void AddFillIn(Flow& flow, const std::string& label, const std::string& value)
{
    const double height = 8.0;
    flow.Ensure(height);
    const double width = flow.Width() - kLabelMm;
    flow.Text(flow.Left(), flow.y + 2.0, kLabelMm, kRowMm, T(label), kLabel);
    if (value.empty()) {
        flow.Rule(flow.Left() + kLabelMm, flow.y + height - 0.5, width, 0.2);
    } else {
        const TextStyle big{11.0, true, false, TextAlign::Left};
        const std::vector<std::string> lines = WrapText(PrintableText(value), big, width, 1);
        flow.Text(flow.Left() + kLabelMm, flow.y + 1.5, width, 6.0, lines.empty() ? "" : lines[0], big);
    }
    flow.y += height;
}

// One identity: the number in bold, then what it says, wrapped.
void AddIdentity(Flow& flow, const std::string& label, const std::string& number, const std::string& about)
{
    const double numberMm = 32.0;
    const double width = flow.Width() - kLabelMm - numberMm;
    const std::vector<std::string> lines = WrapText(about, kBody, width, 3);
    const double height = kRowMm * std::max<std::size_t>(1, lines.size());
    flow.Ensure(height);
    flow.Text(flow.Left(), flow.y, kLabelMm, kRowMm, T(label), kLabel);
    if (number.empty())
        flow.Rule(flow.Left() + kLabelMm, flow.y + kRowMm - 0.5, numberMm - 4.0, 0.2);  // to write it in by hand
    else
        flow.Text(flow.Left() + kLabelMm, flow.y, numberMm, kRowMm, number, kNumber);
    for (std::size_t i = 0; i < lines.size(); ++i)
        flow.Text(flow.Left() + kLabelMm + numberMm, flow.y + kRowMm * i, width, kRowMm, lines[i], kBody);
    flow.y += height;
}

void AddIdentities(Flow& flow, const RadioSettings& record)
{
    AddHeading(flow, "Identities", 2 * kRowMm);
    const std::string mmsi = PrintableText(MmsiText(record));
    std::string about;
    if (!mmsi.empty()) {
        const MmsiInfo info = ClassifyMmsi(mmsi);
        about = T(MmsiKindText(info.kind));
        const std::string mid = IdentityMidText(info.mid, info.allocated, info.administration);
        if (!mid.empty()) about += ", " + mid;
    }
    if (record.mmsiByUser != 0) about += about.empty() ? T("entry by user") : "; " + T("entry by user");
    if (mmsi.empty() && record.mmsiByUser == 0) about = T("not set");
    AddIdentity(flow, "MMSI", mmsi, about);

    const std::string atis = PrintableText(AtisText(record));
    about.clear();
    std::string number;
    if (!atis.empty()) {
        const AtisInfo info = ClassifyAtis(atis);
        number = info.atis.empty() ? "9" + atis : info.atis;
        about = IdentityMidText(info.mid, info.allocated, info.administration);
        if (info.atis.empty()) about = T("not a valid ATIS ID");
    }
    if (record.atisByUser != 0) about += about.empty() ? T("entry by user") : "; " + T("entry by user");
    if (atis.empty() && record.atisByUser == 0) about = T("not set");
    AddIdentity(flow, "ATIS ID", number, about);
}

void AddRadio(Flow& flow, const RadioSettings& record)
{
    AddHeading(flow, "Radio", 4 * kRowMm);
    std::string model = IsEuropeModel(record) ? T("Europe") : "USA";
    const std::string names = TrimBlanks(PrintableText(FieldText(record.brandName)) + " " +
                                         PrintableText(FieldText(record.modelName)));
    if (!names.empty()) model += " (" + names + ")";
    AddField(flow, "Model", model);
    std::string groups;
    for (const GroupSwitch& g : kGroupSwitches) {
        if (record.*g.field == 0) continue;
        if (!groups.empty()) groups += ", ";
        groups += T(g.shortName);
    }
    AddField(flow, "Channel groups", groups.empty() ? T("none") : groups);
    AddField(flow, "PLL steps", std::string("TX ") + StepText(record.txStep) + ", RX " + StepText(record.rxStep), 1);
    flow.Ensure(kRowMm);
    flow.Text(flow.Left(), flow.y, kLabelMm, kRowMm, T("Checksum"), kLabel);
    flow.Text(flow.Left() + kLabelMm, flow.y, flow.Width() - kLabelMm, kRowMm, ChecksumHex(SettingsChecksum(record)),
              kNumber);
    flow.y += kRowMm;
}

struct Column {
    const char* heading;
    double share;  // of the table's width
    bool monospace;
};

void AddPrivateChannels(Flow& flow, const RadioSettings& record)
{
    const int count = PrivateListLength(record);
    const TextStyle head{7.5, true, false, TextAlign::Left};
    const TextStyle cell{8.0, false, false, TextAlign::Left};
    TextStyle mono = cell;
    mono.monospace = true;
    const double rowMm = 4.4;
    AddHeading(flow, T("Private channels (%1)", std::to_string(count)), count > 0 ? 2 * rowMm : kRowMm);
    if (count == 0) {
        AddField(flow, "", T("none"));
        return;
    }
    static constexpr Column kColumns[] = {
        {"Name", 0.08, true},   {"TX MHz", 0.15, true}, {"RX MHz", 0.15, true},
        {"Usage", 0.34, false}, {"Flags", 0.28, false},
    };
    auto header = [&] {
        double x = flow.Left();
        for (const Column& c : kColumns) {
            flow.Cell(x, flow.y, flow.Width() * c.share, rowMm, T(c.heading), head, true);
            x += flow.Width() * c.share;
        }
        flow.y += rowMm;
    };
    header();
    for (int i = 0; i < count; ++i) {
        const ChannelEntry& e = record.channels[kPrivateBlock + i];
        if (flow.Ensure(rowMm)) header();
        const std::string texts[] = {
            PrintableText(ChannelName(e)),
            e.txMHz == 0 ? std::string(kDash) : MHzText(e.txMHz),
            MHzText(e.rxMHz),
            PrivateUsage(e),
            FlagsText(e),
        };
        double x = flow.Left();
        for (std::size_t c = 0; c < std::size(kColumns); ++c) {
            const double w = flow.Width() * kColumns[c].share;
            flow.Cell(x, flow.y, w, rowMm, texts[c], kColumns[c].monospace ? mono : cell);
            x += w;
        }
        flow.y += rowMm;
    }
}

void AddSignatures(Flow& flow)
{
    const double lineGap = 8.0;
    const char* rows[] = {"Name", "Signature", "Date"};
    const double height = 7.0 + lineGap * std::size(rows) + 2.0;
    flow.Ensure(height + 4.0);
    flow.y += 4.0;
    const double gap = 10.0;
    const double blockMm = (flow.Width() - gap) / 2;
    const char* who[] = {"Dealer", "Owner"};
    for (int b = 0; b < 2; ++b) {
        const double x = flow.Left() + b * (blockMm + gap);
        flow.Text(x, flow.y, blockMm, 6.0, T(who[b]), kHeading);
        for (std::size_t r = 0; r < std::size(rows); ++r) {
            const double base = flow.y + 7.0 + lineGap * (r + 1);
            flow.Text(x, base - 5.0, 22.0, 4.5, T(rows[r]), kBody);
            flow.Rule(x + 22.0, base, blockMm - 22.0, 0.2);
        }
    }
    flow.y += height;
}

struct CardRow {
    std::string channel, tx, rx, usage;
};

std::vector<CardRow> GroupRows(const RadioSettings& record, int group)
{
    std::vector<CardRow> rows;
    if (group == kGroupPrivate) {
        const int count = PrivateListLength(record);
        for (int i = 0; i < count; ++i) {
            const ChannelEntry& e = record.channels[kPrivateBlock + i];
            rows.push_back({PrintableText(ChannelName(e)), e.txMHz == 0 ? std::string(kDash) : MHzText(e.txMHz),
                            MHzText(e.rxMHz), PrivateUsage(e)});
        }
        return rows;
    }
    for (const ChannelPlanRow& r : PlanRows(group)) {
        CardRow row;
        row.channel = group == kGroupWx ? FormatText("WX%d", int{r.channel}) : FormatText("%02d", int{r.channel});
        row.tx = r.txWord == 0 ? std::string(kDash) : PlanTxText(r.txWord);
        row.rx = PlanRxText(r.rxWord);
        // Usage codes 1 to 10 name a frequency, which the row shows already.
        if (r.usageCode > 10) row.usage = TrimBlanks(UsageName(r.usageCode));
        rows.push_back(std::move(row));
    }
    return rows;
}

}  // namespace

bool SheetLanguageKnown(std::string_view language)
{
    return language == "en" || language == "de" || language == "nl" || language == "fr";
}

bool PaperSizeFromName(std::string_view name, PaperSize& paper)
{
    if (name == "a4")
        paper = PaperSize::A4;
    else if (name == "letter")
        paper = PaperSize::Letter;
    else
        return false;
    return true;
}

double TextWidthMm(std::string_view text, const TextStyle& style)
{
    double ems = 0;
    for (std::string_view c : Characters(text)) ems += CharacterEms(c, style);
    if (style.bold) ems *= 1.1;
    return ems * style.sizePt * kMmPerPt;
}

std::string FitText(std::string_view text, const TextStyle& style, double widthMm)
{
    if (TextWidthMm(text, style) <= widthMm) return std::string(text);
    const std::vector<std::string_view> chars = Characters(text);
    std::string out;
    const double room = widthMm - TextWidthMm(kEllipsis, style);
    double used = 0;
    for (std::string_view c : chars) {
        const double w = CharacterEms(c, style) * style.sizePt * kMmPerPt * (style.bold ? 1.1 : 1.0);
        if (used + w > room) break;
        used += w;
        out.append(c);
    }
    if (room < 0) return {};
    return TrimBlanks(out) + kEllipsis;
}

std::vector<std::string> WrapText(std::string_view text, const TextStyle& style, double widthMm, int maxLines)
{
    std::vector<std::string> lines;
    std::size_t pos = 0;
    while (pos < text.size()) {
        const std::size_t end = std::min(text.find(' ', pos), text.size());
        const std::string word(text.substr(pos, end - pos));
        pos = end + 1;
        if (word.empty()) continue;
        if (!lines.empty() && TextWidthMm(lines.back() + " " + word, style) <= widthMm)
            lines.back() += " " + word;
        else
            lines.push_back(word);
    }
    if (maxLines < 1) return {};
    if (static_cast<int>(lines.size()) > maxLines) {
        // What does not fit ends the last line that does, cut: the reader sees the text goes on.
        lines[maxLines - 1] += " " + lines[maxLines];
        lines.resize(maxLines);
    }
    for (std::string& line : lines) line = FitText(line, style, widthMm);
    return lines;
}

SheetDocument BuildCommissioningSheet(const RadioSettings& record, const SheetOptions& options)
{
    const LanguageScope language(options.language);
    SheetDocument doc = NewDocument(options, "Commissioning record");
    Flow flow(doc);
    const std::string program = PrintableText(options.programName + " " + options.programVersion);
    AddTitle(flow, T("QX720 commissioning record"), program, TimeText(options.printed));

    AddHeading(flow, "Vessel", 16.0);
    AddFillIn(flow, "Vessel name", options.vesselName);
    AddFillIn(flow, "Call sign", options.callSign);

    AddIdentities(flow, record);
    AddRadio(flow, record);
    AddPrivateChannels(flow, record);
    if (options.writtenAndVerified) {
        // A line of its own: the label is wider than the fields' label column.
        flow.y += 2.0;
        flow.Ensure(kRowMm);
        flow.Text(flow.Left(), flow.y, flow.Width(), kRowMm,
                  T("Written and verified: %1", TimeText(*options.writtenAndVerified)), kLabel);
        flow.y += kRowMm;
    }
    AddSignatures(flow);
    AddFooters(doc, options);
    return doc;
}

SheetDocument BuildChannelCard(const RadioSettings& record, const SheetOptions& options)
{
    const LanguageScope language(options.language);
    SheetDocument doc = NewDocument(options, "Channel card");
    Flow flow(doc);

    std::string who = PrintableText(options.vesselName);
    if (!options.callSign.empty()) who += (who.empty() ? "" : ", ") + PrintableText(options.callSign);
    const std::string mmsi = PrintableText(MmsiText(record));
    const std::string ids = mmsi.empty() ? std::string() : "MMSI " + mmsi;

    const TextStyle groupStyle{7.5, true, false, TextAlign::Left};
    const TextStyle head{6.5, true, false, TextAlign::Left};
    const TextStyle mono{7.0, false, true, TextAlign::Left};
    const TextStyle usage{6.5, false, false, TextAlign::Left};
    constexpr int kColumns = 2;
    constexpr double kGutterMm = 6.0;
    constexpr double kRowMm = 3.7;
    static constexpr double kShares[] = {0.13, 0.2, 0.2, 0.47};
    static constexpr const char* kHeads[] = {"Ch", "TX MHz", "RX MHz", "Usage"};

    double columnTop = 0;
    int column = 0;
    auto startPage = [&] {
        AddTitle(flow, T("QX720 channel card"), who, ids);
        columnTop = flow.y;
        column = 0;
    };
    auto columnLeft = [&] { return flow.Left() + column * (flow.Width() + kGutterMm) / kColumns; };
    const double columnWidth = (flow.Width() - kGutterMm * (kColumns - 1)) / kColumns;
    // Moves on to the next column, or page, when fewer than `rows` rows fit below.
    auto room = [&](int rows) {
        if (flow.Fits(kRowMm * rows)) return false;
        if (++column == kColumns) {
            flow.NewPage();
            startPage();
        }
        flow.y = columnTop;
        return true;
    };
    auto groupHeader = [&](const std::string& title) {
        const double x = columnLeft();
        flow.Cell(x, flow.y, columnWidth, kRowMm + 0.6, title, groupStyle, true);
        flow.y += kRowMm + 0.6;
        double cx = x;
        for (std::size_t c = 0; c < std::size(kShares); ++c) {
            flow.Cell(cx, flow.y, columnWidth * kShares[c], kRowMm, T(kHeads[c]), head);
            cx += columnWidth * kShares[c];
        }
        flow.y += kRowMm;
    };

    startPage();
    bool any = false;
    for (const GroupSwitch& g : kGroupSwitches) {
        if (record.*g.field == 0) continue;
        const std::vector<CardRow> rows = GroupRows(record, g.group);
        if (rows.empty()) continue;
        any = true;
        if (flow.y > columnTop) flow.y += 2.0;
        room(4);  // a heading is never left alone at the foot of a column
        groupHeader(T(g.title));
        for (const CardRow& r : rows) {
            if (room(1)) groupHeader(T("%1 (continued)", T(g.title)));
            const std::string texts[] = {r.channel, r.tx, r.rx, r.usage};
            double cx = columnLeft();
            for (std::size_t c = 0; c < std::size(kShares); ++c) {
                flow.Cell(cx, flow.y, columnWidth * kShares[c], kRowMm, texts[c], c == 3 ? usage : mono);
                cx += columnWidth * kShares[c];
            }
            flow.y += kRowMm;
        }
    }
    if (!any) flow.Text(flow.Left(), flow.y, flow.Width(), kRowMm * 1.5, T("No channel group is enabled."), kBody);
    AddFooters(doc, options);
    return doc;
}

}  // namespace qx
