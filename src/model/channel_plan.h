// The read-only channel plans of the built-in groups, the usage names and the private
// channel name characters.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "model/radio_settings.h"

namespace qx {

// One row of a plan table, 12 bytes.
struct ChannelPlanRow {
    uint8_t row;  // the row's position in its table
    uint8_t zero1;
    uint16_t channel;
    uint16_t attribute;  // carried, never read
    uint16_t txWord;     // 6.25 kHz steps; 0 = does not transmit
    uint16_t rxWord;     // 12.5 kHz steps above 38.85 MHz
    uint8_t usageCode;
    uint8_t zero11;
};
static_assert(sizeof(ChannelPlanRow) == 12);

// Channel group numbers of the band list and the channel list.
enum ChannelGroup : int {
    kGroupInt = 0,
    kGroupUsa = 1,
    kGroupCan = 2,
    kGroupPrivate = 3,
    kGroupIntNarrow = 4,
    kGroupUsaNarrow = 5,
    kGroupCanNarrow = 6,
    kGroupWx = 7,
};

inline constexpr int kChannelListMaxRows = 128;
inline constexpr int kUsageSlotCount = 36;
// The usage codes a private channel may carry (the channel setup dialog's list).
inline constexpr int kFirstPrivateUsageCode = 11;
inline constexpr int kLastPrivateUsageCode = 35;
inline constexpr std::string_view kPrivateNameChars = "0123456789ACFLM";

// The rows of a group's table: from row 0 while the row number equals the position, at most
// `maxRows`. Empty for the Private group and for unknown numbers.
std::vector<ChannelPlanRow> PlanRows(int group, int maxRows = kChannelListMaxRows);

// The stored row at a position of a group's table, reading on into whatever the storage holds
// after the table (as the radio's own tables do); false past the end of the storage.
bool PlanStoredRow(int group, int position, ChannelPlanRow& row);

// Slot text of the usage-name table (16 characters); "" for a code outside 0..35.
const char* UsageName(int code);

// The channel list lines: "%02d, TX:%d.%04d  RX:%d.%04d,%s" for a plan row and
// "%3s,TX:%8.4f  RX:%8.4f %s" for a private channel.
std::string FormatPlanLine(const ChannelPlanRow& row);
std::string FormatPrivateLine(const ChannelEntry& entry);

}  // namespace qx
