// The service tools the main window opens: about, user options, feature setup, EEPROM tools,
// handset test mode and the backups. Each runs modally and returns QDialog::Accepted or Rejected.
#pragma once

#include <QString>

#include "files/model_config.h"
#include "gui/base/app_context.h"
#include "model/radio_settings.h"

class QWidget;

namespace qx {

int RunAboutDialog(QWidget* parent, AppContext& app);
// OK stores the four options (adjust mode, logo, ROM map, UI read-only).
int RunUserDialog(QWidget* parent, AppContext& app, ModelConfig& config);
// OK stores the brand and model names into the document.
int RunFeatureSetupDialog(QWidget* parent, AppContext& app, ModelConfig& config, RadioSettings& document);
int RunEpromToolsDialog(QWidget* parent, AppContext& app, ModelConfig& config);
int RunConfigDialog(QWidget* parent, AppContext& app, ModelConfig& config, RadioSettings& document);
// The backups in `folder`. Accepted when one was chosen to open: `openPath` is its file.
int RunBackupsDialog(QWidget* parent, AppContext& app, const ModelConfig& options, const QString& folder,
                     QString& openPath);

}  // namespace qx
