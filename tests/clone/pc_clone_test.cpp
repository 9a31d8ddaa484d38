#include <gtest/gtest.h>

#include <cstring>

#include "clone_fixture.h"
#include "files/atomic_file.h"

namespace qx::testing {
namespace {

// A Europe record with identities, unusual groups and steps, and three private channels.
void FillRecord(RadioSettings& r)
{
    ResetSettings(r, 1);
    SetAtisText(r, "234567890");
    SetMmsiText(r, "366123456");
    r.atisByUser = 0, r.mmsiByUser = 0;  // a ticked box would send no number
    r.usaEnabled = 0, r.wxEnabled = 1, r.canNarrowEnabled = 1;
    r.txStep = 1, r.rxStep = 2;
    const char* names[] = {"16", "A5", "L2"};
    for (int i = 0; i < 3; ++i) {
        ChannelEntry& e = r.channels[kPrivateBlock + i];
        SetChannelName(e, names[i]);
        e.inUse = 1;
        e.txMHz = e.rxMHz = 156.8 + 0.025 * i;
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
    ScratchFolder folder;
};

TEST_F(PcCloneTest, WriteToRadioSendsTheCloneSpanOnly)
{
    FillRecord(rig.settings);
    rig.adjustMode = 1;
    rig.options.romMapFlag = 1;
    rig.radio.Fill(0x5A);
    ASSERT_EQ(rig.Clone(folder.path.string())->WriteRadio(), kResultOk);

    const auto sent = rig.Sent();
    ASSERT_EQ(sent.size(), 78u);
    EXPECT_EQ(sent[0][7], 'A');
    for (int k = 0; k < 77; ++k) {
        EXPECT_EQ(sent[1 + k][7], 'W');
        EXPECT_EQ(SentenceAddress(sent[1 + k]), 0x0100 + 20 * k);
    }
    EXPECT_EQ(sent[77][8], 16);

    RadioImage expected{};
    EncodeSettings(rig.settings, 1, expected);
    const auto eeprom = rig.radio.Contents();
    EXPECT_TRUE(Holds(eeprom, expected, 0x100, 0x700));
    EXPECT_EQ(eeprom[kAddrAdjustMode], 1);
    EXPECT_TRUE(AllEqual(eeprom, 0, 0x100, 0x5A));
    EXPECT_TRUE(AllEqual(eeprom, 0x700, 8192, 0x5A));

    std::vector<std::string> progress = {"range 0 76", "step 1"};
    progress.insert(progress.end(), 77, "+");
    progress.push_back("pos 0");
    EXPECT_EQ(rig.progress.calls, progress);
    const auto rom = ReadAll(folder.File("WriteRom.bin"));
    EXPECT_TRUE(rom.size() == 8192 && Holds(rom, expected, 0, 8192));
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
    EXPECT_TRUE(sent[0][7] == 'A' && sent[1][7] == 'A' && sent[2][7] == 'R' && sent[78][7] == 'R');

    const RadioSettings& got = rig.settings;
    EXPECT_EQ(AtisText(got), AtisText(original));
    EXPECT_EQ(MmsiText(got), MmsiText(original));
    EXPECT_EQ(GroupMask(got), GroupMask(original));
    EXPECT_TRUE(got.txStep == 1 && got.rxStep == 2 && got.modelType == 1);
    ASSERT_EQ(PrivateChannelCount(got), 3);
    for (int i = kPrivateBlock; i < kPrivateBlock + 3; ++i) {
        EXPECT_EQ(ChannelName(got.channels[i]), ChannelName(original.channels[i]));
        EXPECT_NEAR(got.channels[i].txMHz, original.channels[i].txMHz, 1e-6);
        EXPECT_NEAR(got.channels[i].rxMHz, original.channels[i].rxMHz, 1e-6);
        EXPECT_EQ(got.channels[i].usageCode, original.channels[i].usageCode);
    }
}

TEST_F(PcCloneTest, BlockSucceedsOnThirdAttemptWithThreeLogRecords)
{
    rig.options.logoFlag = 1;
    RadioFaults faults;
    faults.badChecksum.sentences = {2, 3};  // the first block's first two replies
    rig.radio.SetFaults(faults);
    {
        auto clone = rig.Clone(folder.path.string());
        clone->OpenCommLog();
        ASSERT_EQ(clone->WriteRadio(), kResultOk);
    }
    const auto log = ReadAll(folder.File("CommLogo.bin"));
    ASSERT_EQ(log.size(), 80u * kLogRecordSize);
    EXPECT_STREQ(reinterpret_cast<const char*>(log.data()), "T12:4:56:7");
    EXPECT_TRUE(AllEqual(log, 10, 16, 0));
    EXPECT_TRUE(std::equal(log.begin() + 16, log.begin() + 96, rig.writeImage.begin()));
    EXPECT_TRUE(std::equal(log.begin() + 96, log.begin() + 176, rig.readImage.begin()));
}

// The binary log's records have no room for text; the system's reason for a link failure goes
// to CommLogo.txt beside it, stamped like the records. A run without one leaves it empty.
TEST_F(PcCloneTest, LinkFailureReasonGoesToTheTextLogBesideTheRecords)
{
    rig.options.logoFlag = 1;
    {
        auto clone = rig.Clone(folder.path.string());
        clone->OpenCommLog();
        ASSERT_EQ(clone->HandShake(), kResultOk);
    }
    EXPECT_TRUE(ReadAll(folder.File("CommLogo.txt")).empty());

    VirtualRadio gone;
    VirtualHidBackend backend;
    VirtualInterface unplugged;
    unplugged.path = "/dev/hidraw-gone";
    unplugged.radio = &gone;
    unplugged.systemReason = "No such device";
    backend.AddInterface(unplugged);
    CHidAdaptor adaptor(backend);
    ASSERT_TRUE(adaptor.Discover());
    gone.Unplug();
    CloneEnvironment failing{adaptor,        rig.stopEvent,        rig.writeImage,        rig.readImage,
                             rig.adjustMode, CloneRig::FixedClock, rig.environment.timing};
    {
        CPcClone clone(failing, CloneBinding{&rig.settings, &rig.options, &rig.progress, folder.path.string()});
        clone.OpenCommLog();
        ASSERT_EQ(clone.WriteBlock(0x100, 20), kResultRadioNotDetected);
    }
    const auto text = ReadAll(folder.File("CommLogo.txt"));
    EXPECT_EQ(std::string(text.begin(), text.end()), "T12:4:56:7 sending a report: No such device\r\n");
}

TEST_F(PcCloneTest, StopEventEndsWriteAtNextStopCheck)
{
    rig.progress.onStep = [this](int steps) {
        if (steps == 10) rig.stopEvent.Set();
    };
    EXPECT_EQ(rig.Clone()->WriteRadio(), kResultUserCancel);
    EXPECT_EQ(rig.radio.SentenceCount(), 12);  // the eleventh block went out before the check
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
    EXPECT_TRUE(Holds(eeprom, expected, 0x100, 0x100 + 29 * 20));
    EXPECT_TRUE(AllEqual(eeprom, 0x100 + 29 * 20, 8192, 0xEE));
    EXPECT_FALSE(rig.adaptor.IsPresent());
}

struct ReplyCase {
    const char* name;
    std::set<int> noReply, badPrefix, badChecksum, badEcho;
    CloneResult expected;
    int sentencesHeard;
};

class ExchangeOutcome : public ::testing::TestWithParam<ReplyCase> {};

// Which code ends a sentence, by what its replies do.
TEST_P(ExchangeOutcome, WriteBlock)
{
    const ReplyCase& c = GetParam();
    CloneRig rig;
    RadioFaults faults;
    faults.noReply.sentences = c.noReply;
    faults.badPrefix.sentences = c.badPrefix;
    faults.badChecksum.sentences = c.badChecksum;
    faults.badEcho.sentences = c.badEcho;
    rig.radio.SetFaults(faults);
    ASSERT_TRUE(rig.adaptor.Discover());
    EXPECT_EQ(rig.Clone()->WriteBlock(0x0100, 20), c.expected);
    EXPECT_EQ(rig.radio.SentenceCount(), c.sentencesHeard);
}

INSTANTIATE_TEST_SUITE_P(Replies, ExchangeOutcome,
                         ::testing::Values(
                             // A lost reply closes the link, so the retry's send fails.
                             ReplyCase{"FirstReplyLost", {1}, {}, {}, {}, kResultRadioNotDetected, 1},
                             ReplyCase{"ThirdReplyLost", {3}, {}, {1, 2}, {}, kResultTimeOut, 3},
                             ReplyCase{"BadPrefix", {}, {1, 2, 3}, {1, 2, 3}, {}, kResultHandShakeError, 3},
                             ReplyCase{"BadChecksum", {}, {}, {1, 2, 3}, {}, kResultCheckSumError, 3},
                             ReplyCase{"BadEcho", {}, {}, {}, {1, 2, 3}, kResultWriteError, 3},
                             ReplyCase{"LastAttemptDecides", {}, {1}, {2}, {3}, kResultWriteError, 3}),
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
    auto clone = rig.Clone("", false);
    ASSERT_EQ(clone->HandShake(), kResultOk);
    rig.radio.ClearLog();
    ASSERT_EQ(clone->ReadRange(0, kEepromSize), kResultOk);
    const auto sent = rig.Sent();
    ASSERT_EQ(sent.size(), 410u);
    EXPECT_EQ(sent.back()[8], 12);
    EXPECT_EQ(SentenceAddress(sent.back()), 0x1FF4);
    EXPECT_TRUE(std::equal(pattern.begin(), pattern.end(), rig.readImage.begin()));

    // The whole operations refuse to run unbound.
    EXPECT_EQ(clone->WriteRadio(), kResultParameterError);
    EXPECT_EQ(clone->ReadRadio(), kResultParameterError);
    EXPECT_EQ(rig.radio.SentenceCount(), 410);
}

TEST_F(PcCloneTest, FailedReadStillWritesRomMapAndKeepsTheRecord)
{
    rig.radio.Fill(0x33);
    rig.options.romMapFlag = 1;
    RadioFaults faults;
    faults.silentAfter = 12;  // two HandShakes and ten blocks
    rig.radio.SetFaults(faults);
    std::memset(&rig.settings, 0x77, sizeof rig.settings);

    EXPECT_EQ(rig.Clone(folder.path.string())->ReadRadio(), kResultRadioNotDetected);
    const auto rom = ReadAll(folder.File("ReadRom.bin"));
    ASSERT_EQ(rom.size(), 8192u);
    EXPECT_TRUE(AllEqual(rom, 0, 0x100, 0));
    EXPECT_TRUE(AllEqual(rom, 0x100, 0x100 + 10 * 20, 0x33));
    EXPECT_TRUE(AllEqual(rom, 0x100 + 10 * 20, 8192, 0));
    const auto* bytes = reinterpret_cast<const uint8_t*>(&rig.settings);
    EXPECT_TRUE(std::all_of(bytes, bytes + sizeof rig.settings, [](uint8_t b) { return b == 0x77; }));
    EXPECT_EQ(rig.progress.calls.back(), "pos 0");
}

TEST_F(PcCloneTest, UnwritableFolderDoesNotFailTheRun)
{
    rig.options.romMapFlag = rig.options.logoFlag = 1;
    auto clone = rig.Clone(folder.File("missing"));
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
    EXPECT_TRUE(AllEqual(report, 33, 65, 0));
}

}  // namespace
}  // namespace qx::testing
