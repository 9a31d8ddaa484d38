// qx720 fleet end to end: what is checked before the first radio, the log as the one record
// of what was done, and Ctrl-C at any moment a unit is in hand.
#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <regex>
#include <set>
#include <thread>

#include "cli_harness.h"
#include "model/radio_image.h"

extern char** environ;

namespace qx::clitest {
namespace {

namespace fs = std::filesystem;

class Fleet : public CliTest {
protected:
    void SetUp() override
    {
        CliTest::SetUp();
        ASSERT_EQ(Qx("defaults -o t.dat --model eur-int --set uk").status, 0);
        PutText("units.csv", "unit,mmsi\nA,235000001\nB,235000002\n");
    }
    void PutText(const std::string& name, const std::string& text) const { Put(name, {text.begin(), text.end()}); }
    std::string Radios() const { return "--radio " + Quote("virtual:" + Path("radio-{unit}.bin") + ",fast"); }
    ToolRun RunFleet(const std::string& options = "")
    {
        return Qx(Radios() + " fleet t.dat units.csv --yes " + options);
    }
    bool NoRadioTouched() const { return !fs::exists(Path("radio-A.bin")) && !fs::exists(Path("radio-B.bin")); }
};

TEST_F(Fleet, AChangedMmsiIsNotTakenAsDone)
{
    ASSERT_EQ(RunFleet().status, 0);
    PutText("units.csv", "unit,mmsi\nA,235000001\nB,235000009\n");
    ToolRun changed = RunFleet();
    EXPECT_EQ(changed.status, 1);
    const std::string refused = "B: REFUSED the radio holds MMSI 235000002 (--force writes over it)\n";
    EXPECT_EQ(changed.out, "A: OK (already in the log)\n" + refused + "1 ok, 0 failed, 1 refused, 0 skipped\n");
    EXPECT_EQ(changed.err, refused);  // failures on the error output as well
    ToolRun forced = RunFleet("--force");
    EXPECT_EQ(forced.status, 0) << forced.err;
    EXPECT_EQ(forced.out, "A: OK (already in the log)\nB: OK\n2 ok, 0 failed, 0 refused, 0 skipped\n");
}

TEST_F(Fleet, AClosedPipeStartsNoOtherUnitAndEveryUnitThatRanIsLogged)
{
    // Enough units that the pipe is closed long before the last would end; qx720's own status,
    // past the pipe (which dash cannot give).
    constexpr int kUnits = 300;
    std::string units = "unit,mmsi\n";
    for (int i = 0; i < kUnits; ++i) units += "U" + std::to_string(i) + "," + std::to_string(235000000 + i) + "\n";
    PutText("units.csv", units);
    const std::string command = "cd " + Quote(dir_.string()) + " && bash -c " +
                                Quote(Quote(QX720_PATH) + " " + Radios() +
                                      " fleet t.dat units.csv --yes --jobs 4 2>err.txt | head -1 >/dev/null;"
                                      " echo ${PIPESTATUS[0]} >status.txt");
    ASSERT_EQ(std::system(command.c_str()), 0);
    EXPECT_EQ(Text("status.txt"), "1\n") << Text("err.txt");
    EXPECT_NE(Text("err.txt").find("the standard output failed (Broken pipe): no unit was started after it"),
              std::string::npos)
        << Text("err.txt");
    // Each radio was left alone or finished, and each finished one has its line.
    const std::string log = Text("fleet-log.csv");
    int ran = 0;
    for (int i = 0; i < kUnits; ++i) {
        const std::string name = "U" + std::to_string(i);
        if (!fs::exists(Path("radio-" + name + ".bin"))) continue;
        ++ran;
        EXPECT_NE(log.find("," + name + "," + std::to_string(235000000 + i) + ",,OK,"), std::string::npos) << name;
    }
    EXPECT_GT(ran, 0);
    EXPECT_LT(ran, kUnits);
}

TEST_F(Fleet, TheLogAndTheBackupFolderAreCheckedBeforeTheFirstRadio)
{
    ToolRun noFolder = RunFleet("--log missing/log.csv");
    EXPECT_EQ(noFolder.status, 2);
    EXPECT_EQ(noFolder.err,
              "missing/log.csv: the log cannot be written: No such file or directory\nNothing was touched.\n");
    EXPECT_TRUE(NoRadioTouched());

    PutText("ro.csv", "");
    ::chmod(Path("ro.csv").c_str(), 0444);
    ToolRun readOnly = RunFleet("--log ro.csv");
    EXPECT_EQ(readOnly.status, 2);
    EXPECT_EQ(readOnly.err, "ro.csv: the log is read-only\nNothing was touched.\n");
    EXPECT_TRUE(NoRadioTouched());

    fs::create_directory(Path("ro"));
    ::chmod(Path("ro").c_str(), 0555);
    ToolRun noBackups = RunFleet("--backup ro");
    EXPECT_EQ(noBackups.status, 2);
    EXPECT_EQ(noBackups.err,
              "--backup ro: no backup can be saved in the folder: Permission denied\nNothing was touched.\n");
    EXPECT_TRUE(NoRadioTouched());
    EXPECT_FALSE(fs::exists(Path("fleet-log.csv")));

    // A unit whose backup name could not be made is refused with the rest of the units file.
    PutText("units.csv", "unit,mmsi\n" + std::string(240, 'n') + ",235000001\n");
    ToolRun longName = RunFleet();
    EXPECT_EQ(longName.status, 2);
    EXPECT_NE(longName.err.find("is longer than its backup's file name may be"), std::string::npos) << longName.err;
    EXPECT_FALSE(fs::exists(Path("fleet-log.csv")));
}

TEST_F(Fleet, ASecondRunOnTheSameLogIsTurnedAway)
{
    PutText("fleet-log.csv", "");
    const int held = ::open(Path("fleet-log.csv").c_str(), O_RDWR | O_CLOEXEC);
    ASSERT_GE(held, 0);
    ASSERT_EQ(::flock(held, LOCK_EX | LOCK_NB), 0);
    ToolRun second = RunFleet();
    ::close(held);
    EXPECT_EQ(second.status, 2);
    EXPECT_EQ(second.err, "fleet-log.csv: the log is in use by another fleet run\nNothing was touched.\n");
    EXPECT_TRUE(NoRadioTouched());
    EXPECT_EQ(RunFleet().status, 0) << "free again once the other run is over";
}

TEST_F(Fleet, UnitNamesAreNeverEchoedRaw)
{
    PutText("units.csv", "unit,mmsi\n\x1b]2;owned\a,235000001\n");
    ToolRun run = RunFleet();
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.err.find('\x1b'), std::string::npos);
    EXPECT_NE(run.err.find("\"\\x1b]2;owned\\x07\""), std::string::npos) << run.err;
}

// Runs qx720 with its standard output a pipe that is already full, so that the first result
// line waits; the caller reads the pipe to let it go on.
class StalledRun {
public:
    StalledRun(const std::string& directory, const std::string& args)
    {
        int fds[2];
        if (::pipe2(fds, O_CLOEXEC) != 0) return;
        out_ = fds[0];
        ::fcntl(fds[1], F_SETFL, O_NONBLOCK);
        const char fill[4096] = {};
        while (::write(fds[1], fill, sizeof fill) > 0) {}
        while (::write(fds[1], fill, 1) > 0) {}
        ::fcntl(fds[1], F_SETFL, 0);

        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, fds[1], 1);
        posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
        posix_spawnattr_t attributes;
        posix_spawnattr_init(&attributes);
        // Whatever this test runs under, the program gets Ctrl-C as a terminal would give it.
        sigset_t none, interrupt;
        sigemptyset(&none);
        sigemptyset(&interrupt);
        sigaddset(&interrupt, SIGINT);
        posix_spawnattr_setsigmask(&attributes, &none);
        posix_spawnattr_setsigdefault(&attributes, &interrupt);
        posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF);
        const std::string command = "cd " + Quote(directory) + " && exec " + Quote(QX720_PATH) + " " + args + " 2>" +
                                    Quote(directory + "/.stderr");
        char* argv[] = {const_cast<char*>("sh"), const_cast<char*>("-c"), const_cast<char*>(command.c_str()), nullptr};
        if (posix_spawn(&pid_, "/bin/sh", &actions, &attributes, argv, environ) != 0) pid_ = -1;
        posix_spawn_file_actions_destroy(&actions);
        posix_spawnattr_destroy(&attributes);
        ::close(fds[1]);
    }
    ~StalledRun()
    {
        if (pid_ > 0 && status_ < 0) {
            ::kill(pid_, SIGKILL);
            ::waitpid(pid_, nullptr, 0);
        }
        if (out_ >= 0) ::close(out_);
    }
    pid_t Pid() const { return pid_; }
    // Reads the output to its end (the filler, then what the program wrote) and waits for it.
    std::string Finish()
    {
        std::string all;
        char buffer[4096];
        for (ssize_t n; (n = ::read(out_, buffer, sizeof buffer)) != 0;)
            if (n > 0) all.append(buffer, static_cast<std::size_t>(n));
        int raw = 0;
        ::waitpid(pid_, &raw, 0);
        status_ = WIFEXITED(raw) ? WEXITSTATUS(raw) : 1000 + WTERMSIG(raw);
        return all.substr(all.find_first_not_of('\0'));
    }
    int Status() const { return status_; }

