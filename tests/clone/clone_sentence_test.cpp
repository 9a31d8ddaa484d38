#include <gtest/gtest.h>

#include <cstring>
#include <thread>

#include "clone/clone_event.h"
#include "clone_fixture.h"

namespace qx::testing {
namespace {

// A sentence: the prefix, letter, length, address bytes, twenty `fill` bytes and `sum`.
std::vector<uint8_t> Sentence(std::vector<uint8_t> head, uint8_t fill, uint8_t sum)
{
    std::vector<uint8_t> s(32, fill);
    std::memcpy(s.data(), "$TEKPC,", 7);
    std::copy(head.begin(), head.end(), s.begin() + 7);
    s[31] = sum;
    return s;
}

TEST(CloneSentence, CommandsAsTheyReachTheRadio)
{
    CloneRig rig;
    auto clone = rig.Clone();
    ASSERT_EQ(clone->HandShake(), kResultOk);
    ASSERT_EQ(clone->WriteBlock(0x0100, 20), kResultOk);  // the write image is all zero
    ASSERT_EQ(clone->ReadBlock(0x06F0, 16), kResultOk);
    const auto sent = rig.Sent();
    EXPECT_EQ(std::vector<uint8_t>(sent[0].begin(), sent[0].end()), Sentence({0x41, 0x14, 0xFF, 0xFF}, 0xAA, 0x55));
    EXPECT_EQ(std::vector<uint8_t>(sent[1].begin(), sent[1].end()), Sentence({0x57, 0x14, 0x00, 0x01}, 0x00, 0x42));
    EXPECT_EQ(std::vector<uint8_t>(sent[2].begin(), sent[2].end()), Sentence({0x52, 0x10, 0xF0, 0x06}, 0x00, 0xB4));
    const uint8_t zeros[24] = {};
    EXPECT_EQ(CPcClone::XorSum(zeros, 24), 0);
}

TEST(CloneSentence, ReplyTests)
{
    CloneRig rig;
    auto clone = rig.Clone();
    auto passes = [&](const std::vector<uint8_t>& reply, ReplyTest test) {
        return clone->CheckReply(reply.data(), test);
    };
    ASSERT_TRUE(rig.adaptor.Discover());
    ASSERT_EQ(clone->WriteBlock(0x0100, 20), kResultOk);

    const auto good = Sentence({0x49, 0x14, 0x00, 0x01}, 0x00, 0x5C);
    EXPECT_TRUE(passes(good, ReplyTest::Prefix) && passes(good, ReplyTest::Checksum) &&
                passes(good, ReplyTest::WriteEcho));
    auto wrongSum = good;
    wrongSum[31] ^= 1;
    EXPECT_FALSE(passes(wrongSum, ReplyTest::Checksum));
    auto letterW = good;
    letterW[7] = 'W';
    EXPECT_FALSE(passes(letterW, ReplyTest::WriteEcho));

    // The echo covers the zero padding after a short block too.
    ASSERT_EQ(clone->WriteBlock(0x0100, 16), kResultOk);
    auto shortEcho = Sentence({0x49, 0x10, 0x00, 0x01}, 0x00, 0);
    EXPECT_TRUE(passes(shortEcho, ReplyTest::WriteEcho));
    shortEcho[29] = 1;
    EXPECT_FALSE(passes(shortEcho, ReplyTest::WriteEcho));

    // A read reply's letter, length and address are not tested.
    auto odd = Sentence({0x5A, 0x03, 0x34, 0x12}, 0x11, 0);
    odd[31] = CPcClone::XorSum(odd.data() + 7, 24);
    EXPECT_TRUE(passes(odd, ReplyTest::Prefix) && passes(odd, ReplyTest::Checksum));
}

TEST(CloneSentence, LogTimestamp)
{
    LocalTime t;
    t.hour = 23, t.minute = 59, t.second = 59, t.millisecond = 999;
    auto stamp = CPcClone::LogTimestamp(t);
    EXPECT_STREQ(stamp.data(), "T23:59:59:999");
    EXPECT_TRUE(AllEqual(stamp, 13, 16, 0));
    t.hour = 1, t.minute = 2, t.second = 3, t.millisecond = 4;
    EXPECT_STREQ(CPcClone::LogTimestamp(t).data(), "T1:2:3:4");
    t.hour = t.minute = -2000000000;  // a clock gone wild cannot overrun the field
    EXPECT_EQ(CPcClone::LogTimestamp(t)[15], 0);
}

TEST(ManualResetEventTest, SetResetAndWait)
{
    ManualResetEvent event;
    EXPECT_FALSE(event.IsSet() || event.Wait(0) || event.Wait(1));
    event.Set();
    EXPECT_TRUE(event.IsSet() && event.Wait(0) && event.Wait(1000));  // stays set
    event.Reset();
    EXPECT_FALSE(event.IsSet());

    std::thread setter([&] { event.Set(); });
    EXPECT_TRUE(event.Wait(60000));  // ends as soon as the other thread sets it
    setter.join();
}

}  // namespace
}  // namespace qx::testing
