#include "gui/base/clone_controller.h"

#include <filesystem>
#include <memory>

#include "backups/backup_store.h"
#include "gui/base/radio_job_runner.h"
#include "operations/radio_gate.h"
#include "operations/radio_operations.h"
#include "reports/verify_report.h"

namespace qx {

struct CloneController::Run {
    CloneRequest request;
    CloneOutcome outcome;
    bool passing = false;  // a Write's second job: the window agreed, the backup and the blocks go
    // A Write between its jobs: the radio claimed and read, nothing kept or sent. Dropping it
    // lets the radio go.
    std::unique_ptr<ops::OpenChange> open;
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

bool CloneController::IsWriting() const { return run_ && run_->passing; }

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
        run->open.reset();
        run->outcome.sent = false;
        Finish(kResultParameterError);
    }
}

namespace {

ops::BackupKind BackupKindOf(const CloneRequest& request)
{
    if (request.backupFolder.empty()) return ops::BackupKind::None;
    return request.wholeBackup ? ops::BackupKind::Whole : ops::BackupKind::Written;
}

}  // namespace

// On the worker thread: a Write's first job claims and reads the radio before anything is kept
// or sent, its second passes the gate with the window's consent; the others run once, and a
// Verify writes its report (file work, kept off the window).
CloneResult CloneController::Work(Run& run, CloneEnvironment& shared, RadioJobContext& context)
{
    const CloneRequest& request = run.request;
    CloneOutcome& outcome = run.outcome;
    ModelConfig options = request.options;
    OperationContext ctx{shared, &options, &context.Progress(), {}};
    ctx.logDirectory = request.directory;
    switch (request.kind) {
    case CloneKind::Write: {
        // Each step's own scale: a backup of the clone range is 77 blocks, of the EEPROM 410.
        ctx.stage = [&context](const char*, int steps) { context.Progress().SetRange(0, steps); };
        if (!run.passing) {
            ops::BackupPlan plan;
            plan.kind = BackupKindOf(request);
            plan.folder = request.backupFolder;
            plan.time = shared.clock();
            run.open = std::make_unique<ops::OpenChange>(
                ops::Open(ctx, ops::RadioChange::Record(request.record, request.adjustMode), std::move(plan)));
            const ops::ChangeOutcome& found = run.open->Found();
            outcome.backup = found.backup;
            outcome.backup.eeprom.clear();  // the window needs what the radio holds, not its bytes
            outcome.reason = found.reason;
            return found.code;
        }
        // The window has agreed (or nothing is replaced): this is the consent.
        const ops::ChangeOutcome passed = ops::Pass(ctx, std::move(*run.open), ops::Consent::Replace());
        run.open.reset();
        outcome.backup = passed.backup;
        outcome.backup.eeprom.clear();
        outcome.sent = passed.sent;
        outcome.reason = passed.reason;
        return passed.code;
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
    if (run.request.kind != CloneKind::Write || run.passing || result != kResultOk) {
        Finish(result);
        return;
    }
    // The radio has been read and is still held: the write itself, unless a stop was asked for
    // meanwhile or the window says otherwise.
    const std::vector<IdentityReplacement>& replaced = run.open->Found().replaced;
    WriteGo go = WriteGo::Stop;
    if (!environment_.stopEvent.IsSet()) {
        if (question_)
            go = question_(replaced);
        else  // nobody to ask: another boat's identity stays, as without --force
            go = replaced.empty() ? WriteGo::Write : WriteGo::KeepIdentity;
    }
    if (environment_.stopEvent.IsSet()) go = WriteGo::Stop;
    if (go == WriteGo::Write) {
        run.passing = true;
        emit writing();
        StartJob();
        return;
    }
    // The radio goes free with nothing kept and nothing sent.
    run.open.reset();
    run.outcome.identityKept = go == WriteGo::KeepIdentity;
    Finish(kResultUserCancel);
}

void CloneController::Finish(CloneResult result)
{
    const std::shared_ptr<Run> run = std::move(run_);
    run->open.reset();
    run->outcome.code = result;
    if (result == kResultOk) run->outcome.reason.clear();
    emit finished(run->outcome);
}

}  // namespace qx
