#include "operations/radio_operations.h"

#include "clone/pc_clone.h"
#include "files/clone_file.h"
#include "model/model_variant.h"
#include "model/radio_image.h"
#include "operations/eeprom_operations.h"
#include "operations/radio_claim.h"
#include "reports/report_text.h"
#include "reports/verify_report.h"

namespace qx::ops {

namespace {

// Sets the outcome's code, with the adaptor's reason when it failed.
void Settle(const OperationContext& ctx, CloneResult code, Outcome& outcome)
{
    outcome.code = code;
    outcome.reason = FailureReason(ctx.env, code);
}

// One clone run that reads `record` (or only shakes hands), with the communication log when the
// options ask for it (it closes with the run). Writes are the gate's alone (radio_gate.cpp).
enum class Run { HandShake, Read };

CloneResult CloneRun(const OperationContext& ctx, RadioSettings& record, Run what)
{
    const RadioClaim claim = ClaimRadio(ctx.env);
    if (!claim.Ok()) return claim.Result();
    CPcClone clone(ctx.env, CloneBinding{&record, ctx.options, ctx.progress, ctx.logDirectory});
    clone.OpenCommLog();
    return what == Run::Read ? clone.ReadRadio() : clone.HandShake();
}

void Stage(const OperationContext& ctx, const char* name, int steps)
{
    if (ctx.stage) ctx.stage(name, steps);
}

}  // namespace

Outcome HandShake(const OperationContext& ctx)
{
    RadioSettings unused{};
    Outcome out;
    Settle(ctx, CloneRun(ctx, unused, Run::HandShake), out);
    return out;
}

ReadOutcome Read(const OperationContext& ctx)
{
    ReadOutcome out;
    Stage(ctx, "Reading", kCloneSteps);
    const CloneResult code = CloneRun(ctx, out.record, Run::Read);
    if (code == kResultOk)
        out.fileCheckProblem = CloneRecordProblem(out.record);
    else
        out.record = RadioSettings{};
    Settle(ctx, code, out);
    return out;
}

VerifyOutcome Verify(const OperationContext& ctx, const VerifyRequest& request)
{
    VerifyOutcome out;
    Stage(ctx, "Reading", kCloneSteps);
    const CloneResult code = CloneRun(ctx, out.radio, Run::Read);
    if (code != kResultOk) {
        VerifyOutcome failed;
        Settle(ctx, code, failed);
        return failed;
    }
    const bool europe = ctx.options != nullptr && VariantOfType(ctx.options->modelType).europe;
    const RadioSettings expected = AsTheRadioHoldsIt(request.record, europe);
    int flags = 0;
    out.reportText = VerifyReportText(expected, out.radio, europe, request.time, &flags);
    out.comparison = flags;
    if (!request.reportPath.empty() && !WriteReportFile(request.reportPath, out.reportText))
        out.comparison = kVerifyReportFailed;
    return out;
}

ReadBackOutcome ReadBack(const OperationContext& ctx)
{
    Stage(ctx, "Verifying", kCloneSteps);
    RadioSettings scratch{};
    ReadBackOutcome out;
    Settle(ctx, CloneRun(ctx, scratch, Run::Read), out);
    if (!out.Ok()) return out;
    for (int address = kCloneFirst; address <= kCloneLast; ++address)
        if (ctx.env.writeImage[address] != ctx.env.readImage[address]) ++out.differences;
    return out;
}

// Hands the clone's steps to the progress of the job now running.
class TestModeLink::Forward : public ProgressSink {
public:
    ProgressSink* target = nullptr;
    void SetRange(int minimum, int maximum) override
    {
        if (target != nullptr) target->SetRange(minimum, maximum);
    }
    void SetStep(int step) override
    {
        if (target != nullptr) target->SetStep(step);
    }
    void Step() override
    {
        if (target != nullptr) target->Step();
    }
    void SetPosition(int position) override
    {
        if (target != nullptr) target->SetPosition(position);
    }
};

TestModeLink::TestModeLink(CloneEnvironment& env, const ModelConfig& options, const std::string& logDirectory)
    : env_(env), options_(options), progress_(std::make_unique<Forward>())
{
    clone_ = std::make_unique<CPcClone>(env_, CloneBinding{nullptr, &options_, progress_.get(), logDirectory});
    clone_->OpenCommLog();
}

TestModeLink::~TestModeLink() = default;

Outcome TestModeLink::HandShake(ProgressSink* progress)
{
    const RadioClaim claim = ClaimRadio(env_);
    if (!claim.Ok()) return Outcome{claim.Result(), claim.Holder()};
    progress_->target = progress;
    Outcome out;
    out.code = clone_->HandShake();
    progress_->target = nullptr;
    if (!out.Ok()) out.reason = env_.adaptor.LastError();
    return out;
}

}  // namespace qx::ops
