// A clone run against the virtual radio, with short waits so that the suite stays quick.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "backends/radio_stack.h"
#include "clone/pc_clone.h"
#include "model/identity.h"
#include "model/radio_image.h"
#include "sim/virtual_adaptor.h"
#include "sim/virtual_radio.h"
#include "support/temp_dir.h"

namespace qx::testing {

// Records every progress call as text: "range 0 76", "step 1", "+", "pos 0".
struct ProgressRecorder : ProgressSink {
    std::vector<std::string> calls;
    std::function<void(int)> onStep;  // sees the number of steps so far
    int steps = 0;
    void SetRange(int lo, int hi) override
    {
        calls.push_back("range " + std::to_string(lo) + " " + std::to_string(hi));
    }
    void SetStep(int step) override { calls.push_back("step " + std::to_string(step)); }
    void Step() override
    {
        calls.push_back("+");
        if (onStep) onStep(++steps);
    }
    void SetPosition(int position) override { calls.push_back("pos " + std::to_string(position)); }
};

// A private folder for the service files, unique to the run and removed afterwards.
struct ScratchFolder {
    test::TempDir scratch{"clone"};
    const std::filesystem::path& path = scratch.Root();
    std::string File(const std::string& name) const { return scratch.File(name); }
};

struct CloneRig {
    explicit CloneRig(HidReportLengths lengths = {33, 33}, CloneTiming timing = {50, 0, 20})
        : backend(radio, lengths), stack(backend, timing, FixedClock)
    {
    }
    static LocalTime FixedClock()
    {
        LocalTime t;
        t.hour = 12, t.minute = 4, t.second = 56, t.millisecond = 7;
        return t;
    }
    // A clone run bound to the rig's own records.
    std::unique_ptr<CPcClone> Clone(const std::string& directory = "", bool withProgress = true)
    {
        return std::make_unique<CPcClone>(
            environment, CloneBinding{&settings, &options, withProgress ? &progress : nullptr, directory});
    }
    std::vector<SentenceBytes> Sent() const { return radio.SentenceLog(); }

    VirtualRadio radio;
    VirtualHidBackend backend;
    RadioStack stack;
    CHidAdaptor& adaptor = stack.Adaptor();
    ManualResetEvent& stopEvent = stack.StopEvent();
    RadioImage& writeImage = stack.WriteImage();
    RadioImage& readImage = stack.ReadImage();
    int32_t& adjustMode = stack.AdjustMode();
    CloneEnvironment& environment = stack.Environment();
    RadioSettings settings{};
    ModelConfig options{};
    ProgressRecorder progress;
};

// An EEPROM filled with `fill` whose MMSI (present) is `mmsi`.
inline EepromBytes HoldingMmsi(const std::string& mmsi, uint8_t fill = 0x5A)
{
    EepromBytes bytes{};
    bytes.fill(fill);
    bytes[kAddrMmsiPresent] = 1;
    IdentityBytes packed = *PackMmsi(mmsi);
    std::copy(packed.begin(), packed.end(), bytes.begin() + kAddrMmsi);
    return bytes;
}

inline int SentenceAddress(const SentenceBytes& s) { return s[9] | (s[10] << 8); }

template <typename Range>
bool AllEqual(const Range& range, std::size_t from, std::size_t to, uint8_t value)
{
    return std::all_of(range.begin() + from, range.begin() + to, [value](uint8_t b) { return b == value; });
}

// The encoded image over [from, to) is what the radio holds there.
template <typename Range>
bool Holds(const Range& eeprom, const RadioImage& image, std::size_t from, std::size_t to)
{
    return std::equal(eeprom.begin() + from, eeprom.begin() + to, image.begin() + from);
}

}  // namespace qx::testing
