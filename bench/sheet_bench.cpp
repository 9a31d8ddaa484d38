// One commissioning sheet and one channel card, from the record to the PDF's bytes, in the
// process: the layout alone and with the cairo and pango painter; then the whole `qx720 sheet`
// command, start-up and file included. The goal is a sheet well under 100 ms. The first run,
// which loads the fonts, is shown apart.
#include <stdlib.h>
#include <sys/wait.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "cli/sheet_pdf.h"
#include "files/atomic_file.h"
#include "model/private_sets.h"
#include "reports/sheet_layout.h"

namespace {

using namespace qx;

double Milliseconds(const std::function<void()>& work)
{
    const auto t0 = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count();
}

// Median and worst of `runs` runs after the first, in ms.
void Report(const char* name, int runs, const std::function<void()>& work)
{
    const double first = Milliseconds(work);
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) times.push_back(Milliseconds(work));
    std::sort(times.begin(), times.end());
    std::printf("%-22s first %7.2f ms  median %7.2f ms  worst %7.2f ms\n", name, first, times[times.size() / 2],
                times.back());
}

}  // namespace

int main()
{
    RadioSettings record;
    ResetSettings(record, 1);
    LoadPrivateSet(1, record);  // the UK channels: the typical document
    SetMmsiText(record, "235012345");
    SetAtisText(record, "235012345");
    SheetOptions options;
    options.vesselName = "Morning Star";
    options.callSign = "MXYZ9";
    options.programVersion = "1.10";
    options.printed = {2026, 12, 8, 14, 30, 0, 0};

    const int runs = 50;
    std::size_t bytes = 0;
    std::printf("sheet and card, %d runs each after the first\n", runs);
    Report("sheet layout", runs, [&] { bytes += BuildCommissioningSheet(record, options).pages.size(); });
    Report("sheet layout + PDF", runs,
           [&] { bytes += cli::SheetPdf(BuildCommissioningSheet(record, options)).size(); });
    Report("card layout + PDF", runs, [&] { bytes += cli::SheetPdf(BuildChannelCard(record, options)).size(); });

    // The whole command, in a folder of its own.
    std::string folder = (std::filesystem::temp_directory_path() / "qx720-sheet-bench-XXXXXX").string();
    if (::mkdtemp(folder.data()) == nullptr) return 1;
    const std::string dat = folder + "/t.dat";
    if (!WriteFileAtomically(dat, &record, sizeof record)) return 1;
    const std::string command = std::string("'") + QX720_PATH + "' sheet '" + dat + "' -o '" + folder +
                                "/t.pdf' --vessel 'Morning Star' >/dev/null";
    bool failed = false;
    Report("qx720 sheet (process)", 10, [&] {
        const int raw = std::system(command.c_str());
        failed = failed || !WIFEXITED(raw) || WEXITSTATUS(raw) != 0;
    });
    std::error_code ec;
    std::filesystem::remove_all(folder, ec);
    return bytes > 0 && !failed ? 0 : 1;
}
