#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <vector>

#include "files/atomic_file.h"
#include "reports/freq_table.h"
#include "support/temp_dir.h"

namespace qx {
namespace {

namespace fs = std::filesystem;

const LocalTime kClock{2024, 3, 7, 9, 5, 41, 250};

ChannelEntry Channel(const char* name, const char* usage, double tx, double rx)
{
    ChannelEntry e{};
    SetChannelName(e, name);
    SetUsageText(e, usage);
    e.txMHz = tx;
    e.rxMHz = rx;
    e.inUse = 1;
    return e;
}

TEST(FreqTableLine, NamePaddedUsagePaddedFrequenciesAndAtisWord)
{
    ChannelEntry e = Channel("16", "", 156.8, 156.8);
    e.rxAtis = 1;
    EXPECT_EQ(FormatChannelLine(e), "16 ,              , 156.8000, 156.8000,   RxATIS");
}

TEST(FreqTableLine, UsageNameKeepsTrailingBlanks)
{
    EXPECT_EQ(FormatChannelLine(Channel("A5", "MARINA", 157.85, 157.85)), "A5 , MARINA       , 157.8500, 157.8500,   ");
}

TEST(FreqTableLine, AttributeWords)
{
    ChannelEntry e = Channel("20", "", 157.0, 161.6);
    e.rxOnly = 1;
    e.rxAtis = 1;
    e.lowPowerOnly = 1;
    EXPECT_EQ(FormatChannelLine(e), "20 ,              , 157.0000, 161.6000,   RxOnly  ");

    e.rxOnly = 0;
    e.pttHigh = 1;
    EXPECT_EQ(FormatChannelLine(e), "20 ,              , 157.0000, 161.6000,   1WPTTHIRxATIS");

    e.lowPowerOnly = 0;
    e.oneWattAtis = 1;
    e.rxAtis = 0;
    EXPECT_EQ(FormatChannelLine(e), "20 ,              , 157.0000, 161.6000,   1WATIS");
}

TEST(FreqTableLine, UnterminatedFieldsAreReadWithinTheirWidth)
{
    ChannelEntry e = Channel("16", "", 156.8, 156.8);
    std::memset(e.name, 'Z', sizeof e.name);
    std::memset(e.usageText, 'U', sizeof e.usageText);
    e.usageCode = 'X';
    std::string line = FormatChannelLine(e);
    EXPECT_EQ(line.substr(0, 18), "ZZZ, UUUUUUUUUUUUU");
    EXPECT_EQ(line.find('X'), std::string::npos);
}

TEST(FreqTableLine, AbsurdFrequencyIsPrintedWhole)
{
    ChannelEntry e = Channel("16", "", 1e300, 156.8);
    EXPECT_GT(FormatChannelLine(e).size(), 300u);
}

TEST(FreqTableText, EmptyUsaModelHasAllHeadings)
{
    RadioSettings r;
    ResetSettings(r, 0);
    EXPECT_EQ(FreqTableText(r, kClock),
              "Date:2024.3.7\t\tTime:9:5\n"
              "\n"
              "Channel   Name\t TxFreq\t\t RxFreq  \n"
              "INT\n"
              "\nUSA\n"
              "\nCAN\n"
              "\nWX\n");
}

TEST(FreqTableText, PrivateChannelsFollowIntWithoutHeading)
{
    RadioSettings r;
    ResetSettings(r, 1);  // USA on, CAN and WX off
    r.usaEnabled = 0;
    r.channels[0] = Channel("01", "", 156.05, 160.65);
    for (int i = 0; i < 40; ++i) r.channels[kPrivateBlock + i] = Channel("M1", "MARINA", 157.85, 157.85);
    r.channels[kUsaBlock] = Channel("01", "", 156.05, 156.05);

    std::string text = FreqTableText(r, kClock);
    std::string expected =
        "Date:2024.3.7\t\tTime:9:5\n\nChannel   Name\t TxFreq\t\t RxFreq  \nINT\n"
        "01 ,              , 156.0500, 160.6500,   \n";
    for (int i = 0; i < 40; ++i) expected += "M1 , MARINA       , 157.8500, 157.8500,   \n";
    EXPECT_EQ(text, expected);
}

TEST(FreqTableText, SectionsStopAtFirstFreeEntryAndAtTheirLimit)
{
    RadioSettings r;
    ResetSettings(r, 0);
    r.canEnabled = 0;
    r.wxEnabled = 0;
    for (int i = 0; i < 100; ++i) r.channels[kIntBlock + i] = Channel("01", "", 156.05, 156.05);
    r.channels[kUsaBlock] = Channel("02", "", 156.1, 156.1);
    r.channels[kUsaBlock + 2] = Channel("03", "", 156.15, 156.15);  // after a gap: not listed

    std::string text = FreqTableText(r, kClock);
    auto count = [&](const std::string& what) {
        std::size_t n = 0;
        for (std::size_t p = text.find(what); p != std::string::npos; p = text.find(what, p + 1)) ++n;
        return n;
    };
    EXPECT_EQ(count("01 ,"), 80u);
    EXPECT_EQ(count("02 ,"), 1u);
    EXPECT_EQ(count("03 ,"), 0u);
}

TEST(FreqTableText, WxSectionShowsTheTailOfAFullPrivateBlock)
{
    RadioSettings r;
    ResetSettings(r, 0);
    r.usaEnabled = 0;
    r.canEnabled = 0;
    for (int i = 0; i < 93; ++i) r.channels[kPrivateBlock + i] = Channel(i < 90 ? "C1" : "L2", "", 155.5, 155.5);

    std::string text = FreqTableText(r, kClock);
    std::string tail = text.substr(text.find("\nWX\n"));
    EXPECT_EQ(tail,
              "\nWX\n"
              "L2 ,              , 155.5000, 155.5000,   \n"
              "L2 ,              , 155.5000, 155.5000,   \n"
              "L2 ,              , 155.5000, 155.5000,   \n");
}

class ReportFileTest : public ::testing::Test {
protected:
    void TearDown() override { SetWriteFaultHookForTesting({}); }
    std::string Read(const fs::path& path)
    {
        std::vector<uint8_t> bytes;
        EXPECT_TRUE(ReadFileBytes(path.string(), bytes, 1 << 20));
        return std::string(bytes.begin(), bytes.end());
    }
    test::TempDir scratch_{"report"};
    fs::path dir_ = scratch_.Root();
};

TEST_F(ReportFileTest, FreqTableFileHasCrLfLineEnds)
{
    RadioSettings r;
    ResetSettings(r, 0);
    r.channels[kPrivateBlock] = Channel("A5", "MARINA", 157.85, 157.85);
    fs::path path = dir_ / kFreqTableFileName;
    ASSERT_TRUE(WriteFreqTable(path.string(), r, kClock));
    EXPECT_EQ(Read(path),
              "Date:2024.3.7\t\tTime:9:5\r\n"
              "\r\n"
              "Channel   Name\t TxFreq\t\t RxFreq  \r\n"
              "INT\r\n"
              "A5 , MARINA       , 157.8500, 157.8500,   \r\n"
              "\r\nUSA\r\n"
              "\r\nCAN\r\n"
              "\r\nWX\r\n");
}

TEST_F(ReportFileTest, FailedFreqTableWriteKeepsTheOldFile)
{
    fs::path path = dir_ / kFreqTableFileName;
    RadioSettings r;
    ResetSettings(r, 0);
    ASSERT_TRUE(WriteFreqTable(path.string(), r, kClock));
    const std::string before = Read(path);

    SetWriteFaultHookForTesting([](std::size_t) { return false; });
    r.usaEnabled = 0;
    EXPECT_FALSE(WriteFreqTable(path.string(), r, kClock));
    SetWriteFaultHookForTesting({});
    EXPECT_EQ(Read(path), before);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 1);

    EXPECT_FALSE(WriteFreqTable((dir_ / "missing" / kFreqTableFileName).string(), r, kClock));
}

}  // namespace
}  // namespace qx
