// The File and Edit commands: the window runs the wizard and the backups list, the document
// makes the decisions.
#pragma once

#include <QObject>
#include <QString>

#include "gui/base/backup_folder.h"

namespace qx {

class CloneController;
class CloneDocument;
class WindowServices;
struct AppContext;
struct WindowDialogs;

class FileCommands : public QObject {
    Q_OBJECT

public:
    // `window`: the boxes' and dialogs' parent. Open, Load Default, Undo and Redo wait for a
    // running Read, Backups... for any clone run (`clone`).
    FileCommands(AppContext& app, CloneDocument& document, WindowDialogs& dialogs, const CloneController& clone,
                 QWidget* window);

    void OnLoadDefault();
    void OnOpen();
    void OnSave();
    void OnSaveAs();
    void OnBackups();
    void OnUndo();
    void OnRedo();
    // File / Back up the radio before writing: kept across runs.
    bool BackupBeforeWriteSetting() const;
    void OnBackupToggled(bool on);
    // File / Back up the whole EEPROM before a write (else only the range a write replaces):
    // kept across runs.
    bool WholeBackupSetting() const;
    void OnWholeBackupToggled(bool on);

private:
    AppContext& app_;
    CloneDocument& document_;
    WindowDialogs& dialogs_;
    const CloneController& clone_;
    QWidget* window_;

    bool IsReading() const;
};

}  // namespace qx
