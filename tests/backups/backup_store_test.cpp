// The backups folder, a backup of a virtual radio, and the list of backups.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cstring>
#include <filesystem>

#include "backups/backup_store.h"
#include "clone/clone_fixture.h"
#include "files/atomic_file.h"
#include "model/identity.h"
#include "model/radio_image.h"
#include "support/temp_dir.h"

namespace qx {
namespace {

namespace fs = std::filesystem;

// The suites' EEPROMs are filled with 0xA5 around the MMSI.
EepromBytes HoldingMmsi(const std::string& mmsi) { return testing::HoldingMmsi(mmsi, 0xA5); }

TEST(BackupFolder, FollowsTheDataHomeOrTheHomeFolder)
{
    EXPECT_EQ(DefaultBackupFolder("/data", "/home/u"), "/data/qx720/backups");
    EXPECT_EQ(DefaultBackupFolder(nullptr, "/home/u"), "/home/u/.local/share/qx720/backups");
    // Empty and relative values count as unset.
    EXPECT_EQ(DefaultBackupFolder("", "/home/u"), "/home/u/.local/share/qx720/backups");
    EXPECT_EQ(DefaultBackupFolder("data", "/home/u"), "/home/u/.local/share/qx720/backups");
    EXPECT_EQ(DefaultBackupFolder(nullptr, nullptr), "");
    EXPECT_EQ(DefaultBackupFolder("", ""), "");
}

TEST(BackupFolder, IsCreatedOnFirstUsePrivateToTheUser)
{
    test::TempDir dir;
    fs::permissions(dir.Path(), fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec);
    const std::string folder = dir.File("share/qx720/backups");
    std::string error;
    ASSERT_TRUE(MakeBackupFolder(folder, error)) << error;
    EXPECT_TRUE(MakeBackupFolder(folder, error)) << "an existing folder is fine";
    for (const char* made : {"share", "share/qx720", "share/qx720/backups"})
        EXPECT_EQ(fs::status(dir.File(made)).permissions(), fs::perms::owner_all) << made;
    EXPECT_NE(fs::status(dir.Path()).permissions(), fs::perms::owner_all) << "folders that were there stay as they are";

    test::WriteAll(dir.File("file"), "x", 1);
    EXPECT_FALSE(MakeBackupFolder(dir.File("file"), error));
    EXPECT_EQ(error, dir.File("file") + " is not a folder");
    EXPECT_FALSE(MakeBackupFolder(dir.File("file/backups"), error));
    EXPECT_NE(error.find("cannot create the folder " + dir.File("file/backups")), std::string::npos) << error;
}

TEST(ListBackups, NewestFirstWithTheMmsiOfEachDump)
{
    test::TempDir dir;
    EXPECT_TRUE(ListBackups(dir.File("missing")).empty());

    const EepromBytes withMmsi = HoldingMmsi("235012345");
    EepromBytes without = withMmsi;
    without[kAddrMmsiPresent] = 0;
    EepromBytes erased;
    erased.fill(0xFF);
    auto put = [&](const std::string& name, const void* data, std::size_t size) {
        test::WriteAll(dir.File(name), data, size);
    };
    put("qx720-backup-20261207-090501.bin", withMmsi.data(), withMmsi.size());
    put("qx720-backup-20261207-090501-2.bin", without.data(), without.size());
    put("qx720-backup-20261207-090501-10.bin", erased.data(), erased.size());
    put("qx720-backup-20261130-235959.bin", withMmsi.data(), 100);  // short: no MMSI to find
    put("qx720-backup-20261208-000000.bin", withMmsi.data(), withMmsi.size());
    // Names of no real date and time.
    for (const char* name :
         {"qx720-backup-20261308-000000.bin", "qx720-backup-20260230-000000.bin", "qx720-backup-20261200-000000.bin",
          "qx720-backup-20261208-250000.bin", "qx720-backup-20261208-006100.bin", "qx720-backup-00001208-000000.bin"})
        put(name, withMmsi.data(), withMmsi.size());
    put("qx720-backup-20240229-235960.bin", withMmsi.data(), withMmsi.size());  // a leap day and second
    put("boat-20261209-000000.bin", withMmsi.data(), withMmsi.size());
    put("notes.txt", "x", 1);
    fs::create_directory(dir.File("qx720-backup-20261210-000000.bin"));

    const std::vector<BackupEntry> list = ListBackups(dir.Path());
    std::vector<std::string> seen;
    for (const BackupEntry& b : list)
        seen.push_back(fs::path(b.path).filename().string() + " " + (b.mmsi.empty() ? "-" : b.mmsi) + " " +
                       std::to_string(b.size));
    EXPECT_EQ(seen, (std::vector<std::string>{
                        "qx720-backup-20261208-000000.bin 235012345 8192",
                        "qx720-backup-20261207-090501-10.bin - 8192",
                        "qx720-backup-20261207-090501-2.bin - 8192",
                        "qx720-backup-20261207-090501.bin 235012345 8192",
                        "qx720-backup-20261130-235959.bin - 100",
                        "qx720-backup-20240229-235960.bin 235012345 8192",
                    }));
    EXPECT_EQ(BackupTimeText(list[0].time), "2026-12-08 00:00:00");
}

TEST(LoadBackupSettings, DecodesTheDumpAsTheListFindsItsMmsi)
{
    test::TempDir dir;
    // A dump whose tail past the clone range is not zero, as a real radio's is not.
    EepromBytes dump = HoldingMmsi("235012345");
    RadioImage image{};
    std::copy(dump.begin(), dump.end(), image.begin());
    RadioSettings expected;
    ResetSettings(expected, 0);
    DecodeSettings(image, 1, expected);
    std::vector<uint8_t> longer(dump.begin(), dump.end());
    longer.resize(kEepromSize + 40, 0x77);  // a longer file: its first 8192 bytes count
    const std::string path = dir.File("qx720-backup-20261207-090503.bin");
    test::WriteAll(path, longer.data(), longer.size());

    RadioSettings record;
    ResetSettings(record, 0);
    std::string problem;
    ASSERT_TRUE(LoadBackupSettings(path, record, problem)) << problem;
    EXPECT_TRUE(problem.empty());
    EXPECT_EQ(MmsiText(record), "235012345");
    EXPECT_EQ(MmsiText(record), ListBackups(dir.Path()).at(0).mmsi);
    EXPECT_EQ(std::memcmp(&record, &expected, sizeof record), 0);
}

TEST(LoadBackupSettings, RefusesAShortOrUnreadableFileAndKeepsTheRecord)
{
    test::TempDir dir;
    const EepromBytes dump = HoldingMmsi("235012345");
    const std::string shortFile = dir.File("short.bin");
    test::WriteAll(shortFile, dump.data(), kEepromSize - 1);

    RadioSettings record;
    ResetSettings(record, 0);
    const RadioSettings before = record;
    std::string problem;
    EXPECT_FALSE(LoadBackupSettings(shortFile, record, problem));
    EXPECT_EQ(problem,
              shortFile +
                  " is not a backup: it holds 8191 bytes, neither a whole EEPROM (8192) nor the clone range a write "
                  "backs up (1536)");
    EXPECT_FALSE(LoadBackupSettings(dir.File("missing.bin"), record, problem));
    EXPECT_EQ(problem, "cannot read the backup " + dir.File("missing.bin"));
    EXPECT_EQ(std::memcmp(&record, &before, sizeof record), 0);

    std::vector<uint8_t> bytes;
    EXPECT_FALSE(LoadBackupDump(shortFile, bytes, problem));
    EXPECT_TRUE(bytes.empty());
}

}  // namespace
}  // namespace qx
