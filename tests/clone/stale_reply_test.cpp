// A stop leaves the radio's reply to the abandoned command in the adaptor. The runs after it
// share the adaptor (as the window's do) and must not take that reply for their own.
#include <gtest/gtest.h>

#include <cstring>

#include "clone_fixture.h"
#include "model/private_sets.h"
#include "operations/eeprom_operations.h"

namespace qx::testing {
namespace {

class StaleReplyTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        // A Europe radio with a country's private channels: a shifted read would not decode to it.
        RadioSettings record{};
        ResetSettings(record, 1);
        LoadPrivateSet(0, record);
        SetMmsiText(record, "235012345");
        RadioImage image{};
        image.fill(0xFF);
        EncodeSettings(record, 0, image);
        EepromBytes contents{};
        std::copy_n(image.begin(), kEepromSize, contents.begin());
        for (int i = 0; i < 0x100; ++i) contents[i] = static_cast<uint8_t>(i);  // outside the clone span
        rig.radio.SetContents(contents);
        rig.options.modelType = 1;

        // What a first, undisturbed read gives.
        ASSERT_EQ(rig.Clone()->ReadRadio(), kResultOk);
        expected = rig.settings;
        rig.settings = RadioSettings{};
        // The radio answers only after the stop check, so a stop leaves its reply queued.
        RadioFaults faults;
        faults.replyDelayMs = 5;
        rig.radio.SetFaults(faults);
    }

    void StopAtStep(int step)
    {
        rig.progress.steps = 0;
        rig.progress.onStep = [this, step](int steps) {
            if (steps == step) rig.stopEvent.Set();
        };
    }

    void ReadAgainAndExpectTheRadio()
    {
        rig.stopEvent.Reset();
        rig.progress.onStep = nullptr;
        rig.settings = RadioSettings{};
        ASSERT_EQ(rig.Clone()->ReadRadio(), kResultOk);
        EXPECT_EQ(std::memcmp(&rig.settings, &expected, sizeof expected), 0);
    }

    CloneRig rig{HidReportLengths{33, 33}, CloneTiming{50, 1, 50}};
    RadioSettings expected{};
};

TEST_F(StaleReplyTest, ReadAfterAStoppedReadGivesTheRadiosRecord)
{
    for (int step : {1, 10, 40, 76}) {
        SCOPED_TRACE(step);
        StopAtStep(step);
        ASSERT_EQ(rig.Clone()->ReadRadio(), kResultUserCancel);
        ReadAgainAndExpectTheRadio();
    }
}

TEST_F(StaleReplyTest, ReadAfterAStoppedWriteGivesTheRadiosRecord)
{
    // Writing back what the radio holds keeps the expected record valid whatever was written.
    rig.settings = expected;
    StopAtStep(20);
    ASSERT_EQ(rig.Clone()->WriteRadio(), kResultUserCancel);
    ReadAgainAndExpectTheRadio();
}

TEST_F(StaleReplyTest, EepromReadAfterAStopIsTheEepromByteForByte)
{
    OperationContext run{rig.environment, &rig.options, &rig.progress, {}};
    std::vector<uint8_t> dump;
    StopAtStep(30);
    ASSERT_EQ(ReadEeprom(run, dump), kResultUserCancel);

    rig.stopEvent.Reset();
    rig.progress.onStep = nullptr;
    ASSERT_EQ(ReadEeprom(run, dump), kResultOk);
    const EepromBytes contents = rig.radio.Contents();
    ASSERT_EQ(dump.size(), contents.size());
    EXPECT_TRUE(std::equal(dump.begin(), dump.end(), contents.begin()));
}

TEST_F(StaleReplyTest, HandShakeAfterAStopTakesItsOwnReplyAtOnce)
{
    StopAtStep(5);
    ASSERT_EQ(rig.Clone()->ReadRadio(), kResultUserCancel);
    rig.stopEvent.Reset();
    rig.radio.ClearLog();

    auto clone = rig.Clone();
    ASSERT_EQ(clone->HandShake(), kResultOk);
    EXPECT_EQ(rig.radio.SentenceCount(), 1);
    EXPECT_EQ(clone->ReplyBuffer()[7], 'A');
    // And the link stays in step: the next block is the block asked for.
    ASSERT_EQ(clone->ReadBlock(0x0100, 20), kResultOk);
    EXPECT_EQ(clone->ReplyBuffer()[9], 0x00);
    EXPECT_EQ(clone->ReplyBuffer()[10], 0x01);
}

}  // namespace
}  // namespace qx::testing
