// The run's outcome reaches the document, the status line and, where the user must read it, a
// box; the document's copies are taken before a run starts.
#include "gui/window/clone_commands.h"

#include <QAction>

#include "files/clone_file.h"
#include "gui/base/app_context.h"
#include "gui/base/core_texts.h"
#include "gui/base/qt_window_services.h"
#include "gui/base/radio_job_runner.h"
#include "gui/document/clone_document.h"
#include "gui/window/file_commands.h"
#include "gui/window/status_box.h"
#include "gui/window/tool_commands.h"
#include "identity/radio_identity.h"

namespace qx {

namespace {

// Under the message of a failed or stopped write: the radio was being overwritten. The menu
// paths keep together (no-break spaces) when the box wraps the line.
constexpr const char* kPartlyWrittenInfo = QT_TRANSLATE_NOOP(
    "qx::CloneCommands",
    "The radio may now hold part of the new settings. Write again, or write back a saved copy: "
    "a clone file through File / Open, or an EEPROM dump through "
    "Service / Eprom Tools.");

// Under the message of a write that failed while the radio was being backed up.
constexpr const char* kNothingWrittenInfo = QT_TRANSLATE_NOOP(
    "qx::CloneCommands", "Nothing was written to the radio: it was being backed up first.");
constexpr const char* kNothingWrittenYetInfo = QT_TRANSLATE_NOOP(
    "qx::CloneCommands", "Nothing was written to the radio: the identities it holds were being read first.");
constexpr const char* kNothingWrittenInUseInfo = QT_TRANSLATE_NOOP(
    "qx::CloneCommands", "Nothing was written to the radio. Write again once the other program has finished.");
constexpr const char* kTurnBackupOffInfo = QT_TRANSLATE_NOOP(
    "qx::CloneCommands", "To write without a backup, turn off File / Back up the radio before writing.");
constexpr const char* kNoBackupFolder = QT_TRANSLATE_NOOP(
    "qx::CloneCommands",
    "No backups folder: neither XDG_DATA_HOME nor HOME is set, so no backup can be made and "
    "nothing was written to the radio.");

const char* StartText(CloneKind kind)
{
    switch (kind) {
    case CloneKind::Write: return QT_TRANSLATE_NOOP("qx::CloneCommands", "Writing...");
    case CloneKind::Read: return QT_TRANSLATE_NOOP("qx::CloneCommands", "Reading...");
    case CloneKind::Verify: return QT_TRANSLATE_NOOP("qx::CloneCommands", "Verifying...");
    default: return QT_TRANSLATE_NOOP("qx::CloneCommands", "HandShaking...");
    }
}

}  // namespace

CloneCommands::CloneCommands(AppContext& app, CloneDocument& document, CloneController& controller, StatusBox& status,
                             ToolCommands& tools, const WindowClosing& closing,
                             std::function<BackupChoice()> backupChoice, QWidget* window)
    : QObject(window),
      app_(app),
      document_(document),
      controller_(controller),
      status_(status),
      tools_(tools),
      closing_(closing),
      backupChoice_(std::move(backupChoice)),
      window_(window)
{
    controller_.SetWriteQuestion([this](const auto& replaced) { return AskToWrite(replaced); });
    connect(&controller_, &CloneController::writing, this,
            [this] { status_.SetStatusText(tr(StartText(CloneKind::Write))); });
    // A Write's second stage, after its backup.
    connect(&controller_, &CloneController::noted, &status_, &StatusBox::SetStatusText);
    connect(&controller_, &CloneController::progressRangeChanged, &status_, &StatusBox::SetProgressRange);
    connect(&controller_, &CloneController::progressChanged, &status_, &StatusBox::SetProgress);
    connect(&controller_, &CloneController::progressStepped, &status_, &StatusBox::StepProgress);
    connect(&controller_, &CloneController::finished, this, &CloneCommands::Finished);
}

void CloneCommands::OnWriteToRadio()
{
    // The identity check comes first, also while a write runs: a failing check stops nothing.
    if (!document_.CheckIdentities()) return;
    if (!controller_.IsRunning() && backupChoice_().wanted && BackupFolder(app_).isEmpty()) {
        // Writing without the backup the user asked for would take away the way back.
        app_.services.MessageBoxWithInfo(window_, tr(kNoBackupFolder), tr(kTurnBackupOffInfo), tr("Write Error"),
                                         MsgButtons::Ok, MsgIcon::Warning);
        return;
    }
    StartOrStop(CloneKind::Write);
}

void CloneCommands::OnReadFromRadio() { StartOrStop(CloneKind::Read); }

void CloneCommands::OnVerify() { StartOrStop(CloneKind::Verify); }

void CloneCommands::OnHandShake() { StartOrStop(CloneKind::HandShake); }

void CloneCommands::StartOrStop(CloneKind kind)
{
    if (controller_.IsRunning()) {
        controller_.Stop();
        return;
    }
    if (closing_.closing || closing_.closed || app_.radioJobs.IsRunning()) return;

    // The run's own copies: Write sends what the document holds now, Verify compares with it.
    if (kind != CloneKind::HandShake && document_.IsModified()) document_.Editor().CommitEdits();
    CloneRequest request;
    request.kind = kind;
    if (kind != CloneKind::Read) request.record = document_.Record();
    request.options = document_.Config();
    request.adjustMode = app_.adjustMode;
    request.directory = ToNativePath(document_.StartDirectory());
    if (kind == CloneKind::Write) {
        const BackupChoice backup = backupChoice_();
        if (backup.wanted) request.backupFolder = ToNativePath(BackupFolder(app_));
        request.wholeBackup = backup.whole;
    }

    app_.services.ShowWaitCursor();
    status_.SetStatusText(request.backupFolder.empty() ? tr(StartText(kind)) : tr("Backing up the radio..."));
    // A countdown left from an earlier message must not put "Ready." over a running job.
    status_.StopCountdown();
    controller_.Start(request);
}

CloneController::WriteGo CloneCommands::AskToWrite(const std::vector<IdentityReplacement>& replaced)
{
    // Not once the user has asked to close meanwhile.
    if (closing_.Leaving()) return CloneController::WriteGo::Stop;
    if (!replaced.empty()) {
        app_.services.HideWaitCursor();
        const bool yes = app_.services.ConfirmRisk(window_, IdentityQuestion(replaced), tr("Write to Radio"));
        app_.services.ShowWaitCursor();
        if (closing_.Leaving()) return CloneController::WriteGo::Stop;
        if (!yes) return CloneController::WriteGo::KeepIdentity;
    }
    return CloneController::WriteGo::Write;
}

void CloneCommands::ShowFailure(const CloneOutcome& outcome, const QString& caption, const QString& informative)
{
    // A window that is closing shows no boxes: the user has left.
    if (closing_.closing) return;
    QString text = FailureText(app_.clone, outcome.code, outcome.reason);
    // "Radio is not detected!" alone would send the user looking for a cable fault.
    if (outcome.code == kResultRadioNotDetected && app_.clone.adaptor.PermissionDenied())
        text += "\n" + CoreText(kPermissionDeniedHint);
    // The operating system's own words for an adaptor failure, for whoever looks into it (the
    // program holding the radio is in the text already).
    const std::string reason = outcome.code == kResultRadioInUse ? std::string() : outcome.reason;
    const QString detail = reason.empty() ? QString() : tr("Reason: %1").arg(QString::fromStdString(reason));
    app_.services.MessageBoxWithDetail(window_, text, informative, detail, caption, MsgButtons::Ok, MsgIcon::Warning);
}

void CloneCommands::FinishRead(const CloneOutcome& outcome)
{
    if (outcome.code == kResultUserCancel) {
        // The user's own Stop: no error, and the document stays as it was.
        if (!closing_.closing)
            app_.services.MessageBox(window_, ResultText(outcome.code), tr("Read"), MsgButtons::Ok,
                                     MsgIcon::Information);
        status_.SetStatus(tr("User Cancel."));
        return;
    }
    if (outcome.code != kResultOk) {
        ShowFailure(outcome, tr("Read Error"));
        status_.SetStatus(tr("Read Error."));
        return;
    }
    status_.SetStatus(tr("Read OK."));
    document_.TakeRead(outcome.record);
    // The user's data, kept; but a file saved from it would not open again.
    const std::string& problem = outcome.fileCheckProblem;
    if (problem.empty() || closing_.closing) return;
    app_.services.MessageBox(window_,
                             tr("Warning: what the radio holds fails the clone file check (%1), so a clone file saved "
                                "from it will not open again. Make a complete backup of the radio with Service / Eprom "
                                "Tools... (Read).")
                                 .arg(QString::fromStdString(problem)),
                             tr("Read OK."), MsgButtons::Ok, MsgIcon::Warning);
}

void CloneCommands::FinishVerify(const CloneOutcome& outcome)
{
    const QString report = FromNativePath(outcome.reportPath);
    if (outcome.code == kResultUserCancel) {
        status_.SetStatus(tr("User Cancel."));
    } else if (outcome.code != kResultOk) {
        status_.SetStatus(tr("Verify Error."));
        ShowFailure(outcome, tr("Verify Error"));
    } else if (outcome.comparison == 0) {
        status_.SetStatus(tr("Verify OK."));
    } else {
        if (outcome.comparison == -1 && !closing_.closing)
            app_.services.MessageBox(window_, tr("Can't Create file:\n%1").arg(report), tr("Error"), MsgButtons::Ok,
                                     MsgIcon::Stop);
        status_.SetStatus(tr("Verify Error."));
        // A report that could not be created is not worth a viewer.
        if (outcome.comparison != -1 && !closing_.closing)
            tools_.ShowReport(report, tr("Verify Error."), tr("Verify Error"));
    }
}

void CloneCommands::FinishWrite(const CloneOutcome& outcome)
{
    if (outcome.identityKept) {
        status_.SetStatus(tr("Write cancelled: identity kept."));
        return;
    }
    if (outcome.code == kResultOk) {
        status_.SetStatus(tr("Write OK."));
        return;
    }
    status_.SetStatus(outcome.code == kResultUserCancel ? tr("User Cancel.") : tr("Write Error."));
    if (closing_.closing) return;
    if (outcome.sent) {
        QString info = tr(kPartlyWrittenInfo);
        // The way back, named where the user looks first.
        if (!outcome.backup.path.empty())
            info += tr("\n\nThe radio's previous contents were saved to %1: File / Backups... puts "
                       "them back.")
                        .arg(FromNativePath(outcome.backup.path));
        ShowFailure(outcome, tr("Write Error"), info);
    } else if (outcome.code == kResultUserCancel) {
        // Stopped before the first block: nothing was written, and the user knows why.
    } else if (outcome.code == kResultRadioInUse) {
        ShowFailure(outcome, tr("Write Error"), tr(kNothingWrittenInUseInfo));
    } else if (outcome.backup.problem.empty()) {
        // The radio failed the read before the write: its own box, as for a write.
        ShowFailure(outcome, tr("Write Error"),
                    tr(!outcome.backupAsked ? kNothingWrittenYetInfo : kNothingWrittenInfo));
    } else {
        // The radio is fine, the backup's file is not.
        app_.services.MessageBoxWithInfo(window_,
                                         tr("No backup of the radio could be made, so nothing was written to it.\n%1")
                                             .arg(QString::fromStdString(outcome.backup.problem)),
                                         tr(kTurnBackupOffInfo), tr("Write Error"), MsgButtons::Ok, MsgIcon::Warning);
    }
}

void CloneCommands::Finished(const CloneOutcome& outcome)
{
    app_.services.HideWaitCursor();
    switch (outcome.kind) {
    case CloneKind::HandShake:
        if (outcome.code == kResultOk) {
            status_.SetStatusText(tr("HandShake OK."));
        } else {
            ShowFailure(outcome, tr("HandShake Error."));
            status_.SetStatusText(tr("Readt."));
        }
        break;
    case CloneKind::Write: FinishWrite(outcome); break;
    case CloneKind::Read: FinishRead(outcome); break;
    case CloneKind::Verify: FinishVerify(outcome); break;
    case CloneKind::None: break;
    }
}

}  // namespace qx
