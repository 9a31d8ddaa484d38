// Fleet runs against virtual radios in this process, with short protocol waits.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <map>

#include "clone/clone_fixture.h"
#include "csv/csv.h"
#include "files/atomic_file.h"
#include "fleet/fleet_log.h"
#include "fleet/fleet_rig.h"
#include "fleet/fleet_run.h"
#include "model/checksum.h"
#include "model/identity.h"
#include "model/radio_image.h"
#include "support/temp_dir.h"

namespace qx {
namespace {

using testing::CloneRig;
using testing::HoldingMmsi;
using testing::Noon;
using testing::RigRadio;

class FleetRun : public ::testing::Test {
protected:
    void SetUp() override
    {
        ResetSettings(templ, 1);
        options.logPath = dir.File("fleet-log.csv");
        options.backupDir = dir.File("backups");
        std::filesystem::create_directories(options.backupDir);
        hooks.connect = [this](const FleetUnit& unit, std::string& error) -> std::unique_ptr<FleetRadio> {
            connected.push_back(unit.name);
            auto it = rigs.find(unit.name);
            if (it == rigs.end()) {
                error = "no radio for " + unit.name;
                return nullptr;
            }
            return std::make_unique<RigRadio>(*it->second);
        };
        hooks.report = [this](const std::string& line) { lines.push_back(line); };
        hooks.clock = Noon;
    }

    CloneRig& Rig(const std::string& name)
    {
        auto& rig = rigs[name];
        if (!rig) rig = std::make_unique<CloneRig>();
        return *rig;
    }

    std::vector<FleetUnit> Units(const std::string& csv)
    {
        std::vector<FleetUnit> units;
        std::vector<std::string> problems = ParseFleetUnits(csv, units);
        EXPECT_TRUE(problems.empty());
        return units;
    }

    FleetSummary Run(const std::vector<FleetUnit>& units)
    {
        FleetLogOk ok;
        std::string error;
        EXPECT_TRUE(ReadFleetLogOk(options.logPath, ok, error)) << error;
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
        const std::string bytes = LogText();
        std::vector<CsvRecord> records;
        CsvError error;
        EXPECT_TRUE(ParseCsv(std::string(bytes.begin(), bytes.end()), records, error));
        std::vector<std::vector<std::string>> rows;
        for (const CsvRecord& r : records) rows.push_back(r.fields);
        return rows;
    }

    std::string RadioMmsi(const std::string& name)
    {
        EepromBytes e = Rig(name).radio.Contents();
        return EepromMmsi(std::vector<uint8_t>(e.begin(), e.end()));
    }

