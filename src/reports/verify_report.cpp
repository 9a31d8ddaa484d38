#include "reports/verify_report.h"

#include <algorithm>
#include <cmath>

#include "model/radio_image.h"
#include "reports/report_text.h"

namespace qx {

namespace {

constexpr double kFrequencyTolerance = 0.0001;

// Written as "not within" so that a NaN from a damaged file counts as a difference.
bool FrequenciesDiffer(double a, double b) { return !(std::fabs(a - b) <= kFrequencyTolerance); }

bool PrivateBlocksDiffer(const RadioSettings& pc, const RadioSettings& radio, bool europeModel)
{
    for (int i = 0; i < kChannelsPerBlock; ++i) {
        const ChannelEntry& r = radio.channels[kPrivateBlock + i];
        const ChannelEntry& p = pc.channels[kPrivateBlock + i];
        if (r.inUse == 0 && p.inUse == 0) return false;
        if (ChannelDifference(r, p, europeModel) != 0) return true;
    }
    return false;
}

void AppendPrivateLines(std::string& out, const RadioSettings& record)
{
    for (int i = 0; i < kChannelsPerBlock; ++i) {
        const ChannelEntry& e = record.channels[kPrivateBlock + i];
        if (e.inUse == 0) break;
        out += FormatText("%s,%d,%8.4f,%8.4f,%08x\n", ChannelName(e).c_str(), static_cast<int>(e.usageCode), e.txMHz,
                          e.rxMHz, static_cast<unsigned>(e.inUse));
    }
}

}  // namespace

int ChannelDifference(const ChannelEntry& radio, const ChannelEntry& pc, bool europeModel)
{
    if (radio.inUse == 0) return pc.inUse != 0 ? 8 : 0;
    if (pc.inUse == 0) return 1;

    int code = 0;
    if (FrequenciesDiffer(radio.txMHz, pc.txMHz)) code = 2;
    if (FrequenciesDiffer(radio.rxMHz, pc.rxMHz)) code = 3;

    if (radio.rxOnly != 0) {
        if (radio.rxOnly != pc.rxOnly) code = 4;
    } else if (radio.lowPowerOnly != 0) {
        if (radio.lowPowerOnly != pc.lowPowerOnly) code = 5;
    } else if (radio.oneWattAtis != 0) {
        if (europeModel && radio.oneWattAtis != pc.oneWattAtis) code = 6;
    }
    if (radio.oneWattAtis != 0) return code;
    if (europeModel && radio.rxAtis != pc.rxAtis) return 7;
    return code;
}

RadioSettings AsTheRadioHoldsIt(const RadioSettings& pc, bool europeModel)
{
    RadioImage image{};
    EncodeSettings(pc, 0, image);
    RadioSettings decoded;
    DecodeSettings(image, europeModel ? 1 : 0, decoded);
    RadioSettings held = pc;
    std::copy_n(decoded.channels + kPrivateBlock, kChannelsPerBlock, held.channels + kPrivateBlock);
    return held;
}

std::string VerifyReportText(const RadioSettings& pc, const RadioSettings& radio, bool europeModel,
                             const LocalTime& time, int* result)
{
    int flags = 0;
    std::string out = ReportDateLine(time);

    if (PrivateBlocksDiffer(pc, radio, europeModel)) {
        flags |= kVerifyPrivateDiffers;
        out += "\nPrivate Band is different\n";
        out += "Radio Private channel:\n";
        AppendPrivateLines(out, radio);
        out += "\nPC Private channel:\n";
        AppendPrivateLines(out, pc);
    }

    if (radio.usaEnabled != pc.usaEnabled || radio.intEnabled != pc.intEnabled || radio.canEnabled != pc.canEnabled ||
        radio.privateEnabled != pc.privateEnabled || radio.usaNarrowEnabled != pc.usaNarrowEnabled ||
        radio.intNarrowEnabled != pc.intNarrowEnabled || radio.canNarrowEnabled != pc.canNarrowEnabled ||
        radio.wxEnabled != pc.wxEnabled)
        flags |= kVerifySettingsDiffer;

    out += "\n\nRadio,\t\tPC";
    out += FormatText("\nUSA=%d,\t\t%d", radio.usaEnabled, pc.usaEnabled);
    out += FormatText("\nINT=%d,\t\t%d", radio.intEnabled, pc.intEnabled);
    out += FormatText("\nCAN=%d,\t\t%d", radio.canEnabled, pc.canEnabled);
    out += FormatText("\nPRI=%d,\t\t%d", radio.privateEnabled, pc.privateEnabled);
    out += FormatText("\nUSANAR=%d,\t%d", radio.usaNarrowEnabled, pc.usaNarrowEnabled);
    out += FormatText("\nINTNAR=%d,\t%d", radio.intNarrowEnabled, pc.intNarrowEnabled);
    out += FormatText("\nCANNAR=%d,\t%d", radio.canNarrowEnabled, pc.canNarrowEnabled);
    out += FormatText("\nWX=%d,\t\t%d", radio.wxEnabled, pc.wxEnabled);

    if (radio.txStep != pc.txStep || radio.rxStep != pc.rxStep) flags |= kVerifySettingsDiffer;
    out += FormatText("\nTxFreqStep=%d,\t%d", radio.txStep, pc.txStep);
    out += FormatText("\nRxFreqStep=%d,\t%d", radio.rxStep, pc.rxStep);

    if (result != nullptr) *result = flags;
    return out;
}

int WriteVerifyReport(const std::string& path, const RadioSettings& pc, const RadioSettings& radio, bool europeModel,
                      const LocalTime& time)
{
    int flags = 0;
    const std::string text = VerifyReportText(pc, radio, europeModel, time, &flags);
    if (!WriteReportFile(path, text)) return kVerifyReportFailed;
    return flags;
}

}  // namespace qx
