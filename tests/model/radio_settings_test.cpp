#include <gtest/gtest.h>

#include <cstring>

#include "model/checksum.h"
#include "model/radio_settings.h"

using namespace qx;

namespace {
const uint8_t* Bytes(const RadioSettings& r) { return reinterpret_cast<const uint8_t*>(&r); }
int32_t Int32At(const RadioSettings& r, std::size_t offset)
{
    int32_t v;
    std::memcpy(&v, Bytes(r) + offset, 4);
    return v;
}
}  // namespace

TEST(ResetSettings, UsaDefaultsTouchOnlyTheListedBytes)
{
    RadioSettings r;
    std::memset(&r, 0xA5, sizeof r);  // every byte must be rewritten
    ResetSettings(r, 0);
    for (std::size_t off : {0x0C, 0x10, 0x14, 0x18, 0x28, 0x34, 0x3C}) EXPECT_EQ(Int32At(r, off), 1) << off;
    EXPECT_STREQ(r.modelName, "QX720");
    EXPECT_STREQ(r.brandName, "Corvelstone");
    // Everything else is zero.
    RadioSettings expected{};
    for (std::size_t off : {0x0C, 0x10, 0x14, 0x18, 0x28, 0x34, 0x3C}) {
        int32_t one = 1;
        std::memcpy(reinterpret_cast<uint8_t*>(&expected) + off, &one, 4);
    }
    std::strcpy(expected.modelName, "QX720");
    std::strcpy(expected.brandName, "Corvelstone");
    EXPECT_EQ(std::memcmp(&r, &expected, sizeof r), 0);
    EXPECT_EQ(SettingsChecksum(r), 1501);
    EXPECT_EQ(ChecksumText(SettingsChecksum(r)), "CheckSum=0x000005DD");
}

TEST(ResetSettings, EuropeModels)
{
    RadioSettings r;
    ResetSettings(r, 1);
    EXPECT_EQ(r.modelType, 1);
    EXPECT_EQ(r.atisByUser, 1);
    EXPECT_EQ(r.usaEnabled, 1);
    EXPECT_EQ(r.canEnabled, 0);
    EXPECT_EQ(r.wxEnabled, 0);
    ResetSettings(r, 2);
    EXPECT_EQ(r.modelType, 2);
    EXPECT_EQ(r.canEnabled, 1);
    EXPECT_EQ(r.wxEnabled, 0);
    EXPECT_EQ(r.atisByUser, 1);
    EXPECT_EQ(r.txStep, 0);
    EXPECT_EQ(r.rxStep, 1);
    EXPECT_EQ(PrivateChannelCount(r), 0);
}

TEST(SettingsRecord, PrivateBlockOffsetsAndSignedUsageCode)
{
    RadioSettings r{};
    EXPECT_EQ(reinterpret_cast<const uint8_t*>(&r.channels[300]) - Bytes(r), 0x7AE8);
    EXPECT_EQ(reinterpret_cast<const uint8_t*>(&r.channels[300].txMHz) - Bytes(r), 0x7B00);
    EXPECT_EQ(reinterpret_cast<const uint8_t*>(&r.channels[300].inUse) - Bytes(r), 0x7B10);
    reinterpret_cast<uint8_t*>(&r)[0x7AE8 + 0x15] = 0x80;
    EXPECT_EQ(r.channels[300].usageCode, -128);
}

TEST(SettingsChecksum, SignedBytesAndReservedSpans)
{
    RadioSettings r{};
    EXPECT_EQ(ChecksumText(SettingsChecksum(r)), "CheckSum=0x00000000");
    r.reserved0040[10] = 0xFF;
    EXPECT_EQ(SettingsChecksum(r), -1);
    EXPECT_EQ(ChecksumText(SettingsChecksum(r)), "CheckSum=0xFFFFFFFF");
    RadioSettings all;
    std::memset(&all, 0xFF, sizeof all);
    EXPECT_EQ(SettingsChecksum(all), -43816);
    std::memset(&all, 0x7F, sizeof all);
    EXPECT_EQ(SettingsChecksum(all), 43816 * 127);
}

TEST(TextFields, ReadsAreBoundedAndWritesNeverSpill)
{
    RadioSettings r{};
    std::memset(r.atisText, '7', sizeof r.atisText);  // no NUL anywhere in the field
    EXPECT_EQ(AtisText(r).size(), sizeof r.atisText);
    std::memset(r.mmsiText, '5', 40);
    EXPECT_EQ(MmsiText(r), std::string(12, '5'));

    SetMmsiText(r, "123456789012345");
    EXPECT_EQ(MmsiText(r), "1234567890");  // at most 10 characters
    EXPECT_EQ(r.mmsiText[12], '5');        // bytes after the first 12 are left alone

    ChannelEntry e{};
    e.usageCode = 33;
    SetUsageText(e, "A TEXT LONGER THAN THIRTEEN");
    EXPECT_EQ(UsageText(e), "A TEXT LONGE");  // 12 characters and the NUL
    EXPECT_EQ(e.usageCode, 33);
    SetChannelName(e, "A55");
    EXPECT_EQ(ChannelName(e), "A5");
    std::memcpy(e.name, "ABC", 3);
    EXPECT_EQ(ChannelName(e), "ABC");
}
