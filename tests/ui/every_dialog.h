// One of each of the program's dialogs, for the checks that walk all of them (names for screen
// readers, room for every language's texts).
#pragma once

#include <QDialog>
#include <memory>
#include <vector>

#include "dialog_rig.h"
#include "files/model_config.h"
#include "gui/dialogs/about_dialog.h"
#include "gui/dialogs/adaptor_dialog.h"
#include "gui/dialogs/backups_dialog.h"
#include "gui/dialogs/channel_setup_dialog.h"
#include "gui/dialogs/config_dialog.h"
#include "gui/dialogs/eeprom_tools_dialog.h"
#include "gui/dialogs/feature_setup_dialog.h"
#include "gui/dialogs/model_wizard_dialog.h"
#include "gui/dialogs/sheet_dialog.h"
#include "gui/dialogs/user_dialog.h"
#include "model/radio_settings.h"

namespace qx::test {

// `config` and `record` must outlive the dialogs.
inline std::vector<std::unique_ptr<QDialog>> EveryDialog(DialogRig& rig, ModelConfig& config, RadioSettings& record)
{
    std::vector<std::unique_ptr<QDialog>> dialogs;
    dialogs.push_back(std::make_unique<AboutDialog>());
    dialogs.push_back(std::make_unique<AdaptorDialog>(
        nullptr, [&rig] { return rig.adaptor.Candidates(); }, HidInterfaceInfo{}));
    dialogs.push_back(std::make_unique<UserDialog>(nullptr, config, rig.adjustMode));
    dialogs.push_back(std::make_unique<FeatureSetupDialog>(nullptr, config, record));
    dialogs.push_back(std::make_unique<EpromToolsDialog>(nullptr, rig.app, config));
    dialogs.push_back(std::make_unique<ConfigDialog>(nullptr, rig.app, config, record));
    dialogs.push_back(std::make_unique<BackupsDialog>(nullptr, rig.app, config, rig.File("backups")));
    dialogs.push_back(std::make_unique<ChannelSetupDialog>(rig.services, record, config, true));
    dialogs.push_back(std::make_unique<ModelWizardDialog>(rig.services, &record, &config));
    dialogs.push_back(std::make_unique<SheetDialog>(nullptr, QStringLiteral("Print")));
    return dialogs;
}

}  // namespace qx::test
