// QX720 Clone: the desktop program. One window, run modally until it closes.
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QWindow>
#include <clocale>
#include <cstdio>
#include <cstring>
#include <memory>

#include "clone/clone_event.h"
#include "clone/hid_adaptor.h"
#include "clone/hidapi_backend.h"
#include "clone/pc_clone.h"
#include "model/radio_image.h"
#include "gui/base/app_context.h"
#include "gui/window/main_window.h"
#include "gui/base/qt_window_services.h"
#include "gui/base/radio_job_runner.h"

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    // Frequencies are read and written with a decimal point whatever the desktop's language.
    std::setlocale(LC_NUMERIC, "C");
    QApplication::setApplicationName("QX720Clone");

    // The program-wide objects, alive from here to exit.
    qx::HidapiBackend backend;
    qx::CHidAdaptor adaptor(backend);
    qx::ManualResetEvent stopEvent;
    qx::ManualResetEvent busyEvent;
    auto writeImage = std::make_unique<qx::RadioImage>();
    auto readImage = std::make_unique<qx::RadioImage>();
    writeImage->fill(0);
    readImage->fill(0);
    int32_t adjustMode = 0;
    qx::CloneEnvironment clone{adaptor, stopEvent, *writeImage, *readImage, adjustMode};
    qx::QtWindowServices services;

    qx::RadioJobRunner radioJobs(stopEvent);

    const QString startDirectory = services.CurrentDirectory();
    const QString baseName = QFileInfo(QApplication::applicationFilePath()).completeBaseName();
    const QString stateFile = QDir(startDirectory).filePath(baseName + ".Bin");
    qx::AppContext app{services, clone, busyEvent, adjustMode, startDirectory, stateFile, radioJobs};

    qx::MainWindow window(app);
    QApplication::setWindowIcon(window.windowIcon());  // the dialogs' icon too

    // For the package check: build and show the window, then leave without the close steps
    // (so nothing is written).
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--self-test") != 0) continue;
        window.show();
        QElapsedTimer waited;
        waited.start();
        while (!(window.windowHandle() && window.windowHandle()->isExposed()) && waited.elapsed() < 5000)
            QApplication::processEvents(QEventLoop::AllEvents, 50);
        const bool shown = window.windowHandle() && window.windowHandle()->isExposed();
        std::printf("QX720Clone self-test: %s\n", shown ? "window shown" : "window not shown");
        return shown ? 0 : 1;
    }

    window.exec();
    return 0;
}
