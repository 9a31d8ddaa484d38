// A clone run against the virtual radio, with short waits so that the suite stays quick.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "clone/pc_clone.h"
#include "sim/virtual_adaptor.h"
#include "sim/virtual_radio.h"

namespace qx::testing {

// Records every progress call as text: "range 0 76", "step 1", "+", "pos 0".
class ProgressRecorder : public ProgressSink {
public:
    std::vector<std::string> calls;
    std::function<void(int)> onStep;  // sees the number of steps so far
    int steps = 0;

    void SetRange(int minimum, int maximum) override
    {
        calls.push_back("range " + std::to_string(minimum) + " " + std::to_string(maximum));
    }
    void SetStep(int step) override { calls.push_back("step " + std::to_string(step)); }
    void Step() override
    {
        calls.push_back("+");
        ++steps;
        if (onStep) onStep(steps);
    }
    void SetPosition(int position) override { calls.push_back("pos " + std::to_string(position)); }
};

// A private folder for the service files, removed afterwards.
class ScratchFolder {
public:
    ScratchFolder()
    {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        path_ = std::filesystem::temp_directory_path() /
                ("qx720-" + std::string(info->test_suite_name()) + "-" + info->name() + "-" +
                 std::to_string(reinterpret_cast<std::uintptr_t>(this)));
        std::filesystem::create_directories(path_);
    }
    ~ScratchFolder()
    {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    std::string Path() const { return path_.string(); }
    std::string File(const std::string& name) const { return (path_ / name).string(); }

private:
    std::filesystem::path path_;
};

struct CloneRig {
    explicit CloneRig(HidReportLengths lengths = {33, 33}, CloneTiming timing = {50, 0, 20})
        : backend(radio, lengths),
          adaptor(backend),
          environment{adaptor, stopEvent, writeImage, readImage, adjustMode, FixedClock, timing}
    {
    }

    static LocalTime FixedClock()
    {
        LocalTime t;
        t.hour = 12, t.minute = 4, t.second = 56, t.millisecond = 7;
        return t;
    }

    // A clone run bound to the rig's own records.
    std::unique_ptr<CPcClone> Clone(const std::string& directory = "")
    {
        auto clone = std::make_unique<CPcClone>(environment);
        clone->settings = &settings;
        clone->options = &options;
        clone->progress = &progress;
        clone->directory = directory;
        return clone;
    }

    std::vector<SentenceBytes> Sent() const { return radio.SentenceLog(); }

    VirtualRadio radio;
    VirtualHidBackend backend;
    CHidAdaptor adaptor;
    ManualResetEvent stopEvent;
    RadioImage writeImage{};
    RadioImage readImage{};
    int32_t adjustMode = 0;
    CloneEnvironment environment;
    RadioSettings settings{};
    ModelConfig options{};
    ProgressRecorder progress;
};

inline int SentenceAddress(const SentenceBytes& s) { return s[9] | (s[10] << 8); }

}  // namespace qx::testing
