// Write to Radio and Read from Radio against a virtual radio that answers at once, with the
// protocol's real waits. Each sentence must wait 20 ms for its reply, so 78 x 20 ms (write)
// and 79 x 20 ms (read) are the floor; we aim for at most 2 % above it, and for the waits to
// block rather than spin (under 5 % of one core).
#include <sys/resource.h>

#include <chrono>
#include <cstdio>
#include <memory>

#include "backends/radio_stack.h"
#include "clone/pc_clone.h"
#include "sim/virtual_adaptor.h"
#include "sim/virtual_radio.h"

namespace {

using namespace qx;

class NullProgress : public ProgressSink {
public:
    void SetRange(int, int) override {}
    void SetStep(int) override {}
    void Step() override {}
    void SetPosition(int) override {}
};

double CpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    auto seconds = [](const timeval& t) { return static_cast<double>(t.tv_sec) + t.tv_usec / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

struct Figures {
    double wallSeconds = 0;
    double cpuSeconds = 0;
    CloneResult worst = kResultOk;
};

template <typename Run>
Figures Measure(int repetitions, Run run)
{
    Figures f;
    const double cpu0 = CpuSeconds();
    const auto t0 = std::chrono::steady_clock::now();
    for (int i = 0; i < repetitions; ++i) {
        const CloneResult code = run();
        if (code != kResultOk) f.worst = code;
    }
    f.wallSeconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count() / repetitions;
    f.cpuSeconds = (CpuSeconds() - cpu0) / repetitions;
    return f;
}

void Report(const char* name, const Figures& f, int sentences)
{
    const double floor = sentences * 0.020;
    std::printf("%-16s %8.1f ms  floor %6.1f ms  ratio %.4f  overhead %.3f ms/sentence  CPU %.2f %% of a core%s\n",
                name, f.wallSeconds * 1e3, floor * 1e3, f.wallSeconds / floor,
                (f.wallSeconds - floor) * 1e3 / sentences, 100.0 * f.cpuSeconds / f.wallSeconds,
                f.worst == kResultOk ? "" : "  (A RUN FAILED)");
}

}  // namespace

int main(int argc, char** argv)
{
    const int repetitions = argc > 1 ? std::atoi(argv[1]) : 5;

    VirtualRadio radio;
    VirtualHidBackend backend(radio, {65, 65});
    RadioStack stack(backend);
    CloneEnvironment& environment = stack.Environment();

    auto settings = std::make_unique<RadioSettings>();
    ResetSettings(*settings, 1);
    ModelConfig options{};
    ResetModelConfig(options);
    NullProgress progress;

    // The clone runs themselves, below the operations' backup and identity read.
    auto run = [&](bool write) {
        CPcClone clone(environment, CloneBinding{settings.get(), &options, &progress, {}});
        return write ? clone.WriteRadio() : clone.ReadRadio();
    };

    std::printf("%d runs each, default timings (send %d ms, stop check %d ms, receive %d ms)\n", repetitions,
                environment.timing.sendTimeoutMs, environment.timing.stopCheckMs, environment.timing.receiveTimeoutMs);
    run(true);  // warm-up: discovery, first allocations
    Report("Write to Radio", Measure(repetitions, [&] { return run(true); }), 78);
    Report("Read from Radio", Measure(repetitions, [&] { return run(false); }), 79);
    return 0;
}
