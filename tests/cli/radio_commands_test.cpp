// qx720's radio commands end to end, each against a virtual radio kept in a file.
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <functional>
#include <random>
#include <regex>

#include "cli_harness.h"
#include "model/radio_image.h"
#include "model/radio_settings.h"

extern char** environ;

namespace qx::clitest {
namespace {

namespace fs = std::filesystem;

std::vector<uint8_t> RandomBytes(std::size_t n, unsigned seed)
{
    std::mt19937 gen(seed);
    std::vector<uint8_t> bytes(n);
    for (auto& b : bytes) b = static_cast<uint8_t>(gen());
    return bytes;
}

// Everything after the date line, which comes from the real clock.
std::string AfterDateLine(const std::string& text)
{
    static const std::regex date("^Date:\\d{4}\\.\\d{1,2}\\.\\d{1,2}\\t\\tTime:\\d{1,2}:\\d{1,2}\\r\\n");
    std::smatch match;
    if (!std::regex_search(text, match, date)) return "<no date line> " + text;
    return match.suffix().str();
}

const char* const kUkGroupLines =
    "\r\n\r\nRadio,\t\tPC\r\nUSA=1,\t\t1\r\nINT=1,\t\t1\r\nCAN=0,\t\t0\r\nPRI=1,\t\t1\r\nUSANAR=0,\t0\r\n"
    "INTNAR=0,\t0\r\nCANNAR=0,\t0\r\nWX=0,\t\t0\r\nTxFreqStep=0,\t0\r\nRxFreqStep=1,\t1";

using RadioCommands = CliTest;

TEST_F(RadioCommands, WriteThenReadGivesBackWhatTheRadioKeeps)
{
    ASSERT_EQ(Qx("defaults -o uk.dat --model eur-int --set uk").status, 0);
    RadioSettings sent = Record("uk.dat");
    sent.mmsiByUser = 0;
    SetMmsiText(sent, "235012345");
    sent.atisByUser = 0;
    SetAtisText(sent, "211234567");
    sent.txStep = 2;
    sent.rxStep = 2;
    sent.usaNarrowEnabled = 1;
    PutRecord("edited.dat", sent);

    // At the real protocol timings, as the few runs that keep them.
    ToolRun write = Qx(RealTimedRadio() + " write edited.dat --no-backup");
    EXPECT_EQ(write.status, 0) << write.all();
    EXPECT_EQ(write.out, "Write OK.\n");
    EXPECT_EQ(write.err, "");  // stderr is not a terminal: no progress bar
    ToolRun read = Qx(RealTimedRadio() + " read -o back.dat");
    EXPECT_EQ(read.status, 0) << read.all();
    EXPECT_EQ(read.err, "");

    RadioSettings back = Record("back.dat");
    EXPECT_EQ(back.modelType, 1);
    EXPECT_EQ(back.mmsiByUser, 0);
    EXPECT_EQ(MmsiText(back), "235012345");
    EXPECT_EQ(back.atisByUser, 0);
    EXPECT_EQ(AtisText(back), "211234567");
    EXPECT_EQ(back.txStep, 2);
    EXPECT_EQ(back.rxStep, 2);
    EXPECT_EQ(back.usaEnabled, sent.usaEnabled);
    EXPECT_EQ(back.usaNarrowEnabled, 1);
    EXPECT_EQ(back.intEnabled, sent.intEnabled);
    EXPECT_EQ(back.canEnabled, sent.canEnabled);
    EXPECT_EQ(back.privateEnabled, sent.privateEnabled);
    EXPECT_EQ(back.wxEnabled, sent.wxEnabled);
    ASSERT_EQ(PrivateChannelCount(back), 2);
    for (int i = 0; i < 2; ++i) {
        const ChannelEntry& a = sent.channels[kPrivateBlock + i];
        const ChannelEntry& b = back.channels[kPrivateBlock + i];
        EXPECT_EQ(ChannelName(b), ChannelName(a));
        EXPECT_NEAR(b.txMHz, a.txMHz, 0.0001);
        EXPECT_NEAR(b.rxMHz, a.rxMHz, 0.0001);
        EXPECT_EQ(b.usageCode, a.usageCode);
        EXPECT_EQ(b.rxAtis, 1);  // the encoder always turns ATIS reception on
    }
}

TEST_F(RadioCommands, UsaRecordAndReadBackBothVerifyOk)
{
    ASSERT_EQ(Qx("defaults -o us.dat").status, 0);
    ASSERT_EQ(Qx(Radio() + " write us.dat").status, 0);

    ToolRun verify = Qx(Radio() + " verify us.dat");
    EXPECT_EQ(verify.status, 0) << verify.all();
    EXPECT_EQ(verify.out, "Verify OK.\nReport: " + Path("Verify.txt") + "\n");
    // The report stays on disk in the current folder.
    EXPECT_EQ(AfterDateLine(Text("Verify.txt")),
              "\r\n\r\nRadio,\t\tPC\r\nUSA=1,\t\t1\r\nINT=1,\t\t1\r\nCAN=1,\t\t1\r\nPRI=1,\t\t1\r\nUSANAR=0,\t0\r\n"
              "INTNAR=0,\t0\r\nCANNAR=0,\t0\r\nWX=1,\t\t1\r\nTxFreqStep=0,\t0\r\nRxFreqStep=1,\t1");

    ASSERT_EQ(Qx(Radio() + " read -o back.dat").status, 0);
    ToolRun again = Qx(Radio() + " verify back.dat --report " + Quote(Path("again.txt")));
    EXPECT_EQ(again.status, 0) << again.all();
    EXPECT_TRUE(fs::exists(Path("again.txt")));
}

TEST_F(RadioCommands, EuropeRecordVerifiesRightAfterItsWrite)
{
    // The wizard's record holds ATIS reception off, which the radio cannot store: verify
    // compares with what the radio can hold, so an unchanged radio verifies.
    ASSERT_EQ(Qx("defaults -o uk.dat --model eur-int --set uk").status, 0);
    ASSERT_EQ(Qx(Radio() + " write uk.dat").status, 0);
    ToolRun verify = Qx(Radio() + " verify uk.dat");
    EXPECT_EQ(verify.status, 0) << verify.all();
    EXPECT_EQ(verify.out, "Verify OK.\nReport: " + Path("Verify.txt") + "\n");

    // A radio that does hold reception off for a channel is a real difference.
    std::vector<uint8_t> radio = Bytes("radio.bin");
    radio[0x0300 + 3] |= 0x80;
    Put("radio.bin", radio);
    verify = Qx(Radio() + " verify uk.dat");
    EXPECT_EQ(verify.status, 1);
    EXPECT_EQ(verify.err, "Verify Error.\nReport: " + Path("Verify.txt") + "\n");
    const std::string channels = "M1,33,157.8500,157.8500,00000001\r\nM2,33,161.4250,161.4250,00000001\r\n";
    EXPECT_EQ(AfterDateLine(Text("Verify.txt")), "\r\nPrivate Band is different\r\nRadio Private channel:\r\n" +
                                                     channels + "\r\nPC Private channel:\r\n" + channels +
                                                     kUkGroupLines);
}

TEST_F(RadioCommands, ChangedChannelFailsVerifyWithPrivateSection)
{
    ASSERT_EQ(Qx("defaults -o uk.dat --model eur-int --set uk").status, 0);
    ASSERT_EQ(Qx(Radio() + " write uk.dat").status, 0);
    ASSERT_EQ(Qx(Radio() + " read -o back.dat").status, 0);
    RadioSettings changed = Record("back.dat");
    changed.channels[kPrivateBlock + 1].txMHz = 161.45;
    changed.channels[kPrivateBlock + 1].rxMHz = 161.45;
    PutRecord("changed.dat", changed);

    ToolRun verify = Qx(Radio() + " verify changed.dat --report report.txt");
    EXPECT_EQ(verify.status, 1);
    EXPECT_EQ(verify.err, "Verify Error.\nReport: " + Path("report.txt") + "\n");
    EXPECT_EQ(AfterDateLine(Text("report.txt")),
              std::string("\r\nPrivate Band is different\r\nRadio Private channel:\r\n"
                          "M1,33,157.8500,157.8500,00000001\r\nM2,33,161.4250,161.4250,00000001\r\n"
                          "\r\nPC Private channel:\r\n"
                          "M1,33,157.8500,157.8500,00000001\r\nM2,33,161.4500,161.4500,00000001\r\n") +
                  kUkGroupLines);
}

TEST_F(RadioCommands, RadioThatStopsAnsweringEndsWriteNotDetected)
{
    ASSERT_EQ(Qx("defaults -o us.dat").status, 0);
    ToolRun write = Qx(Radio("unplug-after=30") + " write us.dat --no-backup");
    EXPECT_EQ(write.status, 1);
    EXPECT_EQ(write.err, "Radio is not detected!\n");
    EXPECT_EQ(write.out, "");
    EXPECT_EQ(Bytes("radio.bin").size(), 8192u);

    ToolRun silent = Qx(Radio("silent") + " handshake");
    EXPECT_EQ(silent.status, 1);
    EXPECT_EQ(silent.err, "Radio is not detected!\n");
    ToolRun corrupt = Qx(Radio("corrupt=1") + " handshake");
    EXPECT_EQ(corrupt.status, 1);
    EXPECT_EQ(corrupt.err, "CheckSum Error\n");
    // Every second reply bad: each sentence succeeds at its second attempt.
    ToolRun retried = Qx(Radio("corrupt=2") + " read -o back.dat");
    EXPECT_EQ(retried.status, 0) << retried.all();
}

TEST_F(RadioCommands, InvalidIdentityWritesNothing)
{
    const std::vector<uint8_t> before = RandomBytes(8192, 7);
    Put("radio.bin", before);
    RadioSettings record;
    ResetSettings(record, 0);
    record.mmsiByUser = 0;
    SetMmsiText(record, "12345");
    record.atisByUser = 0;
    SetAtisText(record, "012345678");
    PutRecord("bad.dat", record);

    ToolRun write = Qx(Radio() + " write bad.dat");
    EXPECT_EQ(write.status, 2);
    EXPECT_EQ(write.err, "Invalid MMIS ID:12345\nMake sure 9 digitals.\n");
    EXPECT_EQ(Bytes("radio.bin"), before);

    SetMmsiText(record, "");  // an empty MMSI passes
    PutRecord("bad.dat", record);
    write = Qx(Radio() + " write bad.dat");
    EXPECT_EQ(write.status, 2);
    EXPECT_EQ(write.err, "Invalid ATIS ID:012345678\nMake sure 9 digitals.\n");
    EXPECT_EQ(Bytes("radio.bin"), before);

    // Identities the radio's user enters are not looked at.
    record.mmsiByUser = 1;
    SetMmsiText(record, "12345");
    record.atisByUser = 1;
    PutRecord("byuser.dat", record);
    EXPECT_EQ(Qx(Radio() + " write byuser.dat").status, 0);
}

TEST_F(RadioCommands, AdjustModeReachesByte2FF)
{
    ASSERT_EQ(Qx("defaults -o us.dat").status, 0);
    ASSERT_EQ(Qx(Radio() + " write us.dat --adjust-mode").status, 0);
    EXPECT_EQ(Bytes("radio.bin").at(kAddrAdjustMode), 1);
    ASSERT_EQ(Qx(Radio() + " write us.dat").status, 0);
    EXPECT_EQ(Bytes("radio.bin").at(kAddrAdjustMode), 0);
}

TEST_F(RadioCommands, EepromReadThenVerifyAgreeAndCountDifferences)
{
    const std::vector<uint8_t> contents = RandomBytes(8192, 11);
    Put("radio.bin", contents);
    ToolRun read = Qx(Radio() + " eeprom read dump.bin");
    EXPECT_EQ(read.status, 0) << read.all();
    EXPECT_EQ(Bytes("dump.bin"), contents);

    ToolRun verify = Qx(Radio() + " eeprom verify dump.bin");
    EXPECT_EQ(verify.status, 0) << verify.all();
    EXPECT_EQ(verify.out, "Verify OK!\n");

    std::vector<uint8_t> changed = contents;
    for (int at : {0, 0x0700, 8191}) changed[at] ^= 0x5A;
    Put("changed.bin", changed);
    verify = Qx(Radio() + " eeprom verify changed.bin");
    EXPECT_EQ(verify.status, 1);
    EXPECT_EQ(verify.err, "Difference = 3\nVerify Error!\n");
    EXPECT_EQ(Bytes("radio.bin"), contents);
}

TEST_F(RadioCommands, EepromWriteTakesOnlyAWholeDumpAndBacksUpFirst)
{
    const std::vector<uint8_t> before = RandomBytes(8192, 3);
    Put("radio.bin", before);
    // A short dump, a longer one, and a clone file typed for a dump: the radio is not touched.
    RadioSettings record{};
    ResetSettings(record, 0);
    Put("boat.dat", std::vector<uint8_t>(reinterpret_cast<const uint8_t*>(&record),
                                         reinterpret_cast<const uint8_t*>(&record) + sizeof record));
    Put("short.bin", RandomBytes(8191, 4));
    Put("long.bin", RandomBytes(8192 + 100, 5));
    for (const char* file : {"short.bin", "long.bin", "boat.dat"}) {
        ToolRun write = Qx(Radio() + " eeprom write " + file);
        EXPECT_EQ(write.status, 2) << file;
        EXPECT_EQ(write.err.rfind("Unknown File Format.\n", 0), 0u) << write.err;
    }
    EXPECT_EQ(Qx(Radio() + " eeprom verify short.bin").status, 2);
    EXPECT_EQ(Bytes("radio.bin"), before);
    EXPECT_FALSE(fs::exists(Path("data/qx720/backups")));

    const std::vector<uint8_t> image = RandomBytes(8192, 6);
    Put("image.bin", image);
    ToolRun write = Qx(Radio() + " eeprom write image.bin");
    EXPECT_EQ(write.status, 0) << write.all();
    EXPECT_EQ(Bytes("radio.bin"), image);
    std::vector<fs::path> files;
    for (const auto& entry : fs::directory_iterator(Path("data/qx720/backups"))) files.push_back(entry.path());
    ASSERT_EQ(files.size(), 1u);
    EXPECT_EQ(Bytes("data/qx720/backups/" + files[0].filename().string()), before) << "the whole EEPROM";
    EXPECT_EQ(write.out, "Backup " + files[0].string() + "\nWrite OK!\n");
}

TEST_F(RadioCommands, EepromReadFailureLeavesNoFile)
{
    ToolRun read = Qx(Radio("unplug-after=100") + " eeprom read dump.bin");
    EXPECT_EQ(read.status, 1);
    EXPECT_EQ(read.err, "Radio is not detected!\n");
    EXPECT_FALSE(fs::exists(Path("dump.bin")));

    read = Qx(Radio() + " eeprom read " + Quote(Path("no/such/folder/dump.bin")));
    EXPECT_EQ(read.status, 1);
    EXPECT_NE(read.err.find("Open File Error."), std::string::npos) << read.err;
}

TEST_F(RadioCommands, WriteBackupKeepsThePreviousEeprom)
{
    const std::vector<uint8_t> before = RandomBytes(8192, 21);
    Put("radio.bin", before);
    ASSERT_EQ(Qx("defaults -o us.dat").status, 0);
    fs::create_directories(Path("backups"));

    ToolRun write = Qx(Radio() + " write us.dat --backup backups");
    EXPECT_EQ(write.status, 0) << write.all();
    std::vector<fs::path> files;
    for (const auto& entry : fs::directory_iterator(Path("backups"))) files.push_back(entry.path());
    ASSERT_EQ(files.size(), 1u);
    EXPECT_TRUE(std::regex_match(files[0].filename().string(), std::regex("qx720-backup-\\d{8}-\\d{6}\\.bin")));
    EXPECT_EQ(Bytes("backups/" + files[0].filename().string()),
              std::vector<uint8_t>(before.begin() + 0x100, before.begin() + 0x700));
    EXPECT_NE(Bytes("radio.bin"), before);
    EXPECT_NE(write.out.find("Write OK."), std::string::npos);

    Put("radio.bin", before);
    write = Qx(Radio() + " write us.dat --backup missing");
    EXPECT_EQ(write.status, 2);
    EXPECT_EQ(Bytes("radio.bin"), before);
}

TEST_F(RadioCommands, AVirtualRadioThatCannotBeSavedIsRefusedBeforeTheFirstSentence)
{
    // Its file's folder does not exist, or the file is read-only: said at once, with the reason,
    // rather than after a whole transfer.
    ASSERT_EQ(Qx("defaults -o us.dat").status, 0);
    Put("locked.bin", std::vector<uint8_t>(8192, 0));
    fs::permissions(Path("locked.bin"), fs::perms::owner_read);
    struct Case {
        std::string file, reason;
    };
    for (const Case& c : {Case{Path("gone/radio.bin"), "No such file or directory"},
                          Case{Path("locked.bin"), "the file is read-only"}}) {
        const std::string radio = "--radio " + Quote("virtual:" + c.file + ",fast");
        for (const char* command : {"write us.dat --no-backup", "read -o back.dat", "handshake"}) {
            const ToolRun run = Qx(radio + " " + command);
            EXPECT_EQ(run.status, 2) << command;
            EXPECT_EQ(run.out, "");
            EXPECT_EQ(run.err, "cannot save the virtual radio file " + c.file + ": " + c.reason + "\n") << command;
        }
    }
    EXPECT_FALSE(fs::exists(Path("back.dat")));
    EXPECT_FALSE(fs::exists(Path("gone")));
    EXPECT_EQ(Bytes("locked.bin"), std::vector<uint8_t>(8192, 0));
}

// Block counts the progress bar drew, in order.
// The counts of the write's bar, after the backup's.
std::vector<int> DrawnBlockCounts(const std::string& terminal)
{
    static const std::regex bar(R"(\s(\d+)/410 blocks)");
    std::vector<int> counts;
    const std::size_t writing = terminal.find("Writing");
    if (writing == std::string::npos) return counts;
    for (auto it = std::sregex_iterator(terminal.begin() + static_cast<std::ptrdiff_t>(writing), terminal.end(), bar);
         it != std::sregex_iterator(); ++it)
        counts.push_back(std::stoi((*it)[1].str()));
    return counts;
}

TEST_F(RadioCommands, CtrlCCancelsAndSavesTheRadio)
{
    const std::vector<uint8_t> image = RandomBytes(8192, 99);
    std::vector<uint8_t> before = image;
    for (uint8_t& b : before) b ^= 0xFF;  // differs from the image in every byte
    Put("radio.bin", before);
    Put("image.bin", image);

    // stderr on a terminal, so that the progress bar tells how far the write has got (after the
    // backup); at the real timings, so that the 410 blocks take seconds and the stop lands in the
    // middle.
    const int master = ::posix_openpt(O_RDWR | O_NOCTTY);
    ASSERT_GE(master, 0);
    struct Closer {
        int fd;
        ~Closer() { ::close(fd); }
    } closer{master};
    ASSERT_EQ(::grantpt(master), 0);
    ASSERT_EQ(::unlockpt(master), 0);
    const std::string terminal = ::ptsname(master);
    // Held open here too, so that the terminal never hangs up under the reader.
    const int slave = ::open(terminal.c_str(), O_RDWR | O_NOCTTY);
    ASSERT_GE(slave, 0);
    Closer slaveCloser{slave};

    const std::string radio = "virtual:" + Path("radio.bin");
    const std::string file = Path("image.bin");
    std::vector<char*> argv = {const_cast<char*>(QX720_PATH),
                               const_cast<char*>("--radio"),
                               const_cast<char*>(radio.c_str()),
                               const_cast<char*>("eeprom"),
                               const_cast<char*>("write"),
                               const_cast<char*>(file.c_str()),
                               nullptr};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, slave, 2);
    posix_spawn_file_actions_addclose(&actions, slave);
    posix_spawn_file_actions_addclose(&actions, master);
    pid_t pid = 0;
    ASSERT_EQ(posix_spawn(&pid, QX720_PATH, &actions, nullptr, argv.data(), environ), 0);
    posix_spawn_file_actions_destroy(&actions);

