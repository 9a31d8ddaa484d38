#include <gtest/gtest.h>

#include <cstring>
#include <thread>

#include "clone/clone_event.h"
#include "clone_fixture.h"

namespace qx::testing {
namespace {

const std::initializer_list<int> kPrefixBytes = {0x24, 0x54, 0x45, 0x4B, 0x50, 0x43, 0x2C};

std::vector<uint8_t> Head(std::initializer_list<int> rest)
{
    std::vector<int> all(kPrefixBytes);
    all.insert(all.end(), rest.begin(), rest.end());
    return std::vector<uint8_t>(all.begin(), all.end());
}

std::vector<uint8_t> Sentence(std::initializer_list<int> rest, int fill, int sum)
{
    auto v = Head(rest);
    v.insert(v.end(), 20, static_cast<uint8_t>(fill));
    v.push_back(static_cast<uint8_t>(sum));
    return v;
}

std::vector<uint8_t> AsVector(const SentenceBytes& s) { return {s.begin(), s.end()}; }

// The commands as they reach the radio, against worked examples.
TEST(CloneSentence, CommandsMatchWorkedExamples)
{
    CloneRig rig;
    auto clone = rig.Clone();
    ASSERT_EQ(clone->HandShake(), kResultOk);
    ASSERT_EQ(clone->WriteBlock(0x0100, 20), kResultOk);  // the write image is all zero
    ASSERT_EQ(clone->ReadBlock(0x06F0, 16), kResultOk);
    const auto sent = rig.Sent();
    EXPECT_EQ(AsVector(sent[0]), Sentence({0x41, 0x14, 0xFF, 0xFF}, 0xAA, 0x55));
    EXPECT_EQ(AsVector(sent[1]), Sentence({0x57, 0x14, 0x00, 0x01}, 0x00, 0x42));
    EXPECT_EQ(AsVector(sent[2]), Sentence({0x52, 0x10, 0xF0, 0x06}, 0x00, 0xB4));
}

TEST(CloneSentence, ChecksumCoversLetterToData)
{
    uint8_t zeros[24] = {};
    EXPECT_EQ(CPcClone::XorSum(zeros, 24), 0);
    const uint8_t one[] = {0x5C};
    EXPECT_EQ(CPcClone::XorSum(one, 1), 0x5C);
}

class ReplyTests : public ::testing::Test {
protected:
    CloneRig rig;
    std::unique_ptr<CPcClone> clone = rig.Clone();

    // Sends a write of `count` zero bytes at 0x0100 so that the echo test has its command.
    void SendWrite(int count)
    {
        ASSERT_TRUE(rig.adaptor.Discover());
        ASSERT_EQ(clone->WriteBlock(0x0100, count), kResultOk);
    }
    bool Passes(const std::vector<uint8_t>& reply, ReplyTest test) { return clone->CheckReply(reply.data(), test); }
};

TEST_F(ReplyTests, WriteAcknowledgement)
{
    SendWrite(20);
    const auto good = Sentence({0x49, 0x14, 0x00, 0x01}, 0x00, 0x5C);
    EXPECT_TRUE(Passes(good, ReplyTest::Prefix));
    EXPECT_TRUE(Passes(good, ReplyTest::Checksum));
    EXPECT_TRUE(Passes(good, ReplyTest::WriteEcho));

    auto wrongSum = good;
    wrongSum[31] ^= 1;
    EXPECT_TRUE(Passes(wrongSum, ReplyTest::Prefix));
    EXPECT_FALSE(Passes(wrongSum, ReplyTest::Checksum));

    auto letterW = good;
    letterW[7] = 'W';
    EXPECT_FALSE(Passes(letterW, ReplyTest::WriteEcho));

    auto noPrefix = good;
    noPrefix[0] = '#';
    EXPECT_FALSE(Passes(noPrefix, ReplyTest::Prefix));
}

TEST_F(ReplyTests, EchoIncludesThePaddingOfAShortBlock)
{
    SendWrite(16);
    auto reply = Sentence({0x49, 0x10, 0x00, 0x01}, 0x00, 0);
    EXPECT_TRUE(Passes(reply, ReplyTest::WriteEcho));
    reply[29] = 0x01;
    EXPECT_FALSE(Passes(reply, ReplyTest::WriteEcho));
}

TEST_F(ReplyTests, ReadReplyHeaderIsNotTested)
{
    // Letter, length and address differ from the command; prefix and checksum decide.
    auto reply = Sentence({0x5A, 0x03, 0x34, 0x12}, 0x11, 0);
    reply[31] = CPcClone::XorSum(reply.data() + 7, 24);
    EXPECT_TRUE(Passes(reply, ReplyTest::Prefix));
    EXPECT_TRUE(Passes(reply, ReplyTest::Checksum));
}

TEST(CloneSentence, LogTimestampIsZeroPaddedText)
{
    LocalTime late;
    late.hour = 23, late.minute = 59, late.second = 59, late.millisecond = 999;
    auto stamp = CPcClone::LogTimestamp(late);
    EXPECT_STREQ(stamp.data(), "T23:59:59:999");
    EXPECT_TRUE(std::all_of(stamp.begin() + 13, stamp.end(), [](char c) { return c == 0; }));

    LocalTime early;
    early.hour = 1, early.minute = 2, early.second = 3, early.millisecond = 4;
    EXPECT_STREQ(CPcClone::LogTimestamp(early).data(), "T1:2:3:4");

    // A clock gone wild cannot overrun the field.
    LocalTime wild;
    wild.hour = -2000000000, wild.minute = -2000000000;
    stamp = CPcClone::LogTimestamp(wild);
    EXPECT_EQ(stamp[15], 0);
}

TEST(ManualResetEventTest, SetResetAndWait)
{
    ManualResetEvent event;
    EXPECT_FALSE(event.IsSet());
    EXPECT_FALSE(event.Wait(0));
    EXPECT_FALSE(event.Wait(1));
    event.Set();
    EXPECT_TRUE(event.IsSet());
    EXPECT_TRUE(event.Wait(0));
    EXPECT_TRUE(event.Wait(1000));  // stays set: manual reset
    event.Reset();
    EXPECT_FALSE(event.IsSet());
    EXPECT_TRUE(ManualResetEvent(true).IsSet());
}

TEST(ManualResetEventTest, WaitWakesWhenSetFromAnotherThread)
{
    ManualResetEvent event;
    std::thread setter([&] { event.Set(); });
    // Long enough never to run out; it ends as soon as the event is set.
    EXPECT_TRUE(event.Wait(60000));
    setter.join();
}

}  // namespace
}  // namespace qx::testing
