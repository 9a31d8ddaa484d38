// The backups taken before every write to the radio: the list, newest first, from which one
// is opened as a document or written back to the radio whole.
#pragma once

#include <QString>
#include <memory>
#include <vector>

#include "backups/backup_store.h"
#include "files/model_config.h"
#include "gui/base/app_context.h"
#include "gui/dialogs/radio_job_dialog.h"
#include "operations/radio_operations.h"

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
    // Asks, backs the radio up (as every write does), asks again when the backup would replace
    // the radio's identity, then writes the chosen backup's whole dump to the radio, each as a
    // radio job: the outcome shows, and `idle` is signalled, when it comes back.
    void DoRestore();

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
    bool ending_ = false;     // the dialog is going away: no more boxes
    bool stopAsked_ = false;  // Stop was pressed during this restore

    void BuildList();
    QWidget* BuildButtons();
    const BackupEntry* Chosen() const;
    void UpdateButtons();
    void SetBusy(bool busy);
    void OnCloseClicked();
    // `sent`: the transfer had started, so the radio may hold part of the backup.
    void ShowRestoreError(const QString& text, bool sent);
    // After the radio's own backup: the question before another identity replaces its own,
    // then the restore itself.
    void RestoreAfterBackup(const std::shared_ptr<const std::vector<uint8_t>>& dump, const ops::WritePreparation& made);
};

}  // namespace qx
