#include "reports/freq_table.h"

#include "reports/report_text.h"

namespace qx {

namespace {

constexpr int kBuiltInLines = 80;
constexpr int kWxFirst = 390;  // the last ten entries of the Private block
constexpr int kWxLines = 10;

std::string PadRight(std::string text, std::size_t width)
{
    if (text.size() < width) text.append(width - text.size(), ' ');
    return text;
}

void AppendRun(std::string& out, const RadioSettings& record, int first, int maxLines)
{
    for (int i = 0; i < maxLines && first + i < kChannelCount; ++i) {
        const ChannelEntry& entry = record.channels[first + i];
        if (entry.inUse == 0) break;
        out += FormatChannelLine(entry);
        out += '\n';
    }
}

}  // namespace

std::string FormatChannelLine(const ChannelEntry& entry)
{
    std::string line = PadRight(ChannelName(entry), 3);
    line += PadRight(", " + UsageText(entry), 15);
    line += FormatText(",%9.4f,%9.4f,   ", entry.txMHz, entry.rxMHz);
    if (entry.rxOnly != 0) {
        line += "RxOnly  ";
        return line;
    }
    if (entry.lowPowerOnly != 0) {
        line += "1W";
        if (entry.pttHigh != 0) line += "PTTHI";
    } else if (entry.oneWattAtis != 0) {
        line += "1WATIS";
    }
    if (entry.rxAtis != 0) line += "RxATIS";
    return line;
}

std::string FreqTableText(const RadioSettings& record, const LocalTime& time)
{
    std::string out = ReportDateLine(time);
    out += "\n";
    out += "Channel   Name\t TxFreq\t\t RxFreq  \n";
    out += "INT\n";
    AppendRun(out, record, kIntBlock, kBuiltInLines);
    // The private channels follow the INT lines without a heading of their own.
    AppendRun(out, record, kPrivateBlock, kChannelsPerBlock);
    if (record.usaEnabled != 0) {
        out += "\nUSA\n";
        AppendRun(out, record, kUsaBlock, kBuiltInLines);
    }
    if (record.canEnabled != 0) {
        out += "\nCAN\n";
        AppendRun(out, record, kCanBlock, kBuiltInLines);
    }
    if (record.wxEnabled != 0) {
        // The record keeps no WX channels of its own; the section shows the tail of the
        // Private block, which is in use only when more than 90 private channels are.
        out += "\nWX\n";
        AppendRun(out, record, kWxFirst, kWxLines);
    }
    return out;
}

bool WriteFreqTable(const std::string& path, const RadioSettings& record, const LocalTime& time)
{
    return WriteReportFile(path, FreqTableText(record, time));
}

}  // namespace qx
