// Costs of the record-level work on one full record: the image codec round trip, the
// checksum, and saving plus loading a clone file.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "files/clone_file.h"
#include "model/checksum.h"
#include "model/radio_image.h"

using namespace qx;

namespace {

RadioSettings FullEuropeRecord()
{
    RadioSettings r;
    ResetSettings(r, 1);
    SetAtisText(r, "123456789");
    SetMmsiText(r, "987654321");
    for (int i = 0; i < 100; ++i) {
        ChannelEntry& e = r.channels[300 + i];
        char name[3] = {static_cast<char>('0' + i / 10), static_cast<char>('0' + i % 10), 0};
        SetChannelName(e, name);
        e.txMHz = e.rxMHz = 156.0 + 0.025 * i;
        e.usageCode = 11 + i % 25;
        e.inUse = 1;
    }
    return r;
}

void BM_EncodeDecodeRoundTrip(benchmark::State& state)
{
    RadioSettings r = FullEuropeRecord();
    RadioSettings back;
    RadioImage image;
    for (auto _ : state) {
        EncodeSettings(r, 0, image);
        DecodeSettings(image, 1, back);
        benchmark::DoNotOptimize(back);
    }
}
BENCHMARK(BM_EncodeDecodeRoundTrip);

void BM_SettingsChecksum(benchmark::State& state)
{
    RadioSettings r = FullEuropeRecord();
    for (auto _ : state) benchmark::DoNotOptimize(SettingsChecksum(r));
}
BENCHMARK(BM_SettingsChecksum);

void BM_WriteAndLoadCloneFile(benchmark::State& state)
{
    RadioSettings r = FullEuropeRecord();
    RadioSettings loaded;
    ModelConfig cfg;
    ResetModelConfig(cfg);
    const std::string path = (std::filesystem::temp_directory_path() / "qx720-bench.dat").string();
    for (auto _ : state) {
        if (WriteCloneFile(path, r, cfg) != kResultOk) {
            state.SkipWithError("cannot write the clone file");
            break;
        }
        benchmark::DoNotOptimize(LoadCloneFile(path, loaded, cfg));
    }
    std::filesystem::remove(path);
}
BENCHMARK(BM_WriteAndLoadCloneFile)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
