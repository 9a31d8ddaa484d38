#include "cli/commands.h"

#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <functional>
#include <ostream>
#include <system_error>
#include <vector>

#include "cli/backup_commands.h"
#include "cli/identity_commands.h"
#include "cli/radio_session.h"
#include "cli/record_view.h"
#include "cli/terminal_progress.h"
#include "clone/eeprom_transfer.h"
#include "clone/pc_clone.h"
#include "document/atomic_file.h"
#include "document/clone_file.h"
#include "document/model_config.h"
#include "model/channel_plan.h"
#include "model/checksum.h"
#include "model/identity.h"
#include "model/private_sets.h"
#include "reports/freq_table.h"
#include "reports/verify_report.h"

namespace qx::cli {

namespace fs = std::filesystem;

namespace {

constexpr int kCloneBlocks = 77;

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

// A clone file named on the command line: exit 2 when it is missing or not a clone file.
bool LoadRecord(Context& ctx, const std::string& path, RadioSettings& record)
{
    CloneResult result = ReadCloneRecord(path, record);
    if (result == kResultOk) return true;
    ctx.err << DescribeResult(result) << "\n";
    if (result == kResultUnknownFormat)
        ctx.err << path << ": not a clone file (a clone file holds one 43816-byte record whose channels "
                           "have 2- or 3-character names and frequencies within 136..174 MHz)\n";
    else
        ctx.err << path << ": cannot open the file\n";
    return false;
}

std::unique_ptr<RadioSession> OpenSession(Context& ctx)
{
    std::string error;
    std::unique_ptr<RadioSession> session = RadioSession::Open(ctx.radio, error);
    if (!session) ctx.err << error << "\n";
    return session;
}

// Turns a radio operation's code into the exit status, telling the user what happened.
int Finish(Context& ctx, RadioSession& session, CloneResult result)
{
    std::string saveError;
    const bool saved = session.Close(saveError);
    if (result == kResultUserCancel || (result != kResultOk && session.Interrupted())) {
        ctx.err << DescribeResult(kResultUserCancel) << "\n";
        if (!saved) ctx.err << saveError << "\n";
        return kExitCancelled;
    }
    if (result != kResultOk) {
        ctx.err << DescribeResult(result) << "\n";
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

// One whole-EEPROM transfer with its own bar on stderr, ended before anything else is printed.
CloneResult RunEepromTransfer(Context& ctx, RadioSession& session, const char* label,
                              const std::function<CloneResult(const EepromTransfer&)>& operation)
{
    ModelConfig config;
    ResetModelConfig(config);
    TerminalProgress bar(stderr, ctx.progress);
    bar.Begin(label, kEepromTransferBlocks);
    const CloneResult result = operation(EepromTransfer{session.Environment(), &config, &bar, {}});
    bar.End();
    return result;
}

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

int ModelTypeFromName(const std::string& name)
{
    if (name == "usa") return 0;
    if (name == "eur-int") return 1;
    if (name == "eur-int-usa") return 2;
    return -1;
}

int PrivateSetFromName(const std::string& name)
{
    static const char* const names[] = {"all", "uk", "denmark", "finland", "norway",
                                        "sweden", "holland", "belgium", "none"};
    for (int i = 0; i < 9; ++i)
        if (name == names[i]) return i;
    return -1;
}

int PlanGroupFromName(const std::string& name)
{
    if (name == "int") return kGroupInt;
    if (name == "usa") return kGroupUsa;
    if (name == "can") return kGroupCan;
    if (name == "int-narrow") return kGroupIntNarrow;
    if (name == "usa-narrow") return kGroupUsaNarrow;
    if (name == "can-narrow") return kGroupCanNarrow;
    if (name == "wx") return kGroupWx;
    return -1;
}

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
    ModelConfig config;
    ResetModelConfig(config);
    CloneResult saved = WriteCloneFile(output, record, config);
    if (saved != kResultOk) {
        ctx.err << DescribeResult(saved) << "\n" << output << ": the clone file could not be written\n";
        return kExitFailed;
    }
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

int CmdWrite(Context& ctx, const std::string& file, bool adjustMode, const BackupChoice& backup)
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

    if (!backupDir.empty()) {
        // The radio's whole EEPROM first, so that the write can always be undone.
        const BackupResult made = RunBackupStage(ctx, *session, backupDir);
        if (made.result != kResultOk) {
            int status = Finish(ctx, *session, made.result);
            if (!made.problem.empty()) ctx.err << made.problem << "\n";
            ctx.err << "Nothing was written to the radio.\n";
            return status;
        }
        ctx.out << "Backup " << made.path << "\n";
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

int CmdEepromRead(Context& ctx, const std::string& file)
{
    auto session = OpenSession(ctx);
    if (!session) return kExitUsage;
    CloneResult result = RunEepromTransfer(ctx, *session, "Reading",
                                           [&](const EepromTransfer& run) { return ReadEepromToFile(run, file); });
    int status = Finish(ctx, *session, result);
    if (result == kResultOpenFileError) ctx.err << file << ": the EEPROM file could not be written\n";
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
                                           [&](const EepromTransfer& run) { return WriteEeprom(run, bytes); });
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
    CloneResult result = RunEepromTransfer(ctx, *session, "Verifying", [&](const EepromTransfer& run) {
        return VerifyEeprom(run, bytes, differences);
    });
    int status = Finish(ctx, *session, result);
    if (status != kExitOk) return status;
    if (differences != 0) {
        ctx.err << "Difference = " << differences << "\nVerify Error!\n";
        return kExitFailed;
    }
    ctx.out << "Verify OK!\n";
    return kExitOk;
}

int CmdDefaults(Context& ctx, const std::string& output, const std::string& model, const std::string& set)
{
    const int modelType = ModelTypeFromName(model);
    const int setIndex = PrivateSetFromName(set);
    if (modelType < 0 || setIndex < 0) {
        ctx.err << "unknown " << (modelType < 0 ? "model \"" + model : "set \"" + set) << "\"\n";
        return kExitUsage;
    }
    // As the model wizard's OK builds it: the set only for the European models.
    RadioSettings record;
    ResetSettings(record, modelType);
    if (modelType == 1 || modelType == 2) LoadPrivateSet(setIndex, record);

    ModelConfig config;
    ResetModelConfig(config);
    CloneResult saved = WriteCloneFile(output, record, config);
    if (saved != kResultOk) {
        ctx.err << DescribeResult(saved) << "\n" << output << ": the clone file could not be written\n";
        return kExitFailed;
    }
    ctx.out << "Saved " << output << " (" << PrivateChannelCount(record) << " private channels)\n";
    return kExitOk;
}

int CmdChecksum(Context& ctx, const std::string& file)
{
    RadioSettings record;
    if (!LoadRecord(ctx, file, record)) return kExitUsage;
    ctx.out << ChecksumText(SettingsChecksum(record)) << "\n";
    return kExitOk;
}

int CmdExport(Context& ctx, const std::string& file, const std::string& output)
{
    RadioSettings record;
    if (!LoadRecord(ctx, file, record)) return kExitUsage;
    const std::string path = output.empty() ? JoinPath(CurrentDirectory(), kFreqTableFileName) : output;
    if (!WriteFreqTable(path, record, SystemLocalTime())) {
        ctx.err << "Can't Create file:\n" << Absolute(path) << "\n";
        return kExitFailed;
    }
    ctx.out << "Exported " << Absolute(path) << "\n";
    return kExitOk;
}

int CmdShow(Context& ctx, const std::string& file, bool json)
{
    RadioSettings record;
    if (!LoadRecord(ctx, file, record)) return kExitUsage;
    PrintIdentityWarnings(ctx, record);
    if (json)
        // Texts from files need not be UTF-8: replace what is not rather than fail.
        ctx.out << RecordJson(record).dump(2, ' ', false, Json::error_handler_t::replace) << "\n";
    else
        ctx.out << RecordText(record);
    return kExitOk;
}

int CmdPlan(Context& ctx, const std::string& group)
{
    const int number = PlanGroupFromName(group);
    if (number < 0) {
        ctx.err << "unknown group \"" << group << "\" (int, usa, can, int-narrow, usa-narrow, can-narrow, wx)\n";
        return kExitUsage;
    }
    for (const ChannelPlanRow& row : PlanRows(number)) ctx.out << FormatPlanLine(row) << "\n";
    return kExitOk;
}

int CmdDiff(Context& ctx, const std::string& fileA, const std::string& fileB, bool json)
{
    RadioSettings a, b;
    if (!LoadRecord(ctx, fileA, a) || !LoadRecord(ctx, fileB, b)) return kExitUsage;
    std::vector<FieldDifference> differences = DiffRecords(a, b);
    if (json) {
        Json list = Json::array();
        for (const FieldDifference& d : differences) list.push_back({{"field", d.field}, {"a", d.a}, {"b", d.b}});
        Json result = {{"equal", differences.empty()}, {"differences", list}};
        ctx.out << result.dump(2, ' ', false, Json::error_handler_t::replace) << "\n";
    } else {
        for (const FieldDifference& d : differences) ctx.out << DifferenceLine(d) << "\n";
        if (differences.empty()) ctx.out << "The files are equal.\n";
    }
    return differences.empty() ? kExitOk : kExitFailed;
}

int CmdDemo(Context& ctx)
{
    std::error_code ec;
    std::string pattern = (fs::temp_directory_path(ec) / "qx720-demo-XXXXXX").string();
    std::vector<char> buffer(pattern.begin(), pattern.end());
    buffer.push_back('\0');
    if (::mkdtemp(buffer.data()) == nullptr) {
        ctx.err << "cannot create a temporary folder for the demo\n";
        return kExitFailed;
    }
    const std::string dir = buffer.data();
    struct Cleanup {
        std::string dir;
        ~Cleanup()
        {
            std::error_code ignored;
            fs::remove_all(dir, ignored);
        }
    } cleanup{dir};

    const std::string defaultsFile = JoinPath(dir, "defaults.dat");
    const std::string readFile = JoinPath(dir, "readback.dat");
    Context demo{RadioOption{}, ctx.out, ctx.err, ctx.progress};
    demo.radio.kind = RadioOption::Kind::Virtual;
    demo.radio.file = JoinPath(dir, "radio.bin");

    ctx.out << "QX720 demo: a virtual radio in " << demo.radio.file << "\n\n";
    ctx.out << "1. Defaults of the EUR (INT) model with every European private channel set:\n   ";
    if (int status = CmdDefaults(demo, defaultsFile, "eur-int", "all"); status != kExitOk) return status;

    ctx.out << "\n2. Write to Radio:\n";
    // The virtual radio goes with the demo's folder; a backup of it would be kept for nothing.
    if (int status = CmdWrite(demo, defaultsFile, false, BackupChoice{true, ""}); status != kExitOk) return status;

    ctx.out << "\n3. Read from Radio into a second clone file:\n";
    if (int status = CmdRead(demo, readFile); status != kExitOk) return status;

    ctx.out << "\n4. The record read back:\n";
    if (int status = CmdShow(demo, readFile, false); status != kExitOk) return status;

    ctx.out << "\n5. Verify the radio against the record read back:\n";
    if (int status = CmdVerify(demo, readFile, JoinPath(dir, kVerifyReportFileName)); status != kExitOk)
        return status;

    ctx.out << "\nThe desktop program QX720Clone does all this in a window: start it (or ./scripts/run.sh) where a "
               "display is available.\n";
    return kExitOk;
}

}  // namespace qx::cli
