// The radio commands: handshake, read, write and verify.
#include "cli/commands.h"

#include <filesystem>
#include <ostream>
#include <system_error>

#include "cli/backup_commands.h"
#include "cli/command_support.h"
#include "cli/identity_commands.h"
#include "cli/terminal_progress.h"
#include "files/atomic_file.h"
#include "files/clone_file.h"
#include "files/model_config.h"
#include "identity/radio_identity.h"
#include "model/identity.h"
#include "operations/radio_gate.h"
#include "operations/radio_operations.h"
#include "reports/verify_report.h"

namespace qx::cli {

namespace fs = std::filesystem;

namespace {

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
    CliOperation run(ctx, *session);
    const ops::Outcome shaken = ops::HandShake(run.Get());
    run.End();
    int status = Finish(ctx, *session, shaken.code, {}, shaken.reason);
    if (status == kExitOk) ctx.out << "HandShake OK.\n";
    return status;
}

int CmdRead(Context& ctx, const std::string& output)
{
    if (!OutputsApartFromInputs(ctx, {{output, "the clone file"}}, InputsWithRadio(ctx, {}))) return kExitUsage;
    auto session = OpenSession(ctx);
    if (!session) return kExitUsage;
    CliOperation run(ctx, *session);
    const ops::ReadOutcome read = ops::Read(run.Get());
    run.End();
    int status = Finish(ctx, *session, read.code, {}, read.reason);
    if (status != kExitOk) return status;
    if (!SaveRecord(ctx, output, read.record)) return kExitFailed;
    ctx.out << "Read OK.\nSaved " << output << "\n";
    // The radio's data are the user's, so they are saved; but say at once that this file will
    // not open again, while the radio is still at hand for a complete dump.
    const std::string& problem = read.fileCheckProblem;
    if (!problem.empty())
        ctx.err << "Warning: what the radio holds fails the clone file check (" << problem
                << "), so this program will not open " << output
                << " again. Make a complete backup of the radio with \"qx720 eeprom read FILE\".\n";
    return kExitOk;
}

int CmdWrite(Context& ctx, const std::string& file, bool adjustMode, const BackupChoice& backup, bool force,
             bool fullBackup)
{
    RadioSettings record;
    if (!LoadRecord(ctx, file, record)) return kExitUsage;
    if (!IdentityCheck(ctx, record)) return kExitUsage;
    PrintIdentityWarnings(ctx, record);
    std::string backupDir;
    if (!ResolveBackupFolder(ctx, backup, backupDir)) return kExitUsage;
    if (fullBackup && backupDir.empty()) {
        ctx.err << "qx720: --full-backup and --no-backup exclude each other\n";
        return kExitUsage;
    }

    auto session = OpenSession(ctx);
    if (!session) return kExitUsage;
    session->AdjustMode() = adjustMode ? 1 : 0;

    // What the write replaces first (the whole EEPROM with --full-backup), so that it can always
    // be undone; without a backup, at least the identities the radio holds.
    CliOperation run(ctx, *session, record.modelType);
    ops::BackupPlan plan;
    plan.kind = backupDir.empty() ? ops::BackupKind::None
                : fullBackup      ? ops::BackupKind::Whole
                                  : ops::BackupKind::Written;
    plan.folder = backupDir;
    plan.time = SystemLocalTime();
    return ChangeRadioAndTell(ctx, *session, run, ops::RadioChange::Record(record, adjustMode ? 1 : 0), std::move(plan),
                              force, {}, "Write OK.");
}

int CmdVerify(Context& ctx, const std::string& file, const std::string& reportPath)
{
    const std::string report = reportPath.empty() ? JoinPath(CurrentDirectory(), kVerifyReportFileName) : reportPath;
    if (!OutputsApartFromInputs(ctx, {{report, "the verify report"}}, InputsWithRadio(ctx, {{file, "the clone file"}})))
        return kExitUsage;
    RadioSettings pc;
    if (!LoadRecord(ctx, file, pc)) return kExitUsage;
    auto session = OpenSession(ctx);
    if (!session) return kExitUsage;
    CliOperation run(ctx, *session, pc.modelType);
    const ops::VerifyOutcome verified = ops::Verify(run.Get(), ops::VerifyRequest{pc, report, SystemLocalTime()});
    run.End();
    int status = Finish(ctx, *session, verified.code, {}, verified.reason);
    if (status != kExitOk) return status;
    PrintVerifyOutcome(ctx, verified.comparison, report);
    return verified.comparison == 0 ? kExitOk : kExitFailed;
}

}  // namespace qx::cli
