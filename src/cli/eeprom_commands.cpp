// The whole-EEPROM commands: eeprom read, write and verify.
#include "cli/commands.h"

#include <ostream>
#include <vector>

#include "cli/backup_commands.h"
#include "cli/command_support.h"
#include "identity/radio_identity.h"
#include "operations/radio_gate.h"

namespace qx::cli {

namespace {

bool LoadEepromArgument(Context& ctx, const std::string& path, std::vector<uint8_t>& bytes)
{
    CloneResult result = LoadEepromFile(path, bytes);
    if (result == kResultOk) return true;
    ctx.err << DescribeResult(result) << "\n";
    if (result == kResultUnknownFormat)
        ctx.err << path << ": an EEPROM file holds 8192 bytes; this one is shorter\n";
    else
        ctx.err << path << ": cannot open the file\n";
    return false;
}

}  // namespace

int CmdEepromRead(Context& ctx, const std::string& file)
{
    if (!OutputsApartFromInputs(ctx, {{file, "the EEPROM file"}}, InputsWithRadio(ctx, {}))) return kExitUsage;
    auto session = OpenSession(ctx);
    if (!session) return kExitUsage;
    SaveDetail detail;
    CloneResult result = RunEepromTransfer(
        ctx, *session, "Reading", [&](const OperationContext& run) { return ReadEepromToFile(run, file, &detail); });
    int status = Finish(ctx, *session, result);
    if (result == kResultOpenFileError || result == kResultWriteFileError)
        ctx.err << file << ": the EEPROM file could not be written"
                << (detail.reason.empty() ? "" : ": " + detail.reason) << "\n";
    if (status == kExitOk) ctx.out << "Read OK!\nSaved " << file << "\n";
    return status;
}

int CmdEepromWrite(Context& ctx, const std::string& file, const std::string& backupDir, bool force)
{
    // Exactly a whole EEPROM: a clone file typed for a dump would otherwise be cut to its first
    // 8192 bytes and written over the radio's identities.
    std::vector<uint8_t> bytes;
    const CloneResult loaded = LoadExactEepromFile(file, bytes);
    if (loaded != kResultOk) {
        ctx.err << DescribeResult(loaded) << "\n";
        if (loaded == kResultUnknownFormat)
            ctx.err << file << ": an EEPROM file holds exactly 8192 bytes; this one does not. Nothing was written.\n";
        else
            ctx.err << file << ": cannot open the file\n";
        return kExitUsage;
    }
    // The whole EEPROM is kept first, and a dump of another boat goes on only with --force.
    return WriteBytesKeepingWhatTheyReplace(ctx, 0, std::move(bytes), backupDir, force, file, "Write OK!");
}

int CmdEepromVerify(Context& ctx, const std::string& file)
{
    std::vector<uint8_t> bytes;
    if (!LoadEepromArgument(ctx, file, bytes)) return kExitUsage;
    auto session = OpenSession(ctx);
    if (!session) return kExitUsage;
    int differences = 0;
    CloneResult result = RunEepromTransfer(
        ctx, *session, "Verifying", [&](const OperationContext& run) { return VerifyEeprom(run, bytes, differences); });
    int status = Finish(ctx, *session, result);
    if (status != kExitOk) return status;
    if (differences != 0) {
        ctx.err << "Difference = " << differences << "\nVerify Error!\n";
        return kExitFailed;
    }
    ctx.out << "Verify OK!\n";
    return kExitOk;
}

}  // namespace qx::cli
