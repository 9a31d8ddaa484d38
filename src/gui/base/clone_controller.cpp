#include "gui/base/clone_controller.h"

#include <filesystem>

#include "clone/eeprom_transfer.h"
#include "files/clone_file.h"
#include "gui/base/radio_job_runner.h"
#include "reports/verify_report.h"

namespace qx {

struct CloneController::Run {
    CloneRequest request;
    CloneOutcome outcome;
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
    runner_.Start(
        this, nullptr, [run, &shared](RadioJobContext& context) { return Work(*run, shared, context); },
        [this](CloneResult result) { JobDone(result); });
}

// On the worker thread: a Write's first job reads the radio (and backs it up) before anything is
// sent; the others run once, and a Verify writes its report (file work, kept off the window).
CloneResult CloneController::Work(Run& run, CloneEnvironment& shared, RadioJobContext& context)
{
    const CloneRequest& request = run.request;
    CloneOutcome& outcome = run.outcome;
    if (request.kind == CloneKind::Write && !outcome.sent) {
        // A write goes on only after a complete backup, or without backups the identity bytes.
        ModelConfig options = request.options;
        context.Progress().SetRange(0, kEepromTransferBlocks);
        outcome.backup = ReadBeforeWrite(EepromTransfer{shared, &options, &context.Progress(), {}},
                                         request.backupFolder, shared.clock());
        return outcome.backup.result;
    }
    CloneEnvironment environment{shared.adaptor,     shared.stopEvent, shared.writeImage, shared.readImage,
                                 request.adjustMode, shared.clock,     shared.timing};
    ModelConfig options = request.options;
    // Read and Verify fill a cleared record; Write and HandShake send the request's.
    if (request.kind == CloneKind::Write || request.kind == CloneKind::HandShake) outcome.record = request.record;
    CloneResult result = kResultOk;
    {
        CPcClone clone(environment);
        clone.settings = &outcome.record;
        clone.options = &options;
        clone.progress = &context.Progress();
        clone.directory = request.directory;
        clone.OpenCommLog();
        switch (request.kind) {
        case CloneKind::Write: result = clone.WriteRadio(); break;
        case CloneKind::Read:
        case CloneKind::Verify: result = clone.ReadRadio(); break;
        default: result = clone.HandShake(); break;
        }
    }  // closes the communication log
    if (request.kind == CloneKind::Read && result == kResultOk)
        outcome.fileCheckProblem = CloneRecordProblem(outcome.record);
    if (request.kind == CloneKind::Verify && result == kResultOk) {
        outcome.reportPath = (std::filesystem::path(request.directory) / kVerifyReportFileName).string();
        const bool europe = options.modelType != 0;
        outcome.comparison = WriteVerifyReport(outcome.reportPath, AsTheRadioHoldsIt(request.record, europe),
                                               outcome.record, europe, shared.clock());
    }
    return result;
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
        const std::vector<IdentityReplacement> replaced = ReplacedIdentities(run.outcome.backup.radio,
                                                                             WrittenIdentities(run.request.record));
        go = question_ ? question_(replaced) : WriteGo::Write;
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
    if (result != kResultOk) run->outcome.reason = environment_.adaptor.LastError();
    emit finished(run->outcome);
}

}  // namespace qx
