#include "gui/dialogs/service_dialogs.h"

#include "gui/dialogs/about_dialog.h"
#include "gui/dialogs/backups_dialog.h"
#include "gui/dialogs/config_dialog.h"
#include "gui/dialogs/eeprom_tools_dialog.h"
#include "gui/dialogs/feature_setup_dialog.h"
#include "gui/dialogs/user_dialog.h"

namespace qx {

int RunAboutDialog(QWidget* parent, AppContext&)
{
    AboutDialog dialog(parent);
    return dialog.exec();
}

int RunUserDialog(QWidget* parent, AppContext& app, ModelConfig& config)
{
    UserDialog dialog(parent, config, app.adjustMode);
    return dialog.exec();
}

int RunFeatureSetupDialog(QWidget* parent, AppContext&, ModelConfig& config, RadioSettings& document)
{
    FeatureSetupDialog dialog(parent, config, document);
    return dialog.exec();
}

int RunEpromToolsDialog(QWidget* parent, AppContext& app, ModelConfig& config)
{
    EpromToolsDialog dialog(parent, app, config);
    return dialog.exec();
}

int RunConfigDialog(QWidget* parent, AppContext& app, ModelConfig& config, RadioSettings& document)
{
    ConfigDialog dialog(parent, app, config, document);
    return dialog.exec();
}

int RunBackupsDialog(QWidget* parent, AppContext& app, const ModelConfig& options, const QString& folder,
                     QString& openPath)
{
    BackupsDialog dialog(parent, app, options, folder);
    const int result = dialog.exec();
    if (result == QDialog::Accepted) openPath = dialog.chosenPath();
    return result;
}

}  // namespace qx
