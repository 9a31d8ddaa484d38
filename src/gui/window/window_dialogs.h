// How the window runs the dialogs it opens. The program uses the defaults; tests answer the
// dialogs without entering a modal loop.
#pragma once

#include <QDialog>
#include <QString>
#include <functional>

#include "files/model_config.h"
#include "gui/base/app_context.h"
#include "model/radio_settings.h"

namespace qx {

struct WindowDialogs {
    std::function<int(QDialog&)> run;
    std::function<int(QWidget*, AppContext&)> about;
    std::function<int(QWidget*, AppContext&, ModelConfig&)> user;
    std::function<int(QWidget*, AppContext&, ModelConfig&, RadioSettings&)> featureSetup;
    std::function<int(QWidget*, AppContext&, ModelConfig&)> epromTools;
    std::function<int(QWidget*, AppContext&, ModelConfig&, RadioSettings&)> config;
    // File / Backups...: Accepted with the path of a backup to open.
    std::function<int(QWidget*, AppContext&, const ModelConfig&, const QString& folder, QString& openPath)> backups;

    static WindowDialogs Defaults();
};

}  // namespace qx
