// qx720 mmsi, atis and fleet end to end, and the identity warnings of show and write. Each
// test runs the built tool in a scratch folder of its own.
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>

#include "../support/temp_dir.h"
#include "backups/backup_store.h"
#include "files/atomic_file.h"
#include "model/identity.h"
#include "model/radio_image.h"
#include "model/radio_settings.h"

namespace qx {
namespace {

namespace fs = std::filesystem;

struct ToolOutput {
    int status = -1;
    std::string out, err;
};

std::string Quoted(const std::string& text)
{
    std::string quoted = "'";
    for (char c : text) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

class IdentityFleet : public ::testing::Test {
protected:
    ToolOutput Qx(const std::string& args)
    {
        // Backups before a write (and the radios' locks) go into the scratch folder, never the user's.
        const std::string command = "cd " + Quoted(dir.Path()) + " && XDG_DATA_HOME=" + Quoted(dir.File("data")) +
                                    " XDG_RUNTIME_DIR=" + Quoted(dir.Path()) + " " + Quoted(QX720_PATH) + " " + args +
                                    " >.stdout 2>.stderr </dev/null";
        ToolOutput run;
        const int raw = std::system(command.c_str());
        run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
        run.out = Text(".stdout");
        run.err = Text(".stderr");
        return run;
    }
    std::string Text(const std::string& name) const
    {
        std::vector<char> bytes = test::ReadAll(dir.File(name));
        return std::string(bytes.begin(), bytes.end());
    }
    void Put(const std::string& name, const std::string& text) const
    {
        test::WriteAll(dir.File(name), text.data(), text.size());
    }
    // The MMSI a virtual radio's EEPROM file holds; "" when absent.
    std::string RadioMmsi(const std::string& name) const
    {
        std::vector<char> e = test::ReadAll(dir.File(name));
        if (e.size() != static_cast<std::size_t>(kEepromSize) || e[kAddrMmsiPresent] == 0) return "";
        IdentityBytes bytes;
        std::copy(e.begin() + kAddrMmsi, e.begin() + kAddrMmsi + 5, bytes.begin());
        return UnpackMmsi(bytes);
    }
    std::string FleetRadio() const { return "--radio " + Quoted("virtual:" + dir.File("radio-{unit}.bin") + ",fast"); }

    test::TempDir dir;
};

TEST_F(IdentityFleet, MmsiCommandExitsByWhatTheNumberIs)
{
    ToolOutput ship = Qx("mmsi 235012345");
    EXPECT_EQ(ship.status, 0);
    EXPECT_EQ(ship.out, "235012345: ship station, MID 235, United Kingdom of Great Britain and Northern Ireland\n");

    ToolOutput unallocated = Qx("mmsi 200012345");
    EXPECT_EQ(unallocated.status, 1);
    EXPECT_EQ(unallocated.out,
              "200012345: ship station, MID 200 (not allocated)\n"
              "warning: MID 200 is not allocated to any country\n");

    ToolOutput handheld = Qx("mmsi 801234567");
    EXPECT_EQ(handheld.out,
              "801234567: handheld VHF with DSC, MID 012 (not allocated)\n"
              "warning: MID 012 is not allocated to any country\n");

    ToolOutput coast = Qx("mmsi 002351234 --json");
    EXPECT_EQ(coast.status, 2);
    nlohmann::json json = nlohmann::json::parse(coast.out);
    EXPECT_EQ(json["mmsi"], "002351234");
    EXPECT_EQ(json["kind"], "coast");
    EXPECT_EQ(json["mid"], 235);
    EXPECT_EQ(json["allocated"], true);
    EXPECT_EQ(json["radioAccepts"], false);
    EXPECT_EQ(json["warnings"].size(), 2u);

    ToolOutput sart = Qx("mmsi 970123456 --json");
    EXPECT_EQ(sart.status, 1);
    json = nlohmann::json::parse(sart.out);
    EXPECT_EQ(json["kind"], "sart");
    EXPECT_TRUE(json["mid"].is_null());
    EXPECT_TRUE(json["administration"].is_null());
}

TEST_F(IdentityFleet, AtisCommandTakesTenOrNineDigits)
{
    ToolOutput ten = Qx("atis 9235012345");
    EXPECT_EQ(ten.status, 0);
    EXPECT_EQ(ten.out, "9235012345: ATIS ID, MID 235, United Kingdom of Great Britain and Northern Ireland\n");
    ToolOutput bad = Qx("atis 8235012345 --json");
    EXPECT_EQ(bad.status, 2);
    nlohmann::json json = nlohmann::json::parse(bad.out);
    EXPECT_TRUE(json["atis"].is_null());
    EXPECT_TRUE(json["mid"].is_null());
    EXPECT_EQ(json["radioAccepts"], false);
}

TEST_F(IdentityFleet, ShowAndWriteWarnButNeverRefuse)
{
    ASSERT_EQ(Qx("defaults -o t.dat --model eur-int").status, 0);
    RadioSettings record{};
    std::vector<char> bytes = test::ReadAll(dir.File("t.dat"));
    ASSERT_EQ(bytes.size(), sizeof record);
    std::memcpy(&record, bytes.data(), sizeof record);
    record.mmsiByUser = 0;
    SetMmsiText(record, "111235001");
    record.atisByUser = 0;
    SetAtisText(record, "200012345");
    test::WriteAll(dir.File("odd.dat"), &record, sizeof record);

    const std::string warnings =
        "warning: MMSI 111235001: the number of a search-and-rescue aircraft, not of a ship's radio\n"
        "warning: ATIS ID 9200012345: MID 200 is not allocated to any country\n";
    ToolOutput show = Qx("show odd.dat");
    EXPECT_EQ(show.status, 0);
    EXPECT_EQ(show.err, warnings);
    ToolOutput json = Qx("show odd.dat --json");
    EXPECT_EQ(json.status, 0);
    EXPECT_EQ(json.err, warnings);
    nlohmann::json parsed;
    EXPECT_NO_THROW(parsed = nlohmann::json::parse(json.out));
    EXPECT_EQ(parsed["mmsiText"], "111235001");

    ToolOutput write = Qx("--radio " + Quoted("virtual:" + dir.File("radio.bin") + ",fast") +
                          " write odd.dat --no-backup");
    EXPECT_EQ(write.status, 0) << write.err;
    EXPECT_EQ(write.out, "Write OK.\n");
    EXPECT_EQ(write.err, warnings);
    EXPECT_EQ(RadioMmsi("radio.bin"), "111235001");
}

TEST_F(IdentityFleet, FleetOfThreeGetsTheirOwnMmsisAndThreeLogLines)
{
    ASSERT_EQ(Qx("defaults -o t.dat --model eur-int --set uk").status, 0);
    Put("units.csv", "Unit,MMSI,ATIS\r\nA,235000001,9235000001\r\nB,235000002,\r\nC,235000003,235000003\r\n");

    ToolOutput run = Qx(FleetRadio() + " fleet t.dat units.csv --yes");
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "A: OK\nB: OK\nC: OK\n3 ok, 0 failed, 0 refused, 0 skipped\n");
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(RadioMmsi("radio-A.bin"), "235000001");
    EXPECT_EQ(RadioMmsi("radio-B.bin"), "235000002");
    EXPECT_EQ(RadioMmsi("radio-C.bin"), "235000003");

    const std::string log = Text("fleet-log.csv");
    EXPECT_EQ(log.substr(0, log.find('\n')), "time,unit,mmsi,atis,result,checksum,backup,digest");
    EXPECT_EQ(std::count(log.begin(), log.end(), '\n'), 4);
    EXPECT_NE(log.find(",A,235000001,9235000001,OK,0x"), std::string::npos) << log;
    EXPECT_NE(log.find(",C,235000003,9235000003,OK,0x"), std::string::npos) << log;
    int backups = 0;
    for (const auto& entry : fs::directory_iterator(dir.File("fleet-backups"))) {
        EXPECT_EQ(entry.file_size(), static_cast<uintmax_t>(kCloneRangeBackupBytes));
        ++backups;
    }
    EXPECT_EQ(backups, 3);
}

TEST_F(IdentityFleet, FleetWithProblemsTouchesNothing)
{
    ASSERT_EQ(Qx("defaults -o t.dat").status, 0);
    Put("units.csv", "unit,mmsi\nA,235000001\nB,235000001\nC,035000003\n");
    Put("bad.dat", "not a record");

    ToolOutput run = Qx(FleetRadio() + " fleet bad.dat units.csv --yes");
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err,
              "line 3: MMSI 235000001 is already given to the unit on line 2\n"
              "line 4: MMSI 035000003: it starts with 0, which the radio does not take\n"
              "bad.dat: not a clone file (the clone file check refuses it)\n"
              "Nothing was touched.\n");
    for (const char* name : {"radio-A.bin", "radio-B.bin", "fleet-log.csv", "fleet-backups"})
        EXPECT_FALSE(fs::exists(dir.File(name))) << name;

