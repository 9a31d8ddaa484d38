#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <filesystem>

#include "files/atomic_file.h"
#include "sim/virtual_adaptor.h"
#include "sim/virtual_radio.h"
#include "support/temp_dir.h"

namespace qx {
namespace {

uint8_t Sum(const SentenceBytes& s)
{
    uint8_t sum = 0;
    for (int i = 7; i < 31; ++i) sum ^= s[i];
    return sum;
}

SentenceBytes Command(char letter, int count, int address, uint8_t fill = 0)
{
    SentenceBytes s{};
    std::memcpy(s.data(), "$TEKPC,", 7);
    s[7] = static_cast<uint8_t>(letter);
    s[8] = static_cast<uint8_t>(count);
    s[9] = static_cast<uint8_t>(address & 0xFF);
    s[10] = static_cast<uint8_t>(address >> 8);
    for (int i = 0; i < count && i < 20; ++i) s[11 + i] = static_cast<uint8_t>(fill + i);
    s[31] = Sum(s);
    return s;
}

TEST(VirtualRadioTest, AnswersOnlyCloneSentencesWithinTheEeprom)
{
    VirtualRadio radio;
    auto ack = radio.Respond(Command('W', 5, 0x1FFB, 0x40));
    ASSERT_TRUE(ack);
    EXPECT_EQ(std::memcmp(ack->data(), "$TEKPC,I", 8), 0);
    EXPECT_EQ(radio.Contents()[0x1FFF], 0x44);
    auto read = radio.Respond(Command('R', 3, 0x1FFC));
    ASSERT_TRUE(read);
    EXPECT_TRUE((*read)[11] == 0x41 && (*read)[13] == 0x43 && (*read)[14] == 0 && (*read)[31] == Sum(*read));

    radio.Fill(0);
    auto badSum = Command('W', 4, 0x100, 1);
    badSum[31] ^= 1;
    auto badPrefix = Command('W', 4, 0x100, 1);
    badPrefix[0] = '#';
    for (const SentenceBytes& s : {badSum, badPrefix, Command('W', 0, 0x100, 1), Command('W', 21, 0x100, 1),
                                   Command('W', 4, 0x1FFD, 1), Command('X', 4, 0x100, 1)})
        EXPECT_FALSE(radio.Respond(s));
    const auto contents = radio.Contents();
    EXPECT_TRUE(std::all_of(contents.begin(), contents.end(), [](uint8_t b) { return b == 0; }));
}

TEST(VirtualRadioTest, FaultsHitTheNumberedSentences)
{
    VirtualRadio radio;
    RadioFaults faults;
    faults.badChecksum.every = 3;
    faults.badEcho.sentences = {2};
    radio.SetFaults(faults);
    const uint64_t generation = radio.Generation();
    std::vector<SentenceBytes> replies;
    for (int i = 0; i < 6; ++i) {
        const SentenceBytes write = Command('W', 20, 0x100, static_cast<uint8_t>(i));
        ASSERT_TRUE(radio.Receive(write.data(), write.size(), generation));
        SentenceBytes reply{};
        ASSERT_EQ(radio.AwaitReply(reply, 1000, generation), HidIo::Done);
        replies.push_back(reply);
    }
    EXPECT_TRUE(replies[1][31] == Sum(replies[1]) && replies[1][11] != 1);  // the echo is wrong, not the sum
    for (int i : {0, 1, 3, 4}) EXPECT_EQ(replies[i][31], Sum(replies[i])) << i;
    for (int i : {2, 5}) EXPECT_NE(replies[i][31], Sum(replies[i])) << i;
    EXPECT_EQ(radio.SentenceLog().at(4)[11], 4);
}

TEST(VirtualRadioTest, DelayedReplyArrivesLate)
{
    VirtualRadio radio;
    RadioFaults faults;
    faults.replyDelayMs = 300;
    radio.SetFaults(faults);
    const uint64_t generation = radio.Generation();
    const SentenceBytes hello = Command('A', 0x14, 0xFFFF, 0xAA);
    ASSERT_TRUE(radio.Receive(hello.data(), hello.size(), generation));
    SentenceBytes reply{};
    EXPECT_EQ(radio.AwaitReply(reply, 1, generation), HidIo::TimedOut);
    EXPECT_EQ(radio.AwaitReply(reply, 60000, generation), HidIo::Done);
}

TEST(VirtualRadioTest, UnplugEndsOldHandles)
{
    VirtualRadio radio;
    VirtualHidBackend backend(radio);
    auto device = backend.Open(backend.Enumerate().at(0).path);
    ASSERT_TRUE(device);
    uint16_t vendor = 0, product = 0;
    EXPECT_TRUE(device->ReadAttributes(vendor, product) && vendor == 0x0483 && product == 0x5750);

    radio.Unplug();
    EXPECT_TRUE(backend.Enumerate().empty());
    EXPECT_FALSE(device->ReadAttributes(vendor, product));
    uint8_t report[33] = {};
    EXPECT_EQ(device->ReadReport(report, sizeof report, 60000), HidIo::Failed);  // at once
    radio.Plug();
    EXPECT_FALSE(device->ReadAttributes(vendor, product));  // a new device now
    EXPECT_EQ(backend.Enumerate().size(), 1u);
}

TEST(VirtualRadioTest, EepromFiles)
{
    const test::TempDir scratch;
    const std::filesystem::path& folder = scratch.Root();
    const std::string path = (folder / "radio.bin").string();

    VirtualRadio radio;
    radio.Fill(0x42);
    EXPECT_EQ(radio.Load(path), kResultOk);  // missing: a blank radio
    EXPECT_EQ(radio.Contents()[100], 0);

    EepromBytes pattern;
    for (int i = 0; i < kEepromSize; ++i) pattern[i] = static_cast<uint8_t>(i ^ (i >> 8));
    radio.SetContents(pattern);
    ASSERT_EQ(radio.Save(path), kResultOk);
    VirtualRadio other;
    ASSERT_EQ(other.Load(path), kResultOk);
    EXPECT_EQ(other.Contents(), pattern);

    const std::string shortFile = (folder / "short.bin").string();
    ASSERT_TRUE(WriteFileAtomically(shortFile, pattern.data(), 100));
    EXPECT_EQ(other.Load(shortFile), kResultUnknownFormat);
    EXPECT_EQ(other.Load(folder.string()), kResultOpenFileError);
    EXPECT_EQ(other.Contents(), pattern);
    EXPECT_EQ(other.Save((folder / "missing" / "radio.bin").string()), kResultWriteFileError);
}

}  // namespace
}  // namespace qx
