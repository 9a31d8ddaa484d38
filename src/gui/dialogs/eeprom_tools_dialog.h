// The EEPROM tools: the radio's whole 8192-byte EEPROM written from, read into and verified
// against raw ".Bin" dump files, with no decoding and nothing changed in the document. A write
// passes the gate: the radio is backed up whole first, and its identity replaced only on a Yes.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "gui/base/app_context.h"
#include "gui/base/radio_job_runner.h"
#include "gui/dialogs/eeprom_job.h"
#include "gui/dialogs/radio_job_dialog.h"
#include "operations/eeprom_operations.h"

class QAction;
class QLabel;
class QMenuBar;
class QProgressBar;
class QPushButton;

namespace qx {

class EpromToolsDialog : public RadioJobDialog {
    Q_OBJECT
public:
    EpromToolsDialog(QWidget* parent, AppContext& app, ModelConfig& config);

    // The three Clone menu commands (the menu calls these). Each runs as a radio job: the
    // outcome shows, and `idle` is signalled, when it comes back.
    void DoWrite();
    void DoRead();
    void DoVerify();

    QString statusText() const;
    QProgressBar* progressBar() const { return progress_; }
    QAction* writeAction() const { return write_; }
    QAction* readAction() const { return read_; }
    QAction* verifyAction() const { return verify_; }
    QPushButton* cancelButton() const { return cancel_; }

private:
    AppContext& app_;
    ModelConfig& config_;
    QMenuBar* menuBar_;
    QAction* write_;
    QAction* read_;
    QAction* verify_;
    QLabel* status_;
    QProgressBar* progress_;
    QPushButton* cancel_;

    FileDialogRequest DumpFileRequest();
    // `exact`: the file must be a whole EEPROM, no longer (what "Write" sends).
    bool ChooseDumpFile(std::vector<uint8_t>& bytes, bool exact);
    void SetStatus(const QString& text);
    void SetBusy(bool busy);
    using Operation = EepromOperation;
    void Run(const QString& afterHandShake, Operation operation, std::function<void(CloneResult)> then);
    void EmptyProgress();
    void ShowOpenFileError(const QString& path);
    void ShowFailure(const QString& caption, CloneResult code, const std::string& reason = {});
    // "Write" between its two radio jobs: the identity question, then the backup and the write.
    void WriteAfterRead(const std::shared_ptr<GateSteps>& write);
    void WriteDone(const std::shared_ptr<GateSteps>& write, CloneResult code);
};

}  // namespace qx
