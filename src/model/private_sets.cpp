#include "model/private_sets.h"

#include <cstdio>
#include <cstring>
#include <span>
#include <string_view>

#include "model/frequency.h"

namespace qx {

namespace {

// A European channel has the same row data in every set that holds it.
struct SetChannel {
    uint16_t channel;
    uint16_t txWord;
    uint16_t rxWord;
    uint8_t usageCode;
};

constexpr SetChannel kSetChannels[] = {
    {31, 25240, 9864, 33},  {37, 25256, 9520, 34},  {96, 25988, 9886, 33},  {101, 24900, 9342, 35},
    {102, 24924, 9354, 35}, {103, 24932, 9358, 35}, {111, 24880, 9332, 34}, {112, 24884, 9334, 34},
    {113, 24904, 9344, 34}, {121, 25256, 9520, 33}, {122, 25828, 9806, 33}, {130, 25188, 9486, 28},
    {131, 25192, 9488, 28}, {132, 25196, 9490, 28}, {133, 25200, 9492, 28}, {134, 25204, 9494, 28},
    {135, 25208, 9496, 28}, {136, 25212, 9498, 28}, {140, 24872, 9328, 28}, {141, 24880, 9332, 28},
    {142, 24888, 9336, 28}, {143, 24904, 9344, 28}, {144, 24920, 9352, 28}, {145, 24936, 9360, 28},
    {146, 24944, 9364, 28}, {147, 24948, 9366, 28}, {148, 24952, 9368, 28}, {149, 24956, 9370, 28},
};

constexpr uint16_t kAll[] = {31,  37,  96,  101, 102, 103, 111, 112, 113, 121, 122, 130, 131, 132,
                             133, 134, 135, 136, 140, 141, 142, 143, 144, 145, 146, 147, 148, 149};
constexpr uint16_t kUk[] = {121, 122};
constexpr uint16_t kDenmark[] = {101, 102, 103, 111, 112};
constexpr uint16_t kNordic[] = {101, 102, 103, 111, 112, 113};
constexpr uint16_t kHolland[] = {31, 37};
constexpr uint16_t kBelgium[] = {31, 96};

struct PrivateSet {
    const char* name;
    std::span<const uint16_t> channels;
};

constexpr PrivateSet kSets[kPrivateSetCount] = {
    {"All", kAll},       {"UK", kUk},           {"Denmark", kDenmark}, {"Finland", kNordic}, {"Norway", kNordic},
    {"Sweden", kNordic}, {"Holland", kHolland}, {"Belgium", kBelgium}, {"None", {}},
};

const SetChannel* FindSetChannel(uint16_t channel)
{
    for (const SetChannel& c : kSetChannels)
        if (c.channel == channel) return &c;
    return nullptr;
}

// "31" for the numbered channels, letter and units digit for the lettered ones (F1, M2, C9).
std::string NameOfSetChannel(uint16_t channel)
{
    char text[8];
    if (channel < 100) {
        std::snprintf(text, sizeof text, "%02d", int{channel});
    } else {
        char letter;
        switch (channel / 10) {
        case 10: letter = 'F'; break;
        case 11: letter = 'L'; break;
        case 12: letter = 'M'; break;
        case 13: letter = 'A'; break;
        default: letter = 'C'; break;
        }
        std::snprintf(text, sizeof text, "%c%d", letter, channel % 10);
    }
    return text;
}

std::string_view TrimBlanks(std::string_view text)
{
    std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

}  // namespace

const char* PrivateSetName(int setIndex)
{
    return setIndex >= 0 && setIndex < kPrivateSetCount ? kSets[setIndex].name : "";
}

std::vector<ChannelPlanRow> PrivateSetRows(int setIndex)
{
    std::vector<ChannelPlanRow> rows;
    if (setIndex < 0 || setIndex >= kPrivateSetCount) return rows;
    for (uint16_t channel : kSets[setIndex].channels) {
        const SetChannel* c = FindSetChannel(channel);
        if (c == nullptr || rows.size() >= kPrivateSetMaxRows) break;
        rows.push_back(
            ChannelPlanRow{static_cast<uint8_t>(rows.size()), 0, c->channel, 0, c->txWord, c->rxWord, c->usageCode, 0});
    }
    return rows;
}

void LoadPrivateSet(int setIndex, RadioSettings& record)
{
    ChannelEntry* block = &record.channels[kPrivateBlock];
    std::memset(block, 0, sizeof(ChannelEntry) * kChannelsPerBlock);
    int slot = 0;
    for (const ChannelPlanRow& row : PrivateSetRows(setIndex)) {
        ChannelEntry& entry = block[slot++];
        SetChannelName(entry, NameOfSetChannel(row.channel));
        entry.txMHz = PlanSetTxMHz(row.txWord);
        entry.rxMHz = PlanSetRxMHz(row.rxWord);
        entry.usageCode = static_cast<int8_t>(row.usageCode);
        // The 12-character field takes every usage name the sets use once its blanks are gone.
        SetUsageText(entry, TrimBlanks(UsageName(row.usageCode)));
        entry.inUse = 1;
    }
}

std::string FormatWizardLine(const ChannelEntry& entry)
{
    // Room for the widest double "%8.4f" can print, twice: the record may come from a file.
    char text[1024];
    std::snprintf(text, sizeof text, "%s Tx=%8.4f Rx=%8.4f %s", ChannelName(entry).c_str(), entry.txMHz, entry.rxMHz,
                  UsageName(entry.usageCode));
    return text;
}

}  // namespace qx
