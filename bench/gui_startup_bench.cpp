// The desktop program's start-up and channel list costs, on Qt's offscreen platform:
// - time from process start to the main window shown, and the resident memory then, measured
//   by starting this program again as a child that builds the window exactly as the program
//   does (with a virtual adaptor) and reports once the window is exposed;
// - FillChannelList for every group (Private with its full 100 channels);
// - an undoable edit (one history step and the view shown again) and an undo with its redo,
//   and the resident memory a full history takes.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QComboBox>
#include <QListWidget>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <QWindow>
#include <algorithm>
#include <chrono>
#include <clocale>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "backends/radio_stack.h"
#include "files/clone_file.h"
#include "gui/base/qt_window_services.h"
#include "gui/base/radio_job_runner.h"
#include "gui/window/channel_panel.h"
#include "gui/window/main_window.h"
#include "model/channel_plan.h"
#include "sim/virtual_adaptor.h"
#include "sim/virtual_radio.h"

using namespace qx;

namespace {

constexpr const char* kChildFlag = "--startup-child";
constexpr int kStartupRuns = 10;

long StatusKb(const char* key)
{
    std::ifstream in("/proc/self/status");
    std::string line;
    const std::size_t n = std::strlen(key);
    while (std::getline(in, line))
        if (line.compare(0, n, key) == 0) return std::atol(line.c_str() + n);
    return -1;
}

// The program-wide objects of the desktop program, over a virtual radio.
struct Program {
    VirtualRadio radio;
    VirtualHidBackend backend{radio};
    RadioStack stack{backend};
    QtWindowServices services;
    QTemporaryDir start;
    RadioJobRunner radioJobs{stack.StopEvent()};
    AppContext app{services, stack.Environment(), stack.AdjustMode(), start.path(), start.filePath("QX720Clone.Bin"),
                   radioJobs};
};

int RunStartupChild(int argc, char** argv)
{
    QApplication application(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    Program program;
    MainWindow window(program.app);
    window.show();
    while (window.windowHandle() == nullptr || !window.windowHandle()->isExposed())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    QCoreApplication::processEvents();  // the first paint
    std::printf("shown %ld %ld\n", StatusKb("VmRSS:"), StatusKb("VmHWM:"));
    std::fflush(stdout);
    return 0;
}

void MeasureStartup(const char* self)
{
    std::vector<double> ms;
    std::vector<long> rss, peak;
    for (int i = 0; i < kStartupRuns; ++i) {
        QProcess child;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        child.setProcessEnvironment(env);
        const auto t0 = std::chrono::steady_clock::now();
        child.start(QString::fromLocal8Bit(self), {kChildFlag});
        if (!child.waitForReadyRead(30000)) {
            std::fprintf(stderr, "start-up child did not report\n");
            child.kill();
            child.waitForFinished(5000);
            return;
        }
        const auto t1 = std::chrono::steady_clock::now();
        long r = 0, p = 0;
        std::sscanf(child.readAll().constData(), "shown %ld %ld", &r, &p);
        child.waitForFinished(30000);
        ms.push_back(std::chrono::duration<double, std::milli>(t1 - t0).count());
        rss.push_back(r);
        peak.push_back(p);
    }
    std::sort(ms.begin(), ms.end());
    std::printf("Start-up to main window shown (offscreen, %d runs): median %.1f ms, min %.1f ms, max %.1f ms\n",
                kStartupRuns, ms[ms.size() / 2], ms.front(), ms.back());
    std::printf("Resident memory when shown: %.1f MB (peak %.1f MB)\n\n",
                *std::max_element(rss.begin(), rss.end()) / 1024.0,
                *std::max_element(peak.begin(), peak.end()) / 1024.0);
}

Program* gProgram = nullptr;
MainWindow* gWindow = nullptr;

void BM_FillChannelList(benchmark::State& state, const char* band)
{
    auto named = [](auto* widget, const char* name) { return widget->accessibleName() == name; };
    QComboBox* bands = nullptr;
    for (QComboBox* box : gWindow->findChildren<QComboBox*>())
        if (named(box, "Band")) bands = box;
    QListWidget* lines = nullptr;
    for (QListWidget* list : gWindow->findChildren<QListWidget*>())
        if (named(list, "Channel list")) lines = list;
    bands->setCurrentIndex(bands->findText(band));
    if (bands->currentText() != band) {
        state.SkipWithError("band not offered");
        return;
    }
    for (auto _ : state) gWindow->Channels().FillChannelList();
    state.counters["lines"] = lines->count();
}

// A private channel edit as the window makes it: one step of the history, the view refreshed.
void BM_UndoableEdit(benchmark::State& state)
{
    CloneDocument& doc = gWindow->Doc();
    auto edited = std::make_unique<RadioSettings>(doc.Record());
    int n = 0;
    for (auto _ : state) {
        edited->channels[kPrivateBlock].txMHz = 156.0 + 0.025 * (++n % 100);
        doc.Editor().Change({"Edit private channel", {}}, *edited);
    }
    state.counters["steps"] = static_cast<double>(doc.Editor().Index());
}

void BM_UndoRedo(benchmark::State& state)
{
    DocumentEditor& editor = gWindow->Doc().Editor();
    for (auto _ : state) {
        editor.Undo();
        editor.Redo();
    }
}

// The memory a full history (its step limit) takes: each step keeps two whole records.
void MeasureHistoryMemory(MainWindow& window)
{
    CloneDocument& doc = window.Doc();
    auto edited = std::make_unique<RadioSettings>(doc.Record());
    const long before = StatusKb("VmRSS:");
    int steps = 0;
    for (int i = 0; i < 1000 && doc.Editor().Index() < DocumentEditor::kHistorySteps; ++i, ++steps) {
        edited->channels[kPrivateBlock + 1].txMHz = 156.0 + 0.025 * (i % 100) + 0.00625 * (i / 100);
        doc.Editor().Change({"Edit private channel", {}}, *edited);
    }
    const long after = StatusKb("VmRSS:");
    std::printf("History of %zu steps (the limit): %.1f MB more resident memory\n", doc.Editor().Index(),
                (after - before) / 1024.0);
    doc.Editor().Reset(doc.Editor().State());
}

}  // namespace

int main(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], kChildFlag) == 0) return RunStartupChild(argc, argv);

    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    MeasureStartup(argv[0]);

    // A Europe window with every group on and a full Private block, then USA for WX.
    Program program;
    gProgram = &program;
    MainWindow window(program.app);
    window.Timer()->stop();
    gWindow = &window;
    auto full = std::make_unique<RadioSettings>();
    RadioSettings& doc = *full;
    ResetSettings(doc, 1);
    doc.canEnabled = doc.usaNarrowEnabled = doc.intNarrowEnabled = doc.canNarrowEnabled = 1;
    for (int i = 0; i < kChannelsPerBlock; ++i) {
        ChannelEntry& e = doc.channels[kPrivateBlock + i];
        SetChannelName(e, "C5");
        e.txMHz = 156.0 + 0.025 * i;
        e.rxMHz = e.txMHz + 4.6;
        e.usageCode = static_cast<int8_t>(11 + i % 25);
        e.inUse = 1;
    }
    window.Doc().Editor().Change({"Full", {}}, doc, true);
    MeasureHistoryMemory(window);

    for (const char* band : {"INT", "USA", "CAN", "INT_Narrow", "USA_Narrow", "CAN_Narrow", "Private"})
        benchmark::RegisterBenchmark((std::string("FillChannelList/") + band).c_str(), BM_FillChannelList, band)
            ->Unit(benchmark::kMicrosecond);
    // With the full Private band in view, as the last list benchmark left it.
    benchmark::RegisterBenchmark("UndoableEdit", BM_UndoableEdit)->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("UndoRedo", BM_UndoRedo)->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("FillChannelList/WX", [](benchmark::State& state) {
        static bool usa = false;
        if (!usa) {
            auto usaRecord = std::make_unique<RadioSettings>(gWindow->Doc().Record());
            usaRecord->modelType = 0;
            gWindow->Doc().Editor().Change({"Model", {}}, *usaRecord, true);
            usa = true;
        }
        BM_FillChannelList(state, "WX");
    })->Unit(benchmark::kMicrosecond);

    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
