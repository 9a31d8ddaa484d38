// Fleet runs with several units at once, in this process against virtual radios: every rule of
// the one-by-one run holds for each unit, and the log stays one whole line per outcome.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <filesystem>
#include <map>
#include <mutex>
#include <set>
#include <thread>

#include "backups/backup_store.h"
#include "clone/clone_fixture.h"
#include "csv/csv.h"
#include "files/atomic_file.h"
#include "fleet/fleet_log.h"
#include "fleet/fleet_rig.h"
#include "fleet/fleet_run.h"
#include "model/identity.h"
#include "model/radio_image.h"
#include "operations/eeprom_operations.h"
#include "operations/radio_operations.h"
#include "support/temp_dir.h"

namespace qx {
namespace {

using testing::CloneRig;
using testing::HoldingMmsi;
using testing::Noon;
using testing::RigRadio;

// Counts a unit's steps and lets a test act on them.
class CountingProgress : public FleetUnitProgress {
public:
    explicit CountingProgress(std::function<void()> onStep) : onStep_(std::move(onStep)) {}
    void Begin(const char*, int) override {}
    void SetRange(int, int) override {}
    void SetStep(int) override {}
    void Step() override { onStep_(); }
    void SetPosition(int) override {}

private:
    std::function<void()> onStep_;
};

class ParallelFleet : public ::testing::Test {
protected:
    static constexpr const char* kSixUnits =
        "unit,mmsi\nA,235000001\nB,235000002\nC,235000003\nD,235000004\nE,235000005\nF,235000006\n";

    void SetUp() override
    {
        ResetSettings(templ, 1);
        options.logPath = dir.File("fleet-log.csv");
        options.backupDir = dir.File("backups");
        options.jobs = 3;
        std::filesystem::create_directories(options.backupDir);
        for (const char* name : {"A", "B", "C", "D", "E", "F"}) rigs[name] = std::make_unique<CloneRig>();
        // Called from the units' threads at once.
        hooks.connect = [this](const FleetUnit& unit, std::string& error) -> std::unique_ptr<FleetRadio> {
            std::lock_guard lock(mutex);
            connected.push_back(unit.name);
            auto it = rigs.find(unit.name);
            if (it == rigs.end()) {
                error = "no radio for " + unit.name;
                return nullptr;
            }
            return std::make_unique<RigRadio>(*it->second);
        };
        hooks.report = [this](const std::string& line) {
            std::lock_guard lock(mutex);
            lines.push_back(line);
        };
        hooks.clock = Noon;
    }

    FleetSummary Run(const std::string& csv)
    {
        std::vector<FleetUnit> units;
        EXPECT_TRUE(ParseFleetUnits(csv, units).empty());
        FleetLogOk ok;
        std::string error;
        EXPECT_TRUE(ReadFleetLogOk(options.logPath, ok, error)) << error;
        lines.clear();
        connected.clear();
        return RunFleet(templ, units, ok, options, hooks);
    }

    std::string LogText()
    {
        std::vector<uint8_t> bytes;
        ReadFileBytes(options.logPath, bytes, 1 << 20);
        return std::string(bytes.begin(), bytes.end());
    }

    std::vector<std::vector<std::string>> Log()
    {
        std::vector<CsvRecord> records;
        CsvError error;
        EXPECT_TRUE(ParseCsv(LogText(), records, error));
        std::vector<std::vector<std::string>> rows;
        for (const CsvRecord& r : records) rows.push_back(r.fields);
        return rows;
    }

    // The lines of the units, in the order of their names (they end in any order).
    std::vector<std::string> UnitLines() const
    {
        std::vector<std::string> sorted(lines.begin(), lines.end() - (lines.empty() ? 0 : 1));
        std::sort(sorted.begin(), sorted.end());
        return sorted;
    }

    std::string RadioMmsi(const std::string& name)
    {
        const EepromBytes e = rigs[name]->radio.Contents();
        return EepromMmsi(std::vector<uint8_t>(e.begin(), e.end()));
    }

    test::TempDir dir{"fleet-parallel"};
    RadioSettings templ{};
    FleetOptions options;
    FleetHooks hooks;
    std::map<std::string, std::unique_ptr<CloneRig>> rigs;
    std::mutex mutex;
    std::vector<std::string> connected;
    std::vector<std::string> lines;
};

TEST_F(ParallelFleet, SixUnitsWithOneUnpluggedAndOneHoldingAnotherMmsi)
{
    RadioFaults unplugged;
    unplugged.unplugAfter = ops::kCloneSteps + 40;  // backed up, then pulled out during the write
    rigs["C"]->radio.SetFaults(unplugged);
    const EepromBytes heldByE = HoldingMmsi("366123456");
    rigs["E"]->radio.SetContents(heldByE);

    FleetSummary summary = Run(kSixUnits);
    EXPECT_EQ(summary.ok, 4);
    EXPECT_EQ(summary.failed, 1);
    EXPECT_EQ(summary.refused, 1);
    EXPECT_EQ(summary.notReached, 0);
    EXPECT_FALSE(summary.interrupted);
    ASSERT_EQ(lines.size(), 7u);
    EXPECT_EQ(lines.back(), "4 ok, 1 failed, 1 refused, 0 skipped");
    const std::vector<std::string> units = UnitLines();
    EXPECT_EQ(units[0], "A: OK");
    EXPECT_EQ(units[2].rfind("C: FAILED write: ", 0), 0u) << units[2];
    EXPECT_EQ(units[4], "E: REFUSED the radio holds MMSI 366123456 (--force writes over it)");
    EXPECT_EQ(units[5], "F: OK");

    // One whole line per unit, however they ended together.
    const std::string text = LogText();
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 7) << text;
    const auto log = Log();
    ASSERT_EQ(log.size(), 7u);
    std::map<std::string, std::vector<std::string>> byUnit;
    for (std::size_t i = 1; i < log.size(); ++i) {
        ASSERT_EQ(log[i].size(), 8u) << text;
        EXPECT_TRUE(byUnit.emplace(log[i][1], log[i]).second) << "twice: " << log[i][1];
    }
    ASSERT_EQ(byUnit.size(), 6u);
    for (const char* ok : {"A", "B", "D", "F"}) {
        EXPECT_EQ(byUnit[ok][4], "OK") << ok;
        EXPECT_EQ(byUnit[ok][2], RadioMmsi(ok));
        EXPECT_NE(byUnit[ok][5], "");
    }
    EXPECT_EQ(byUnit["C"][4], "FAILED");
    EXPECT_EQ(byUnit["E"][4], "REFUSED");
    EXPECT_EQ(byUnit["E"][2], "");  // nothing written to it
    EXPECT_EQ(rigs["E"]->radio.Contents(), heldByE);

