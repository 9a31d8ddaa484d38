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

#include "backends/hidapi/hidapi_backend.h"
#include "clone/clone_event.h"
#include "clone/hid_adaptor.h"
#include "clone/pc_clone.h"
#include "gui/base/app_context.h"
#include "gui/base/language.h"
#include "gui/base/qt_window_services.h"
#include "gui/base/radio_job_runner.h"
#include "gui/window/main_window.h"
#include "model/radio_image.h"
#include "sim/radio_option.h"
#include "sim/virtual_adaptor.h"
#include "sim/virtual_radio.h"

namespace {

// The radio the program talks to: the clone adaptor, or a virtual radio kept in a file
// (the --radio option, as the command-line tool takes it).
struct RadioChoice {
    qx::RadioOption option;
    std::unique_ptr<qx::VirtualRadio> radio;
    std::unique_ptr<qx::HidBackend> backend;
};

// "--radio VALUE" or "--radio=VALUE"; "usb" when absent.
std::string RadioArgument(int argc, char* argv[])
{
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--radio") == 0 && i + 1 < argc) return argv[i + 1];
        if (std::strncmp(argv[i], "--radio=", 8) == 0) return argv[i] + 8;
    }
    return "usb";
}

bool ChooseRadio(const std::string& text, RadioChoice& choice, std::string& error)
{
    if (!qx::ParseRadioOption(text, choice.option, error)) return false;
    if (choice.option.kind == qx::RadioOption::Kind::Usb && choice.option.usb.kind == qx::AdaptorSelection::Kind::All) {
        error = "--radio usb:all is for qx720 fleet; name one adaptor with --radio usb:SERIAL or --radio usb:PATH";
        return false;
    }
    if (choice.option.kind == qx::RadioOption::Kind::Usb) {
        choice.backend = std::make_unique<qx::HidapiBackend>();
        return true;
    }
    choice.radio = std::make_unique<qx::VirtualRadio>();
    if (!qx::LoadVirtualRadio(choice.option, *choice.radio, error)) return false;
    choice.backend = std::make_unique<qx::VirtualHidBackend>(*choice.radio);
    return true;
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

// The virtual radio keeps what it received, as a real one would.
int SaveVirtualRadio(qx::CHidAdaptor& adaptor, RadioChoice& radio)
{
    if (!radio.radio) return 0;
    adaptor.CloseAll();
    const qx::CloneResult saved = radio.radio->Save(radio.option.file);
    if (saved == qx::kResultOk) return 0;
    std::fprintf(stderr, "QX720Clone: cannot save the virtual radio file %s: %s\n", radio.option.file.c_str(),
                 qx::DescribeResult(saved).c_str());
    return 1;
}

}  // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    // Frequencies are read and written with a decimal point whatever the desktop's language.
    std::setlocale(LC_NUMERIC, "C");
    QApplication::setApplicationName("QX720Clone");

    RadioChoice radio;
    std::string error;
    if (!ChooseRadio(RadioArgument(argc, argv), radio, error)) {
        std::fprintf(stderr, "QX720Clone: %s\n", error.c_str());
        return 2;
    }

    // The program-wide objects, alive from here to exit.
    qx::CHidAdaptor adaptor(*radio.backend);
    if (!radio.radio) adaptor.SetSelection(radio.option.usb);
    qx::ManualResetEvent stopEvent;
    qx::ManualResetEvent busyEvent;
    auto writeImage = std::make_unique<qx::RadioImage>();
    auto readImage = std::make_unique<qx::RadioImage>();
    writeImage->fill(0);
    readImage->fill(0);
    int32_t adjustMode = 0;
    qx::CloneEnvironment clone{adaptor, stopEvent, *writeImage, *readImage, adjustMode};
    // As in the command-line tool: "fast" drops the virtual radio's pause before each reply.
    if (radio.radio && radio.option.fast) clone.timing.stopCheckMs = 0;
    qx::QtWindowServices services;

    qx::RadioJobRunner radioJobs(stopEvent);

    const QString startDirectory = services.CurrentDirectory();
    const QString baseName = QFileInfo(QApplication::applicationFilePath()).completeBaseName();
    const QString stateFile = QDir(startDirectory).filePath(baseName + ".Bin");
    qx::AppContext app{services,       clone,     busyEvent, adjustMode,
                       startDirectory, stateFile, radioJobs, radio.radio != nullptr};
    // The user's choices that outlive a run (the backup before writing), in the desktop's
    // usual place for settings.
    QSettings settings(QSettings::IniFormat, QSettings::UserScope, "qx720", "QX720Clone");
    app.settings = &settings;
    // The window and its dialogs in the chosen language (Help / Language), else the desktop's.
    qx::UseLanguage(qx::ChosenLanguage(&settings));

    qx::MainWindow window(app);
    QApplication::setWindowIcon(window.windowIcon());  // the dialogs' icon too

    if (HasArgument(argc, argv, "--self-test")) return SelfTest(window);
    window.exec();
    return SaveVirtualRadio(adaptor, radio);
}
