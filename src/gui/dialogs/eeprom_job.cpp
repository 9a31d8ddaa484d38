#include "gui/dialogs/eeprom_job.h"

namespace qx {

void MarkRadioBusy(AppContext& app, bool busy)
{
    if (busy)
        app.services.ShowWaitCursor();
    else
        app.services.HideWaitCursor();
}

bool StartEepromJob(AppContext& app, QObject* owner, QProgressBar* bar, const ModelConfig& options,
                    const QString& afterHandShake, EepromOperation operation, RadioJobRunner::Done done)
{
    // A stop left over from an earlier run must not cancel this one before it starts.
    app.clone.stopEvent.Reset();
    CloneEnvironment& environment = app.clone;
    auto work = [&environment, options = ModelConfig(options), afterHandShake,
                 operation = std::move(operation)](RadioJobContext& context) mutable {
        OperationContext run{environment, &options, &context.Progress(), {}};
        run.keepProgress = true;
        if (!afterHandShake.isEmpty()) run.onHandShake = [&context, afterHandShake] { context.Note(afterHandShake); };
        return operation(run);
    };
    return app.radioJobs.Start(owner, bar, std::move(work), std::move(done));
}

bool StartOpenJob(AppContext& app, QObject* owner, QProgressBar* bar, const ModelConfig& options,
                  const std::shared_ptr<GateSteps>& steps, ops::RadioChange change, ops::BackupPlan plan,
                  RadioJobRunner::Done done)
{
    auto shared = std::make_shared<const ops::RadioChange>(std::move(change));
    auto operation = [steps, shared, plan = std::move(plan)](const OperationContext& run) {
        steps->open = std::make_unique<ops::OpenChange>(ops::Open(run, *shared, plan));
        return steps->open->Found().code;
    };
    return StartEepromJob(app, owner, bar, options, QString(), std::move(operation), std::move(done));
}

bool StartPassJob(AppContext& app, QObject* owner, QProgressBar* bar, const ModelConfig& options,
                  const QString& afterHandShake, const std::shared_ptr<GateSteps>& steps, RadioJobRunner::Done done)
{
    auto operation = [steps](const OperationContext& run) {
        if (!steps->open) return kResultParameterError;
        // Asked and answered on the UI thread before this job: the consent is given.
        steps->passed = ops::Pass(run, std::move(*steps->open), ops::Consent::Replace());
        steps->open.reset();
        return steps->passed.code;
    };
    return StartEepromJob(app, owner, bar, options, afterHandShake, std::move(operation), std::move(done));
}

}  // namespace qx
