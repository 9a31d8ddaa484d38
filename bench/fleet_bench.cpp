// A fleet of 8 units on 8 virtual radios at the protocol's real timings, through the command
// line's own fleet command: --jobs 1 against --jobs 4 and --jobs 8. Each unit is a backup of the
// clone range the write replaces, the write and a verify, about 4.7 s of transfers. The goal is --jobs 8 under 0.2x the
// wall time of
// --jobs 1, and the waits blocking rather than spinning (CPU per unit).
#include <stdlib.h>
#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <sstream>
#include <string>

#include "cli/commands.h"
#include "cli/fleet_command.h"
#include "files/atomic_file.h"
#include "model/radio_settings.h"

namespace {

using namespace qx;
namespace fs = std::filesystem;

double CpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    auto seconds = [](const timeval& t) { return static_cast<double>(t.tv_sec) + t.tv_usec / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

struct Figures {
    double wall = 0;
    double cpu = 0;
    int status = -1;
};

// One run in a folder of its own: fresh radios, no log, so that every unit is programmed.
Figures RunFleet(const std::string& root, int units, int jobs)
{
    const std::string dir = root + "/jobs" + std::to_string(jobs);
    fs::create_directories(dir);
    RadioSettings templ{};
    ResetSettings(templ, 1);
    WriteFileAtomically(dir + "/t.dat", &templ, sizeof templ);
    std::string csv = "unit,mmsi\n";
    for (int i = 1; i <= units; ++i)
        csv += "R" + std::to_string(i) + ",2350000" + (i < 10 ? "0" : "") + std::to_string(i) + "\n";
    WriteFileAtomically(dir + "/units.csv", csv.data(), csv.size());

    std::ostringstream out, err;
    cli::Context ctx{RadioOption{}, out, err, false};
    ctx.radio.kind = RadioOption::Kind::Virtual;
    ctx.radio.file = dir + "/radio-{unit}.bin";
    cli::FleetArguments args;
    args.templateFile = dir + "/t.dat";
    args.unitsFile = dir + "/units.csv";
    args.logFile = dir + "/log.csv";
    args.backupDir = dir + "/backups";
    args.yes = true;
    args.jobs = jobs;
    std::istringstream in;

    Figures f;
    const double cpu0 = CpuSeconds();
    const auto t0 = std::chrono::steady_clock::now();
    f.status = cli::CmdFleet(ctx, args, in);
    f.wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
    f.cpu = CpuSeconds() - cpu0;
    if (f.status != 0)
        std::fprintf(stderr, "jobs %d: status %d\n%s%s", jobs, f.status, out.str().c_str(), err.str().c_str());
    return f;
}

}  // namespace

int main(int argc, char** argv)
{
    const int units = argc > 1 ? std::atoi(argv[1]) : 8;
    std::string pattern = (fs::temp_directory_path() / "qx720-fleet-bench-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) return 1;
    const std::string root = pattern;

    std::printf("fleet of %d units on %d virtual radios, real protocol timings\n", units, units);
    double one = 0;
    bool ok = true;
    for (int jobs : {1, 4, 8}) {
        const Figures f = RunFleet(root, units, jobs);
        ok = ok && f.status == 0;
        if (jobs == 1) {
            one = f.wall;
            std::printf("--jobs 1  %7.2f s per unit (backup of what the write replaces, write, verify)\n",
                        f.wall / units);
        }
        std::printf(
            "--jobs %d  %7.1f s  %.3fx of --jobs 1  CPU %.3f s per unit (%.2f %% of a core per running unit)%s\n", jobs,
            f.wall, f.wall / one, f.cpu / units, 100.0 * f.cpu / (f.wall * std::min(jobs, units)),
            f.status == 0 ? "" : "  (THE RUN FAILED)");
    }
    std::error_code ec;
    fs::remove_all(root, ec);
    return ok ? 0 : 1;
}
