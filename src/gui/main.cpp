// QX720 Clone: the desktop program. One window, run modally until it closes.
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QSettings>
#include <QWindow>
#include <clocale>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>

#include "backends/radio_stack.h"
#include "gui/base/app_context.h"
#include "gui/base/language.h"
#include "gui/base/qt_window_services.h"
#include "gui/base/radio_job_runner.h"
#include "gui/window/main_window.h"
#include "sim/radio_option.h"

namespace {

// "--radio VALUE" or "--radio=VALUE"; "usb" when absent.
std::string RadioArgument(int argc, char* argv[])
{
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--radio") == 0 && i + 1 < argc) return argv[i + 1];
        if (std::strncmp(argv[i], "--radio=", 8) == 0) return argv[i] + 8;
    }
    return "usb";
}

bool HasArgument(int argc, char* argv[], const char* wanted)
{
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], wanted) == 0) return true;
    return false;
}

// For the package check: build and show the window, then leave without the close steps (so
// nothing is written).
int SelfTest(qx::MainWindow& window)
{
    window.show();
    QElapsedTimer waited;
    waited.start();
    while (!(window.windowHandle() && window.windowHandle()->isExposed()) && waited.elapsed() < 5000)
        QApplication::processEvents(QEventLoop::AllEvents, 50);
    const bool shown = window.windowHandle() && window.windowHandle()->isExposed();
    std::printf("QX720Clone self-test: %s\n", shown ? "window shown" : "window not shown");
    return shown ? 0 : 1;
}

}  // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    // Frequencies are read and written with a decimal point whatever the desktop's language.
    std::setlocale(LC_NUMERIC, "C");
    QApplication::setApplicationName("QX720Clone");

    qx::RadioOption option;
    std::string error;
    std::unique_ptr<qx::RadioStack> radio;
    // Several adaptors: the window says so and lets the user choose (Clone / Adaptor...).
    if (qx::ParseRadioOption(RadioArgument(argc, argv), option, error))
        radio = qx::RadioStack::Open(option, error, qx::RadioStack::OpenChoices{nullptr, {}, false});
    if (!radio) {
        std::fprintf(stderr, "QX720Clone: %s\n", error.c_str());
        return 2;
    }
    qx::QtWindowServices services;

    qx::RadioJobRunner radioJobs(radio->StopEvent());

    const QString startDirectory = services.CurrentDirectory();
    const QString baseName = QFileInfo(QApplication::applicationFilePath()).completeBaseName();
    const QString stateFile = QDir(startDirectory).filePath(baseName + ".Bin");
    qx::AppContext app{services,  radio->Environment(), radio->AdjustMode(), startDirectory, stateFile,
                       radioJobs, radio->IsVirtual()};
    // The user's choices that outlive a run (the backup before writing), in the desktop's
    // usual place for settings.
    QSettings settings(QSettings::IniFormat, QSettings::UserScope, "qx720", "QX720Clone");
    app.settings = &settings;
    // The window and its dialogs in the chosen language (Help / Language), else the desktop's.
    qx::UseLanguage(qx::ChosenLanguage(&settings));

    qx::MainWindow window(app);
    QApplication::setWindowIcon(window.windowIcon());  // the dialogs' icon too

    if (HasArgument(argc, argv, "--self-test")) {
        const int shown = SelfTest(window);
        radio->Abandon();
        return shown;
    }
    window.exec();
    // The virtual radio keeps what it received, as a real one would.
    if (radio->Close(error)) return 0;
    std::fprintf(stderr, "QX720Clone: %s\n", error.c_str());
    return 1;
}
