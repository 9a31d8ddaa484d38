#include "channels/channel_csv.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <version>

#include "csv/csv.h"
#include "files/atomic_file.h"
#include "files/clone_file.h"
#include "model/channel_plan.h"

namespace qx {

namespace {

constexpr double kBandLowMHz = kPrivateTxLowMHz;
constexpr double kTxHighMHz = kPrivateTxHighMHz;
constexpr double kRxHighMHz = 178.6;
// What a clone file may hold: a record with a receive frequency above it would not open again.
constexpr double kCloneFileHighMHz = 174.0;
constexpr std::size_t kUsageTextMax = 12;

enum Column { kName, kUsage, kTx, kRx, kLowPower, kRxOnly, kOneWattAtis, kRxAtis, kPttHigh, kUsageText, kColumns };
constexpr std::array<std::string_view, kColumns> kColumnNames = {"Name",   "Usage",  "TX MHz", "RX MHz", "1W",
                                                                 "RxOnly", "1WATIS", "RxATIS", "PTTHI",  "Usage text"};
constexpr std::array<Column, 5> kFlagColumns = {kLowPower, kRxOnly, kOneWattAtis, kRxAtis, kPttHigh};

std::string_view TrimBlanks(std::string_view text)
{
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
    return text;
}

bool SameIgnoringCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
        if (lower(a[i]) != lower(b[i])) return false;
    }
    return true;
}

bool OnRaster(double mhz)
{
    // The channel setup dialog's test: a whole number of 6.25 kHz steps, within its tolerances.
    const double x = mhz * 160.0;
    const double d = std::fabs(x - std::floor(x));
    return d > 0.9999 || d < 0.00001;
}

// Five decimals, and their reading, whatever the locale. A standard library without the
// floating-point conversions of <charconv> (the browser build's) has the C library's, always
// in the "C" locale there. A text that does not read leaves `value` as it was.
#if defined(__cpp_lib_to_chars)
std::string FiveDecimals(double mhz)
{
    char text[400];
    auto [end, ec] = std::to_chars(text, text + sizeof text, mhz, std::chars_format::fixed, 5);
    return ec == std::errc() ? std::string(text, end) : std::string("?");
}

bool ParseFixed(std::string_view text, double& value)
{
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::fixed);
    return ec == std::errc() && end == text.data() + text.size();
}
#else
std::string FiveDecimals(double mhz)
{
    char text[400];
    const int n = std::snprintf(text, sizeof text, "%.5f", mhz);
    return n > 0 && n < static_cast<int>(sizeof text) ? std::string(text, n) : std::string("?");
}

bool ParseFixed(std::string_view text, double& value)
{
    const std::string copy(text);
    char* end = nullptr;
    const double read = std::strtod(copy.c_str(), &end);
    if (copy.empty() || end != copy.c_str() + copy.size()) return false;
    value = read;
    return true;
}
#endif

std::string Flag(int32_t value) { return value != 0 ? "1" : "0"; }

std::string TrimmedUsageName(int code) { return std::string(TrimBlanks(UsageName(code))); }

// The value of text made of plain decimal digits (no sign, no exponent, no "nan").
std::optional<double> ParseFrequency(std::string_view text)
{
    text = TrimBlanks(text);
    if (text.empty()) return std::nullopt;
    std::size_t dots = 0, digits = 0;
    for (char c : text) {
        if (c == '.')
            ++dots;
        else if (c >= '0' && c <= '9')
            ++digits;
        else
            return std::nullopt;
    }
    if (dots > 1 || digits == 0 || digits > 30) return std::nullopt;
    double value = 0;
    if (!ParseFixed(text, value) || !(value < 1.0e6)) return std::nullopt;
    return value;
}

// A checked frequency as the record stores it: taken to the five decimals the CSV carries.
// Whole 100 Hz values are computed as the built-in European channel sets compute theirs, so an
// exported set comes back bit for bit, unless that would move the value across a band edge.
double StoredFrequency(double value)
{
    const std::string text = FiveDecimals(value);
    double nearest = value;
    ParseFixed(text, nearest);
    const long long fifths = std::llround(nearest * 100000.0);
    if (fifths % 10 != 0) return nearest;
    // Dropping the fifth decimal is the point: whole hundred-thousandths to ten-thousandths.
    const double setStyle = static_cast<double>(fifths / 10) * 0.0001;  // NOLINT(bugprone-integer-division)
    for (double edge : {kBandLowMHz, kTxHighMHz, kRxHighMHz})
        if ((setStyle < edge) != (nearest < edge) || (setStyle > edge) != (nearest > edge)) return nearest;
    return setStyle;
}

// A field's text in a message, in quotes and with its control characters escaped.
std::string Quoted(std::string_view text) { return "\"" + PrintableText(text) + "\""; }

