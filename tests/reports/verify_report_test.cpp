#include <gtest/gtest.h>

#include <cmath>
#include <cstddef>
#include <cstring>
#include <filesystem>
#include <vector>

#include "files/atomic_file.h"
#include "model/private_sets.h"
#include "model/radio_image.h"
#include "reports/verify_report.h"
#include "support/records.h"
#include "support/temp_dir.h"

namespace qx {
namespace {

namespace fs = std::filesystem;

const LocalTime kClock{2025, 11, 30, 17, 0, 0, 0};

const char* const kGroupLines =
    "\n\nRadio,\t\tPC"
    "\nUSA=1,\t\t1"
    "\nINT=1,\t\t1"
    "\nCAN=1,\t\t1"
    "\nPRI=1,\t\t1"
    "\nUSANAR=0,\t0"
    "\nINTNAR=0,\t0"
    "\nCANNAR=0,\t0"
    "\nWX=1,\t\t1"
    "\nTxFreqStep=0,\t0"
    "\nRxFreqStep=1,\t1";

using test::InUseChannel;

class VerifyTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ResetSettings(pc_, 0);
        ResetSettings(radio_, 0);
    }
    int Compare(bool europe = false)
    {
        int result = -2;
        text_ = VerifyReportText(pc_, radio_, europe, kClock, &result);
        return result;
    }
    RadioSettings pc_, radio_;
    std::string text_;
};

TEST_F(VerifyTest, EmptyPrivateBlocksAreEqual)
{
    EXPECT_EQ(Compare(), 0);
    EXPECT_EQ(text_, std::string("Date:2025.11.30\t\tTime:17:0\n") + kGroupLines);
}

TEST_F(VerifyTest, MissingRadioChannelListsBothBlocks)
{
    for (int i = 0; i < 4; ++i) pc_.channels[kPrivateBlock + i] = InUseChannel("C1", 155.5, 155.5, 28);
    for (int i = 0; i < 3; ++i) radio_.channels[kPrivateBlock + i] = InUseChannel("C1", 155.5, 155.5, 28);
    EXPECT_EQ(ChannelDifference(radio_.channels[kPrivateBlock + 3], pc_.channels[kPrivateBlock + 3], false), 8);
    EXPECT_EQ(Compare(), 0x8000);
    const std::string line = "C1,28,155.5000,155.5000,00000001\n";
    EXPECT_EQ(text_,
              "Date:2025.11.30\t\tTime:17:0\n"
              "\nPrivate Band is different\n"
              "Radio Private channel:\n" +
                  line + line + line + "\nPC Private channel:\n" + line + line + line + line + kGroupLines);
}

TEST_F(VerifyTest, NamesAndUsageAreNotCompared)
{
    pc_.channels[kPrivateBlock] = InUseChannel("A5", 157.55, 157.55, 28);
    radio_.channels[kPrivateBlock] = InUseChannel("L2", 157.55, 157.55, 34);
    EXPECT_EQ(Compare(), 0);
}

TEST_F(VerifyTest, FrequencyTolerance)
{
    pc_.channels[kPrivateBlock] = InUseChannel("16", 156.8, 156.8);
    radio_.channels[kPrivateBlock] = InUseChannel("16", 156.80005, 156.8);
    EXPECT_EQ(Compare(), 0);
    radio_.channels[kPrivateBlock].txMHz = 156.8002;
    EXPECT_EQ(ChannelDifference(radio_.channels[kPrivateBlock], pc_.channels[kPrivateBlock], false), 2);
    EXPECT_EQ(Compare(), 0x8000);
    radio_.channels[kPrivateBlock].rxMHz = 156.8002;
    EXPECT_EQ(ChannelDifference(radio_.channels[kPrivateBlock], pc_.channels[kPrivateBlock], false), 3);
    // A damaged frequency never counts as equal.
    radio_.channels[kPrivateBlock] = InUseChannel("16", 156.8, 156.8);
    pc_.channels[kPrivateBlock].txMHz = std::nan("");
    EXPECT_EQ(ChannelDifference(radio_.channels[kPrivateBlock], pc_.channels[kPrivateBlock], false), 2);
}

TEST(ChannelDifference, FlagRules)
{
    ChannelEntry r = InUseChannel("16", 156.8, 156.8);
    ChannelEntry p = r;
    ChannelEntry freeEntry{};
    EXPECT_EQ(ChannelDifference(freeEntry, freeEntry, true), 0);
    EXPECT_EQ(ChannelDifference(r, freeEntry, true), 1);
    EXPECT_EQ(ChannelDifference(freeEntry, p, true), 8);

    r.rxOnly = 1;
    EXPECT_EQ(ChannelDifference(r, p, false), 4);
    r.rxOnly = 0;
    r.lowPowerOnly = 1;
    EXPECT_EQ(ChannelDifference(r, p, false), 5);
    r.lowPowerOnly = 0;
    // A flag set only on the PC side is not looked at.
    p.rxOnly = 1;
    EXPECT_EQ(ChannelDifference(r, p, false), 0);
    p.rxOnly = 0;

    r.oneWattAtis = 1;
    EXPECT_EQ(ChannelDifference(r, p, false), 0);
    EXPECT_EQ(ChannelDifference(r, p, true), 6);
    // ATIS at 1 W ends the comparison before the reception flag.
    r.rxAtis = 1;
    p.oneWattAtis = 1;
    EXPECT_EQ(ChannelDifference(r, p, true), 0);

    r.oneWattAtis = p.oneWattAtis = 0;
    EXPECT_EQ(ChannelDifference(r, p, false), 0);
    EXPECT_EQ(ChannelDifference(r, p, true), 7);
    // The reception flag outranks a frequency difference.
    r.txMHz = 157.0;
    EXPECT_EQ(ChannelDifference(r, p, true), 7);
}