    // Collects what the tool draws until `done` says so or the tool has exited and all it drew
    // is read. Every wait is bounded; the bound only ends a hung run, it does not time the tool.
    std::string drawn;
    int raw = 0;
    bool exited = false;
    auto readUntil = [&](const std::function<bool()>& done) {
        for (int i = 0; i < 1200 && !done(); ++i) {
            pollfd p{master, POLLIN, 0};
            if (::poll(&p, 1, exited ? 0 : 100) > 0) {
                char chunk[512];
                const ssize_t n = ::read(master, chunk, sizeof chunk);
                if (n > 0) drawn.append(chunk, static_cast<std::size_t>(n));
                continue;
            }
            if (exited) return;
            exited = ::waitpid(pid, &raw, WNOHANG) == pid;
        }
    };
    // Once a block is drawn the session has blocked Ctrl-C and the radio holds that block.
    readUntil([&] {
        std::vector<int> counts = DrawnBlockCounts(drawn);
        return exited || (!counts.empty() && counts.back() >= 1);
    });
    ASSERT_FALSE(exited) << drawn;
    ::kill(pid, SIGINT);
    readUntil([] { return false; });
    if (!exited) {
        ::kill(pid, SIGKILL);
        ::waitpid(pid, &raw, 0);
        FAIL() << "the tool did not stop: " << drawn;
    }
    ASSERT_TRUE(WIFEXITED(raw));
    EXPECT_EQ(WEXITSTATUS(raw), 130) << drawn;
    // The bar is ended on its own line before the message (the terminal turns \n into \r\n).
    EXPECT_TRUE(drawn.size() >= 16 && drawn.compare(drawn.size() - 16, 16, "\r\nUser Cancel.\r\n") == 0) << drawn;

    // The radio holds every block the bar counted, at most the one the stop interrupted after
    // its send, and its old bytes after them.
    const std::vector<int> counts = DrawnBlockCounts(drawn);
    ASSERT_FALSE(counts.empty()) << drawn;
    const std::size_t counted = static_cast<std::size_t>(counts.back()) * 20;
    ASSERT_GE(counted, 20u);
    const std::vector<uint8_t> after = Bytes("radio.bin");
    ASSERT_EQ(after.size(), 8192u);
    std::size_t k = 0;
    while (k < after.size() && after[k] == image[k]) ++k;
    EXPECT_TRUE(k == counted || k == counted + 20) << k << " bytes written, " << counted << " counted";
    EXPECT_LT(k, after.size());
    EXPECT_TRUE(std::equal(after.begin() + k, after.end(), before.begin() + k));
}

}  // namespace
}  // namespace qx::clitest