std::string ColumnNameList()
{
    std::string list;
    for (std::string_view name : kColumnNames) list += (list.empty() ? "" : ", ") + std::string(name);
    return list;
}

// Spreadsheets take a cell that starts with one of these for a formula. An apostrophe before it
// makes the cell text to them, and an apostrophe the text itself starts with gets one too, so
// that taking one off on import gives back the text exactly.
bool NeedsApostrophe(std::string_view text)
{
    return !text.empty() && std::string_view("=+-@'").find(text.front()) != std::string_view::npos;
}

std::string UsageNameList()
{
    std::string list;
    for (int code = kFirstPrivateUsageCode; code <= kLastPrivateUsageCode; ++code) {
        if (!list.empty()) list += ", ";
        list += TrimmedUsageName(code);
    }
    return list;
}

struct Row {
    int line = 0;
    std::string name;
    int usageCode = 0;
    double tx = 0, rx = 0;
    std::array<int32_t, kFlagColumns.size()> flags{};
    std::string usageText;
};

int32_t ChannelEntry::*const kFlagFields[] = {&ChannelEntry::lowPowerOnly, &ChannelEntry::rxOnly,
                                              &ChannelEntry::oneWattAtis, &ChannelEntry::rxAtis,
                                              &ChannelEntry::pttHigh};

class RowReader {
public:
    RowReader(std::vector<std::string>& problems) : problems_(problems) {}

    // Finds the columns; false when a required one is missing, one appears twice or one is
    // not a column at all (a misspelt column would leave its values at their defaults).
    bool ReadHeader(const CsvRecord& header)
    {
        columns_.fill(-1);
        width_ = header.fields.size();
        bool ok = true;
        for (std::size_t i = 0; i < header.fields.size(); ++i) {
            const std::string_view name = TrimBlanks(header.fields[i]);
            bool known = false;
            for (int c = 0; c < kColumns; ++c) {
                if (!SameIgnoringCase(name, kColumnNames[c])) continue;
                known = true;
                if (columns_[c] >= 0) {
                    Problem(header.line, "the column " + std::string(kColumnNames[c]) + " appears twice");
                    ok = false;
                }
                columns_[c] = static_cast<int>(i);
            }
            if (!known) {
                Problem(header.line, "unknown column " + Quoted(name) + "; the columns are " + ColumnNameList());
                ok = false;
            }
        }
        for (Column c : {kName, kUsage, kTx})
            if (columns_[c] < 0) {
                Problem(header.line, "no " + std::string(kColumnNames[c]) +
                                         " column (the header needs Name, Usage and "
                                         "TX MHz)");
                ok = false;
            }
        return ok;
    }

    // False with its problems listed when the row is not a channel the radio can take.
    bool ReadRow(const CsvRecord& record, Row& row)
    {
        const std::size_t before = problems_.size();
        row.line = record.line;
        if (record.fields.size() != width_) {
            Problem(record.line,
                    std::to_string(record.fields.size()) + " fields where the header has " + std::to_string(width_));
            return false;
        }
        ReadNameAndUsage(record, row);
        ReadFrequencies(record, row);
        ReadFlagsAndText(record, row);
        return problems_.size() == before;
    }

    void Problem(int line, const std::string& text)
    {
        problems_.push_back("line " + std::to_string(line) + ": " + text);
    }

private:
    std::vector<std::string>& problems_;
    std::array<int, kColumns> columns_{};
    std::size_t width_ = 0;

    std::string_view Cell(const CsvRecord& record, Column c) const
    {
        return columns_[c] < 0 ? std::string_view() : std::string_view(record.fields[columns_[c]]);
    }

    void ReadNameAndUsage(const CsvRecord& record, Row& row)
    {
        row.name = std::string(TrimBlanks(Cell(record, kName)));
        if (row.name.size() != 2 || kPrivateNameChars.find(row.name[0]) == std::string_view::npos ||
            row.name[1] < '0' || row.name[1] > '9')
            Problem(record.line, "Name " + Quoted(row.name) + " is not one of 0123456789ACFLM followed by a digit");

        row.usageCode = UsageCodeFromName(Cell(record, kUsage));
        if (row.usageCode < 0)
            Problem(record.line, "Usage " + Quoted(TrimBlanks(Cell(record, kUsage))) + " is not a usage name (" +
                                     UsageNameList() + ")");
    }

