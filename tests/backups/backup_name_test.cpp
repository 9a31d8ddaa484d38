// Backup names: a suffix for the second backup of a second, and never one backup replacing
// another, even when many are saved at once.
#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <thread>

#include "backups/backup_name.h"
#include "support/temp_dir.h"

namespace qx {
namespace {

namespace fs = std::filesystem;

LocalTime Noon() { return LocalTime{2026, 12, 7, 12, 4, 5, 0}; }

std::vector<uint8_t> Content(const std::string& text) { return {text.begin(), text.end()}; }

std::string Read(const std::string& path)
{
    std::vector<char> bytes = test::ReadAll(path);
    return {bytes.begin(), bytes.end()};
}

TEST(SaveBackupFile, AddsASuffixInsteadOfReplacing)
{
    test::TempDir dir;
    EXPECT_EQ(BackupPath(dir.Path(), "boat", Noon(), 1), dir.File("boat-20261207-120405.bin"));
    EXPECT_EQ(BackupPath(dir.Path(), "boat", Noon(), 12), dir.File("boat-20261207-120405-12.bin"));

    std::string first, second, third;
    ASSERT_EQ(SaveBackupFile(dir.Path(), "boat", Noon(), Content("one"), first), kResultOk);
    EXPECT_EQ(first, dir.File("boat-20261207-120405.bin"));
    // A dangling link is a name in use too: nothing is ever written through it.
    fs::create_symlink("elsewhere.bin", dir.File("boat-20261207-120405-2.bin"));
    ASSERT_EQ(SaveBackupFile(dir.Path(), "boat", Noon(), Content("two"), second), kResultOk);
    EXPECT_EQ(second, dir.File("boat-20261207-120405-3.bin"));
    ASSERT_EQ(SaveBackupFile(dir.Path(), "boat", Noon(), Content("three"), third), kResultOk);
    EXPECT_EQ(third, dir.File("boat-20261207-120405-4.bin"));

    EXPECT_EQ(Read(first), "one");
    EXPECT_EQ(Read(second), "two");
    EXPECT_FALSE(fs::exists(dir.File("elsewhere.bin")));
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.Root()), fs::directory_iterator()), 4);
}

TEST(SaveBackupFile, ManyWritersInOneSecondEachKeepTheirOwn)
{
    // As many processes writing at once would: each must get a name of its own, holding its data.
    test::TempDir dir;
    constexpr int kWriters = 8, kEach = 12;
    std::vector<std::string> paths(kWriters * kEach);
    std::vector<CloneResult> results(paths.size(), kResultWriteFileError);
    std::vector<std::thread> writers;
    for (int w = 0; w < kWriters; ++w)
        writers.emplace_back([&, w] {
            for (int i = 0; i < kEach; ++i) {
                const int k = w * kEach + i;
                results[k] = SaveBackupFile(dir.Path(), "boat", Noon(), Content("backup " + std::to_string(k)),
                                            paths[k]);
            }
        });
    for (std::thread& t : writers) t.join();

    std::set<std::string> distinct;
    for (std::size_t k = 0; k < paths.size(); ++k) {
        ASSERT_EQ(results[k], kResultOk) << k;
        EXPECT_EQ(Read(paths[k]), "backup " + std::to_string(k)) << paths[k];
        distinct.insert(paths[k]);
    }
    EXPECT_EQ(distinct.size(), paths.size());
    // No temporary file is left behind.
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.Root()), fs::directory_iterator()),
              static_cast<std::ptrdiff_t>(paths.size()));
}

TEST(SaveBackupFile, AFolderThatTakesNoFileGivesTheReason)
{
    test::TempDir dir;
    std::string path;
    SaveDetail detail;
    EXPECT_EQ(SaveBackupFile(dir.File("missing"), "boat", Noon(), Content("x"), path, &detail), kResultWriteFileError);
    EXPECT_EQ(path, "");
    EXPECT_FALSE(detail.created);
    EXPECT_EQ(detail.reason, "No such file or directory");
}

}  // namespace
}  // namespace qx