private:
    pid_t pid_ = -1;
    int out_ = -1;
    int status_ = -1;
};

TEST_F(Fleet, CtrlCWhileTheResultWaitsOnTheOutputLogsTheUnitThenStops)
{
    StalledRun run(dir_.string(), Radios() + " fleet t.dat units.csv --yes");
    ASSERT_GT(run.Pid(), 0);
    // The outcome reaches the log even while its line cannot be printed; this waits for it (the
    // deadline only keeps a broken build from hanging the suite).
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    while (Text("fleet-log.csv").find(",A,235000001,") == std::string::npos &&
           std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    ASSERT_NE(Text("fleet-log.csv").find(",A,235000001,"), std::string::npos) << Text(".stderr");
    ASSERT_EQ(::kill(run.Pid(), SIGINT), 0);
    const std::string out = run.Finish();
    EXPECT_EQ(run.Status(), 130) << Text(".stderr");
    EXPECT_EQ(out, "A: OK\n1 ok, 0 failed, 0 refused, 0 skipped, 1 not reached\n");
    EXPECT_EQ(Text(".stderr"), "User Cancel.\n");
    EXPECT_FALSE(fs::exists(Path("radio-B.bin")));
    const std::string log = Text("fleet-log.csv");
    EXPECT_EQ(std::count(log.begin(), log.end(), '\n'), 2) << log;
}

TEST_F(Fleet, SeveralAtOnceNeedYesAndARadioForEachUnit)
{
    ToolRun asking = Qx(Radios() + " fleet t.dat units.csv --jobs 2");
    EXPECT_EQ(asking.status, 2);
    EXPECT_EQ(
        asking.err,
        "--jobs above 1 needs --yes: units that run at once are not asked for one by one\nNothing was touched.\n");
    ToolRun shared = Qx("--radio " + Quote("virtual:" + Path("one.bin") + ",fast") +
                        " fleet t.dat units.csv --yes --jobs 2");
    EXPECT_EQ(shared.status, 2);
    EXPECT_NE(shared.err.find("--jobs above 1 needs a radio for each unit"), std::string::npos) << shared.err;
    EXPECT_FALSE(fs::exists(Path("one.bin")));
    EXPECT_EQ(Qx("--radio usb:all read -o x.dat").status, 2);
}

TEST_F(Fleet, CtrlCInARunOfSeveralStopsEveryRunningUnit)
{
    PutText("units.csv", "unit,mmsi\nA,235000001\nB,235000002\nC,235000003\nD,235000004\n");
    // At the protocol's own pace, so that the three running units are still at work when their
    // backups are there.
    StalledRun run(dir_.string(),
                   "--radio " + Quote("virtual:" + Path("radio-{unit}.bin")) + " fleet t.dat units.csv --yes --jobs 3");
    ASSERT_GT(run.Pid(), 0);
    const std::regex backupName("[ABC]-[0-9]{8}-[0-9]{6}\\.bin");
    auto backups = [&] {
        std::set<std::string> names;
        std::error_code ec;
        for (const auto& entry : fs::directory_iterator(Path("fleet-backups"), ec))
            if (std::regex_match(entry.path().filename().string(), backupName))
                names.insert(entry.path().filename().string());
        return names.size();
    };
    // Bounded only so that a broken build cannot hang the suite.
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(120);
    while (backups() < 3 && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    ASSERT_EQ(backups(), 3u) << Text(".stderr");
    ASSERT_EQ(::kill(run.Pid(), SIGINT), 0);
    const std::string out = run.Finish();
    EXPECT_EQ(run.Status(), 130) << Text(".stderr");

    std::vector<std::string> lines;
    for (std::size_t at = 0, end; (end = out.find('\n', at)) != std::string::npos; at = end + 1)
        lines.push_back(out.substr(at, end - at));
    ASSERT_EQ(lines.size(), 4u) << out;
    EXPECT_EQ(lines.back(), "0 ok, 3 failed, 0 refused, 0 skipped, 1 not reached");
    std::sort(lines.begin(), lines.end() - 1);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(lines[i].rfind(std::string(1, static_cast<char>('A' + i)) + ": FAILED ", 0), 0u) << lines[i];
        EXPECT_EQ(lines[i].substr(lines[i].size() - 12), "User Cancel.") << lines[i];
    }
    const std::string err = Text(".stderr");
    EXPECT_EQ(err.substr(err.size() - 13), "User Cancel.\n");
    EXPECT_FALSE(fs::exists(Path("radio-D.bin")));

    const std::string log = Text("fleet-log.csv");
    EXPECT_EQ(std::count(log.begin(), log.end(), '\n'), 4) << log;
    std::size_t failed = 0;
    for (std::size_t at = log.find(",FAILED,"); at != std::string::npos; at = log.find(",FAILED,", at + 1)) ++failed;
    EXPECT_EQ(failed, 3u) << log;
}

}  // namespace
}  // namespace qx::clitest
