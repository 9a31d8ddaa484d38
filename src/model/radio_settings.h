// The settings record: the program's working copy of one radio's configuration.
// Its byte layout is the clone file format, so every offset below is binding.
#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

static_assert(std::endian::native == std::endian::little, "records are stored raw and must be little-endian");
static_assert(sizeof(double) == 8, "records hold IEEE doubles");

namespace qx {

// One channel entry of the record, 104 bytes.
struct ChannelEntry {
    uint8_t reserved00[4];
    char name[3];  // two name characters and a NUL
    uint8_t reserved07;
    char usageText[13];  // only the European sets fill it
    int8_t usageCode;    // slot of the usage-name table
    uint8_t reserved16[2];
    double txMHz;  // 0 for a channel that cannot transmit
    double rxMHz;
    int32_t inUse;
    int32_t lowPowerOnly;
    int32_t rxOnly;
    int32_t oneWattAtis;
    int32_t rxAtis;
    uint8_t reserved3C[8];
    int32_t pttHigh;
    uint8_t reserved48[32];
};

inline constexpr int kChannelsPerBlock = 100;
inline constexpr int kChannelCount = 400;
inline constexpr int kIntBlock = 0;        // entries 0..99
inline constexpr int kUsaBlock = 100;      // entries 100..199
inline constexpr int kCanBlock = 200;      // entries 200..299
inline constexpr int kPrivateBlock = 300;  // entries 300..399

// The whole record, 43816 bytes.
struct RadioSettings {
    uint8_t reserved0000[8];
    int32_t atisByUser;
    int32_t usaEnabled;
    int32_t intEnabled;
    int32_t canEnabled;
    int32_t privateEnabled;
    int32_t usaNarrowEnabled;
    int32_t intNarrowEnabled;
    int32_t canNarrowEnabled;
    int32_t wxEnabled;
    int32_t modelType;  // 0 USA model, anything else Europe
    uint8_t reserved0030[4];
    int32_t mmsiByUser;
    int32_t txStep;  // PLL step index: 1 12.5 kHz, 2 25 kHz, else 6.25 kHz
    int32_t rxStep;
    uint8_t reserved0040[200];
    ChannelEntry channels[kChannelCount];
    uint8_t reservedA388[64];
    char atisText[60];    // the last 9 digits of the ATIS ID
    char mmsiText[1796];  // only the first 12 bytes are ever written
    char modelName[16];
    char brandName[16];
};

inline constexpr std::size_t kRadioSettingsSize = 43816;
inline constexpr std::size_t kChannelEntrySize = 104;

static_assert(sizeof(ChannelEntry) == kChannelEntrySize);
static_assert(offsetof(ChannelEntry, name) == 0x04);
static_assert(offsetof(ChannelEntry, usageText) == 0x08);
static_assert(offsetof(ChannelEntry, usageCode) == 0x15);
static_assert(offsetof(ChannelEntry, txMHz) == 0x18);
static_assert(offsetof(ChannelEntry, rxMHz) == 0x20);
static_assert(offsetof(ChannelEntry, inUse) == 0x28);
static_assert(offsetof(ChannelEntry, lowPowerOnly) == 0x2C);
static_assert(offsetof(ChannelEntry, rxOnly) == 0x30);
static_assert(offsetof(ChannelEntry, oneWattAtis) == 0x34);
static_assert(offsetof(ChannelEntry, rxAtis) == 0x38);
static_assert(offsetof(ChannelEntry, pttHigh) == 0x44);

static_assert(sizeof(RadioSettings) == kRadioSettingsSize);
static_assert(offsetof(RadioSettings, atisByUser) == 0x0008);
static_assert(offsetof(RadioSettings, usaEnabled) == 0x000C);
static_assert(offsetof(RadioSettings, intEnabled) == 0x0010);
static_assert(offsetof(RadioSettings, canEnabled) == 0x0014);
static_assert(offsetof(RadioSettings, privateEnabled) == 0x0018);
static_assert(offsetof(RadioSettings, usaNarrowEnabled) == 0x001C);
static_assert(offsetof(RadioSettings, intNarrowEnabled) == 0x0020);
static_assert(offsetof(RadioSettings, canNarrowEnabled) == 0x0024);
static_assert(offsetof(RadioSettings, wxEnabled) == 0x0028);
static_assert(offsetof(RadioSettings, modelType) == 0x002C);
static_assert(offsetof(RadioSettings, mmsiByUser) == 0x0034);
static_assert(offsetof(RadioSettings, txStep) == 0x0038);
static_assert(offsetof(RadioSettings, rxStep) == 0x003C);
static_assert(offsetof(RadioSettings, channels) == 0x0108);
static_assert(offsetof(RadioSettings, channels) + kChannelEntrySize * kUsaBlock == 0x29A8);
static_assert(offsetof(RadioSettings, channels) + kChannelEntrySize * kCanBlock == 0x5248);
static_assert(offsetof(RadioSettings, channels) + kChannelEntrySize * kPrivateBlock == 0x7AE8);
static_assert(offsetof(RadioSettings, reservedA388) == 0xA388);
static_assert(offsetof(RadioSettings, atisText) == 0xA3C8);
static_assert(offsetof(RadioSettings, mmsiText) == 0xA404);
static_assert(offsetof(RadioSettings, modelName) == 0xAB08);
static_assert(offsetof(RadioSettings, brandName) == 0xAB18);

// Fills the whole record with the defaults of a model type (0 USA, 1 EUR (INT), 2 EUR (INT,USA)).
void ResetSettings(RadioSettings& record, int32_t modelType);

// Reads a text field that may lack its NUL: never past the field width.
inline std::string FieldText(const char* field, std::size_t width)
{
    std::size_t n = 0;
    while (n < width && field[n] != '\0') ++n;
    return {field, n};
}

template <std::size_t N>
inline std::string FieldText(const char (&field)[N])
{
    return FieldText(field, N);
}

// Clears `clearBytes` of the field and stores at most `maxChars` characters with a NUL,
// never writing past the field.
void StoreFieldText(char* field, std::size_t width, std::size_t clearBytes, std::size_t maxChars,
                    std::string_view text);

// The identity fields: writers clear the first 12 bytes and store at most 10 characters.
void SetAtisText(RadioSettings& record, std::string_view text);
void SetMmsiText(RadioSettings& record, std::string_view text);
std::string AtisText(const RadioSettings& record);
std::string MmsiText(const RadioSettings& record);

// Channel name: at most two characters, NUL-terminated within the 3-byte field.
std::string ChannelName(const ChannelEntry& entry);
void SetChannelName(ChannelEntry& entry, std::string_view name);
// Usage text: at most 12 characters in the 13-byte field.
std::string UsageText(const ChannelEntry& entry);
void SetUsageText(ChannelEntry& entry, std::string_view text);

// The Private block's in-use run from entry 300 (the first free entry ends it).
int PrivateChannelCount(const RadioSettings& record);

inline bool IsEuropeModel(const RadioSettings& record) { return record.modelType != 0; }

}  // namespace qx
