// The private channels under the channel setup dialog's rules: Add after the selected line,
// Edit in place, Remove closing the gap, each one undoable step.
#include <emscripten.h>

#include <cstdio>
#include <string>

#include "channels/channel_csv.h"
#include "files/clone_file.h"
#include "model/channel_plan.h"
#include "web/bridge_reply.h"
#include "web/json_text.h"
#include "web/web_document.h"

namespace qx::web {
namespace {

constexpr int kMaxPrivateLines = 99;  // "Add" stops one short of the block's 100 entries
constexpr double kDuplexOffsetMHz = 4.6;
constexpr const char* kSecondNameChars = "0123456789";

std::string InvalidTx()
{
    char range[160];
    std::snprintf(range, sizeof range, "%3.4f - %3.4f", kPrivateTxLowMHz, kPrivateTxHighMHz);
    return std::string("Invalid Tx Frequency.\nFrequency=0.00625*N.\nRange=") + range;
}

// The dialog's fields into an entry; "" when they pass, else the dialog's message.
std::string Fill(ChannelEntry& entry, const char* name, int usageCode, double txMHz, int duplex)
{
    if (!IsPrivateTxMHz(txMHz)) return InvalidTx();
    const std::string text = name;
    const std::string_view first = kPrivateNameChars;
    const std::string_view second = kSecondNameChars;
    if (text.size() != 2 || first.find(text[0]) == std::string_view::npos ||
        second.find(text[1]) == std::string_view::npos)
        return "A private channel's name is one of " + std::string(first) + " and a digit.";
    if (usageCode < kFirstPrivateUsageCode || usageCode > kLastPrivateUsageCode) usageCode = kFirstPrivateUsageCode;
    entry.name[0] = text[0];
    entry.name[1] = text[1];
    entry.name[2] = '\0';
    entry.usageCode = static_cast<int8_t>(usageCode);
    ChannelEntry candidate = entry;
    candidate.inUse = 1;
    candidate.txMHz = txMHz;
    candidate.rxMHz = duplex ? txMHz + kDuplexOffsetMHz : txMHz;
    // The rule the clone file check opens files by, as the window's dialog applies it at OK: a
    // channel it refuses would make a file that never opens again.
    if (const std::string problem = ChannelEntryProblem(candidate); !problem.empty()) {
        if (problem.rfind("receives", 0) != 0)
            return "A clone file with this channel would not open again: it %1.\n" + problem;
        char rx[32];
        std::snprintf(rx, sizeof rx, "%.5f", candidate.rxMHz);
        return std::string(
                   "RX would be %1 MHz, outside 136..174 MHz: a clone file with this channel would not open "
                   "again. Choose Simplex, or a TX of at most 169.4 MHz for Duplex.\n") +
               rx;
    }
    entry.txMHz = candidate.txMHz;
    entry.rxMHz = candidate.rxMHz;
    return {};
}

}  // namespace
}  // namespace qx::web

using namespace qx;
using namespace qx::web;

extern "C" {

// The usage names a private channel may carry, from the first usage code on.
EMSCRIPTEN_KEEPALIVE const char* qx_private_usages()
{
    JsonText json;
    json.Begin().Field("first", kFirstPrivateUsageCode).Field("nameChars", kPrivateNameChars);
    json.Field("digits", kSecondNameChars).Key("names").Begin('[');
    for (int code = kFirstPrivateUsageCode; code <= kLastPrivateUsageCode; ++code) json.Text(UsageName(code));
    return Reply(json.End(']').End().Str());
}

EMSCRIPTEN_KEEPALIVE const char* qx_private_entry(int position)
{
    const RadioSettings& record = Document().Record();
    JsonText json;
    if (position < 0 || position >= PrivateListLength(record)) return Reply("{}");
    const ChannelEntry& entry = record.channels[kPrivateBlock + position];
    json.Begin()
        .Field("name", ChannelName(entry))
        .Field("usageCode", static_cast<int>(entry.usageCode))
        .Field("tx", entry.txMHz)
        .Field("rx", entry.rxMHz)
        .Field("duplex", entry.rxMHz - entry.txMHz > 0.00001 || entry.txMHz - entry.rxMHz > 0.00001);
    return Reply(json.End().Str());
}

// A new channel after the selected line (at the end without one): "" or the message.
EMSCRIPTEN_KEEPALIVE const char* qx_private_add(int selected, const char* name, int usageCode, double txMHz, int duplex)
{
    RadioSettings record = Document().Record();
    const int n = PrivateListLength(record);
    if (n >= kMaxPrivateLines) return Reply("Channel Number Limit!");
    // The blank of a new entry: in use, everything else zero.
    ChannelEntry entry{};
    entry.inUse = 1;
    const std::string problem = Fill(entry, name, usageCode, txMHz, duplex);
    if (!problem.empty()) return Reply(problem);
    const int at = selected < 0 || selected >= n - 1 ? n : selected + 1;
    ChannelEntry* block = &record.channels[kPrivateBlock];
    for (int i = n - 1; i >= at; --i) block[i + 1] = block[i];
    block[at] = entry;
    Document().Change(record);
    return Reply("");
}

EMSCRIPTEN_KEEPALIVE const char* qx_private_edit(int position, const char* name, int usageCode, double txMHz,
                                                 int duplex)
{
    RadioSettings record = Document().Record();
    if (position < 0 || position >= PrivateListLength(record)) return Reply("Please Select a Channel First!");
    const std::string problem = Fill(record.channels[kPrivateBlock + position], name, usageCode, txMHz, duplex);
    if (!problem.empty()) return Reply(problem);
    Document().Change(record);
    return Reply("");
}

EMSCRIPTEN_KEEPALIVE const char* qx_private_remove(int position)
{
    RadioSettings record = Document().Record();
    const int n = PrivateListLength(record);
    if (n == 0) return Reply("NO Channel!");
    if (position < 0 || position >= n) return Reply("Please Select a Channel!");
    ChannelEntry* block = &record.channels[kPrivateBlock];
    for (int i = position + 1; i <= n - 1; ++i) block[i - 1] = block[i];
    block[n - 1].inUse = 0;
    Document().Change(record);
    return Reply("");
}

}  // extern "C"
