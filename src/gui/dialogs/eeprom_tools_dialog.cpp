#include "gui/dialogs/eeprom_tools_dialog.h"

#include <QDir>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>
#include <memory>
#include <string>

#include "gui/base/backup_folder.h"
#include "gui/base/core_texts.h"
#include "gui/base/qt_window_services.h"

namespace qx {

EpromToolsDialog::EpromToolsDialog(QWidget* parent, AppContext& app, ModelConfig& config)
    : RadioJobDialog(parent), app_(app), config_(config)
{
    setWindowTitle(tr("Eprom Tools Dialog"));

    menuBar_ = new QMenuBar(this);
    // Underlined letters for the keyboard; the texts stay the classic ones.
    QMenu* clone = menuBar_->addMenu(tr("&Clone"));
    write_ = clone->addAction(tr("&Write"));
    read_ = clone->addAction(tr("&Read"));
    verify_ = clone->addAction(tr("&Verify"));
    connect(write_, &QAction::triggered, this, &EpromToolsDialog::DoWrite);
    connect(read_, &QAction::triggered, this, &EpromToolsDialog::DoRead);
    connect(verify_, &QAction::triggered, this, &EpromToolsDialog::DoVerify);

    auto* statusLabel = new QLabel(tr("Status:"), this);
    status_ = new QLabel(tr("Ready."), this);
    status_->setObjectName(QStringLiteral("statusText"));
    status_->setMinimumWidth(status_->fontMetrics().horizontalAdvance(tr("Verify Error!")) * 2);

    progress_ = new QProgressBar(this);
    progress_->setRange(0, kEepromTransferBlocks);  // each transfer sets its own scale
    progress_->setValue(0);
    progress_->setTextVisible(false);
    progress_->setMinimumWidth(320);
    // The HandShake's answer reaches the status while the blocks still move.
    connect(&app_.radioJobs, &RadioJobRunner::noted, this, [this](const QString& text) {
        if (busy_) SetStatus(text);
    });

    cancel_ = new QPushButton(tr("Cancel"), this);
    connect(cancel_, &QPushButton::clicked, this, &EpromToolsDialog::reject);

    auto* statusRow = new QHBoxLayout;
    statusRow->addWidget(statusLabel);
    statusRow->addWidget(status_, 1);

    auto* buttonRow = new QHBoxLayout;
    buttonRow->addStretch(1);
    buttonRow->addWidget(cancel_);

    auto* layout = new QVBoxLayout(this);
    layout->setMenuBar(menuBar_);
    layout->addLayout(statusRow);
    layout->addWidget(progress_);
    layout->addSpacing(8);
    layout->addLayout(buttonRow);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

QString EpromToolsDialog::statusText() const { return status_->text(); }

FileDialogRequest EpromToolsDialog::DumpFileRequest()
{
    FileDialogRequest request;
    request.directory = app_.services.CurrentDirectory();
    request.pattern = QStringLiteral("*.Bin");
    request.filter = tr("EEPROM files (*.Bin)");
    request.defaultSuffix = QStringLiteral("Bin");
    return request;
}

void EpromToolsDialog::SetStatus(const QString& text) { status_->setText(text); }

void EpromToolsDialog::SetBusy(bool busy)
{
    busy_ = busy;
    menuBar_->setEnabled(!busy);
    cancel_->setEnabled(!busy);
    MarkRadioBusy(app_, busy);
}

// One whole-EEPROM operation as a radio job, with the controls locked meanwhile.
// `afterHandShake` is the status shown once the radio has answered the HandShake; `then`
// shows the outcome.
void EpromToolsDialog::Run(const QString& afterHandShake, Operation operation, std::function<void(CloneResult)> then)
{
    SetBusy(true);
    auto done = [this, then = std::move(then)](CloneResult code) {
        SetBusy(false);
        then(code);
        EmptyProgress();
        emit idle();
    };
    if (!StartEepromJob(app_, this, progress_, config_, afterHandShake, std::move(operation), std::move(done)))
        SetBusy(false);
}

void EpromToolsDialog::EmptyProgress() { progress_->setValue(0); }

void EpromToolsDialog::ShowOpenFileError(const QString& path)
{
    app_.services.MessageBox(this, tr("Open File Error:\n%1").arg(QDir::toNativeSeparators(path)),
                             tr("Open File Error"), MsgButtons::Ok, MsgIcon::Warning);
}

void EpromToolsDialog::ShowFailure(const QString& caption, CloneResult code, const std::string& reason)
{
    app_.services.MessageBox(this, FailureText(app_.clone, code, reason), caption, MsgButtons::Ok,
                             MsgIcon::Information);
}

// The dump that "Write" and "Verify" work from. A file shorter than the EEPROM is refused: its
// missing tail would otherwise be whatever an earlier operation left in the write image. One
// to be written must be exactly the EEPROM: a longer one is no dump of this radio.
bool EpromToolsDialog::ChooseDumpFile(std::vector<uint8_t>& bytes, bool exact)
{
    const QString path = app_.services.ChooseOpenFile(this, DumpFileRequest());
    if (path.isEmpty()) return false;
    const std::string file = ToNativePath(path);
    const CloneResult code = exact ? LoadExactEepromFile(file, bytes) : LoadEepromFile(file, bytes);
    if (code == kResultOpenFileError) {
        ShowOpenFileError(path);
    } else if (code != kResultOk) {
        app_.services.MessageBox(this, ResultText(code), tr("Open File Error"), MsgButtons::Ok, MsgIcon::Warning);
    }
    return code == kResultOk;
}

void EpromToolsDialog::DoWrite()
{
    if (busy_) return;
    std::vector<uint8_t> bytes;
    if (!ChooseDumpFile(bytes, true)) return;
    // A dump replaces everything the radio holds: it is kept whole first, whether or not the
    // window backs up before its own writes.
    const QString folder = BackupFolder(app_);
    if (folder.isEmpty()) {
        app_.services.MessageBox(this,
                                 tr("No backups folder: neither XDG_DATA_HOME nor HOME is set, so no backup can be "
                                    "made and nothing was written to the radio."),
                                 tr("Write Error"), MsgButtons::Ok, MsgIcon::Warning);
        return;
    }
    ops::BackupPlan plan;
    plan.kind = ops::BackupKind::Written;  // all 8192 bytes
    plan.folder = ToNativePath(folder);
    plan.time = app_.clone.clock();

    SetStatus(tr("Reading the radio..."));
    SetBusy(true);
    auto write = std::make_shared<GateSteps>();
    auto done = [this, write](CloneResult code) {
        if (code == kResultOk) {
            WriteAfterRead(write);
            return;
        }
        const std::string reason = write->Reason();
        write->open.reset();
        SetBusy(false);
        SetStatus(tr("Write Error!"));
        ShowFailure(tr("Write Error"), code, reason);
        EmptyProgress();
        emit idle();
    };
    if (!StartOpenJob(app_, this, progress_, config_, write, ops::RadioChange::Bytes(0, std::move(bytes)),
                      std::move(plan), std::move(done))) {
        SetBusy(false);
        SetStatus(tr("Ready."));
    }
}

void EpromToolsDialog::WriteAfterRead(const std::shared_ptr<GateSteps>& write)
{
    EmptyProgress();
    const std::vector<IdentityReplacement>& replaced = write->open->Found().replaced;
    if (!replaced.empty()) {
        // The radio waits, claimed, while the user reads.
        MarkRadioBusy(app_, false);
        const bool yes = app_.services.ConfirmRisk(this, IdentityQuestion(replaced), tr("Write"));
        MarkRadioBusy(app_, true);
        if (!yes) {
            // The radio goes free as it was, and no backup of it is kept.
            write->open.reset();
            SetBusy(false);
            SetStatus(tr("Write cancelled: identity kept."));
            emit idle();
            return;
        }
    }
    SetStatus(tr("Waiting for the radio..."));
    auto done = [this, write](CloneResult code) { WriteDone(write, code); };
    if (!StartPassJob(app_, this, progress_, config_, tr("Writing..."), write, std::move(done))) {
        write->open.reset();
        SetBusy(false);
        SetStatus(tr("Ready."));
        emit idle();
    }
}

void EpromToolsDialog::WriteDone(const std::shared_ptr<GateSteps>& write, CloneResult code)
{
    SetBusy(false);
    const ops::ChangeOutcome& passed = write->passed;
    if (code == kResultOk) {
        SetStatus(tr("Write OK!"));
    } else if (!passed.sent && !passed.backup.problem.empty()) {
        SetStatus(tr("Write Error!"));
        app_.services.MessageBox(this,
                                 tr("No backup of the radio could be made, so nothing was written to it.\n%1")
                                     .arg(QString::fromStdString(passed.backup.problem)),
                                 tr("Write Error"), MsgButtons::Ok, MsgIcon::Warning);
    } else {
        SetStatus(tr("Write Error!"));
        ShowFailure(tr("Write Error"), code, passed.reason);
    }
    EmptyProgress();
    emit idle();
}

void EpromToolsDialog::DoRead()
{
    if (busy_) return;
    const QString path = app_.services.ChooseSaveFile(this, DumpFileRequest());
    if (path.isEmpty()) return;
    SetStatus(tr("Reading..."));

    // The file is written atomically and only after a complete read; a read never fails with
    // the file's own code, so that code means the file could not be written.
    const std::string target = path.toStdString();
    Run(
        QString(), [target](const OperationContext& run) { return ReadEepromToFile(run, target); },
        [this, path](CloneResult code) {
            if (code == kResultOpenFileError) ShowOpenFileError(path);
            if (code != kResultOk) {
                SetStatus(tr("Read Error!"));
                ShowFailure(tr("Read Error"), code);
            } else {
                SetStatus(tr("Read OK!"));
            }
        });
}

void EpromToolsDialog::DoVerify()
{
    if (busy_) return;
    std::vector<uint8_t> bytes;
    if (!ChooseDumpFile(bytes, false)) return;

    // Written by the job, read by the outcome after the job has ended.
    auto differences = std::make_shared<int>(0);
    Run(
        tr("Verifing..."),
        [bytes = std::move(bytes), differences](const OperationContext& run) {
            return VerifyEeprom(run, bytes, *differences);
        },
        [this, differences](CloneResult code) {
            if (code != kResultOk) {
                SetStatus(tr("Verify Error!"));
                ShowFailure(tr("Verify Error"), code);
            } else if (*differences != 0) {
                app_.services.MessageBox(this, tr("Difference = %1").arg(*differences), tr("Verify Error"),
                                         MsgButtons::Ok, MsgIcon::Information);
                SetStatus(tr("Verify Error!"));
            } else {
                SetStatus(tr("Verify OK!"));
            }
        });
}

}  // namespace qx