    test::TempDir dir;
    RadioSettings templ{};
    FleetOptions options;
    FleetHooks hooks;
    std::map<std::string, std::unique_ptr<CloneRig>> rigs;
    std::vector<std::string> connected;
    std::vector<std::string> lines;
};

TEST_F(FleetRun, ThreeUnitsAreBackedUpWrittenVerifiedAndLogged)
{
    Rig("A"), Rig("B"), Rig("C");
    Rig("C").radio.SetContents(HoldingMmsi("235000003"));  // holds the MMSI it is about to get again
    const EepromBytes oldC = Rig("C").radio.Contents();

    FleetSummary summary = Run(Units("unit,mmsi,atis\nA,235000001,9235000001\nB,,\nC,235000003,\n"));
    EXPECT_TRUE(summary.AllOk());
    EXPECT_EQ(lines, (std::vector<std::string>{"A: OK", "B: OK", "C: OK", "3 ok, 0 failed, 0 refused, 0 skipped"}));

    EXPECT_EQ(RadioMmsi("A"), "235000001");
    EXPECT_EQ(RadioMmsi("B"), "");  // entry by user: the presence byte is clear
    EXPECT_EQ(Rig("B").radio.Contents()[kAddrMmsiPresent], 0);
    EXPECT_EQ(Rig("B").radio.Contents()[kAddrAtisPresent], 0);
    EXPECT_EQ(RadioMmsi("C"), "235000003");
    EXPECT_EQ(Rig("A").radio.Contents()[kAddrAtisPresent], 1);

    const auto log = Log();
    ASSERT_EQ(log.size(), 4u);
    EXPECT_EQ(log[0],
              (std::vector<std::string>{"time", "unit", "mmsi", "atis", "result", "checksum", "backup", "digest"}));
    FleetUnit a{2, "A", "235000001", "235000001"};
    EXPECT_EQ(log[1], (std::vector<std::string>{"2026-12-07 12:04:05", "A", "235000001", "9235000001", "OK",
                                                ChecksumHex(SettingsChecksum(UnitRecord(templ, a))),
                                                options.backupDir + "/A-20261207-120405.bin", UnitDigest(templ, a)}));
    EXPECT_EQ(log[2][2], "");
    EXPECT_EQ(log[2][3], "");
    EXPECT_EQ(log[3][4], "OK");

    // The backup is what the write replaced, as it was before.
    std::vector<uint8_t> backup;
    ASSERT_TRUE(ReadFileBytes(log[3][6], backup, 1 << 20));
    EXPECT_TRUE(std::equal(backup.begin(), backup.end(), oldC.begin() + kCloneFirst, oldC.begin() + kCloneLast + 1));
}

TEST_F(FleetRun, RadioWithAnotherMmsiIsRefusedAndLeftAloneUnlessForced)
{
    Rig("A"), Rig("C");
    Rig("B").radio.SetContents(HoldingMmsi("366123456"));
    const EepromBytes oldB = Rig("B").radio.Contents();
    const auto units = Units("unit,mmsi\nA,235000001\nB,235000002\nC,235000003\n");

    FleetSummary summary = Run(units);
    EXPECT_FALSE(summary.AllOk());
    EXPECT_EQ(summary.refused, 1);
    EXPECT_EQ(lines[1], "B: REFUSED the radio holds MMSI 366123456 (--force writes over it)");
    EXPECT_EQ(lines.back(), "2 ok, 0 failed, 1 refused, 0 skipped");
    EXPECT_EQ(Rig("B").radio.Contents(), oldB);
    EXPECT_EQ(RadioMmsi("C"), "235000003");
    EXPECT_EQ(Log()[2][4], "REFUSED");
    EXPECT_EQ(Log()[2][2], "");  // nothing written
    EXPECT_EQ(Log()[2][6], "");  // nor backed up: the radio was left alone

    // Again with --force: A and C are in the log as OK and are not touched.
    lines.clear();
    connected.clear();
    options.force = true;
    summary = Run(units);
    EXPECT_TRUE(summary.AllOk());
    EXPECT_EQ(connected, std::vector<std::string>{"B"});
    EXPECT_EQ(lines, (std::vector<std::string>{"A: OK (already in the log)", "B: OK", "C: OK (already in the log)",
                                               "3 ok, 0 failed, 0 refused, 0 skipped"}));
    EXPECT_EQ(RadioMmsi("B"), "235000002");
}

TEST_F(FleetRun, ResumeAfterAFailureRetriesOnlyWhatIsNotOk)
{
    Rig("A"), Rig("C");
    RadioFaults dead;
    dead.silentAfter = 0;
    Rig("B").radio.SetFaults(dead);
    const auto units = Units("unit,mmsi\nA,235000001\nB,235000002\nC,235000003\n");

    FleetSummary summary = Run(units);
    EXPECT_EQ(summary.failed, 1);
    EXPECT_EQ(summary.ok, 2);
    EXPECT_EQ(lines[1].rfind("B: FAILED backup: ", 0), 0u) << lines[1];
    EXPECT_EQ(RadioMmsi("B"), "");

    Rig("B").radio.SetFaults({});
    Rig("A").radio.ClearLog();
    lines.clear();
    summary = Run(units);
    EXPECT_TRUE(summary.AllOk());
    EXPECT_EQ(Rig("A").radio.SentenceCount(), 0);
    EXPECT_EQ(RadioMmsi("B"), "235000002");
    EXPECT_EQ(lines[1], "B: OK");
    // Both runs' lines stay in the log: A, B failed, C, then B.
    const auto log = Log();
    ASSERT_EQ(log.size(), 5u);
    EXPECT_EQ(log[2][4], "FAILED");
    EXPECT_EQ(log[4][1], "B");
    EXPECT_EQ(log[4][4], "OK");
}

TEST_F(FleetRun, AnswersSkipAndQuit)
{
    Rig("A"), Rig("B"), Rig("C");
    std::vector<FleetAnswer> answers = {FleetAnswer::Skip, FleetAnswer::Go, FleetAnswer::Quit};
    hooks.ask = [&](const FleetUnit&) {
        FleetAnswer a = answers.front();
        answers.erase(answers.begin());
        return a;
    };
    FleetSummary summary = Run(Units("unit,mmsi\nA,235000001\nB,235000002\nC,235000003\n"));
    EXPECT_FALSE(summary.AllOk());
    EXPECT_EQ(summary.notReached, 1);
    EXPECT_EQ(lines,
              (std::vector<std::string>{"A: SKIPPED", "B: OK", "1 ok, 0 failed, 0 refused, 1 skipped, 1 not reached"}));
    EXPECT_EQ(connected, std::vector<std::string>{"B"});
    const auto log = Log();
    ASSERT_EQ(log.size(), 3u);  // C was never reached: not logged
    EXPECT_EQ(log[1][4], "SKIPPED");
    EXPECT_EQ(log[1][6], "");
}

TEST_F(FleetRun, CtrlCStopsAfterLoggingTheUnitInHand)
{
    Rig("A"), Rig("C");
    Rig("B").stopEvent.Set();  // as the Ctrl-C watch does
    FleetSummary summary = Run(Units("unit,mmsi\nA,235000001\nB,235000002\nC,235000003\n"));
    EXPECT_TRUE(summary.interrupted);
    EXPECT_EQ(summary.notReached, 1);
    EXPECT_EQ(connected, (std::vector<std::string>{"A", "B"}));
    EXPECT_EQ(lines[1].rfind("B: FAILED", 0), 0u);
    EXPECT_EQ(Log().size(), 3u);
}

TEST_F(FleetRun, UnopenableRadioFailsThatUnitOnly)
{
    Rig("B");
    std::vector<std::string> failures;
    hooks.reportFailure = [&](const std::string& line) { failures.push_back(line); };
    FleetSummary summary = Run(Units("unit,mmsi\nA,235000001\nB,235000002\n"));
    EXPECT_EQ(lines[0], "A: FAILED no radio for A");
    EXPECT_EQ(lines[1], "B: OK");
    EXPECT_EQ(summary.failed, 1);
    EXPECT_EQ(failures, std::vector<std::string>{"A: FAILED no radio for A"});
}

TEST_F(FleetRun, AUnitIsDoneOnlyWithThisRunsIdentitiesAndTemplate)
{
    Rig("A"), Rig("B");
    ASSERT_TRUE(Run(Units("unit,mmsi\nA,235000001\nB,235000002\n")).AllOk());

    // B's MMSI changed in the units file: its radio still holds the old one, and says so.
    lines.clear();
    connected.clear();
    const auto changed = Units("unit,mmsi,atis\nA,235000001,\nB,235000009,\n");
    FleetSummary summary = Run(changed);
    EXPECT_EQ(lines, (std::vector<std::string>{"A: OK (already in the log)",
                                               "B: REFUSED the radio holds MMSI 235000002 (--force writes over it)",
                                               "1 ok, 0 failed, 1 refused, 0 skipped"}));
    EXPECT_FALSE(summary.AllOk());
    EXPECT_EQ(RadioMmsi("B"), "235000002");
    options.force = true;
    lines.clear();
    EXPECT_TRUE(Run(changed).AllOk());
    EXPECT_EQ(lines[1], "B: OK");
    EXPECT_EQ(RadioMmsi("B"), "235000009");

    // An ATIS ID added, or another template: written again.
    lines.clear();
    EXPECT_TRUE(Run(Units("unit,mmsi,atis\nA,235000001,9235000001\nB,235000009,\n")).AllOk());
    EXPECT_EQ(lines[0], "A: OK");
    EXPECT_EQ(lines[1], "B: OK (already in the log)");
    const auto same = Units("unit,mmsi,atis\nA,235000001,9235000001\nB,235000009,\n");
    templ.canEnabled ^= 1;
    lines.clear();
    connected.clear();
    EXPECT_TRUE(Run(same).AllOk());
    EXPECT_EQ(connected, (std::vector<std::string>{"A", "B"}));

    // INT off and CAN on: the byte sum people read is the same, the template is not.
    templ.intEnabled = 1, templ.canEnabled = 0;
    EXPECT_TRUE(Run(same).AllOk());
    const RadioSettings before = templ;
    templ.intEnabled = 0, templ.canEnabled = 1;
    ASSERT_NE(std::memcmp(&before, &templ, sizeof templ), 0);
    ASSERT_EQ(UnitChecksum(before, same[0]), UnitChecksum(templ, same[0]));
    connected.clear();
    EXPECT_TRUE(Run(same).AllOk());
    EXPECT_EQ(connected, (std::vector<std::string>{"A", "B"}));

    // A log from before the digest proves nothing about the template: its units are written again.
    const std::string old = "time,unit,mmsi,atis,result,checksum,backup\nt,A,235000001,9235000001,OK," +
                            UnitChecksum(templ, same[0]) + ",a.bin\n";
    FleetLogOk oldOk;
    std::string error;
    ASSERT_TRUE(ParseFleetLog(old, oldOk, error)) << error;
    ASSERT_EQ(oldOk.count("A"), 1u);
    connected.clear();
    EXPECT_TRUE(RunFleet(templ, same, oldOk, options, hooks).AllOk());
    EXPECT_EQ(connected, (std::vector<std::string>{"A", "B"}));
}

TEST_F(FleetRun, EachOutcomeIsLoggedBeforeItIsReported)
{
    Rig("A"), Rig("B");
    hooks.report = [&](const std::string& line) {
        if (line.rfind("A: ", 0) == 0) {
            EXPECT_NE(LogText().find(",A,235000001,"), std::string::npos) << LogText();
        }
        lines.push_back(line);
    };
    EXPECT_TRUE(Run(Units("unit,mmsi\nA,235000001\nB,235000002\n")).AllOk());
}

TEST_F(FleetRun, CtrlCWhileAUnitIsInHandLogsItThenStops)
{
    // Ctrl-C comes while A's result line waits on the output: A is logged, B and C are not reached.
    Rig("A"), Rig("B"), Rig("C");
    int held = 0, released = 0;
    bool ctrlC = false;
    hooks.holdInterrupt = [&] { ++held; };
    hooks.releaseInterrupt = [&] {
        ++released;
        return ctrlC;
    };
    hooks.report = [&](const std::string& line) {
        if (line == "A: OK") ctrlC = true;
        lines.push_back(line);
    };
    FleetSummary summary = Run(Units("unit,mmsi\nA,235000001\nB,235000002\nC,235000003\n"));
    EXPECT_TRUE(summary.interrupted);
    EXPECT_EQ(summary.notReached, 2);
    EXPECT_EQ(held, 1);
    EXPECT_EQ(released, 1);
    EXPECT_EQ(connected, std::vector<std::string>{"A"});
    EXPECT_EQ(lines.back(), "1 ok, 0 failed, 0 refused, 0 skipped, 2 not reached");
    ASSERT_EQ(Log().size(), 2u);
    EXPECT_EQ(Log()[1][4], "OK");
}

// One unit at a time here; the command line's test closes the pipe under a run of several.
TEST_F(FleetRun, AResultIsSaidOnlyOnceLoggedAndAFailedLogOrOutputStartsNoOtherUnit)
{
    {
        const int jobs = 1;
        const auto units = Units("unit,mmsi\nA,235000001\nB,235000002\nC,235000003\nD,235000004\n");
        for (const char* name : {"A", "B", "C", "D"}) Rig(name);

        // The log cannot be written: the units in hand are not reported as OK, and none follows.
        options.logPath = dir.File("no-such-folder/log.csv");
        lines.clear();
        connected.clear();
        FleetSummary summary = RunFleet(templ, units, {}, options, hooks);
        EXPECT_FALSE(summary.logError.empty());
        EXPECT_FALSE(summary.AllOk());
        EXPECT_EQ(connected.size(), static_cast<std::size_t>(jobs));
        EXPECT_EQ(summary.unlogged.size(), static_cast<std::size_t>(jobs));
        for (const std::string& line : lines) EXPECT_EQ(line.find(": OK"), std::string::npos) << line;

        // The output fails after the first line: the units in hand are finished and logged.
        options.logPath = dir.File("log" + std::to_string(jobs) + ".csv");
        lines.clear();
        connected.clear();
        hooks.outputProblem = [this] { return lines.empty() ? std::string() : std::string("Broken pipe"); };
        summary = RunFleet(templ, units, {}, options, hooks);
        hooks.outputProblem = {};
        EXPECT_EQ(summary.outputError, "Broken pipe");
        EXPECT_FALSE(summary.AllOk());
        EXPECT_LT(connected.size(), units.size());
        FleetLogOk logged;
        std::string error;
        ASSERT_TRUE(ReadFleetLogOk(options.logPath, logged, error)) << error;
        EXPECT_EQ(logged.size(), connected.size()) << "every unit that ran is in the log";
    }
}

TEST(EepromMmsi, OnlyAPresentNumberTheRadioTakes)
{
    EepromBytes e = HoldingMmsi("235012345");
    EXPECT_EQ(EepromMmsi({e.begin(), e.end()}), "235012345");
    e[kAddrMmsiPresent] = 0;
    EXPECT_EQ(EepromMmsi({e.begin(), e.end()}), "");
    EepromBytes erased;
    erased.fill(0xFF);
    EXPECT_EQ(EepromMmsi({erased.begin(), erased.end()}), "");
    EXPECT_EQ(EepromMmsi({1, 2, 3}), "");
}

TEST(UnitRecord, GivenIdentitiesClearEntryByUserEmptyOnesSetIt)
{
    RadioSettings templ;
    ResetSettings(templ, 1);
    templ.mmsiByUser = 0;
    SetMmsiText(templ, "999999999");
    RadioSettings a = UnitRecord(templ, FleetUnit{2, "A", "235012345", ""});
    EXPECT_EQ(a.mmsiByUser, 0);
    EXPECT_EQ(MmsiText(a), "235012345");
    EXPECT_EQ(a.atisByUser, 1);
    EXPECT_EQ(AtisText(a), "");
    RadioSettings b = UnitRecord(templ, FleetUnit{3, "B", "", "235012345"});
    EXPECT_EQ(b.mmsiByUser, 1);
    EXPECT_EQ(MmsiText(b), "");
    EXPECT_EQ(b.atisByUser, 0);
    EXPECT_EQ(AtisText(b), "235012345");
}

TEST(FleetLog, ReadsOkUnitsAndRefusesOtherFiles)
{
    test::TempDir dir;
    FleetLogOk ok;
    std::string error;
    EXPECT_TRUE(ReadFleetLogOk(dir.File("missing.csv"), ok, error));
    EXPECT_TRUE(ok.empty());

    const std::string log = dir.File("log.csv");
    FleetLogEntry entry{"t", "boat, one", "235012345", "", "OK", "0x00000001", ""};
    ASSERT_TRUE(AppendFleetLog(log, entry, error));
    entry.unit = "two";
    entry.result = "FAILED";
    ASSERT_TRUE(AppendFleetLog(log, entry, error));
    ASSERT_TRUE(ReadFleetLogOk(log, ok, error)) << error;
    ASSERT_EQ(ok.size(), 1u);
    EXPECT_EQ(ok.begin()->first, "boat, one");
    EXPECT_EQ(ok.begin()->second.checksum, "0x00000001");
    auto bytes = test::ReadAll(log);
    EXPECT_EQ(std::string(bytes.begin(), bytes.end()),
              "time,unit,mmsi,atis,result,checksum,backup,digest\n"
              "t,\"boat, one\",235012345,,OK,0x00000001,,\n"
              "t,two,235012345,,FAILED,0x00000001,,\n");

    const std::string other = dir.File("other.csv");
    test::WriteAll(other, "unit,mmsi\nA,1\n", 14);
    EXPECT_FALSE(ReadFleetLogOk(other, ok, error));
    EXPECT_NE(error.find("not a fleet log"), std::string::npos);
    EXPECT_FALSE(ReadFleetLogOk(dir.Path(), ok, error));
}

}  // namespace
}  // namespace qx