TEST_F(VerifyTest, EuropeReadBackWithAtisReceptionIsCode7)
{
    pc_.channels[kPrivateBlock] = InUseChannel("M1", 157.85, 157.85, 33);
    radio_.channels[kPrivateBlock] = pc_.channels[kPrivateBlock];
    radio_.channels[kPrivateBlock].rxAtis = 1;
    EXPECT_EQ(Compare(false), 0);
    EXPECT_EQ(ChannelDifference(radio_.channels[kPrivateBlock], pc_.channels[kPrivateBlock], true), 7);
    EXPECT_EQ(Compare(true), 0x8000);
}

TEST_F(VerifyTest, GroupAndStepDifferences)
{
    pc_.wxEnabled = 1;
    radio_.wxEnabled = 0;
    EXPECT_EQ(Compare(), 0x4000);
    EXPECT_NE(text_.find("\nWX=0,\t\t1\nTxFreqStep"), std::string::npos);

    radio_.wxEnabled = 1;
    radio_.rxStep = 2;
    EXPECT_EQ(Compare(), 0x4000);
    EXPECT_NE(text_.find("\nRxFreqStep=2,\t1"), std::string::npos);

    pc_.channels[kPrivateBlock] = InUseChannel("16", 156.8, 156.8);
    EXPECT_EQ(Compare(), 0x8000 | 0x4000);
}

TEST_F(VerifyTest, ReportFileUsesCrLfAndEndsWithoutLineBreak)
{
    const test::TempDir scratch("report");
    const fs::path& dir = scratch.Root();
    fs::path path = dir / kVerifyReportFileName;

    EXPECT_EQ(WriteVerifyReport(path.string(), pc_, radio_, false, kClock), 0);
    std::vector<uint8_t> bytes;
    ASSERT_TRUE(ReadFileBytes(path.string(), bytes, 4096));
    EXPECT_EQ(std::string(bytes.begin(), bytes.end()),
              "Date:2025.11.30\t\tTime:17:0\r\n\r\n\r\nRadio,\t\tPC\r\nUSA=1,\t\t1\r\nINT=1,\t\t1\r\n"
              "CAN=1,\t\t1\r\nPRI=1,\t\t1\r\nUSANAR=0,\t0\r\nINTNAR=0,\t0\r\nCANNAR=0,\t0\r\n"
              "WX=1,\t\t1\r\nTxFreqStep=0,\t0\r\nRxFreqStep=1,\t1");

    EXPECT_EQ(WriteVerifyReport((dir / "no" / "such" / "Verify.txt").string(), pc_, radio_, false, kClock), -1);
}

}  // namespace
}  // namespace qx

namespace qx {
namespace {

// What a radio holds after a write of `pc`, as a read gives it back.
RadioSettings WrittenAndReadBack(const RadioSettings& pc, uint8_t noAtisReceptionFirstChannel = 0)
{
    RadioImage image{};
    EncodeSettings(pc, 0, image);
    image[0x0300 + 3] |= noAtisReceptionFirstChannel;
    RadioSettings radio;
    DecodeSettings(image, pc.modelType, radio);
    return radio;
}

TEST(VerifyWhatWasWritten, ARadioHoldingTheWrittenRecordVerifies)
{
    // The wizard's UK record holds ATIS reception off, which the radio cannot store.
    RadioSettings uk;
    ResetSettings(uk, 1);
    LoadPrivateSet(1, uk);
    ASSERT_EQ(uk.channels[kPrivateBlock].rxAtis, 0);
    const RadioSettings radio = WrittenAndReadBack(uk);

    int flags = -1;
    VerifyReportText(uk, radio, true, kClock, &flags);
    EXPECT_EQ(flags, kVerifyPrivateDiffers);  // the raw record never matches
    VerifyReportText(AsTheRadioHoldsIt(uk, true), radio, true, kClock, &flags);
    EXPECT_EQ(flags, 0);

    // A radio that really differs still fails with the reception code.
    const RadioSettings odd = WrittenAndReadBack(uk, 0x80);
    const RadioSettings held = AsTheRadioHoldsIt(uk, true);
    VerifyReportText(held, odd, true, kClock, &flags);
    EXPECT_EQ(flags, kVerifyPrivateDiffers);
    EXPECT_EQ(ChannelDifference(odd.channels[kPrivateBlock], held.channels[kPrivateBlock], true), 7);

    // Only the private channels are taken from the image: the rest is the PC's own.
    EXPECT_EQ(std::memcmp(&held, &uk, offsetof(RadioSettings, channels)), 0);
}

}  // namespace
}  // namespace qx