    // Without --yes, an empty terminal answers nothing: the run stops before the first unit.
    Put("good.csv", "unit,mmsi\nA,235000001\n");
    ToolOutput asked = Qx(FleetRadio() + " fleet t.dat good.csv");
    EXPECT_EQ(asked.status, 1);
    EXPECT_EQ(asked.out, "0 ok, 0 failed, 0 refused, 0 skipped, 1 not reached\n");
    EXPECT_FALSE(fs::exists(dir.File("radio-A.bin")));
}

TEST_F(IdentityFleet, RadioWithAnotherMmsiIsRefusedThenForcedOnResume)
{
    ASSERT_EQ(Qx("defaults -o t.dat").status, 0);
    std::string held(kEepromSize, '\0');
    held[kAddrMmsiPresent] = 1;
    IdentityBytes packed = *PackMmsi("366123456");
    std::copy(packed.begin(), packed.end(), held.begin() + kAddrMmsi);
    Put("radio-B.bin", held);
    Put("units.csv", "unit,mmsi\nA,235000001\nB,235000002\n");

    ToolOutput first = Qx(FleetRadio() + " fleet t.dat units.csv --yes --log run.csv --backup saved");
    EXPECT_EQ(first.status, 1) << first.err;
    EXPECT_EQ(first.out,
              "A: OK\nB: REFUSED the radio holds MMSI 366123456 (--force writes over it)\n"
              "1 ok, 0 failed, 1 refused, 0 skipped\n");
    EXPECT_EQ(Text("radio-B.bin"), held);
    EXPECT_EQ(RadioMmsi("radio-A.bin"), "235000001");

    // The same command with --force: A is in the log as OK and stays untouched.
    fs::remove(dir.File("radio-A.bin"));
    ToolOutput second = Qx(FleetRadio() + " fleet t.dat units.csv --yes --log run.csv --backup saved --force");
    EXPECT_EQ(second.status, 0) << second.err;
    EXPECT_EQ(second.out, "A: OK (already in the log)\nB: OK\n2 ok, 0 failed, 0 refused, 0 skipped\n");
    EXPECT_FALSE(fs::exists(dir.File("radio-A.bin")));
    EXPECT_EQ(RadioMmsi("radio-B.bin"), "235000002");
    const std::string log = Text("run.csv");
    EXPECT_EQ(std::count(log.begin(), log.end(), '\n'), 4);
    EXPECT_NE(log.find(",B,,,REFUSED,,,\n"), std::string::npos) << log;  // left alone: no backup
}

}  // namespace
}  // namespace qx
