// The whole-EEPROM commands: eeprom read, write and verify.
#include "cli/commands.h"

#include <ostream>
#include <vector>

#include "cli/command_support.h"

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

int CmdEepromWrite(Context& ctx, const std::string& file)
{
    std::vector<uint8_t> bytes;
    if (!LoadEepromArgument(ctx, file, bytes)) return kExitUsage;
    auto session = OpenSession(ctx);
    if (!session) return kExitUsage;
    CloneResult result = RunEepromTransfer(ctx, *session, "Writing",
                                           [&](const OperationContext& run) { return WriteEeprom(run, bytes); });
    int status = Finish(ctx, *session, result);
    if (status == kExitOk) ctx.out << "Write OK!\n";
    return status;
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
