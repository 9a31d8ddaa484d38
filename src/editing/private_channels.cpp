#include "editing/private_channels.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>

#include "channels/channel_csv.h"
#include "files/clone_file.h"
#include "model/channel_plan.h"

namespace qx {

std::string EditRefusal::English() const
{
    std::string said = text;
    if (const auto at = said.find("%1"); at != std::string::npos) said.replace(at, 2, arg);
    return said;
}

double TxFromText(std::string_view text)
{
    // Read as the dialog always has (atof: leading blanks, the longest number in front, at most
    // 31 characters), except that a comma after the whole megahertz is the decimal sign of the
    // user's language: "157,85" is 157.85, never 157.
    std::string number(text.substr(0, 31));
    const auto start = number.find_first_not_of(" \t");
    if (start == std::string::npos) return std::numeric_limits<double>::quiet_NaN();
    const auto comma = number.find(',', start);
    if (comma != std::string::npos && comma > start && number.find_first_not_of("0123456789", start) == comma)
        number[comma] = '.';
    char* end = nullptr;
    const double mhz = std::strtod(number.c_str() + start, &end);
    return end == number.c_str() + start ? std::numeric_limits<double>::quiet_NaN() : mhz;
}

EditRefusal TxRefusal(double tx)
{
    if (IsPrivateTxMHz(tx)) return {};
    char range[160];
    std::snprintf(range, sizeof range, "%3.4f - %3.4f", kPrivateTxLowMHz, kPrivateTxHighMHz);
    return {"Invalid Tx Frequency.\nFrequency=0.00625*N.\nRange=%1", range};
}

EditRefusal PrivateEntryRefusal(const ChannelEntry& entry)
{
    const std::string problem = ChannelEntryProblem(entry);
    if (problem.empty()) return {};
    if (problem.rfind("receives", 0) != 0)
        return {"A clone file with this channel would not open again: it %1.", problem};
    char rx[32];
    std::snprintf(rx, sizeof rx, "%.5f", entry.rxMHz);
    return {
        "RX would be %1 MHz, outside 136..174 MHz: a clone file with this channel would not open again. Choose "
        "Simplex, or a TX of at most 169.4 MHz for Duplex.",
        rx};
}

EditRefusal FillPrivateChannel(ChannelEntry& entry, const PrivateChannelFields& fields)
{
    const double tx = TxFromText(fields.tx);
    if (EditRefusal refusal = TxRefusal(tx)) return refusal;
    const std::string_view first = kPrivateNameChars;
    const std::string_view second = kPrivateNameDigits;
    const std::string& name = fields.name;
    if (name.size() != 2 || first.find(name[0]) == std::string_view::npos ||
        second.find(name[1]) == std::string_view::npos)
        return {"A private channel's name is one of %1 and a digit.", std::string(first)};
    ChannelEntry candidate = entry;
    candidate.inUse = 1;
    candidate.name[0] = name[0];
    candidate.name[1] = name[1];
    candidate.name[2] = '\0';
    const bool knownUsage = fields.usageCode >= kFirstPrivateUsageCode && fields.usageCode <= kLastPrivateUsageCode;
    candidate.usageCode = static_cast<int8_t>(knownUsage ? fields.usageCode : kFirstPrivateUsageCode);
    candidate.txMHz = tx;
    candidate.rxMHz = fields.duplex ? tx + kDuplexOffsetMHz : tx;
    if (EditRefusal refusal = PrivateEntryRefusal(candidate)) return refusal;
    entry = candidate;
    return {};
}

}  // namespace qx
