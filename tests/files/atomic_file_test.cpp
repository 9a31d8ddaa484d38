// The one atomic save and the file readers: what they do to the files around them.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "files/atomic_file.h"
#include "files/clone_file.h"
#include "operations/eeprom_operations.h"
#include "sim/virtual_radio.h"
#include "support/temp_dir.h"

namespace qx {
namespace {

namespace fs = std::filesystem;
using test::TempDir;

std::string Content(const std::string& path)
{
    std::vector<char> bytes = test::ReadAll(path);
    return std::string(bytes.begin(), bytes.end());
}

CloneResult Save(const std::string& path, const std::string& text)
{
    return SaveFileAtomically(path, text.data(), text.size());
}

unsigned ModeOf(const std::string& path)
{
    struct stat s {};
    EXPECT_EQ(::stat(path.c_str(), &s), 0);
    return s.st_mode & 07777;
}

// Only the named files are in the folder: no temporary file was left behind.
void ExpectOnly(const TempDir& dir, std::vector<std::string> names)
{
    std::vector<std::string> found;
    for (const auto& entry : fs::directory_iterator(dir.Path())) found.push_back(entry.path().filename().string());
    std::sort(found.begin(), found.end());
    std::sort(names.begin(), names.end());
    EXPECT_EQ(found, names);
}

TEST(AtomicSave, SavesThroughLinksAndKeepsThemLinks)
{
    TempDir dir;
    fs::create_directory(dir.File("real"));
    test::WriteAll(dir.File("real/file.dat"), "old", 3);
    fs::create_symlink("real/file.dat", dir.File("link.dat"));
    fs::create_symlink("link.dat", dir.File("chain.dat"));

    ASSERT_EQ(Save(dir.File("chain.dat"), "new"), kResultOk);
    EXPECT_TRUE(fs::is_symlink(dir.File("chain.dat")));
    EXPECT_TRUE(fs::is_symlink(dir.File("link.dat")));
    EXPECT_EQ(Content(dir.File("real/file.dat")), "new");

    // A dangling link names the file to create.
    fs::create_symlink("real/later.dat", dir.File("dangling.dat"));
    ASSERT_EQ(Save(dir.File("dangling.dat"), "made"), kResultOk);
    EXPECT_TRUE(fs::is_symlink(dir.File("dangling.dat")));
    EXPECT_EQ(Content(dir.File("real/later.dat")), "made");

    // Links that loop are refused, not followed for ever.
    fs::create_symlink("loopB", dir.File("loopA"));
    fs::create_symlink("loopA", dir.File("loopB"));
    EXPECT_EQ(Save(dir.File("loopA"), "x"), kResultWriteFileError);
    ExpectOnly(dir, {"real", "link.dat", "chain.dat", "dangling.dat", "loopA", "loopB"});
}

TEST(AtomicSave, KeepsTheReplacedFilesModeAndOwner)
{
    TempDir dir;
    const std::string path = dir.File("private.dat");
    test::WriteAll(path, "old", 3);
    ::chmod(path.c_str(), 0600);
    ASSERT_EQ(Save(path, "new"), kResultOk);
    EXPECT_EQ(ModeOf(path), 0600u);
    ::chmod(path.c_str(), 0664);
    ASSERT_EQ(Save(path, "newer"), kResultOk);
    EXPECT_EQ(ModeOf(path), 0664u);

    if (::geteuid() == 0) {
        ASSERT_EQ(::chown(path.c_str(), 1234, 5678), 0);
        ASSERT_EQ(Save(path, "as root"), kResultOk);
        struct stat s {};
        ASSERT_EQ(::stat(path.c_str(), &s), 0);
        EXPECT_EQ(s.st_uid, 1234u);
        EXPECT_EQ(s.st_gid, 5678u);
    }
    ExpectOnly(dir, {"private.dat"});
}

TEST(AtomicSave, RefusesWhatTheUserMayNotReplace)
{
    TempDir dir;
    const std::string readOnly = dir.File("ro.dat");
    test::WriteAll(readOnly, "keep", 4);
    ::chmod(readOnly.c_str(), 0444);
    // No write bit is read-only even for root.
    EXPECT_EQ(Save(readOnly, "lost"), kResultReadOnly);
    EXPECT_EQ(Content(readOnly), "keep");
    EXPECT_EQ(DescribeResult(kResultReadOnly), "File Read Only.");

    // Through a link too; and clone files report the same code.
    fs::create_symlink("ro.dat", dir.File("to-ro.dat"));
    EXPECT_EQ(Save(dir.File("to-ro.dat"), "lost"), kResultReadOnly);
    RadioSettings record;
    ResetSettings(record, 0);
    ModelConfig config{};
    config.modified = 1;
    EXPECT_EQ(WriteCloneFile(readOnly, record, config), kResultReadOnly);
    EXPECT_EQ(config.modified, 1);
    EXPECT_EQ(Content(readOnly), "keep");

    // A folder or a pipe is never replaced by a file.
    fs::create_directory(dir.File("folder"));
    EXPECT_EQ(Save(dir.File("folder"), "x"), kResultWriteFileError);
    ASSERT_EQ(::mkfifo(dir.File("pipe").c_str(), 0600), 0);
    EXPECT_EQ(Save(dir.File("pipe"), "x"), kResultWriteFileError);
    EXPECT_TRUE(fs::is_fifo(dir.File("pipe")));
    ExpectOnly(dir, {"ro.dat", "to-ro.dat", "folder", "pipe"});
}

TEST(AtomicSave, AFailedSyncKeepsTheOldFileAndLeavesNoTemporary)
{
    TempDir dir;
    const std::string path = dir.File("file.dat");
    test::WriteAll(path, "old", 3);
    SetSyncFaultHookForTesting([] { return false; });
    const CloneResult result = Save(path, "new");
    SetSyncFaultHookForTesting(nullptr);
    EXPECT_EQ(result, kResultWriteFileError);
    EXPECT_EQ(Content(path), "old");
    ExpectOnly(dir, {"file.dat"});
}

TEST(AtomicSave, NamesUpToTheLimitAreSavedAndLongerOnesGiveTheReason)
{
    TempDir dir;
    // The hidden temporary name is longer than the name it stands for; it must still fit.
    for (std::size_t length : {243u, 244u, 250u, 255u}) {
        const std::string path = dir.File(std::string(length - 4, 'n') + ".dat");
        EXPECT_EQ(Save(path, "data"), kResultOk) << length;
        EXPECT_EQ(Content(path), "data") << length;
        ASSERT_EQ(Save(path, "again"), kResultOk) << length;
        EXPECT_EQ(Content(path), "again") << length;
        fs::remove(path);
    }
    SaveDetail detail;
    EXPECT_EQ(SaveFileAtomically(dir.File(std::string(256, 'n')), "x", 1, &detail), kResultWriteFileError);
    EXPECT_FALSE(detail.created);
    EXPECT_EQ(detail.reason, "File name too long");
    ExpectOnly(dir, {});
}

TEST(AtomicSave, TellsAFullDiskFromAFileThatCannotBeMade)
{
    TempDir dir;
    SaveDetail detail;
    SetWriteFaultHookForTesting([](std::size_t) { return false; });
    EXPECT_EQ(SaveFileAtomically(dir.File("full.dat"), "x", 1, &detail), kResultWriteFileError);
    SetWriteFaultHookForTesting({});
    EXPECT_TRUE(detail.created);
    EXPECT_EQ(detail.reason, "No space left on device");

    EXPECT_EQ(SaveFileAtomically(dir.File("missing/x.dat"), "x", 1, &detail), kResultWriteFileError);
    EXPECT_FALSE(detail.created);
    EXPECT_EQ(detail.reason, "No such file or directory");
    ExpectOnly(dir, {});
}

TEST(SaveNewFile, NeverReplacesAnythingAndLeavesNoTemporary)
{
    TempDir dir;
    test::WriteAll(dir.File("a-1"), "old", 3);
    fs::create_directory(dir.File("a-2"));
    const auto name = [&](int n) { return dir.File("a-" + std::to_string(n)); };
    std::string saved;
    ASSERT_EQ(SaveNewFile(name, "new", 3, saved), kResultOk);
    EXPECT_EQ(saved, dir.File("a-3"));
    EXPECT_EQ(Content(dir.File("a-1")), "old");
    EXPECT_EQ(Content(saved), "new");
    ExpectOnly(dir, {"a-1", "a-2", "a-3"});
}

TEST(AtomicSave, LeavesOtherFilesWithSimilarNamesAlone)
{
    // Whatever a temporary name turns out to be, a file or link already there is not opened.
    TempDir dir;
    const std::string victim = dir.File("victim");
    test::WriteAll(victim, "safe", 4);
    for (const char* name : {".file.dat.tmp", "file.dat.tmp0.0", ".file.dat.XXXXXX"})
        fs::create_symlink(victim, dir.File(name));
    ASSERT_EQ(Save(dir.File("file.dat"), "data"), kResultOk);
    EXPECT_EQ(Content(victim), "safe");
    EXPECT_EQ(Content(dir.File("file.dat")), "data");
}

TEST(FileReaders, RefuseAnythingButRegularFilesAtOnce)
{
    TempDir dir;
    const std::string pipe = dir.File("pipe");
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    fs::create_symlink("pipe", dir.File("to-pipe"));
    fs::create_directory(dir.File("folder"));

    for (const std::string& path : {pipe, dir.File("to-pipe"), dir.File("folder")}) {
        SCOPED_TRACE(path);
        std::vector<uint8_t> bytes;
        EXPECT_FALSE(ReadFileBytes(path, bytes, 100));
        RadioSettings record;
        EXPECT_EQ(ReadCloneRecord(path, record), kResultOpenFileError);
        EXPECT_EQ(LoadEepromFile(path, bytes), kResultOpenFileError);
        VirtualRadio radio;
        EXPECT_EQ(radio.Load(path), kResultOpenFileError);
    }

    // A regular file behind a link reads as itself.
    test::WriteAll(dir.File("plain"), "abc", 3);
    fs::create_symlink("plain", dir.File("to-plain"));
    std::vector<uint8_t> bytes;
    ASSERT_TRUE(ReadFileBytes(dir.File("to-plain"), bytes, 100));
    EXPECT_EQ(bytes, (std::vector<uint8_t>{'a', 'b', 'c'}));
}

TEST(FileReaders, TakeMemoryForWhatTheFileHoldsNotForTheLimit)
{
    TempDir dir;
    test::WriteAll(dir.File("plain"), "abc", 3);
    std::vector<uint8_t> bytes;
    // A limit far beyond any memory: only the three bytes are ever held.
    ASSERT_TRUE(ReadFileBytes(dir.File("plain"), bytes, std::size_t{1} << 46));
    EXPECT_EQ(bytes, (std::vector<uint8_t>{'a', 'b', 'c'}));
    EXPECT_LT(bytes.capacity(), 1024u * 1024u);

    // Larger than one chunk, and cut at the limit.
    std::string big(200000, 'x');
    big[199999] = 'y';
    test::WriteAll(dir.File("big"), big.data(), big.size());
    ASSERT_TRUE(ReadFileBytes(dir.File("big"), bytes, 1 << 20));
    EXPECT_EQ(std::string(bytes.begin(), bytes.end()), big);
    ASSERT_TRUE(ReadFileBytes(dir.File("big"), bytes, 70000));
    EXPECT_EQ(bytes.size(), 70000u);
}

}  // namespace
}  // namespace qx
