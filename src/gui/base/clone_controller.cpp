#include "gui/base/clone_controller.h"

#include <filesystem>
#include <memory>

#include "backups/backup_store.h"
#include "gui/base/radio_job_runner.h"
#include "operations/eeprom_operations.h"
#include "operations/radio_operations.h"
#include "reports/verify_report.h"

namespace qx {

struct CloneController::Run {
    CloneRequest request;
    CloneOutcome outcome;
    ops::WritePreparation prepared;  // a Write's first job: the backup and the identities it replaces
};

CloneController::CloneController(CloneEnvironment& environment, RadioJobRunner& runner, QObject* parent)
    : QObject(parent), environment_(environment), runner_(runner)
{
    // The runner also runs the service dialogs' jobs: only this controller's runs are passed on.
    connect(&runner_, &RadioJobRunner::rangeChanged, this, [this](int minimum, int maximum) {
        if (run_) emit progressRangeChanged(minimum, maximum);
    });
    connect(&runner_, &RadioJobRunner::positionChanged, this, [this](int position) {
        if (run_) emit progressChanged(position);
    });
    connect(&runner_, &RadioJobRunner::stepped, this, [this](int step) {
        if (run_) emit progressStepped(step);
    });
    connect(&runner_, &RadioJobRunner::noted, this, [this](const QString& text) {
        if (run_) emit noted(text);
    });
}

CloneController::~CloneController()
{
    // Whoever listens may be going away too: a run still going ends without an outcome.
    blockSignals(true);
    if (run_) runner_.StopAndWait();
}

CloneKind CloneController::RunningKind() const { return run_ ? run_->request.kind : CloneKind::None; }

bool CloneController::IsWriting() const { return run_ && run_->outcome.sent; }

bool CloneController::Start(const CloneRequest& request)
{
    if (run_ || runner_.IsRunning()) return false;
    environment_.stopEvent.Reset();
    run_ = std::make_shared<Run>();
    run_->request = request;
    run_->outcome.kind = request.kind;
    run_->outcome.backupAsked = !request.backupFolder.empty();
    emit started(request.kind);
    StartJob();
    return true;
}

void CloneController::Stop()
{
    if (run_) environment_.stopEvent.Set();
}

void CloneController::StartJob()
{
    CloneEnvironment& shared = environment_;
    const std::shared_ptr<Run> run = run_;
    const bool started = runner_.Start(
        this, nullptr, [run, &shared](RadioJobContext& context) { return Work(*run, shared, context); },
        [this](CloneResult result) { JobDone(result); });
    // Another job took the runner first: the run ends at once, with nothing sent, rather than
    // leave the window waiting for an outcome that never comes.
    if (!started) {
        run->outcome.sent = false;
        Finish(kResultParameterError);
    }
}

// On the worker thread: a Write's first job reads the radio (and backs it up) before anything is
// sent; the others run once, and a Verify writes its report (file work, kept off the window).
CloneResult CloneController::Work(Run& run, CloneEnvironment& shared, RadioJobContext& context)
{
    const CloneRequest& request = run.request;
    CloneOutcome& outcome = run.outcome;
    ModelConfig options = request.options;
    OperationContext ctx{shared, &options, &context.Progress(), {}};
    ctx.logDirectory = request.directory;
    // The record as it was when the Write started, and a backup into the chosen folder (none:
    // only the identities the radio holds are read first).
    const ops::WriteRequest write{request.record,       request.adjustMode, !request.backupFolder.empty(),
                                  request.backupFolder, kBackupBaseName,    shared.clock()};
    switch (request.kind) {
    case CloneKind::Write:
        if (!outcome.sent) {
            context.Progress().SetRange(0, kEepromTransferBlocks);
            run.prepared = ops::PrepareWrite(ctx, write);
            outcome.backup = run.prepared.backup;
            outcome.reason = run.prepared.reason;
            return run.prepared.code;
        } else {
            const ops::WriteOutcome written = ops::FinishWrite(ctx, write, run.prepared);
            outcome.reason = written.reason;
            return written.code;
        }
    case CloneKind::Read: {
        const auto read = std::make_unique<ops::ReadOutcome>(ops::Read(ctx));
        outcome.record = read->record;
        outcome.fileCheckProblem = read->fileCheckProblem;
        outcome.reason = read->reason;
        return read->code;
    }
    case CloneKind::Verify: {
        outcome.reportPath = (std::filesystem::path(request.directory) / kVerifyReportFileName).string();
        const auto verified = std::make_unique<ops::VerifyOutcome>(
            ops::Verify(ctx, ops::VerifyRequest{request.record, outcome.reportPath, shared.clock()}));
        outcome.comparison = verified->comparison;
        outcome.reason = verified->reason;
        return verified->code;
    }
    default: {
        const ops::Outcome shaken = ops::HandShake(ctx);
        outcome.reason = shaken.reason;
        return shaken.code;
    }
    }
}

void CloneController::JobDone(CloneResult result)
{
    Run& run = *run_;
    if (run.request.kind != CloneKind::Write || run.outcome.sent || result != kResultOk) {
        Finish(result);
        return;
    }
    // The radio has been read (and backed up): the write itself, unless a stop was asked for
    // meanwhile or the window says otherwise.
    WriteGo go = WriteGo::Stop;
    if (!environment_.stopEvent.IsSet()) {
        if (question_)
            go = question_(run.prepared.replaced);
        else  // nobody to ask: another boat's identity stays, as without --force
            go = run.prepared.replaced.empty() ? WriteGo::Write : WriteGo::KeepIdentity;
    }
    if (environment_.stopEvent.IsSet()) go = WriteGo::Stop;
    if (go == WriteGo::Write) {
        run.outcome.sent = true;
        emit writing();
        StartJob();
        return;
    }
    run.outcome.identityKept = go == WriteGo::KeepIdentity;
    Finish(kResultUserCancel);
}

void CloneController::Finish(CloneResult result)
{
    const std::shared_ptr<Run> run = std::move(run_);
    run->outcome.code = result;
    if (result == kResultOk) run->outcome.reason.clear();
    emit finished(run->outcome);
}

}  // namespace qx
