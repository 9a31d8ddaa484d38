// The GUI tests' entry point: offscreen unless a platform was chosen, one QApplication.
#include <gtest/gtest.h>

#include <QApplication>
#include <fstream>
#include <memory>

#include "../support/temp_dir.h"
#include "gui/base/accessible_names.h"

int main(int argc, char** argv)
{
    // Offscreen on a desktop-sized screen (Qt's own offscreen screen is 800x600, smaller than
    // the window), unless another platform was chosen.
    std::unique_ptr<qx::test::TempDir> screen;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") || qgetenv("QT_QPA_PLATFORM") == "offscreen") {
        screen = std::make_unique<qx::test::TempDir>("screen");
        const std::string config = screen->File("screen.json");
        std::ofstream(config) << R"({"screens": [{"name": "desk", "x": 0, "y": 0, "width": 1280, "height": 900,)"
                                 R"( "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})";
        qputenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + config).c_str());
    }
    // Without a runtime folder Qt makes one in the shared temporary folder and leaves it
    // there; a private one goes away with the run.
    std::unique_ptr<qx::test::TempDir> runtime;
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
        runtime = std::make_unique<qx::test::TempDir>("runtime");
        qputenv("XDG_RUNTIME_DIR", runtime->Path().c_str());
    }
    QApplication app(argc, argv);
    qx::InstallAccessibleNames();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
