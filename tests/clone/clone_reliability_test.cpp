#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "clone_fixture.h"

namespace qx::testing {
namespace {

void FillRecord(RadioSettings& r)
{
    ResetSettings(r, 2);
    SetMmsiText(r, "211234567");
    r.mmsiByUser = 0;
    for (int i = 0; i < 40; ++i) {
        ChannelEntry& e = r.channels[kPrivateBlock + i];
        SetChannelName(e, std::to_string(10 + i));
        e.inUse = 1;
        e.txMHz = 156.0 + 0.025 * i;
        e.rxMHz = 160.0 + 0.025 * i;
    }
}

// The radio vanishes, or falls silent, after every possible number of answered sentences of a
// Write to Radio: each run ends with a code, the blocks before the failure are on the radio
// and none after it.
TEST(CloneReliability, WriteInterruptedAfterEverySentenceCount)
{
    for (bool unplug : {true, false}) {
        for (int answered = 1; answered <= 78; ++answered) {
            SCOPED_TRACE((unplug ? "unplugged after " : "silent after ") + std::to_string(answered));
            CloneRig rig({33, 33}, {50, 0, 5});
            FillRecord(rig.settings);
            rig.radio.Fill(0xEE);
            RadioFaults faults;
            (unplug ? faults.unplugAfter : faults.silentAfter) = answered;
            rig.radio.SetFaults(faults);

            EXPECT_EQ(rig.Clone()->WriteRadio(), answered == 78 ? kResultOk : kResultRadioNotDetected);
            EXPECT_EQ(rig.progress.calls.back(), "pos 0");
            RadioImage expected{};
            EncodeSettings(rig.settings, 0, expected);
            const auto eeprom = rig.radio.Contents();
            const std::size_t end = std::min(0x100 + 20 * (answered - 1), 0x700);
            EXPECT_TRUE(AllEqual(eeprom, 0, 0x100, 0xEE));
            EXPECT_TRUE(Holds(eeprom, expected, 0x100, end));
            EXPECT_TRUE(AllEqual(eeprom, end, 8192, 0xEE));
            if (::testing::Test::HasFailure()) return;
        }
    }
}

// The main window's timer polls and re-discovers the adaptor while a worker clones.
TEST(CloneReliability, PresencePollingDuringClone)
{
    CloneRig rig({65, 65}, {50, 1, 20});
    FillRecord(rig.settings);
    const RadioSettings original = rig.settings;
    rig.options.modelType = 2;

    std::atomic<bool> done{false};
    std::thread timer([&] {
        while (!done) {
            if (!rig.adaptor.IsPresent()) rig.adaptor.Discover();
            rig.adaptor.IsPresent();
            std::this_thread::sleep_for(std::chrono::microseconds(200));
        }
    });

    // A healthy radio: every run succeeds although the link is shared.
    for (int run = 0; run < 2; ++run) {
        EXPECT_EQ(rig.Clone()->WriteRadio(), kResultOk);
        EXPECT_EQ(rig.Clone()->ReadRadio(), kResultOk);
    }
    EXPECT_EQ(MmsiText(rig.settings), MmsiText(original));
    EXPECT_EQ(ChannelName(rig.settings.channels[kPrivateBlock + 39]), "49");

    // Lost replies close the link, and the poller re-opens it when it finds it closed.
    RadioFaults faults;
    faults.noReply.every = 7;
    rig.radio.SetFaults(faults);
    for (int run = 0; run < 4; ++run) {
        for (CloneResult code : {rig.Clone()->WriteRadio(), rig.Clone()->ReadRadio()})
            EXPECT_TRUE(code == kResultOk || code == kResultRadioNotDetected || code == kResultTimeOut) << code;
    }
    done = true;
    timer.join();
}

}  // namespace
}  // namespace qx::testing
