#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <thread>

#include "clone_fixture.h"

namespace qx::testing {
namespace {

void FillRecord(RadioSettings& r)
{
    ResetSettings(r, 2);
    SetMmsiText(r, "211234567");
    for (int i = 0; i < 40; ++i) {
        ChannelEntry& e = r.channels[kPrivateBlock + i];
        SetChannelName(e, std::to_string(10 + i));
        e.inUse = 1;
        e.txMHz = 156.0 + 0.025 * i;
        e.rxMHz = 160.0 + 0.025 * i;
    }
}

// The radio disappears (or falls silent) after every possible number of answered sentences of a
// Write to Radio. Whatever the moment, the run ends with a code, the blocks before the failure
// are on the radio and none after it.
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

            const CloneResult code = rig.Clone()->WriteRadio();
            EXPECT_EQ(code, answered == 78 ? kResultOk : kResultRadioNotDetected);
            EXPECT_EQ(rig.progress.calls.back(), "pos 0");

            RadioImage expected{};
            EncodeSettings(rig.settings, 0, expected);
            const auto eeprom = rig.radio.Contents();
            const int end = std::min(0x100 + 20 * (answered - 1), 0x700);
            EXPECT_TRUE(std::equal(eeprom.begin() + 0x100, eeprom.begin() + end, expected.begin() + 0x100));
            EXPECT_TRUE(std::all_of(eeprom.begin(), eeprom.begin() + 0x100, [](uint8_t b) { return b == 0xEE; }));
            EXPECT_TRUE(std::all_of(eeprom.begin() + end, eeprom.end(), [](uint8_t b) { return b == 0xEE; }));
            if (::testing::Test::HasFailure()) return;
        }
    }
}

// The main window's timer polls and re-discovers the adaptor while a worker clones.
TEST(CloneReliability, PresencePollingDuringClone)
{
    CloneRig rig({65, 65}, {50, 1, 20});
    FillRecord(rig.settings);
    rig.options.modelType = 2;

    std::atomic<bool> done{false};
    std::atomic<int> polls{0};
    std::thread timer([&] {
        while (!done) {
            if (!rig.adaptor.IsPresent()) rig.adaptor.Discover();
            rig.adaptor.IsPresent();
            ++polls;
            std::this_thread::sleep_for(std::chrono::microseconds(200));
        }
    });

    RadioImage expected{};
    EncodeSettings(rig.settings, 0, expected);
    RadioSettings original = rig.settings;

    // A healthy radio: every run succeeds although the link is shared.
    for (int run = 0; run < 2; ++run) {
        EXPECT_EQ(rig.Clone()->WriteRadio(), kResultOk);
        EXPECT_EQ(rig.Clone()->ReadRadio(), kResultOk);
    }
    const auto eeprom = rig.radio.Contents();
    EXPECT_TRUE(std::equal(eeprom.begin() + 0x100, eeprom.begin() + 0x700, expected.begin() + 0x100));
    EXPECT_EQ(MmsiText(rig.settings), MmsiText(original));

    // Lost replies close the link; the poller re-opens it whenever it finds it closed.
    RadioFaults faults;
    faults.noReply.every = 7;
    rig.radio.SetFaults(faults);
    for (int run = 0; run < 4; ++run) {
        const CloneResult write = rig.Clone()->WriteRadio();
        EXPECT_TRUE(write == kResultOk || write == kResultRadioNotDetected || write == kResultTimeOut) << write;
        const CloneResult read = rig.Clone()->ReadRadio();
        EXPECT_TRUE(read == kResultOk || read == kResultRadioNotDetected || read == kResultTimeOut) << read;
    }

    done = true;
    timer.join();
    EXPECT_GT(polls.load(), 0);
}

}  // namespace
}  // namespace qx::testing