    void ReadFrequencies(const CsvRecord& record, Row& row)
    {
        const std::string_view txText = Cell(record, kTx);
        std::optional<double> tx = ParseFrequency(txText);
        const bool txOk = tx && (*tx == 0.0 || IsPrivateTxMHz(*tx));
        if (!txOk)
            Problem(record.line, "TX MHz " + Quoted(TrimBlanks(txText)) +
                                     " is neither 0 (receive only) nor 136 to 174 MHz in steps of 6.25 kHz");

        const bool rxGiven = !TrimBlanks(Cell(record, kRx)).empty();
        const std::string_view rxText = rxGiven ? Cell(record, kRx) : txText;
        std::optional<double> rx = ParseFrequency(rxText);
        // Without an RX of its own a bad TX is told once, not again as the RX.
        if (rxGiven || txOk) {
            if (!rx || !IsPrivateRxMHz(*rx))
                Problem(record.line, "RX MHz " + Quoted(TrimBlanks(rxText)) +
                                         " is not 136 to 178.6 MHz in steps of 6.25 kHz" +
                                         (rxGiven ? "" : " (RX is TX when not given)"));
            else if (*rx > kCloneFileHighMHz)
                Problem(record.line, "RX MHz " + FiveDecimals(*rx) +
                                         " lies above 174 MHz, and a clone file holding it would not open again");
        }
        if (tx) row.tx = StoredFrequency(*tx);
        if (rx) row.rx = StoredFrequency(*rx);
    }

    void ReadFlagsAndText(const CsvRecord& record, Row& row)
    {
        for (std::size_t f = 0; f < kFlagColumns.size(); ++f) {
            const std::string_view text = TrimBlanks(Cell(record, kFlagColumns[f]));
            if (text.empty() || text == "0" || text == "1")
                row.flags[f] = text == "1" ? 1 : 0;
            else
                Problem(record.line,
                        std::string(kColumnNames[kFlagColumns[f]]) + " " + Quoted(text) + " is not 0 or 1");
        }
        std::string_view text = Cell(record, kUsageText);
        if (!text.empty() && text.front() == '\'') text.remove_prefix(1);
        row.usageText = std::string(text);
        // The field holds 12 bytes, whatever characters they make.
        if (row.usageText.size() > kUsageTextMax)
            Problem(record.line, "Usage text " + Quoted(row.usageText) + " is longer than 12 bytes (it has " +
                                     std::to_string(row.usageText.size()) + ")");
        else if (HoldsControlCharacter(row.usageText))
            Problem(record.line, "Usage text " + Quoted(row.usageText) + " holds a control character");
    }
};

bool AllBlank(const CsvRecord& record)
{
    for (const std::string& field : record.fields)
        if (!TrimBlanks(field).empty()) return false;
    return true;
}

// Stores a row into an entry, leaving every field whose exported text would not change as it is.
void StoreRow(const Row& row, ChannelEntry& e)
{
    if (ChannelName(e) != row.name) SetChannelName(e, row.name);
    if (e.usageCode != row.usageCode) e.usageCode = static_cast<int8_t>(row.usageCode);
    if (FiveDecimals(e.txMHz) != FiveDecimals(row.tx)) e.txMHz = row.tx;
    if (FiveDecimals(e.rxMHz) != FiveDecimals(row.rx)) e.rxMHz = row.rx;
    if (e.inUse == 0) e.inUse = 1;
    for (std::size_t f = 0; f < kFlagColumns.size(); ++f) {
        int32_t& field = e.*kFlagFields[f];
        if ((field != 0) != (row.flags[f] != 0)) field = row.flags[f];
    }
    if (UsageText(e) != row.usageText) SetUsageText(e, row.usageText);
}

}  // namespace

int PrivateListLength(const RadioSettings& record)
{
    int n = 0;
    while (n < kChannelsPerBlock) {
        const ChannelEntry& e = record.channels[kPrivateBlock + n];
        if (e.inUse == 0 || e.name[2] != '\0') break;
        ++n;
    }
    return n;
}

bool IsPrivateTxMHz(double mhz) { return mhz >= kBandLowMHz && mhz <= kTxHighMHz && OnRaster(mhz); }

bool IsPrivateRxMHz(double mhz) { return mhz >= kBandLowMHz && mhz <= kRxHighMHz && OnRaster(mhz); }

int UsageCodeFromName(std::string_view text)
{
    text = TrimBlanks(text);
    for (int code = kFirstPrivateUsageCode; code <= kLastPrivateUsageCode; ++code)
        if (SameIgnoringCase(text, TrimBlanks(UsageName(code)))) return code;
    return -1;
}

std::string ExportChannelsCsv(const RadioSettings& record)
{
    std::string out(kChannelCsvHeader);
    out += "\r\n";
    const int n = PrivateListLength(record);
    for (int p = 0; p < n; ++p) {
        const ChannelEntry& e = record.channels[kPrivateBlock + p];
        std::vector<std::string> fields = {ChannelName(e), TrimmedUsageName(e.usageCode), FiveDecimals(e.txMHz),
                                           FiveDecimals(e.rxMHz)};
        for (int32_t ChannelEntry::*flag : kFlagFields) fields.push_back(Flag(e.*flag));
        const std::string text = UsageText(e);
        fields.push_back(NeedsApostrophe(text) ? "'" + text : text);
        out += CsvLine(fields, "\r\n");
    }
    return out;
}

