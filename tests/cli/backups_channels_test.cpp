// qx720 write's backup, qx720 backups and qx720 channels end to end, against virtual radios.
#include <nlohmann/json.hpp>

#include <cstdlib>
#include <random>
#include <regex>

#include "channels/channel_csv.h"
#include "cli_harness.h"
#include "model/identity.h"
#include "model/radio_image.h"

namespace qx::clitest {
namespace {

namespace fs = std::filesystem;

// Random EEPROM contents that hold an MMSI where the clone range keeps it.
std::vector<uint8_t> EepromWithMmsi(const std::string& mmsi, unsigned seed)
{
    std::mt19937 gen(seed);
    std::vector<uint8_t> bytes(kEepromSize);
    for (auto& b : bytes) b = static_cast<uint8_t>(gen());
    bytes[kAddrMmsiPresent] = 1;
    const IdentityBytes packed = *PackMmsi(mmsi);
    std::copy(packed.begin(), packed.end(), bytes.begin() + kAddrMmsi);
    return bytes;
}

class Backups : public CliTest {
protected:
    std::vector<fs::path> BackupFiles(const std::string& folder) const
    {
        std::vector<fs::path> files;
        std::error_code ec;
        for (const auto& entry : fs::directory_iterator(Path(folder), ec)) files.push_back(entry.path());
        return files;
    }
};

TEST_F(Backups, WriteKeepsExactlyOneBackupOfThePreviousEepromAndListsIt)
{
    const std::vector<uint8_t> before = EepromWithMmsi("235012345", 7);
    Put("radio.bin", before);
    ASSERT_EQ(Qx("defaults -o us.dat").status, 0);
    ToolRun empty = Qx("backups");
    EXPECT_EQ(empty.status, 0);
    EXPECT_EQ(empty.out, "");
    EXPECT_EQ(empty.err, "No backups in " + Path("data/qx720/backups") + "\n");

    ToolRun write = Qx(Radio() + " write us.dat --force");  // the defaults clear the radio's MMSI
    ASSERT_EQ(write.status, 0) << write.all();
    const std::vector<fs::path> files = BackupFiles("data/qx720/backups");
    ASSERT_EQ(files.size(), 1u);
    const std::string path = files[0].string();
    EXPECT_TRUE(std::regex_match(files[0].filename().string(), std::regex("qx720-backup-\\d{8}-\\d{6}\\.bin")));
    // Exactly what the write replaced: the clone range.
    EXPECT_EQ(Bytes("data/qx720/backups/" + files[0].filename().string()),
              std::vector<uint8_t>(before.begin() + 0x100, before.begin() + 0x700));
    EXPECT_NE(Bytes("radio.bin"), before);
    EXPECT_EQ(write.out, "Backup " + path + "\nWrite OK.\n");

    ToolRun list = Qx("backups");
    EXPECT_EQ(list.status, 0);
    EXPECT_TRUE(std::regex_match(
        list.out, std::regex("\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d  235012345    1536  clone range   " +
                             std::regex_replace(path, std::regex("[.^$|()\\[\\]{}*+?\\\\]"), "\\$&") + "\n")))
        << list.out;
    ToolRun json = Qx("backups --json");
    const nlohmann::json parsed = nlohmann::json::parse(json.out);
    ASSERT_EQ(parsed.size(), 1u);
    EXPECT_EQ(parsed[0]["mmsi"], "235012345");
    EXPECT_EQ(parsed[0]["size"], 1536);
    EXPECT_EQ(parsed[0]["kind"], "clone range");
    EXPECT_EQ(parsed[0]["path"], path);
    EXPECT_TRUE(std::regex_match(parsed[0]["time"].get<std::string>(),
                                 std::regex("\\d{4}-\\d\\d-\\d\\dT\\d\\d:\\d\\d:\\d\\d")));

    // Not --backup DIR and --no-backup together; and a write without a backup.
    ToolRun both = Qx(Radio() + " write us.dat --no-backup --backup data");
    EXPECT_EQ(both.status, 2);
    EXPECT_EQ(both.err, "qx720: --backup and --no-backup exclude each other\n");
    const std::vector<uint8_t> written = Bytes("radio.bin");
    Put("radio.bin", before);
    ToolRun skipped = Qx(Radio() + " write us.dat --no-backup --force");
    EXPECT_EQ(skipped.status, 0) << skipped.all();
    EXPECT_EQ(skipped.out, "Write OK.\n");
    EXPECT_EQ(Bytes("radio.bin"), written);
    EXPECT_EQ(BackupFiles("data/qx720/backups").size(), 1u);
}

TEST_F(Backups, AFolderNamedForTheListMustBeThere)
{
    ToolRun missing = Qx("backups --backup nosuchdir");
    EXPECT_EQ(missing.status, 2);
    EXPECT_EQ(missing.err, "--backup nosuchdir: no such folder\n");
    for (const char* command : {"backups --backup ''", "write us.dat --backup ''"}) {
        ToolRun empty = Qx(command);
        EXPECT_EQ(empty.status, 2) << command;
        EXPECT_EQ(empty.err.rfind("qx720: --backup: an empty name names nothing\n", 0), 0u) << empty.err;
    }
    // Only whole dumps and clone ranges with a real date and time are backups.
    fs::create_directory(Path("kept"));
    Put("kept/qx720-backup-20261207-090501.bin", std::vector<uint8_t>(100));
    Put("kept/qx720-backup-20261207-090502.bin", std::vector<uint8_t>(1537));
    Put("kept/qx720-backup-20261399-990000.bin", std::vector<uint8_t>(kEepromSize));
    ToolRun none = Qx("backups --backup kept");
    EXPECT_EQ(none.status, 0);
    EXPECT_EQ(none.out, "");
    EXPECT_EQ(none.err, "No backups in kept\n");
    Put("kept/qx720-backup-20261207-090503.bin", std::vector<uint8_t>(kEepromSize));
    Put("kept/qx720-backup-20261207-090504.bin", std::vector<uint8_t>(1536));
    EXPECT_EQ(Qx("backups --backup kept").out,
              "2026-12-07 09:05:04  -            1536  clone range   kept/qx720-backup-20261207-090504.bin\n"
              "2026-12-07 09:05:03  -            8192  whole EEPROM  kept/qx720-backup-20261207-090503.bin\n");
}

TEST_F(Backups, AWriteThatWouldReplaceTheRadiosIdentityIsRefusedUnlessForced)
{
    const std::vector<uint8_t> before = EepromWithMmsi("257012345", 7);
    Put("radio.bin", before);
    ASSERT_EQ(Qx("defaults -o us.dat").status, 0);  // holds no MMSI: the write would clear it
    for (const std::string backup : {"", " --no-backup"}) {
        SCOPED_TRACE(backup);
        ToolRun refused = Qx(Radio() + " write us.dat" + backup);
        EXPECT_EQ(refused.status, 1);
        EXPECT_NE(refused.err.find("the radio holds MMSI 257012345 (Norway) and this write would give it no MMSI"),
                  std::string::npos)
            << refused.err;
        EXPECT_NE(refused.err.find("--force"), std::string::npos);
        EXPECT_EQ(refused.out.find("Write OK."), std::string::npos);
        EXPECT_EQ(Bytes("radio.bin"), before);
    }
    ToolRun forced = Qx(Radio() + " write us.dat --no-backup --force");
    EXPECT_EQ(forced.status, 0) << forced.all();
    EXPECT_NE(Bytes("radio.bin"), before);
    // A radio without an identity is written without a word.
    ToolRun again = Qx(Radio() + " write us.dat --no-backup");
    EXPECT_EQ(again.status, 0) << again.all();
}

TEST_F(Backups, WithoutAnyFolderForTheBackupTheRadioIsLeftAlone)
{
    const char* home = std::getenv("HOME");
    const std::string savedHome = home != nullptr ? home : "";
    ::unsetenv("XDG_DATA_HOME");
    ::unsetenv("HOME");
    Put("radio.bin", std::vector<uint8_t>(8192, 0x33));
    ASSERT_EQ(Qx("defaults -o us.dat").status, 0);
    ToolRun write = Qx(Radio() + " write us.dat");
    if (home != nullptr) ::setenv("HOME", savedHome.c_str(), 1);
    EXPECT_EQ(write.status, 2);
    EXPECT_NE(write.err.find("--backup DIR"), std::string::npos) << write.err;
    EXPECT_EQ(Bytes("radio.bin"), std::vector<uint8_t>(8192, 0x33));
}

TEST_F(Backups, NothingIsWrittenWhenTheBackupFails)
{
    const std::vector<uint8_t> before = EepromWithMmsi("235012345", 8);
    Put("radio.bin", before);
    ASSERT_EQ(Qx("defaults -o us.dat").status, 0);

    // The radio goes away during the backup.
    ToolRun lost = Qx(Radio("unplug-after=50") + " write us.dat");
    EXPECT_EQ(lost.status, 1);
    EXPECT_EQ(lost.err, "Radio is not detected!\nNothing was written to the radio.\n");
    EXPECT_EQ(lost.out, "");
    EXPECT_EQ(Bytes("radio.bin"), before);
    EXPECT_TRUE(BackupFiles("data/qx720/backups").empty());

    // The folder cannot be made (a file stands where a folder must be).
    Put("file", {1});
    ::setenv("XDG_DATA_HOME", Path("file").c_str(), 1);
    ToolRun noFolder = Qx(Radio() + " write us.dat --force");
    EXPECT_EQ(noFolder.status, 1);
    EXPECT_EQ(noFolder.err.rfind("cannot create the folder " + Path("file/qx720") + ": ", 0), 0u) << noFolder.err;
    EXPECT_EQ(noFolder.err.find("Open File Error."), std::string::npos) << noFolder.err;
    EXPECT_NE(noFolder.err.find("Nothing was written to the radio.\n"), std::string::npos);
    EXPECT_EQ(Bytes("radio.bin"), before);
}

using Channels = CliTest;

TEST_F(Channels, ExportThenImportChangesNothingAndFillsAnEmptyRecord)
{
    ASSERT_EQ(Qx("defaults -o all.dat --model eur-int --set all").status, 0);
    ASSERT_EQ(Qx("defaults -o none.dat --model eur-int --set none").status, 0);
    const std::vector<uint8_t> all = Bytes("all.dat"), none = Bytes("none.dat");

    ToolRun shown = Qx("channels export all.dat");
    ASSERT_EQ(shown.status, 0) << shown.err;
    EXPECT_EQ(shown.out.substr(0, 70), "Name,Usage,TX MHz,RX MHz,1W,RxOnly,1WATIS,RxATIS,PTTHI,Usage text\r\n31,");
    ToolRun saved = Qx("channels export all.dat -o c.csv");
    EXPECT_EQ(saved.out, "Exported 28 private channels to c.csv\n");
    EXPECT_EQ(Text("c.csv"), shown.out);

    ToolRun same = Qx("channels import all.dat c.csv");
    EXPECT_EQ(same.status, 0) << same.err;
    EXPECT_EQ(same.out, "Imported 28 private channels into all.dat\n");
    EXPECT_EQ(Bytes("all.dat"), all);

    ToolRun filled = Qx("channels import none.dat c.csv -o filled.dat");
    EXPECT_EQ(filled.status, 0) << filled.err;
    EXPECT_EQ(Bytes("none.dat"), none);
    ToolRun diff = Qx("diff all.dat filled.dat");
    EXPECT_EQ(diff.status, 0) << diff.out;
}

TEST_F(Channels, RefusalsExitTwoAndWriteNothing)
{
    ASSERT_EQ(Qx("defaults -o eu.dat --model eur-int --set uk").status, 0);
    ASSERT_EQ(Qx("defaults -o us.dat").status, 0);
    const std::vector<uint8_t> eu = Bytes("eu.dat");
    Put("bad.csv", [] {
        std::string text = "Name,Usage,TX MHz\nL1,PLEASURE,156.8\nX1,PLEASURE,156.8\nL2,SAILING,180\n";
        return std::vector<uint8_t>(text.begin(), text.end());
    }());

    ToolRun bad = Qx("channels import eu.dat bad.csv -o out.dat");
    EXPECT_EQ(bad.status, 2);
    EXPECT_EQ(bad.out, "");
    EXPECT_EQ(bad.err.substr(0, bad.err.find('\n')),
              "line 3: Name \"X1\" is not one of 0123456789ACFLM followed by a digit");
    EXPECT_NE(bad.err.find("\nline 4: Usage \"SAILING\""), std::string::npos) << bad.err;
    EXPECT_NE(bad.err.find("\nline 4: TX MHz \"180\""), std::string::npos) << bad.err;
    EXPECT_EQ(bad.err.substr(bad.err.size() - 21), "Nothing was written.\n");
    EXPECT_FALSE(fs::exists(Path("out.dat")));
    EXPECT_EQ(Qx("channels import eu.dat bad.csv").status, 2);
    EXPECT_EQ(Bytes("eu.dat"), eu);

    for (const char* command : {"channels export us.dat", "channels import us.dat bad.csv"}) {
        ToolRun usa = Qx(command);
        EXPECT_EQ(usa.status, 2) << command;
        EXPECT_EQ(usa.err, "us.dat: a USA-model record has no private channels\n") << command;
    }
    EXPECT_EQ(Qx("channels import eu.dat missing.csv").err, "missing.csv: cannot open the file\n");
    EXPECT_EQ(Bytes("eu.dat"), eu);
}

TEST_F(Channels, AFileWithoutRowsNeverEmptiesTheRecordUnlessAskedTo)
{
    ASSERT_EQ(Qx("defaults -o eu.dat --model eur-int --set uk").status, 0);
    ASSERT_EQ(Qx("channels export eu.dat -o uk.csv").status, 0);
    const std::vector<uint8_t> eu = Bytes("eu.dat");
    auto put = [&](const std::string& name, std::string text) { Put(name, {text.begin(), text.end()}); };

    // Saved with CR alone at each line end: every row is still a row.
    std::string mac = Text("uk.csv");
    for (std::size_t at = mac.find("\r\n"); at != std::string::npos; at = mac.find("\r\n", at)) mac.erase(at + 1, 1);
    put("mac.csv", mac);
    ToolRun cr = Qx("channels import eu.dat mac.csv -o mac.dat");
    EXPECT_EQ(cr.status, 0) << cr.err;
    EXPECT_EQ(cr.out, "Imported 2 private channels into mac.dat\n");
    EXPECT_EQ(Bytes("mac.dat"), eu);

    // Two channels of one name: taken, as the radio takes them, with a warning naming both lines.
    put("twice.csv", "Name,Usage,TX MHz\r\nM1,distress,157.0\r\nM1,distress,157.1\r\n");
    ToolRun twice = Qx("channels import eu.dat twice.csv -o twice.dat");
    EXPECT_EQ(twice.status, 0) << twice.err;
    EXPECT_EQ(twice.err, "Warning: lines 2 and 3 both have the name \"M1\".\n");

    put("header.csv", "Name,Usage,TX MHz\r\n");
    ToolRun refused = Qx("channels import eu.dat header.csv");
    EXPECT_EQ(refused.status, 2);
    EXPECT_EQ(refused.out, "");
    EXPECT_EQ(refused.err,
              "line 1: no channel rows\n"
              "--allow-empty imports it, removing every private channel.\n"
              "Nothing was written.\n");
    EXPECT_EQ(Bytes("eu.dat"), eu);

    ToolRun emptied = Qx("channels import eu.dat header.csv --allow-empty");
    EXPECT_EQ(emptied.status, 0) << emptied.err;
    EXPECT_EQ(emptied.out, "Imported 0 private channels into eu.dat\n");
    EXPECT_EQ(PrivateListLength(Record("eu.dat")), 0);
}

}  // namespace
}  // namespace qx::clitest
