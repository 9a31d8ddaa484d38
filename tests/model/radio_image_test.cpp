#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

#include "model/radio_image.h"
#include "support/records.h"

using namespace qx;

namespace {

using qx::test::InUseChannel;

RadioSettings Europe()
{
    RadioSettings r;
    ResetSettings(r, 1);
    return r;
}

}  // namespace

TEST(EncodeSettings, FixedBytesFlagsAndGroupMask)
{
    RadioSettings r{};
    r.usaEnabled = r.intEnabled = r.wxEnabled = 1;
    r.txStep = 2;
    r.rxStep = 1;
    RadioImage img;
    img.fill(0xEE);
    EXPECT_EQ(EncodeSettings(r, 1, img), 0);
    EXPECT_EQ(img[kAddrMarker], 1);
    EXPECT_EQ(img[kAddrGroupMask], 0x85);
    EXPECT_EQ(img[kAddrEuropeModel], 0);
    EXPECT_EQ(img[kAddrAdjustMode], 1);
    EXPECT_EQ(img[kAddrTxStep], 2);
    EXPECT_EQ(img[kAddrRxStep], 1);
    EXPECT_EQ(img[kAddrAtisPresent], 0);
    EXPECT_EQ(img[kAddrMmsiPresent], 0);
    // Nothing of the old buffer survives, the spare tail included.
    int nonZero = 0;
    for (uint8_t b : img) nonZero += b != 0;
    EXPECT_EQ(nonZero, 5);

    RadioSettings back;
    DecodeSettings(img, 0, back);
    EXPECT_EQ(back.txStep, 2);
    RadioImage mask{};
    mask[kAddrGroupMask] = 0x42;
    DecodeSettings(mask, 0, back);
    EXPECT_EQ(back.usaNarrowEnabled, 1);
    EXPECT_EQ(back.privateEnabled, 1);
    EXPECT_EQ(back.usaEnabled + back.intEnabled + back.canEnabled + back.intNarrowEnabled + back.canNarrowEnabled +
                  back.wxEnabled,
              0);
}

TEST(EncodeSettings, PrivateChannelsOnlyForEuropeModels)
{
    RadioSettings usa;
    ResetSettings(usa, 0);
    usa.channels[300] = InUseChannel("16", 156.8, 156.8);
    RadioImage img;
    EncodeSettings(usa, 0, img);
    EXPECT_EQ(img[kAddrChannelCount], 0);
    for (int a = 0x0300; a <= 0x06E7; ++a) ASSERT_EQ(img[a], 0) << a;

    RadioSettings eu = Europe();
    eu.channels[300] = InUseChannel("16", 156.8, 156.8, 17);
    eu.channels[301] = InUseChannel("A5", 157.55, 157.55);
    eu.channels[302] = InUseChannel("L2", 155.525, 155.525);
    eu.channels[304] = InUseChannel("C1", 155.5, 155.5);  // after the free entry 303: not sent
    EncodeSettings(eu, 0, img);
    EXPECT_EQ(img[kAddrChannelCount], 3);
    EXPECT_EQ(img[kAddrEuropeModel], 1);
    const uint8_t first[10] = {0, 16, 0, 0, 0, 0x00, 0x62, 0xDC, 0x2A, 17};
    EXPECT_EQ(std::memcmp(img.data() + 0x0300, first, 10), 0);
    EXPECT_EQ(img[0x030A], 1);
    EXPECT_EQ(img[0x030B], 135);
    EXPECT_EQ(img[0x0315], 112);
    EXPECT_EQ(img[0x031E], 0);
}

TEST(EncodeSettings, FillsEveryOneOfTheHundredPrivateSlots)
{
    RadioSettings eu = Europe();
    for (int s = 0; s < kChannelsPerBlock; ++s) {
        const char name[3] = {static_cast<char>('0' + s / 10), static_cast<char>('0' + s % 10), '\0'};
        eu.channels[kPrivateBlock + s] = InUseChannel(name, 156.0 + 0.025 * s, 160.0 + 0.025 * s, s % 32);
    }
    RadioImage img;
    EncodeSettings(eu, 0, img);
    EXPECT_EQ(img[kAddrChannelCount], 100);
    const int last = kAddrChannelSlots + 10 * 99;
    EXPECT_EQ(img[last], 99);      // slot number
    EXPECT_EQ(img[last + 1], 99);  // name code of "99"
    EXPECT_TRUE(std::any_of(img.begin() + last + 2, img.begin() + last + 10, [](uint8_t b) { return b != 0; }));

    RadioSettings back;
    DecodeSettings(img, 1, back);
    ASSERT_EQ(PrivateChannelCount(back), 100);
    const ChannelEntry& e = back.channels[kPrivateBlock + 99];
    EXPECT_EQ(ChannelName(e), "99");
    EXPECT_NEAR(e.txMHz, 156.0 + 0.025 * 99, 0.0001);
    EXPECT_NEAR(e.rxMHz, 160.0 + 0.025 * 99, 0.0001);
    EXPECT_EQ(e.usageCode, 99 % 32);
}