std::vector<SharedName> SharedChannelNames(const std::vector<std::pair<int, std::string>>& named)
{
    std::vector<SharedName> shared;
    for (std::size_t a = 0; a < named.size(); ++a)
        for (std::size_t b = a + 1; b < named.size(); ++b)
            if (named[a].second == named[b].second) shared.push_back({named[a].first, named[b].first, named[a].second});
    return shared;
}

std::string SharedNameText(const SharedName& shared)
{
    return "lines " + std::to_string(shared.first) + " and " + std::to_string(shared.second) +
           " both have the name \"" + shared.name + "\"";
}

bool ImportChannelsCsv(std::string_view csv, RadioSettings& record, std::vector<std::string>& problems, bool allowEmpty,
                       std::vector<SharedName>* sharedNames)
{
    problems.clear();
    if (!IsEuropeModel(record)) {
        problems.emplace_back(kUsaModelHasNoPrivateChannels);
        return false;
    }
    std::vector<CsvRecord> records;
    CsvError error;
    if (!ParseCsv(csv, records, error)) {
        problems.push_back("line " + std::to_string(error.line) + ": " + error.message);
        return false;
    }
    RowReader reader(problems);
    if (records.empty()) {
        reader.Problem(1, "no header line (" + std::string(kChannelCsvHeader) + ")");
        return false;
    }
    if (!reader.ReadHeader(records.front())) return false;

    std::vector<Row> rows;
    int counted = 0;
    for (std::size_t i = 1; i < records.size(); ++i) {
        // Spreadsheets leave rows of empty cells behind; they hold no channel.
        if (AllBlank(records[i])) continue;
        if (++counted == kChannelCsvMaxRows + 1)
            reader.Problem(records[i].line, "more than 100 channels (the private block holds 100)");
        Row row;
        if (reader.ReadRow(records[i], row)) rows.push_back(row);
    }
    // A file that lost its rows (line ends the reader took for none, a wrong sheet saved) would
    // silently empty the record.
    if (counted == 0 && !allowEmpty) reader.Problem(records.front().line, std::string(kNoChannelRows));
    if (!problems.empty()) return false;
    if (sharedNames != nullptr) {
        std::vector<std::pair<int, std::string>> named;
        named.reserve(rows.size());
        for (const Row& row : rows) named.emplace_back(row.line, row.name);
        *sharedNames = SharedChannelNames(named);
    }

    // The list of n rows replaces the old list of m: rows over old entries keep what they
    // share with them; entries past the old list start blank, as added channels do; entries
    // the old list held beyond the new one are freed as the channel list frees them.
    const int m = PrivateListLength(record);
    const int n = static_cast<int>(rows.size());
    ChannelEntry* block = &record.channels[kPrivateBlock];
    for (int p = 0; p < n; ++p) {
        if (p >= m) block[p] = ChannelEntry{};
        StoreRow(rows[p], block[p]);
    }
    for (int p = n; p < m; ++p) block[p].inUse = 0;
    if (n > m && n < kChannelsPerBlock) block[n].inUse = 0;
    return true;
}

CsvFileImport ImportChannelsCsvFile(const std::string& path, RadioSettings& record, bool allowEmpty)
{
    // Larger than any CSV of 100 channels a spreadsheet makes; more is not a channel list.
    constexpr std::size_t kCsvMaxBytes = 4u << 20;
    CsvFileImport outcome;
    std::vector<uint8_t> bytes;
    if (!ReadFileBytes(path, bytes, kCsvMaxBytes + 1)) {
        outcome.unreadable = true;
        outcome.problems.push_back(path + ": cannot open the file");
        return outcome;
    }
    if (bytes.size() > kCsvMaxBytes) {
        outcome.unreadable = true;
        outcome.problems.push_back(path + ": larger than 4 MiB, which no list of 100 channels is");
        return outcome;
    }
    return ImportChannelsCsvBytes(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()), record,
                                  allowEmpty);
}

CsvFileImport ImportChannelsCsvBytes(std::string_view bytes, RadioSettings& record, bool allowEmpty)
{
    CsvFileImport outcome;
    RadioSettings imported = record;
    if (!ImportChannelsCsv(bytes, imported, outcome.problems, allowEmpty, &outcome.sharedNames)) {
        outcome.noRows = outcome.problems.size() == 1 && outcome.problems[0].find(kNoChannelRows) != std::string::npos;
        return outcome;
    }
    // The rows were checked one by one; this guards the record as a whole.
    const std::string problem = CloneRecordProblem(imported);
    if (!problem.empty()) {
        outcome.problems.push_back("the record would fail the clone file check (" + problem + ")");
        return outcome;
    }
    record = imported;
    outcome.imported = true;
    return outcome;
}

}  // namespace qx
