#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <filesystem>

#include "document/atomic_file.h"
#include "sim/virtual_adaptor.h"
#include "sim/virtual_radio.h"

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

TEST(VirtualRadioTest, AnswersLikeTheRadio)
{
    VirtualRadio radio;
    auto hello = radio.Respond(Command('A', 0x14, 0xFFFF, 0xAA));
    ASSERT_TRUE(hello);
    EXPECT_EQ(std::memcmp(hello->data(), "$TEKPC,", 7), 0);
    EXPECT_EQ((*hello)[31], Sum(*hello));

    const SentenceBytes write = Command('W', 5, 0x1FFB, 0x40);
    auto ack = radio.Respond(write);
    ASSERT_TRUE(ack);
    EXPECT_EQ(std::memcmp(ack->data(), "$TEKPC,I", 8), 0);
    EXPECT_TRUE(std::equal(write.begin() + 11, write.begin() + 31, ack->begin() + 11));
    EXPECT_EQ((*ack)[31], Sum(*ack));
    EXPECT_EQ(radio.Contents()[0x1FFF], 0x44);

    auto read = radio.Respond(Command('R', 3, 0x1FFC));
    ASSERT_TRUE(read);
    EXPECT_EQ((*read)[11], 0x41);
    EXPECT_EQ((*read)[13], 0x43);
    EXPECT_EQ((*read)[14], 0);
    EXPECT_EQ((*read)[31], Sum(*read));
}

TEST(VirtualRadioTest, IgnoresWhatIsNoCloneSentence)
{
    VirtualRadio radio;
    auto badSum = Command('W', 4, 0x100, 1);
    badSum[31] ^= 1;
    EXPECT_FALSE(radio.Respond(badSum));
    auto badPrefix = Command('W', 4, 0x100, 1);
    badPrefix[0] = '#';
    EXPECT_FALSE(radio.Respond(badPrefix));
    EXPECT_FALSE(radio.Respond(Command('W', 0, 0x100, 1)));
    EXPECT_FALSE(radio.Respond(Command('W', 21, 0x100, 1)));
    EXPECT_FALSE(radio.Respond(Command('W', 4, 0x1FFD, 1)));  // past the end
    EXPECT_FALSE(radio.Respond(Command('X', 4, 0x100, 1)));
    const auto contents = radio.Contents();
    EXPECT_TRUE(std::all_of(contents.begin(), contents.end(), [](uint8_t b) { return b == 0; }));
}

TEST(VirtualRadioTest, FaultsHitTheNumberedSentences)
{
    VirtualRadio radio;
    RadioFaults faults;
    faults.badChecksum.every = 3;
    faults.badEcho.sentences = {2};
    faults.badPrefix.sentences = {4};
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
    EXPECT_EQ(replies[0][31], Sum(replies[0]));
    EXPECT_EQ(replies[1][31], Sum(replies[1]));  // the echo is wrong, not the checksum
    EXPECT_NE(replies[1][11], 1);
    EXPECT_NE(replies[2][31], Sum(replies[2]));
    EXPECT_EQ(replies[3][0], '#');
    EXPECT_NE(replies[5][31], Sum(replies[5]));
    EXPECT_EQ(radio.SentenceLog().size(), 6u);
    EXPECT_EQ(radio.SentenceLog()[4][11], 4);
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
    EXPECT_TRUE(device->ReadAttributes(vendor, product));
    EXPECT_EQ(vendor, 0x0483);
    EXPECT_EQ(product, 0x5750);

    radio.Unplug();
    EXPECT_TRUE(backend.Enumerate().empty());
    EXPECT_FALSE(device->ReadAttributes(vendor, product));
    uint8_t report[33] = {};
    EXPECT_EQ(device->ReadReport(report, sizeof report, 60000), HidIo::Failed);  // no waiting

    radio.Plug();
    EXPECT_FALSE(device->ReadAttributes(vendor, product));  // a new device now
    EXPECT_EQ(backend.Enumerate().size(), 1u);
}

TEST(VirtualRadioTest, EepromFiles)
{
    const auto folder = std::filesystem::temp_directory_path() / "qx720-virtual-radio-test";
    std::filesystem::create_directories(folder);
    const std::string path = (folder / "radio.bin").string();
    std::filesystem::remove(path);

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
    EXPECT_EQ(other.Contents(), pattern);
    EXPECT_EQ(other.Load(folder.string()), kResultOpenFileError);
    EXPECT_EQ(other.Save((folder / "missing" / "radio.bin").string()), kResultWriteFileError);

    std::filesystem::remove_all(folder);
}

}  // namespace
}  // namespace qx
