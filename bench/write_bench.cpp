// A whole `qx720 write` at the protocol's real timings against a virtual radio: the process's
// start, the backup before the write, the write and the save of the radio's file. The write
// alone is 78 sentences of 20 ms (1.56 s); the goal is the whole command within 2.15x of that
// with its default backup (the clone range it replaces). --full-backup (the whole EEPROM, 410
// more blocks) is shown beside it.
#include <stdlib.h>
#include <sys/wait.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>

#include "files/atomic_file.h"
#include "model/identity.h"
#include "model/radio_settings.h"

namespace {

namespace fs = std::filesystem;
using namespace qx;

std::string Quote(const std::string& text)
{
    std::string quoted = "'";
    for (char c : text) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

// Mean seconds of one command over `runs`; negative when a run failed.
double TimeCommand(const std::string& command, int runs)
{
    const auto t0 = std::chrono::steady_clock::now();
    for (int i = 0; i < runs; ++i) {
        const int raw = std::system(command.c_str());
        if (!WIFEXITED(raw) || WEXITSTATUS(raw) != 0) return -1;
    }
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count() / runs;
}

}  // namespace

int main(int argc, char** argv)
{
    const int runs = argc > 1 ? std::atoi(argv[1]) : 3;
    std::string pattern = (fs::temp_directory_path() / "qx720-write-bench-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) return 1;
    const std::string dir = pattern;
    fs::create_directories(dir + "/run");

    RadioSettings record{};
    ResetSettings(record, 1);
    record.mmsiByUser = 0;
    SetMmsiText(record, "235012345");
    WriteFileAtomically(dir + "/boat.dat", &record, sizeof record);

    const std::string base = "cd " + Quote(dir) + " && XDG_DATA_HOME=" + Quote(dir + "/data") +
                             " XDG_RUNTIME_DIR=" + Quote(dir + "/run") + " " + Quote(QX720_PATH) + " --radio " +
                             Quote("virtual:" + dir + "/radio.bin") + " write boat.dat >/dev/null";
    const double floor = 78 * 0.020;
    std::printf("qx720 write, whole process, real protocol timings, %d runs each; the write's floor %.0f ms\n", runs,
                floor * 1e3);
    bool ok = true;
    for (const auto& [name, options] :
         {std::pair{"default backup", ""}, std::pair{"--full-backup", " --full-backup"}}) {
        const double seconds = TimeCommand(base + options, runs);
        ok = ok && seconds > 0;
        std::printf("%-16s %8.1f ms  ratio %.3f of the floor%s\n", name, seconds * 1e3, seconds / floor,
                    seconds > 0 ? "" : "  (A RUN FAILED)");
    }
    std::error_code ec;
    fs::remove_all(dir, ec);
    return ok ? 0 : 1;
}
