// The GUI tests' entry point: offscreen unless a platform was chosen, one QApplication.
#include <gtest/gtest.h>

#include <QApplication>
#include <memory>

#include "../support/temp_dir.h"

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // Without a runtime folder Qt makes one in the shared temporary folder and leaves it
    // there; a private one goes away with the run.
    std::unique_ptr<qx::test::TempDir> runtime;
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
        runtime = std::make_unique<qx::test::TempDir>("runtime");
        qputenv("XDG_RUNTIME_DIR", runtime->Path().c_str());
    }
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
