// The radio's EEPROM image and the codec between it and the settings record.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "model/radio_settings.h"

namespace qx {

inline constexpr int kEepromSize = 8192;       // addresses 0x0000..0x1FFF
inline constexpr int kImageBufferSize = 8320;  // 8192 plus a spare tail
inline constexpr int kCloneFirst = 0x0100;
inline constexpr int kCloneLast = 0x06FF;

// Image addresses.
inline constexpr int kAddrMarker = 0x0104;
inline constexpr int kAddrAtisPresent = 0x011A;
inline constexpr int kAddrAtis = 0x011B;
inline constexpr int kAddrMmsiPresent = 0x0120;
inline constexpr int kAddrMmsi = 0x0121;
inline constexpr int kAddrChannelCount = 0x0226;
inline constexpr int kAddrTxStep = 0x02F0;
inline constexpr int kAddrRxStep = 0x02F1;
inline constexpr int kAddrEuropeModel = 0x02FD;
inline constexpr int kAddrGroupMask = 0x02FE;
inline constexpr int kAddrAdjustMode = 0x02FF;
inline constexpr int kAddrChannelSlots = 0x0300;
inline constexpr int kChannelSlotCount = 100;

// Group enable mask bits.
inline constexpr uint8_t kMaskUsa = 0x01;
inline constexpr uint8_t kMaskUsaNarrow = 0x02;
inline constexpr uint8_t kMaskInt = 0x04;
inline constexpr uint8_t kMaskIntNarrow = 0x08;
inline constexpr uint8_t kMaskCan = 0x10;
inline constexpr uint8_t kMaskCanNarrow = 0x20;
inline constexpr uint8_t kMaskPrivate = 0x40;
inline constexpr uint8_t kMaskWx = 0x80;

using RadioImage = std::array<uint8_t, kImageBufferSize>;

// One private channel in the image, 10 bytes at 0x0300 + 10 * slot.
struct ChannelRecord {
    uint8_t slot;
    uint8_t nameCode;
    uint8_t unused2;
    uint8_t noAtisReception;  // bit 7
    uint8_t atisOneWatt;      // bit 0
    uint8_t txWord[2];        // little-endian
    uint8_t rxWord[2];
    uint8_t usageCode;
};
static_assert(sizeof(ChannelRecord) == 10);

// The one-byte code of a two-character channel name ("16" 16, "A5" 135, "L2" 112).
uint8_t NameCode(const char* name);
// The name a code stands for; codes 150 and above give an empty name.
void NameFromCode(uint8_t code, char name[3]);

uint8_t GroupMask(const RadioSettings& record);
void ApplyGroupMask(uint8_t mask, RadioSettings& record);

// Fills the write image from a record. Always returns 0.
int EncodeSettings(const RadioSettings& record, int32_t adjustMode, RadioImage& writeImage);
// The clone range (0x0100..0x06FF) a Write of `record` puts on the radio (adjust mode 0): what
// tells whether the radio holds a document, whatever else its file keeps.
std::vector<uint8_t> EncodedCloneRange(const RadioSettings& record);
// Fills a record from the read image. Always returns 0. A channel count above 100 (an erased
// EEPROM reads 0xFF) decodes only the first 100 records.
int DecodeSettings(const RadioImage& readImage, int32_t modelType, RadioSettings& record);

}  // namespace qx
