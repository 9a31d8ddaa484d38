// qx720 and the files around it: saves that respect what they replace, inputs that are not
// files, output that cannot be written, and reads whose record would not open again.
#include <sys/stat.h>
#include <sys/wait.h>

#include <cstdlib>

#include "cli_harness.h"
#include "model/radio_image.h"

namespace qx::clitest {
namespace {

namespace fs = std::filesystem;

using SafeFiles = CliTest;

TEST_F(SafeFiles, SavesGoThroughLinksAndNeverReplaceReadOnlyFiles)
{
    fs::create_directory(Path("keep"));
    fs::create_symlink("keep/radio.dat", Path("link.dat"));
    ASSERT_EQ(Qx("defaults -o link.dat --model eur-int --set uk").status, 0);
    EXPECT_TRUE(fs::is_symlink(Path("link.dat")));
    EXPECT_EQ(PrivateChannelCount(Record("keep/radio.dat")), 2);

    ASSERT_EQ(Qx("defaults -o ro.dat").status, 0);
    const std::vector<uint8_t> before = Bytes("ro.dat");
    ::chmod(Path("ro.dat").c_str(), 0444);
    ToolRun refused = Qx("defaults -o ro.dat --model eur-int --set all");
    EXPECT_EQ(refused.status, 1);
    EXPECT_NE(refused.err.find("File Read Only."), std::string::npos) << refused.err;
    EXPECT_EQ(refused.out.find("Saved"), std::string::npos);
    EXPECT_EQ(Bytes("ro.dat"), before);
}

TEST_F(SafeFiles, LongFileNamesAreSavedOrRefusedWithTheSystemsReason)
{
    const std::string longest = std::string(251, 'n') + ".dat";
    ToolRun saved = Qx("defaults -o " + longest);
    EXPECT_EQ(saved.status, 0) << saved.err;
    EXPECT_EQ(Bytes(longest).size(), sizeof(RadioSettings));
    EXPECT_EQ(Qx("defaults -o " + longest + " --model eur-int").status, 0) << "and replaced";

    const std::string tooLong = std::string(252, 'n') + ".dat";
    ToolRun refused = Qx("defaults -o " + tooLong);
    EXPECT_EQ(refused.status, 1);
    EXPECT_EQ(refused.err,
              "Write to File Error.\n" + tooLong + ": the clone file could not be written: File name too long\n");
}

TEST_F(SafeFiles, PipesAreRefusedAtOnceNeverWaitedOn)
{
    ASSERT_EQ(::mkfifo(Path("pipe").c_str(), 0600), 0);
    for (const std::string args : {"show pipe", "eeprom write pipe", "--radio virtual:pipe handshake"}) {
        SCOPED_TRACE(args);
        ToolRun run = Qx(args);
        EXPECT_EQ(run.status, 2);
        EXPECT_FALSE(run.err.empty());
    }
    EXPECT_NE(Qx("show pipe").err.find("Open File Error."), std::string::npos);
    EXPECT_TRUE(fs::is_fifo(Path("pipe")));  // and the virtual radio's pipe is not replaced
}

TEST_F(SafeFiles, OutputThatCannotBeWrittenIsAFailure)
{
    if (!fs::exists("/dev/full")) GTEST_SKIP() << "no /dev/full here";
    ASSERT_EQ(Qx("defaults -o x.dat").status, 0);
    const std::string command = "cd " + Quote(dir_.string()) + " && " + Quote(QX720_PATH) +
                                " show --json x.dat >/dev/full 2>" + Quote(Path("err.txt")) + " </dev/null";
    const int raw = std::system(command.c_str());
    ASSERT_TRUE(WIFEXITED(raw));
    EXPECT_EQ(WEXITSTATUS(raw), 1);
    EXPECT_NE(Text("err.txt").find("cannot write the output"), std::string::npos) << Text("err.txt");
}

TEST_F(SafeFiles, ReadOfAnErasedRadioSavesItAndWarns)
{
    Put("radio.bin", std::vector<uint8_t>(kEepromSize, 0xFF));
    ToolRun run = Qx(Radio() + " read -o erased.dat");
    EXPECT_EQ(run.status, 0) << run.all();
    EXPECT_EQ(Bytes("erased.dat").size(), sizeof(RadioSettings));
    EXPECT_NE(run.err.find("Warning: "), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("private channel 1 has a name of 0 characters"), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("qx720 eeprom read"), std::string::npos) << run.err;
    // The warning was right: the file does not open, and the hint names both name lengths.
    ToolRun show = Qx("show erased.dat");
    EXPECT_EQ(show.status, 2);
    EXPECT_NE(show.err.find("2- or 3-character names"), std::string::npos) << show.err;
}

}  // namespace
}  // namespace qx::clitest
