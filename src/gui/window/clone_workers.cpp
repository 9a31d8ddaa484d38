// The four clone commands. Each runs as one job on the program's radio job runner: the window
// copies what the run needs before it starts, and shows its outcome when it comes back.
#include <QAction>
#include <QDir>
#include <QProgressBar>
#include <QPushButton>
#include <memory>

#include "backups/backup_store.h"
#include "files/clone_file.h"
#include "gui/base/core_texts.h"
#include "gui/base/qt_window_services.h"
#include "gui/base/radio_job_runner.h"
#include "gui/window/main_window.h"
#include "identity/radio_identity.h"
#include "operations/eeprom_operations.h"
#include "operations/radio_operations.h"
#include "reports/verify_report.h"

namespace qx {

namespace {

// Under the message of a failed or stopped write: the radio was being overwritten. The menu
// paths keep together (no-break spaces) when the box wraps the line.
constexpr const char* kPartlyWrittenInfo = QT_TRANSLATE_NOOP(
    "qx::MainWindow",
    "The radio may now hold part of the new settings. Write again, or write back a saved copy: "
    "a clone file through File / Open, or an EEPROM dump through "
    "Service / Eprom Tools.");

// Under the message of a write that failed while the radio was being backed up.
constexpr const char* kNothingWrittenInfo = QT_TRANSLATE_NOOP(
    "qx::MainWindow", "Nothing was written to the radio: it was being backed up first.");
constexpr const char* kNothingWrittenYetInfo = QT_TRANSLATE_NOOP(
    "qx::MainWindow", "Nothing was written to the radio: the identities it holds were being read first.");
constexpr const char* kTurnBackupOffInfo = QT_TRANSLATE_NOOP(
    "qx::MainWindow", "To write without a backup, turn off File / Back up the radio before writing.");
constexpr const char* kNoBackupFolder = QT_TRANSLATE_NOOP(
    "qx::MainWindow",
    "No backups folder: neither XDG_DATA_HOME nor HOME is set, so no backup can be made and "
    "nothing was written to the radio.");

const char* StartText(CloneKind kind)
{
    switch (kind) {
    case CloneKind::Write: return QT_TRANSLATE_NOOP("qx::MainWindow", "Writing...");
    case CloneKind::Read: return QT_TRANSLATE_NOOP("qx::MainWindow", "Reading...");
    case CloneKind::Verify: return QT_TRANSLATE_NOOP("qx::MainWindow", "Verifying...");
    default: return QT_TRANSLATE_NOOP("qx::MainWindow", "HandShaking...");
    }
}

}  // namespace

// The run's own copies, made on the UI thread before it starts: Write sends what the document
// held then, Read and Verify fill a cleared record, and edits made meanwhile cannot reach it.
struct MainWindow::CloneRun {
    CloneKind kind = CloneKind::None;
    RadioSettings record{};
    RadioSettings pcRecord{};
    ModelConfig options{};
    // The User dialog may change the adjust mode during a run: the run keeps the value it
    // started with.
    int32_t adjustMode = 0;
    std::string directory;
    std::string backupFolder;  // a Write backs the radio up here first; empty: no backup
    // What the worker found.
    int comparison = 0;  // the verify report's outcome
    QString reportPath;
    // A Write runs in two jobs: first the backup (or, without one, the identity bytes), then,
    // once the user has agreed to any identity it replaces, the write itself.
    ops::WritePreparation prepared;  // the backup before a Write, and the identities it replaces
    bool writing = false;            // the second job: blocks may reach the radio
};

void MainWindow::OnWriteToRadio()
{
    // The identity check comes first, also while a write runs: a failing check stops nothing.
    if (!CheckIdentities()) return;
    if (!app_.busyEvent.IsSet() && ui_.backupBeforeWrite->isChecked() && BackupFolder().isEmpty()) {
        // Writing without the backup the user asked for would take away the way back.
        services_.MessageBoxWithInfo(this, tr(kNoBackupFolder), tr(kTurnBackupOffInfo), tr("Write Error"),
                                     MsgButtons::Ok, MsgIcon::Warning);
        return;
    }
    StartOrStop(CloneKind::Write);
}

void MainWindow::OnReadFromRadio() { StartOrStop(CloneKind::Read); }

void MainWindow::StartCloneJob(const std::shared_ptr<CloneRun>& run)
{
    CloneEnvironment& shared = app_.clone;
    app_.radioJobs.Start(
        this, ui_.progress, [run, &shared](RadioJobContext& context) { return RunClone(*run, shared, context); },
        [this, run](CloneResult result) { FinishClone(run, result); });
}

// Between the Write's two jobs, on the UI thread: a radio that holds another boat's identity
// is written only after a deliberate Yes.
bool MainWindow::MayReplaceIdentities(const CloneRun& run)
{
    if (run.prepared.replaced.empty()) return true;
    services_.HideWaitCursor();
    const bool yes = services_.ConfirmRisk(this, IdentityQuestion(run.prepared.replaced), tr("Write to Radio"));
    services_.ShowWaitCursor();
    return yes;
}

void MainWindow::OnVerify() { StartOrStop(CloneKind::Verify); }

void MainWindow::OnHandShake() { StartOrStop(CloneKind::HandShake); }

void MainWindow::StartOrStop(CloneKind kind)
{
    if (app_.busyEvent.IsSet()) {
        app_.clone.stopEvent.Set();
        return;
    }
    if (closing_ || closed_ || app_.radioJobs.IsRunning()) return;

    app_.clone.stopEvent.Reset();
    cloneKind_ = kind;
    app_.busyEvent.Set();
    // At once: no edit may slip in before a read takes over.
    UpdateCloneUi();

    auto run = std::make_shared<CloneRun>();
    run->kind = kind;
    StoreBandSelection();
    if (kind != CloneKind::HandShake && doc_.IsModified()) GatherControls();
    if (kind == CloneKind::Write || kind == CloneKind::HandShake) run->record = doc_.Record();
    run->pcRecord = doc_.Record();
    run->options = doc_.Config();
    run->adjustMode = app_.adjustMode;
    run->directory = ToNativePath(doc_.StartDirectory());
    if (kind == CloneKind::Write && ui_.backupBeforeWrite->isChecked())
        run->backupFolder = ToNativePath(BackupFolder());

    services_.ShowWaitCursor();
    SetStatusText(run->backupFolder.empty() ? tr(StartText(kind)) : tr("Backing up the radio..."));
    // A countdown left from an earlier message must not put "Ready." over a running job.
    statusCountdown_ = 0;
    StartCloneJob(run);
}

// On the worker thread: the run itself (a Write's first job reads the radio, and backs it up,
// before anything is sent), then for a Verify the report (file work, kept off the window).
CloneResult MainWindow::RunClone(CloneRun& run, CloneEnvironment& shared, RadioJobContext& context)
{
    OperationContext ctx{shared, &run.options, &context.Progress(), {}};
    ctx.logDirectory = run.directory;
    // The record as it was when the Write started, and a backup into the chosen folder (none:
    // only the identities the radio holds are read first).
    const ops::WriteRequest write{run.record,       run.adjustMode,  !run.backupFolder.empty(),
                                  run.backupFolder, kBackupBaseName, shared.clock()};
    switch (run.kind) {
    case CloneKind::Write:
        if (!run.writing) {
            context.Progress().SetRange(0, kEepromTransferBlocks);
            run.prepared = ops::PrepareWrite(ctx, write);
            return run.prepared.code;
        }
        return ops::FinishWrite(ctx, write, run.prepared).code;
    case CloneKind::Read: {
        ops::ReadOutcome read = ops::Read(ctx);
        run.record = read.record;
        return read.code;
    }
    case CloneKind::Verify: {
        run.reportPath = QDir(FromNativePath(run.directory)).filePath(kVerifyReportFileName);
        const ops::VerifyOutcome verified = ops::Verify(
            ctx, ops::VerifyRequest{run.pcRecord, ToNativePath(run.reportPath), shared.clock()});
        run.comparison = verified.comparison;
        return verified.code;
    }
    default: return ops::HandShake(ctx).code;
    }
}

void MainWindow::ShowCloneFailure(CloneResult result, const QString& caption, const QString& informative)
{
    // A window that is closing shows no boxes: the user has left.
    if (closing_) return;
    QString text = ResultText(result);
    // "Radio is not detected!" alone would send the user looking for a cable fault.
    if (result == kResultRadioNotDetected && app_.clone.adaptor.PermissionDenied())
        text += "\n" + CoreText(kPermissionDeniedHint);
    // The operating system's own words for an adaptor failure, for whoever looks into it.
    const std::string reason = app_.clone.adaptor.LastError();
    const QString detail = reason.empty() ? QString() : tr("Reason: %1").arg(QString::fromStdString(reason));
    services_.MessageBoxWithDetail(this, text, informative, detail, caption, MsgButtons::Ok, MsgIcon::Warning);
}

void MainWindow::FinishRead(const CloneRun& run, CloneResult result)
{
    if (result == kResultUserCancel) {
        // The user's own Stop: no error, and the document stays as it was.
        if (!closing_) services_.MessageBox(this, ResultText(result), tr("Read"), MsgButtons::Ok, MsgIcon::Information);
        SetStatus(tr("User Cancel."));
        return;
    }
    if (result != kResultOk) {
        ShowCloneFailure(result, tr("Read Error"));
        SetStatus(tr("Read Error."));
        return;
    }
    SetStatus(tr("Read OK."));
    doc_.TakeRead(run.record);
    ShowDocument();
    // The user's data, kept; but a file saved from it would not open again.
    const std::string problem = CloneRecordProblem(run.record);
    if (problem.empty() || closing_) return;
    services_.MessageBox(this,
                         tr("Warning: what the radio holds fails the clone file check (%1), so a clone file saved "
                            "from it will not open again. Make a complete backup of the radio with Service / Eprom "
                            "Tools... (Read).")
                             .arg(QString::fromStdString(problem)),
                         tr("Read OK."), MsgButtons::Ok, MsgIcon::Warning);
}

void MainWindow::FinishVerify(const CloneRun& run, CloneResult result)
{
    if (result == kResultUserCancel) {
        SetStatus(tr("User Cancel."));
    } else if (result != kResultOk) {
        SetStatus(tr("Verify Error."));
        ShowCloneFailure(result, tr("Verify Error"));
    } else if (run.comparison == 0) {
        SetStatus(tr("Verify OK."));
    } else {
        if (run.comparison == -1 && !closing_)
            services_.MessageBox(this, tr("Can't Create file:\n%1").arg(run.reportPath), tr("Error"), MsgButtons::Ok,
                                 MsgIcon::Stop);
        SetStatus(tr("Verify Error."));
        // A report that could not be created is not worth a viewer.
        if (run.comparison != -1 && !closing_) ShowReport(run.reportPath, tr("Verify Error."), tr("Verify Error"));
    }
}

void MainWindow::FinishWrite(const CloneRun& run, CloneResult result)
{
    if (result == kResultOk) {
        SetStatus(tr("Write OK."));
        return;
    }
    SetStatus(result == kResultUserCancel ? tr("User Cancel.") : tr("Write Error."));
    if (closing_) return;
    if (run.writing) {
        QString info = tr(kPartlyWrittenInfo);
        // The way back, named where the user looks first.
        if (!run.prepared.backup.path.empty())
            info += tr("\n\nThe radio's previous contents were saved to %1: File / Backups... puts "
                       "them back.")
                        .arg(FromNativePath(run.prepared.backup.path));
        ShowCloneFailure(result, tr("Write Error"), info);
    } else if (result == kResultUserCancel) {
        // Stopped before the first block: nothing was written, and the user knows why.
    } else if (run.prepared.backup.problem.empty()) {
        // The radio failed the read before the write: its own box, as for a write.
        ShowCloneFailure(result, tr("Write Error"),
                         tr(run.backupFolder.empty() ? kNothingWrittenYetInfo : kNothingWrittenInfo));
    } else {
        // The radio is fine, the backup's file is not.
        services_.MessageBoxWithInfo(this,
                                     tr("No backup of the radio could be made, so nothing was written to it.\n%1")
                                         .arg(QString::fromStdString(run.prepared.backup.problem)),
                                     tr(kTurnBackupOffInfo), tr("Write Error"), MsgButtons::Ok, MsgIcon::Warning);
    }
}

void MainWindow::FinishClone(const std::shared_ptr<CloneRun>& shared, CloneResult result)
{
    const CloneRun& run = *shared;
    if (run.kind == CloneKind::Write && !run.writing && result == kResultOk) {
        // The radio has been read (and backed up): the write itself, unless the user has asked
        // to stop or to close meanwhile, or says No to replacing the identity the radio holds.
        const auto leaving = [this] { return closing_ || closed_ || askingToClose_ || app_.clone.stopEvent.IsSet(); };
        if (leaving()) {
            FinishWrite(run, kResultUserCancel);
        } else if (MayReplaceIdentities(run) && !leaving()) {
            shared->writing = true;
            writingRadio_ = true;
            SetStatusText(tr(StartText(CloneKind::Write)));
            StartCloneJob(shared);
            return;
        } else {
            SetStatus(leaving() ? tr("User Cancel.") : tr("Write cancelled: identity kept."));
        }
        services_.HideWaitCursor();
        app_.busyEvent.Reset();
        cloneKind_ = CloneKind::None;
        writingRadio_ = false;
        UpdateCloneUi();
        return;
    }
    services_.HideWaitCursor();
    switch (run.kind) {
    case CloneKind::HandShake:
        if (result == kResultOk) {
            SetStatusText(tr("HandShake OK."));
        } else {
            ShowCloneFailure(result, tr("HandShake Error."));
            SetStatusText(tr("Readt."));
        }
        break;
    case CloneKind::Write: FinishWrite(run, result); break;
    case CloneKind::Read: FinishRead(run, result); break;
    case CloneKind::Verify: FinishVerify(run, result); break;
    case CloneKind::None: break;
    }
    app_.busyEvent.Reset();
    cloneKind_ = CloneKind::None;
    writingRadio_ = false;
    UpdateCloneUi();
}

void MainWindow::UpdateCloneUi()
{
    const bool busy = app_.busyEvent.IsSet();
    CloneKind running = busy ? cloneKind_ : CloneKind::None;
    if (busy && running != CloneKind::Write && running != CloneKind::Read && running != CloneKind::Verify)
        running = CloneKind::HandShake;

    ui_.writeButton->setText(running == CloneKind::Write ? tr("Stop") : tr("Write to Radio"));
    ui_.writeButton->setEnabled(running == CloneKind::None || running == CloneKind::Write);
    ui_.readButton->setText(running == CloneKind::Read ? tr("Stop") : tr("Read From Radio"));
    ui_.readButton->setEnabled(running == CloneKind::None || running == CloneKind::Read);

    struct Item {
        QAction* action;
        CloneKind kind;
        const char* idle;
        const char* stop;
    };
    const Item items[] = {
        {ui_.readFromRadio, CloneKind::Read, QT_TR_NOOP("&Read from Radio"), QT_TR_NOOP("Stop &Read")},
        {ui_.writeToRadio, CloneKind::Write, QT_TR_NOOP("&Write to Radio"), QT_TR_NOOP("Stop &Write")},
        {ui_.verify, CloneKind::Verify, QT_TR_NOOP("&Verify"), QT_TR_NOOP("Stop &Verify")},
        {ui_.handShake, CloneKind::HandShake, QT_TR_NOOP("&HandShake"), QT_TR_NOOP("Stop &HandShake")},
    };
    for (const Item& item : items) {
        const bool own = running == item.kind;
        item.action->setText(tr(own ? item.stop : item.idle));
        item.action->setEnabled(running == CloneKind::None || own);
    }
    // The service tools talk to the radio too: one user of the adaptor at a time.
    ui_.configDialog->setEnabled(running == CloneKind::None);
    ui_.epromTools->setEnabled(running == CloneKind::None);
    ui_.backups->setEnabled(running == CloneKind::None);
    UpdateEditControls();
}

}  // namespace qx