    // Every unit has its own backup, of its own radio as it was before.
    std::set<std::string> backups;
    for (const auto& [unit, row] : byUnit) {
        if (unit == "E") continue;  // refused: nothing replaced, nothing kept
        EXPECT_EQ(row[6], options.backupDir + "/" + unit + "-20261207-120405.bin");
        std::vector<uint8_t> bytes;
        ASSERT_TRUE(ReadFileBytes(row[6], bytes, 1 << 20)) << row[6];
        EXPECT_EQ(bytes.size(), static_cast<std::size_t>(kCloneRangeBackupBytes));
        backups.insert(row[6]);
    }
    EXPECT_EQ(backups.size(), 5u);
    EXPECT_EQ(byUnit["E"][6], "");

    // Resume, with C plugged in again: only C and the refused E are touched, and C is finished.
    rigs["C"]->radio.Plug();
    summary = Run(kSixUnits);
    std::sort(connected.begin(), connected.end());
    EXPECT_EQ(connected, (std::vector<std::string>{"C", "E"}));
    EXPECT_EQ(summary.ok, 5);
    EXPECT_EQ(summary.refused, 1);
    EXPECT_EQ(RadioMmsi("C"), "235000003");
    EXPECT_EQ(UnitLines()[0], "A: OK (already in the log)");
    EXPECT_EQ(UnitLines()[2], "C: OK");
    EXPECT_EQ(Log().size(), 9u);
}

TEST_F(ParallelFleet, CtrlCStopsEveryRunningUnitAndStartsNoOther)
{
    // Ctrl-C once all three running units are under way: the watch sets their stop event.
    std::atomic<int> started{0};
    std::atomic<bool> stop{false};
    hooks.stopRequested = [&] { return stop.load(); };
    hooks.unitProgress = [&](const FleetUnit&) -> std::unique_ptr<FleetUnitProgress> {
        ++started;
        return std::make_unique<CountingProgress>([&] {
            // No unit gets far before all three are under way (a unit's transfer is short): a
            // bounded wait, which only a hung run would reach the end of.
            for (int i = 0; i < 2000 && started < 3; ++i) std::this_thread::sleep_for(std::chrono::milliseconds(1));
            if (started == 3 && !stop.exchange(true))
                for (auto& [name, rig] : rigs) rig->stopEvent.Set();
        });
    };
    std::vector<std::string> failures;
    hooks.reportFailure = [&](const std::string& line) {
        std::lock_guard lock(mutex);
        failures.push_back(line);
    };

    FleetSummary summary = Run(kSixUnits);
    EXPECT_TRUE(summary.interrupted);
    EXPECT_EQ(summary.failed, 3);
    EXPECT_EQ(summary.notReached, 3);
    EXPECT_EQ(started.load(), 3);
    EXPECT_EQ(lines.back(), "0 ok, 3 failed, 0 refused, 0 skipped, 3 not reached");
    EXPECT_EQ(failures.size(), 3u);
    for (const std::string& line : UnitLines()) {
        EXPECT_NE(line.find(": FAILED "), std::string::npos) << line;
        EXPECT_EQ(line.substr(line.size() - 12), "User Cancel.") << line;
    }
    const auto log = Log();
    ASSERT_EQ(log.size(), 4u);
    for (std::size_t i = 1; i < log.size(); ++i) EXPECT_EQ(log[i][4], "FAILED");
}

TEST_F(ParallelFleet, NoMoreUnitsRunAtOnceThanThereAreRadiosToShare)
{
    options.jobs = 8;
    options.radios = 2;
    std::atomic<int> running{0}, most{0};
    hooks.unitProgress = [&](const FleetUnit&) -> std::unique_ptr<FleetUnitProgress> {
        const int now = ++running;
        int seen = most.load();
        while (now > seen && !most.compare_exchange_weak(seen, now)) {}
        struct Leaving : CountingProgress {
            std::atomic<int>& count;
            explicit Leaving(std::atomic<int>& c) : CountingProgress([] {}), count(c) {}
            ~Leaving() override { --count; }
        };
        return std::make_unique<Leaving>(running);
    };
    EXPECT_TRUE(Run(kSixUnits).AllOk());
    EXPECT_LE(most.load(), 2);
    EXPECT_EQ(Log().size(), 7u);
}

}  // namespace
}  // namespace qx
