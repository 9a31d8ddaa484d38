// The radio commands: handshake, read, write and verify.
#include "cli/commands.h"

#include <filesystem>
#include <ostream>
#include <system_error>

#include "cli/backup_commands.h"
#include "cli/command_support.h"
#include "cli/identity_commands.h"
#include "cli/terminal_progress.h"
#include "clone/pc_clone.h"
#include "files/atomic_file.h"
#include "files/clone_file.h"
#include "files/model_config.h"
#include "identity/radio_identity.h"
#include "model/identity.h"
#include "reports/verify_report.h"

namespace qx::cli {

namespace fs = std::filesystem;

namespace {

void BindClone(CPcClone& clone, RadioSettings& settings, ModelConfig& config, ProgressSink& progress)
{
    clone.settings = &settings;
    clone.options = &config;
    clone.progress = &progress;
    clone.directory = CurrentDirectory();
}

CloneResult WriteRecord(Context& ctx, RadioSession& session, const RadioSettings& record)
{
    RadioSettings document = record;
    ModelConfig config;
    ResetModelConfig(config);
    config.modelType = record.modelType;
    TerminalProgress bar(stderr, ctx.progress);
    bar.Begin("Writing", kCloneBlocks);
    CPcClone clone(session.Environment());
    BindClone(clone, document, config, bar);
    return clone.WriteRadio();
}

// Decodes with the model type a document of that model would give.
CloneResult ReadRecord(Context& ctx, RadioSession& session, int32_t modelType, RadioSettings& record)
{
    RadioSettings scratch{};
    ModelConfig config;
    ResetModelConfig(config);
    config.modelType = modelType;
    TerminalProgress bar(stderr, ctx.progress);
    bar.Begin("Reading", kCloneBlocks);
    CPcClone clone(session.Environment());
    BindClone(clone, scratch, config, bar);
    CloneResult result = clone.ReadRadio();
    if (result == kResultOk) record = scratch;
    return result;
}

// "Verify OK." (0), "Verify Error." (1) or a failure; the report is written either way.
int VerifyRecord(Context& ctx, RadioSession& session, const RadioSettings& pc, const std::string& reportPath,
                 CloneResult& result)
{
    RadioSettings radio{};
    result = ReadRecord(ctx, session, pc.modelType, radio);
    if (result != kResultOk) return -2;
    const bool europe = IsEuropeModel(pc);
    return WriteVerifyReport(reportPath, AsTheRadioHoldsIt(pc, europe), radio, europe, SystemLocalTime());
}

void PrintVerifyOutcome(Context& ctx, int flags, const std::string& reportPath)
{
    if (flags == 0) {
        ctx.out << "Verify OK.\nReport: " << Absolute(reportPath) << "\n";
        return;
    }
    if (flags == kVerifyReportFailed) ctx.err << "Can't Create file:\n" << Absolute(reportPath) << "\n";
    ctx.err << "Verify Error.\nReport: " << Absolute(reportPath) << "\n";
}

// Refuses identities the radio cannot take, with the main window's messages.
bool IdentityCheck(Context& ctx, const RadioSettings& record)
{
    if (record.mmsiByUser == 0) {
        std::string mmsi = MmsiText(record);
        if (!mmsi.empty() && !IsValidId(mmsi)) {
            ctx.err << "Invalid MMIS ID:" << mmsi << "\nMake sure 9 digitals.\n";
            return false;
        }
    }
    if (record.atisByUser == 0) {
        std::string atis = AtisText(record);
        if (!atis.empty() && !IsValidId(atis)) {
            ctx.err << "Invalid ATIS ID:" << atis << "\nMake sure 9 digitals.\n";
            return false;
        }
    }
    return true;
}

}  // namespace

int CmdHandShake(Context& ctx)
{
    auto session = OpenSession(ctx);
    if (!session) return kExitUsage;
    CPcClone clone(session->Environment());
    int status = Finish(ctx, *session, clone.HandShake());
    if (status == kExitOk) ctx.out << "HandShake OK.\n";
    return status;
}

int CmdRead(Context& ctx, const std::string& output)
{
    auto session = OpenSession(ctx);
    if (!session) return kExitUsage;
    RadioSettings record{};
    int status = Finish(ctx, *session, ReadRecord(ctx, *session, 0, record));
    if (status != kExitOk) return status;
    if (!SaveRecord(ctx, output, record)) return kExitFailed;
    ctx.out << "Read OK.\nSaved " << output << "\n";
    // The radio's data are the user's, so they are saved; but say at once that this file will
    // not open again, while the radio is still at hand for a complete dump.
    const std::string problem = CloneRecordProblem(record);
    if (!problem.empty())
        ctx.err << "Warning: what the radio holds fails the clone file check (" << problem
                << "), so this program will not open " << output
                << " again. Make a complete backup of the radio with \"qx720 eeprom read FILE\".\n";
    return kExitOk;
}

int CmdWrite(Context& ctx, const std::string& file, bool adjustMode, const BackupChoice& backup, bool force)
{
    RadioSettings record;
    if (!LoadRecord(ctx, file, record)) return kExitUsage;
    if (!IdentityCheck(ctx, record)) return kExitUsage;
    PrintIdentityWarnings(ctx, record);
    std::string backupDir;
    if (!ResolveBackupFolder(ctx, backup, backupDir)) return kExitUsage;

    auto session = OpenSession(ctx);
    if (!session) return kExitUsage;
    session->AdjustMode() = adjustMode ? 1 : 0;

    // The radio's whole EEPROM first, so that the write can always be undone; without a backup,
    // at least the identities it holds.
    const BackupResult made = RunBackupStage(ctx, *session, backupDir);
    if (made.result != kResultOk) {
        int status = Finish(ctx, *session, made.result, made.problem);
        ctx.err << "Nothing was written to the radio.\n";
        return status;
    }
    if (!made.path.empty()) ctx.out << "Backup " << made.path << "\n";
    const std::vector<IdentityReplacement> replaced = ReplacedIdentities(made.radio, WrittenIdentities(record));
    if (!replaced.empty() && !force) {
        ctx.err << "qx720: " << ReplacementRefusal(replaced) << ". Nothing was written to the radio; --force "
                << "writes over it.\n";
        return kExitFailed;
    }

    int status = Finish(ctx, *session, WriteRecord(ctx, *session, record));
    if (status == kExitOk) ctx.out << "Write OK.\n";
    return status;
}

int CmdVerify(Context& ctx, const std::string& file, const std::string& reportPath)
{
    RadioSettings pc;
    if (!LoadRecord(ctx, file, pc)) return kExitUsage;
    const std::string report = reportPath.empty() ? JoinPath(CurrentDirectory(), kVerifyReportFileName) : reportPath;
    auto session = OpenSession(ctx);
    if (!session) return kExitUsage;
    CloneResult result = kResultOk;
    int flags = VerifyRecord(ctx, *session, pc, report, result);
    int status = Finish(ctx, *session, result);
    if (status != kExitOk) return status;
    PrintVerifyOutcome(ctx, flags, report);
    return flags == 0 ? kExitOk : kExitFailed;
}

}  // namespace qx::cli
