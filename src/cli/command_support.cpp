#include "cli/command_support.h"

#include <filesystem>
#include <ostream>
#include <system_error>

#include "cli/terminal_progress.h"
#include "clone/hid_adaptor.h"
#include "files/clone_file.h"
#include "files/model_config.h"
#include "identity/radio_identity.h"
#include "operations/radio_claim.h"

namespace qx::cli {

namespace fs = std::filesystem;

std::string CurrentDirectory()
{
    std::error_code ec;
    fs::path cwd = fs::current_path(ec);
    return ec ? std::string(".") : cwd.string();
}

std::string Absolute(const std::string& path)
{
    std::error_code ec;
    fs::path full = fs::absolute(path, ec);
    return ec ? path : full.lexically_normal().string();
}

bool LoadRecord(Context& ctx, const std::string& path, RadioSettings& record)
{
    CloneResult result = ReadCloneRecord(path, record);
    if (result == kResultOk) return true;
    ctx.err << DescribeResult(result) << "\n";
    if (result == kResultUnknownFormat)
        ctx.err << path
                << ": not a clone file (a clone file holds one 43816-byte record whose channels "
                   "have 2- or 3-character names and frequencies within 136..174 MHz)\n";
    else
        ctx.err << path << ": cannot open the file\n";
    return false;
}

bool SaveRecord(Context& ctx, const std::string& path, const RadioSettings& record)
{
    ModelConfig config;
    ResetModelConfig(config);
    SaveDetail detail;
    const CloneResult saved = WriteCloneFile(path, record, config, &detail);
    if (saved == kResultOk) return true;
    ctx.err << DescribeResult(saved) << "\n"
            << path << ": the clone file could not be written" << (detail.reason.empty() ? "" : ": " + detail.reason)
            << "\n";
    return false;
}

namespace {

// Whether two names are one file: the same inode when both exist, else the same path once
// links are followed and "." and ".." are gone.
bool SameFile(const std::string& a, const std::string& b)
{
    std::error_code ec;
    if (fs::exists(a, ec) && fs::exists(b, ec)) return fs::equivalent(a, b, ec) && !ec;
    const fs::path left = fs::weakly_canonical(fs::absolute(a, ec), ec);
    if (ec) return false;
    const fs::path right = fs::weakly_canonical(fs::absolute(b, ec), ec);
    return !ec && left == right;
}

}  // namespace

std::vector<NamedFile> InputsWithRadio(const Context& ctx, std::vector<NamedFile> inputs)
{
    if (ctx.radio.kind == RadioOption::Kind::Virtual) inputs.push_back({ctx.radio.file, "the virtual radio's file"});
    return inputs;
}

bool OutputsApartFromInputs(Context& ctx, const std::vector<NamedFile>& outputs, const std::vector<NamedFile>& inputs)
{
    for (const NamedFile& output : outputs) {
        if (output.path.empty()) continue;
        for (const NamedFile& input : inputs) {
            if (input.path.empty() || !SameFile(output.path, input.path)) continue;
            ctx.err << "qx720: " << output.path << " (" << output.role << ") is the same file as " << input.path << " ("
                    << input.role << "): writing it would destroy what this command reads. Nothing was written.\n";
            return false;
        }
    }
    return true;
}

std::unique_ptr<RadioSession> OpenSession(Context& ctx)
{
    std::string error;
    std::unique_ptr<RadioSession> session = RadioSession::Open(ctx.radio, error, nullptr, ctx.usbBackend);
    if (!session) ctx.err << error << "\n";
    return session;
}

int Finish(Context& ctx, RadioSession& session, CloneResult result, const std::string& fileProblem,
           const std::string& reason)
{
    // Asked before the session goes: who holds the radio is known only while it is held.
    const std::string holder = result != kResultRadioInUse ? std::string()
                               : !reason.empty()           ? reason
                                                           : ops::FailureReason(session.Environment(), result);
    std::string saveError;
    const bool saved = session.Close(saveError);
    if (result == kResultUserCancel || (result != kResultOk && session.Interrupted())) {
        ctx.err << DescribeResult(kResultUserCancel) << "\n";
        if (!saved) ctx.err << saveError << "\n";
        return kExitCancelled;
    }
    if (result != kResultOk) {
        ctx.err << (fileProblem.empty() ? DescribeResult(result) : fileProblem) << "\n";
        if (result == kResultRadioInUse) {
            if (!holder.empty()) ctx.err << "It is held by " << holder << ".\n";
        } else if (const std::string why = reason.empty() ? session.AdaptorError() : reason; !why.empty()) {
            ctx.err << "Reason: " << why << "\n";
        }
        if (result == kResultRadioNotDetected)
            if (const std::string problem = session.AdaptorProblem(); !problem.empty()) ctx.err << problem << "\n";
        if (result == kResultRadioNotDetected && session.PermissionDenied())
            ctx.err << kPermissionDeniedHint << " (See \"qx720 doctor\".)\n";
        if (!saved) ctx.err << saveError << "\n";
        return kExitFailed;
    }
    if (!saved) {
        ctx.err << saveError << "\n";
        return kExitFailed;
    }
    return kExitOk;
}

CliOperation::CliOperation(Context& ctx, RadioSession& session, int32_t modelType)
    : bar_(stderr, ctx.progress), op_{session.Environment(), &config_, &bar_, {}}
{
    ResetModelConfig(config_);
    config_.modelType = modelType;
    op_.logDirectory = CurrentDirectory();
    op_.stage = [this](const char* label, int steps) {
        bar_.End();
        bar_.Begin(label, steps);
    };
}

int ChangeRadioAndTell(Context& ctx, RadioSession& session, CliOperation& run, ops::RadioChange change,
                       ops::BackupPlan plan, bool force, const std::string& source, const char* done)
{
    // If the write goes wrong, the user knows where the radio's previous contents are.
    plan.kept = [&](const BackupResult& kept) {
        run.End();
        if (!kept.path.empty()) ctx.out << "Backup " << kept.path << std::endl;
    };
    const ops::ChangeOutcome changed = ops::ChangeRadio(run.Get(), std::move(change), std::move(plan),
                                                        force ? ops::Consent::Replace() : ops::Consent::Keep());
    run.End();
    if (changed.refused) {
        ctx.err << "qx720: " << ReplacementRefusal(changed.replaced) << (source.empty() ? "" : " (" + source + ")")
                << ". Nothing was written to the radio; --force writes over it.\n";
        return kExitFailed;
    }
    if (!changed.sent) {
        const int status = Finish(ctx, session, changed.code, changed.backup.problem, changed.reason);
        ctx.err << "Nothing was written to the radio.\n";
        return status;
    }
    const int status = Finish(ctx, session, changed.code, {}, changed.reason);
    if (status == kExitOk) ctx.out << done << "\n";
    return status;
}

CloneResult RunEepromTransfer(Context& ctx, RadioSession& session, const char* label,
                              const std::function<CloneResult(const OperationContext&)>& operation)
{
    CliOperation run(ctx, session);
    run.Begin(label, kEepromTransferBlocks);
    const CloneResult result = operation(run.Get());
    run.End();
    return result;
}

}  // namespace qx::cli