TEST(EncodeSettings, StopsAtAThreeCharacterName)
{
    RadioSettings eu = Europe();
    eu.channels[300] = InUseChannel("16", 156.8, 156.8);
    eu.channels[301] = InUseChannel("16", 156.8, 156.8);
    std::memcpy(eu.channels[301].name, "123", 3);
    eu.channels[302] = InUseChannel("17", 156.85, 156.85);
    RadioImage img;
    EncodeSettings(eu, 0, img);
    EXPECT_EQ(img[kAddrChannelCount], 1);
}

TEST(ImageCodec, RoundTripKeepsRadioVisibleFields)
{
    RadioSettings eu;
    ResetSettings(eu, 2);
    SetAtisText(eu, "123456789");
    SetMmsiText(eu, "987654321");
    eu.atisByUser = 0;
    eu.mmsiByUser = 0;
    eu.txStep = 1;
    eu.rxStep = 1;
    eu.channels[300] = InUseChannel("F1", 155.625, 155.625, 35);
    eu.channels[300].oneWattAtis = 1;  // the encoder never sends it
    eu.channels[301] = InUseChannel("M2", 161.425, 161.425, 33);
    SetUsageText(eu.channels[301], "MARINA");
    RadioImage img;
    EncodeSettings(eu, 0, img);
    RadioSettings back;
    DecodeSettings(img, 2, back);
    EXPECT_EQ(back.modelType, 1);  // the image carries only a Europe flag
    EXPECT_EQ(AtisText(back), "123456789");
    EXPECT_EQ(MmsiText(back), "987654321");
    EXPECT_EQ(back.atisByUser, 0);
    EXPECT_EQ(back.mmsiByUser, 0);
    EXPECT_EQ(back.canEnabled, 1);
    EXPECT_EQ(PrivateChannelCount(back), 2);
    for (int i : {300, 301}) {
        EXPECT_EQ(ChannelName(back.channels[i]), ChannelName(eu.channels[i]));
        EXPECT_NEAR(back.channels[i].txMHz, eu.channels[i].txMHz, 1e-9);
        EXPECT_NEAR(back.channels[i].rxMHz, eu.channels[i].rxMHz, 1e-9);
        EXPECT_EQ(back.channels[i].usageCode, eu.channels[i].usageCode);
        EXPECT_EQ(back.channels[i].rxAtis, 1);
        EXPECT_EQ(back.channels[i].oneWattAtis, 0);
        EXPECT_EQ(UsageText(back.channels[i]), "");
    }
    EXPECT_STREQ(back.brandName, "Corvelstone");
}

TEST(ImageCodec, IdentityPresenceFollowsTheTextNotTheFlag)
{
    RadioSettings r = Europe();
    r.atisByUser = 0;
    SetAtisText(r, "0");
    RadioImage img;
    EncodeSettings(r, 0, img);
    EXPECT_EQ(img[kAddrAtisPresent], 0);
    RadioSettings back;
    DecodeSettings(img, 1, back);
    EXPECT_EQ(back.atisByUser, 1);
    EXPECT_EQ(AtisText(back), "");
}

TEST(DecodeSettings, DamagedImagesDecodeSafely)
{
    RadioImage img{};
    img[kAddrChannelCount] = 0xFF;  // erased EEPROM
    img[0x0300 + 1] = 200;          // name code past the table
    img[0x0300 + 4] = 0x01;         // ATIS at 1 W
    img[0x030A + 3] = 0x80;         // no ATIS reception
    img[kAddrTxStep] = 0xFF;        // -1 acts as 6.25 kHz
    RadioSettings r;
    std::memset(&r, 0x5A, sizeof r);
    DecodeSettings(img, 0, r);
    EXPECT_EQ(PrivateChannelCount(r), 100);
    EXPECT_EQ(ChannelName(r.channels[300]), "");
    EXPECT_EQ(r.channels[300].oneWattAtis, 1);
    EXPECT_EQ(r.channels[300].rxAtis, 0);
    EXPECT_EQ(r.channels[301].rxAtis, 0);
    EXPECT_EQ(r.channels[302].rxAtis, 1);
    EXPECT_EQ(r.txStep, -1);
    // The blocks outside Private and the reserved spans are cleared, not left over.
    EXPECT_EQ(r.channels[0].inUse, 0);
    EXPECT_EQ(r.reserved0000[0], 0);

    RadioImage zeroCount{};
    zeroCount[0x0301] = 16;
    DecodeSettings(zeroCount, 1, r);
    EXPECT_EQ(PrivateChannelCount(r), 0);
}

TEST(NameCode, EncodesAndDecodesTheLetteredNames)
{
    EXPECT_EQ(NameCode("16"), 16);
    EXPECT_EQ(NameCode("A5"), 135);
    EXPECT_EQ(NameCode("L2"), 112);
    EXPECT_EQ(NameCode("F0"), 100);
    EXPECT_EQ(NameCode("C9"), 149);
    EXPECT_EQ(NameCode("X7"), 7);
    EXPECT_EQ(NameCode("9Z"), 90);
    char name[3];
    for (int code = 0; code < 150; ++code) {
        NameFromCode(static_cast<uint8_t>(code), name);
        EXPECT_EQ(NameCode(name), code) << code;
    }
    NameFromCode(150, name);
    EXPECT_EQ(name[0], '\0');
}
