#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

#include "clone_fixture.h"
#include "document/atomic_file.h"
#include "model/radio_image.h"

namespace qx::testing {
namespace {

// A Europe record with identities, unusual groups and steps, and three private channels.
void FillRecord(RadioSettings& r)
{
    ResetSettings(r, 1);
    SetAtisText(r, "234567890");
    SetMmsiText(r, "366123456");
    r.usaEnabled = 0;
    r.wxEnabled = 1;
    r.canNarrowEnabled = 1;
    r.txStep = 1;
    r.rxStep = 2;
    const char* names[] = {"16", "A5", "L2"};
    for (int i = 0; i < 3; ++i) {
        ChannelEntry& e = r.channels[kPrivateBlock + i];
        SetChannelName(e, names[i]);
        e.inUse = 1;
        e.txMHz = 156.8 + 0.025 * i;
        e.rxMHz = 156.8 + 0.025 * i;
        e.usageCode = static_cast<int8_t>(3 + i);
    }
}

std::vector<uint8_t> ReadAll(const std::string& path)
{
    std::vector<uint8_t> bytes;
    ReadFileBytes(path, bytes, 1 << 20);
    return bytes;
}

class PcCloneTest : public ::testing::Test {
protected:
    CloneRig rig;
};

TEST_F(PcCloneTest, WriteToRadioSendsTheCloneSpanOnlyAndStepsProgress)
{
    FillRecord(rig.settings);
    rig.radio.Fill(0x5A);
    auto clone = rig.Clone();
    ASSERT_EQ(clone->WriteRadio(), kResultOk);

    const auto sent = rig.Sent();
    ASSERT_EQ(sent.size(), 78u);
    EXPECT_EQ(sent[0][7], 'A');
    for (int k = 0; k < 77; ++k) {
        EXPECT_EQ(sent[1 + k][7], 'W');
        EXPECT_EQ(SentenceAddress(sent[1 + k]), 0x0100 + 20 * k);
    }
    EXPECT_EQ(sent[77][8], 16);
    EXPECT_EQ(SentenceAddress(sent[77]), 0x06F0);

    RadioImage expected{};
    EncodeSettings(rig.settings, 0, expected);
    const auto eeprom = rig.radio.Contents();
    EXPECT_TRUE(std::equal(eeprom.begin() + 0x100, eeprom.begin() + 0x700, expected.begin() + 0x100));
    EXPECT_TRUE(std::all_of(eeprom.begin(), eeprom.begin() + 0x100, [](uint8_t b) { return b == 0x5A; }));
    EXPECT_TRUE(std::all_of(eeprom.begin() + 0x700, eeprom.end(), [](uint8_t b) { return b == 0x5A; }));

    std::vector<std::string> progress = {"range 0 76", "step 1"};
    progress.insert(progress.end(), 77, "+");
    progress.push_back("pos 0");
    EXPECT_EQ(rig.progress.calls, progress);
}

TEST_F(PcCloneTest, ReadFromRadioDecodesWhatWasWritten)
{
    RadioSettings original{};
    FillRecord(original);
    rig.settings = original;
    rig.options.modelType = 1;
    ASSERT_EQ(rig.Clone()->WriteRadio(), kResultOk);
    rig.radio.ClearLog();

    std::memset(&rig.settings, 0, sizeof rig.settings);
    ASSERT_EQ(rig.Clone()->ReadRadio(), kResultOk);
    const auto sent = rig.Sent();
    ASSERT_EQ(sent.size(), 79u);
    EXPECT_EQ(sent[0][7], 'A');
    EXPECT_EQ(sent[1][7], 'A');
    EXPECT_TRUE(std::all_of(sent.begin() + 2, sent.end(), [](const SentenceBytes& s) { return s[7] == 'R'; }));

    const RadioSettings& got = rig.settings;
    EXPECT_EQ(AtisText(got), AtisText(original));
    EXPECT_EQ(MmsiText(got), MmsiText(original));
    EXPECT_EQ(GroupMask(got), GroupMask(original));
    EXPECT_EQ(got.txStep, 1);
    EXPECT_EQ(got.rxStep, 2);
    EXPECT_EQ(got.modelType, 1);
    EXPECT_EQ(PrivateChannelCount(got), 3);
    for (int i = 0; i < 3; ++i) {
        const ChannelEntry& a = got.channels[kPrivateBlock + i];
        const ChannelEntry& b = original.channels[kPrivateBlock + i];
        EXPECT_EQ(ChannelName(a), ChannelName(b));
        EXPECT_NEAR(a.txMHz, b.txMHz, 1e-6);
        EXPECT_NEAR(a.rxMHz, b.rxMHz, 1e-6);
        EXPECT_EQ(a.usageCode, b.usageCode);
    }
}

TEST_F(PcCloneTest, BlockSucceedsOnThirdAttemptWithThreeLogRecords)
{
    ScratchFolder folder;
    FillRecord(rig.settings);
    rig.options.logoFlag = 1;
    RadioFaults faults;
    faults.badChecksum.sentences = {2, 3};  // the first block's first two replies
    rig.radio.SetFaults(faults);
    {
        auto clone = rig.Clone(folder.Path());
        clone->OpenCommLog();
        ASSERT_EQ(clone->WriteRadio(), kResultOk);
    }
    EXPECT_EQ(rig.radio.SentenceCount(), 80);
    const auto log = ReadAll(folder.File("CommLogo.bin"));
    ASSERT_EQ(log.size(), 80u * kLogRecordSize);
    EXPECT_STREQ(reinterpret_cast<const char*>(log.data()), "T12:4:56:7");
    EXPECT_TRUE(std::all_of(log.begin() + 10, log.begin() + 16, [](uint8_t b) { return b == 0; }));
    EXPECT_TRUE(std::equal(log.begin() + 16, log.begin() + 96, rig.writeImage.begin()));
    EXPECT_TRUE(std::equal(log.begin() + 96, log.begin() + 176, rig.readImage.begin()));
}

TEST_F(PcCloneTest, LogStaysClosedWithoutTheFlag)
{
    ScratchFolder folder;
    auto clone = rig.Clone(folder.Path());
    clone->OpenCommLog();
    EXPECT_EQ(clone->HandShake(), kResultOk);
    EXPECT_FALSE(std::filesystem::exists(folder.File("CommLogo.bin")));
}

TEST_F(PcCloneTest, StopEventEndsWriteAtNextStopCheck)
{
    FillRecord(rig.settings);
    rig.progress.onStep = [this](int steps) {
        if (steps == 10) rig.stopEvent.Set();
    };
    EXPECT_EQ(rig.Clone()->WriteRadio(), kResultUserCancel);
    // The eleventh block was sent before the stop check saw the event.
    EXPECT_EQ(rig.radio.SentenceCount(), 12);
    EXPECT_EQ(rig.progress.calls.back(), "pos 0");
}

TEST_F(PcCloneTest, RadioFallingSilentMidWriteKeepsEarlierBlocks)
{
    FillRecord(rig.settings);
    rig.radio.Fill(0xEE);
    RadioFaults faults;
    faults.silentAfter = 30;  // the HandShake and 29 blocks
    rig.radio.SetFaults(faults);
    EXPECT_EQ(rig.Clone()->WriteRadio(), kResultRadioNotDetected);

    RadioImage expected{};
    EncodeSettings(rig.settings, 0, expected);
    const auto eeprom = rig.radio.Contents();
    const int end = 0x100 + 29 * 20;
    EXPECT_TRUE(std::equal(eeprom.begin() + 0x100, eeprom.begin() + end, expected.begin() + 0x100));
    EXPECT_TRUE(std::all_of(eeprom.begin() + end, eeprom.end(), [](uint8_t b) { return b == 0xEE; }));
    EXPECT_FALSE(rig.adaptor.IsPresent());
}

// Which code ends a sentence, by what its three replies do.
struct ReplyCase {
    const char* name;
    RadioFaults faults;
    CloneResult expected;
    int sentencesHeard;
};

class ExchangeOutcome : public ::testing::TestWithParam<ReplyCase> {};

RadioFaults Faults(std::set<int> noReply, std::set<int> badPrefix, std::set<int> badChecksum, std::set<int> badEcho)
{
    RadioFaults f;
    f.noReply.sentences = noReply;
    f.badPrefix.sentences = badPrefix;
    f.badChecksum.sentences = badChecksum;
    f.badEcho.sentences = badEcho;
    return f;
}

TEST_P(ExchangeOutcome, WriteBlock)
{
    CloneRig rig;
    rig.radio.SetFaults(GetParam().faults);
    ASSERT_TRUE(rig.adaptor.Discover());
    auto clone = rig.Clone();
    EXPECT_EQ(clone->WriteBlock(0x0100, 20), GetParam().expected);
    EXPECT_EQ(rig.radio.SentenceCount(), GetParam().sentencesHeard);
}

INSTANTIATE_TEST_SUITE_P(
    Replies, ExchangeOutcome,
    ::testing::Values(
        // A lost reply closes the link, so the retry's send fails.
        ReplyCase{"FirstReplyLost", Faults({1}, {}, {}, {}), kResultRadioNotDetected, 1},
        ReplyCase{"SecondReplyLost", Faults({2}, {}, {1}, {}), kResultRadioNotDetected, 2},
        ReplyCase{"ThirdReplyLost", Faults({3}, {}, {1, 2}, {}), kResultTimeOut, 3},
        ReplyCase{"BadPrefixThrice", Faults({}, {1, 2, 3}, {}, {}), kResultHandShakeError, 3},
        ReplyCase{"BadChecksumThrice", Faults({}, {}, {1, 2, 3}, {}), kResultCheckSumError, 3},
        ReplyCase{"BadEchoThrice", Faults({}, {}, {}, {1, 2, 3}), kResultWriteError, 3},
        ReplyCase{"LastFailureDecides", Faults({}, {1}, {2}, {3}), kResultWriteError, 3},
        ReplyCase{"PrefixBeforeChecksum", Faults({}, {1, 2, 3}, {1, 2, 3}, {}), kResultHandShakeError, 3},
        ReplyCase{"RecoversOnThird", Faults({}, {1}, {2}, {}), kResultOk, 3}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(PcCloneTest, HandShakeFindsTheAdaptorOrReportsItMissing)
{
    auto clone = rig.Clone();
    EXPECT_EQ(clone->HandShake(), kResultOk);  // discovers on its own
    rig.radio.Unplug();
    EXPECT_EQ(clone->HandShake(), kResultRadioNotDetected);
    EXPECT_EQ(rig.radio.SentenceCount(), 1);
    rig.radio.Plug();
    EXPECT_EQ(clone->HandShake(), kResultOk);
}

TEST_F(PcCloneTest, RangeBounds)
{
    auto clone = rig.Clone();
    ASSERT_EQ(clone->HandShake(), kResultOk);
    rig.radio.ClearLog();
    EXPECT_EQ(clone->WriteRange(0x1FF0, 0x20), kResultParameterError);
    EXPECT_EQ(clone->ReadRange(0x2000, 0), kResultParameterError);
    EXPECT_EQ(clone->WriteRange(-1, 4), kResultParameterError);
    EXPECT_EQ(clone->ReadRange(0x100, -4), kResultParameterError);
    EXPECT_EQ(clone->WriteRange(0x100, 0), kResultOk);
    EXPECT_EQ(rig.radio.SentenceCount(), 0);
    EXPECT_EQ(clone->WriteBlock(0x1FF0, 20), kResultUserCancel);
    EXPECT_EQ(clone->ReadBlock(0x100, 21), kResultUserCancel);
    EXPECT_EQ(rig.radio.SentenceCount(), 0);

    EXPECT_EQ(clone->WriteRange(0x1FEC, 20), kResultOk);
    ASSERT_EQ(rig.radio.SentenceCount(), 1);
    EXPECT_EQ(SentenceAddress(rig.Sent()[0]), 0x1FEC);
}

TEST_F(PcCloneTest, WholeEepromReadWithoutProgress)
{
    EepromBytes pattern;
    for (int i = 0; i < kEepromSize; ++i) pattern[i] = static_cast<uint8_t>(i * 7 + (i >> 8));
    rig.radio.SetContents(pattern);
    auto clone = rig.Clone();
    clone->progress = nullptr;
    ASSERT_EQ(clone->HandShake(), kResultOk);
    rig.radio.ClearLog();
    ASSERT_EQ(clone->ReadRange(0, kEepromSize), kResultOk);
    const auto sent = rig.Sent();
    ASSERT_EQ(sent.size(), 410u);
    EXPECT_EQ(sent.back()[8], 12);
    EXPECT_EQ(SentenceAddress(sent.back()), 0x1FF4);
    EXPECT_TRUE(std::equal(pattern.begin(), pattern.end(), rig.readImage.begin()));
    EXPECT_TRUE(rig.progress.calls.empty());
}

TEST_F(PcCloneTest, UnboundRunsRefuseAndSendNothing)
{
    auto clone = rig.Clone();
    clone->progress = nullptr;
    EXPECT_EQ(clone->WriteRadio(), kResultParameterError);
    EXPECT_EQ(clone->ReadRadio(), kResultParameterError);
    clone = rig.Clone();
    clone->options = nullptr;
    EXPECT_EQ(clone->WriteRadio(), kResultParameterError);
    EXPECT_EQ(rig.radio.SentenceCount(), 0);
}

TEST_F(PcCloneTest, FailedReadStillWritesRomMapAndKeepsTheRecord)
{
    ScratchFolder folder;
    rig.radio.Fill(0x33);
    rig.options.romMapFlag = 1;
    RadioFaults faults;
    faults.silentAfter = 12;  // two HandShakes and ten blocks
    rig.radio.SetFaults(faults);
    std::memset(&rig.settings, 0x77, sizeof rig.settings);

    EXPECT_EQ(rig.Clone(folder.Path())->ReadRadio(), kResultRadioNotDetected);
    const auto rom = ReadAll(folder.File("ReadRom.bin"));
    ASSERT_EQ(rom.size(), 8192u);
    const int end = 0x100 + 10 * 20;
    EXPECT_TRUE(std::all_of(rom.begin(), rom.begin() + 0x100, [](uint8_t b) { return b == 0; }));
    EXPECT_TRUE(std::all_of(rom.begin() + 0x100, rom.begin() + end, [](uint8_t b) { return b == 0x33; }));
    EXPECT_TRUE(std::all_of(rom.begin() + end, rom.end(), [](uint8_t b) { return b == 0; }));
    const auto* bytes = reinterpret_cast<const uint8_t*>(&rig.settings);
    EXPECT_TRUE(std::all_of(bytes, bytes + sizeof rig.settings, [](uint8_t b) { return b == 0x77; }));
    EXPECT_EQ(rig.progress.calls.back(), "pos 0");
}

TEST_F(PcCloneTest, WriteRomMapHoldsTheEncodedImage)
{
    ScratchFolder folder;
    FillRecord(rig.settings);
    rig.adjustMode = 1;
    rig.options.romMapFlag = 1;
    ASSERT_EQ(rig.Clone(folder.Path())->WriteRadio(), kResultOk);
    const auto rom = ReadAll(folder.File("WriteRom.bin"));
    ASSERT_EQ(rom.size(), 8192u);
    EXPECT_TRUE(std::equal(rom.begin(), rom.end(), rig.writeImage.begin()));
    EXPECT_EQ(rom[kAddrAdjustMode], 1);
    EXPECT_EQ(rig.radio.Contents()[kAddrAdjustMode], 1);
}

TEST_F(PcCloneTest, UnwritableFolderDoesNotFailTheRun)
{
    rig.options.romMapFlag = 1;
    rig.options.logoFlag = 1;
    auto clone = rig.Clone("/nonexistent-qx720-folder");
    clone->OpenCommLog();
    EXPECT_EQ(clone->WriteRadio(), kResultOk);
}

TEST(PcCloneFraming, WideAdaptorGetsZeroPaddedReports)
{
    CloneRig rig({65, 65});
    ASSERT_EQ(rig.Clone()->HandShake(), kResultOk);
    const auto report = rig.backend.LastOutputReport();
    ASSERT_EQ(report.size(), 65u);
    EXPECT_EQ(report[0], 0);
    EXPECT_TRUE(std::equal(report.begin() + 1, report.begin() + 33, rig.Sent()[0].begin()));
    EXPECT_TRUE(std::all_of(report.begin() + 33, report.end(), [](uint8_t b) { return b == 0; }));
}

}  // namespace
}  // namespace qx::testing
