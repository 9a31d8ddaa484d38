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

}  // namespace qx
