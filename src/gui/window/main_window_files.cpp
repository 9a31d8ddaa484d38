// The File and Edit commands: the window runs the wizard and the backups list, the document
// makes the decisions; the close steps.
#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QSettings>
#include <cstdlib>
#include <memory>

#include "backups/backup_store.h"
#include "gui/base/qt_window_services.h"
#include "gui/dialogs/model_wizard_dialog.h"
#include "gui/window/main_window.h"

namespace qx {

namespace {

constexpr const char* kBackupSetting = "backupBeforeWrite";

}  // namespace

void MainWindow::OnOpen()
{
    if (IsReading()) return;  // the read would replace the opened file's contents
    doc_.Open();
}

void MainWindow::OnSave() { doc_.Save(); }

void MainWindow::OnSaveAs() { doc_.SaveAs(); }

void MainWindow::OnLoadDefault()
{
    if (IsReading()) return;
    // The wizard fills a record and a model choice of its own; the document changes only
    // after its OK and the save question.
    auto defaults = std::make_unique<DocumentState>();
    ModelConfig choice = doc_.Config();
    ModelWizardDialog wizard(services_, &defaults->record, &choice, this);
    if (dialogs_.run(wizard) != QDialog::Accepted) return;
    defaults->modelType = choice.modelType;
    defaults->europeanSet = choice.europeanSet;
    if (doc_.LoadDefault(*defaults)) ShowDocument();
}

QString MainWindow::BackupFolder() const
{
    if (!app_.backupFolder.isEmpty()) return app_.backupFolder;
    return FromNativePath(DefaultBackupFolder(std::getenv("XDG_DATA_HOME"), std::getenv("HOME")));
}

void MainWindow::OnBackupToggled(bool on)
{
    if (app_.settings) app_.settings->setValue(kBackupSetting, on);
}

void MainWindow::OnBackups()
{
    if (IsCloneRunning()) return;  // a restore would need the adaptor the run holds
    QString openPath;
    if (dialogs_.backups(this, app_, doc_.Config(), BackupFolder(), openPath) != QDialog::Accepted ||
        openPath.isEmpty())
        return;
    RadioSettings record{};
    std::string problem;
    if (!LoadBackupSettings(ToNativePath(openPath), record, problem)) {
        services_.MessageBox(this, QString::fromStdString(problem), tr("Error"), MsgButtons::Ok, MsgIcon::Stop);
        return;
    }
    if (doc_.OpenUntitled(record, tr("Backup opened."))) ShowDocument();
}

void MainWindow::OnUndo()
{
    if (IsReading()) return;
    GatherControls();  // a typed identity not yet a step becomes one, and is undone first
    doc_.History().undo();
}

void MainWindow::OnRedo()
{
    if (IsReading()) return;
    GatherControls();  // a typed identity is kept (as a step, which ends what there was to redo)
    doc_.History().redo();
}

void MainWindow::UpdateUndoActions()
{
    const bool editable = !IsReading();
    QUndoStack& history = doc_.History();
    ui_.undo->setEnabled(editable && history.canUndo());
    ui_.redo->setEnabled(editable && history.canRedo());
    ui_.undo->setText(history.canUndo() ? tr("&Undo %1").arg(history.undoText()) : tr("&Undo"));
    ui_.redo->setText(history.canRedo() ? tr("&Redo %1").arg(history.redoText()) : tr("&Redo"));
}

bool MainWindow::RunCloseSteps()
{
    StoreBandSelection();
    if (!doc_.IsUntitled()) GatherControls();
    return doc_.CloseSteps(app_.stateFilePath);
}

void MainWindow::BuildFileMenu(QMenuBar* bar)
{
    QMenu* file = bar->addMenu(tr("&File"));
    ui_.loadDefault = file->addAction(tr("&Load Default"), this, &MainWindow::OnLoadDefault);
    ui_.open = file->addAction(tr("&Open"), this, &MainWindow::OnOpen);
    ui_.save = file->addAction(tr("&Save"), this, &MainWindow::OnSave);
    ui_.saveAs = file->addAction(tr("Save &as"), this, &MainWindow::OnSaveAs);
    file->addSeparator();
    ui_.backupBeforeWrite = file->addAction(tr("Back up the radio before &writing"));
    ui_.backupBeforeWrite->setObjectName("backupBeforeWrite");
    ui_.backupBeforeWrite->setCheckable(true);
    ui_.backupBeforeWrite->setChecked(!app_.settings || app_.settings->value(kBackupSetting, true).toBool());
    connect(ui_.backupBeforeWrite, &QAction::toggled, this, &MainWindow::OnBackupToggled);
    ui_.backups = file->addAction(tr("&Backups..."), this, &MainWindow::OnBackups);
    file->addSeparator();
    ui_.exit = file->addAction(tr("E&xit"), this, &MainWindow::reject);
}

}  // namespace qx
