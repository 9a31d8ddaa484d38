#include "gui/window/file_commands.h"

#include <QSettings>
#include <cstdlib>
#include <memory>

#include "backups/backup_store.h"
#include "gui/base/clone_controller.h"
#include "gui/base/qt_window_services.h"
#include "gui/dialogs/model_wizard_dialog.h"
#include "gui/document/clone_document.h"
#include "gui/window/window_dialogs.h"

namespace qx {

namespace {

constexpr const char* kBackupSetting = "backupBeforeWrite";
constexpr const char* kWholeBackupSetting = "wholeBackupBeforeWrite";

}  // namespace

FileCommands::FileCommands(AppContext& app, CloneDocument& document, WindowDialogs& dialogs,
                           const CloneController& clone, QWidget* window)
    : QObject(window), app_(app), document_(document), dialogs_(dialogs), clone_(clone), window_(window)
{
}

bool FileCommands::IsReading() const { return clone_.RunningKind() == CloneKind::Read; }

void FileCommands::OnOpen()
{
    if (IsReading()) return;  // the read would replace the opened file's contents
    document_.Open();
}

void FileCommands::OnSave() { document_.Save(); }

void FileCommands::OnSaveAs() { document_.SaveAs(); }

void FileCommands::OnLoadDefault()
{
    if (IsReading()) return;
    // The wizard fills a record and a model choice of its own; the document changes only
    // after its OK and the save question.
    auto defaults = std::make_unique<DocumentState>();
    ModelConfig choice = document_.Config();
    ModelWizardDialog wizard(app_.services, &defaults->record, &choice, window_);
    if (dialogs_.run(wizard) != QDialog::Accepted) return;
    defaults->modelType = choice.modelType;
    defaults->europeanSet = choice.europeanSet;
    document_.LoadDefault(*defaults);
}

bool FileCommands::BackupBeforeWriteSetting() const
{
    return !app_.settings || app_.settings->value(kBackupSetting, true).toBool();
}

void FileCommands::OnBackupToggled(bool on)
{
    if (app_.settings) app_.settings->setValue(kBackupSetting, on);
}

bool FileCommands::WholeBackupSetting() const
{
    // A write backs up what it replaces unless the user asks for more.
    return app_.settings && app_.settings->value(kWholeBackupSetting, false).toBool();
}

void FileCommands::OnWholeBackupToggled(bool on)
{
    if (app_.settings) app_.settings->setValue(kWholeBackupSetting, on);
}

void FileCommands::OnBackups()
{
    if (clone_.IsRunning()) return;  // a restore would need the adaptor the run holds
    QString openPath;
    if (dialogs_.backups(window_, app_, document_.Config(), BackupFolder(app_), openPath) != QDialog::Accepted ||
        openPath.isEmpty())
        return;
    RadioSettings record{};
    std::string problem;
    if (!LoadBackupSettings(ToNativePath(openPath), record, problem)) {
        app_.services.MessageBox(window_, QString::fromStdString(problem), tr("Error"), MsgButtons::Ok, MsgIcon::Stop);
        return;
    }
    document_.OpenUntitled(record, tr("Backup opened."));
}

void FileCommands::OnUndo()
{
    if (!IsReading()) document_.Editor().Undo();
}

void FileCommands::OnRedo()
{
    if (!IsReading()) document_.Editor().Redo();
}

}  // namespace qx
