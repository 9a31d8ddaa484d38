// The backups taken before every write to the radio: the list, newest first, from which one
// is opened as a document or written back to the radio (a whole EEPROM, or the clone range a
// write backed up). The list follows the folder while the dialog is open.
#pragma once

#include <QString>
#include <memory>
#include <vector>

#include "backups/backup_store.h"
#include "files/model_config.h"
#include "gui/base/app_context.h"
#include "gui/dialogs/eeprom_job.h"
#include "gui/dialogs/radio_job_dialog.h"

class QFileSystemWatcher;
class QLabel;
class QProgressBar;
class QPushButton;
class QTreeWidget;

namespace qx {

class BackupsDialog : public RadioJobDialog {
    Q_OBJECT
public:
    // `options`: the document's, as the EEPROM tools take them for their transfers.
    BackupsDialog(QWidget* parent, AppContext& app, const ModelConfig& options, const QString& folder);
    // A restore still running is stopped and waited for.
    ~BackupsDialog() override;

    // Accepts with the chosen backup's path (chosenPath).
    void DoOpen();
    // Asks, reads the radio, asks again when the backup would replace the radio's identity, then
    // backs up what the restore replaces (as every write does) and writes the chosen backup, each
    // radio step as a radio job: the outcome shows, and `idle` is signalled, when it comes back.
    void DoRestore();
    // Lists the folder again, keeping the chosen backup chosen (later, when a restore runs).
    void Refresh();

    QString chosenPath() const { return chosenPath_; }
    QString statusText() const;
    QTreeWidget* list() const { return list_; }
    QProgressBar* progressBar() const { return progress_; }
    QPushButton* closeButton() const { return close_; }

private:
    AppContext& app_;
    ModelConfig options_;  // the transfer's
    std::string folder_;   // where the backups are, and where the radio is backed up before a restore
    std::vector<BackupEntry> backups_;
    QString chosenPath_;
    QTreeWidget* list_;
    QLabel* empty_;
    QLabel* status_;
    QProgressBar* progress_;
    QPushButton* open_;
    QPushButton* restore_;
    QPushButton* close_;
    QFileSystemWatcher* watcher_;
    bool ending_ = false;         // the dialog is going away: no more boxes
    bool stopAsked_ = false;      // Stop was pressed during this restore
    bool refreshWanted_ = false;  // the folder changed during a restore

    void BuildList();
    void FillList(const std::string& chosenPath);
    void Watch();
    QWidget* BuildButtons();
    const BackupEntry* Chosen() const;
    void UpdateButtons();
    void SetBusy(bool busy);
    void OnCloseClicked();
    // `sent`: the transfer had started, so the radio may hold part of the backup.
    void ShowRestoreError(const QString& text, bool sent);
    // After the radio was read: the question before another identity replaces its own, then
    // the backup and the restore itself.
    void RestoreAfterRead(const std::shared_ptr<GateSteps>& restore);
    void RestoreDone(const std::shared_ptr<GateSteps>& restore, CloneResult code);
    // The question before the backup replaces an identity the radio holds; true on Yes.
    bool AskToReplace(const QString& question);
};

}  // namespace qx
