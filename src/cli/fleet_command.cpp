#include "cli/fleet_command.h"

#include <filesystem>
#include <istream>
#include <memory>
#include <ostream>
#include <system_error>

#include "cli/interrupt_watch.h"
#include "cli/radio_session.h"
#include "cli/terminal_progress.h"
#include "document/atomic_file.h"
#include "document/clone_file.h"
#include "fleet/fleet_log.h"
#include "fleet/fleet_run.h"
#include "identity/maritime_identity.h"

namespace qx::cli {

namespace fs = std::filesystem;

namespace {

constexpr std::size_t kMaxUnitsFileBytes = 4u << 20;

class SessionRadio : public FleetRadio {
public:
    explicit SessionRadio(std::unique_ptr<RadioSession> session) : session_(std::move(session)) {}
    CloneEnvironment& Environment() override { return session_->Environment(); }
    bool Interrupted() const override { return session_->Interrupted(); }
    bool Close(std::string& error) override { return session_->Close(error); }

private:
    std::unique_ptr<RadioSession> session_;
};

std::string ReplaceAll(std::string text, const std::string& from, const std::string& to)
{
    for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
    return text;
}

bool ReadUnitsFile(Context& ctx, const std::string& path, std::string& text)
{
    std::error_code ec;
    std::vector<uint8_t> bytes;
    if (!fs::is_regular_file(path, ec) || !ReadFileBytes(path, bytes, kMaxUnitsFileBytes + 1)) {
        ctx.err << path << ": cannot open the units file\n";
        return false;
    }
    if (bytes.size() > kMaxUnitsFileBytes) {
        ctx.err << path << ": the units file is too large to be a list of radios\n";
        return false;
    }
    text.assign(bytes.begin(), bytes.end());
    return true;
}

FleetAnswer Ask(Context& ctx, std::istream& in, const FleetUnit& unit)
{
    for (;;) {
        ctx.err << "Connect " << unit.name << " and press Enter (s skips it, q stops the run): " << std::flush;
        std::string answer;
        if (!std::getline(in, answer)) {
            ctx.err << "\n";
            return FleetAnswer::Quit;
        }
        if (!answer.empty() && answer.back() == '\r') answer.pop_back();
        if (answer.empty()) return FleetAnswer::Go;
        if (answer == "s" || answer == "S") return FleetAnswer::Skip;
        if (answer == "q" || answer == "Q") return FleetAnswer::Quit;
    }
}

// The backup folder, made when missing, must take files before any radio is read for one.
bool PrepareBackupFolder(const std::string& folder, std::string& problem)
{
    std::error_code ec;
    fs::create_directories(folder, ec);
    std::string reason;
    if (!fs::is_directory(folder, ec)) {
        problem = "--backup " + folder + ": the folder cannot be created";
        return false;
    }
    if (!MayCreateFilesIn(folder, reason)) {
        problem = "--backup " + folder + ": no backup can be saved in the folder: " + reason;
        return false;
    }
    return true;
}

// Ctrl-C while a unit is in hand: the stop event of its radio, and whether one came.
class UnitInterrupt {
public:
    void Hold()
    {
        stop_ = std::make_unique<ManualResetEvent>();
        watch_ = std::make_unique<InterruptWatch>(*stop_);
    }
    bool Release()
    {
        if (!watch_) return false;
        watch_->End();
        const bool interrupted = watch_->Interrupted();
        watch_.reset();
        return interrupted;
    }
    ManualResetEvent* Stop() const { return stop_.get(); }

private:
    // The event outlives the watch: the radio of the unit may still hold it.
    std::unique_ptr<ManualResetEvent> stop_;
    std::unique_ptr<InterruptWatch> watch_;
};

void PrintUnitWarnings(Context& ctx, const std::vector<FleetUnit>& units)
{
    for (const FleetUnit& unit : units) {
        const std::string at = "warning: line " + std::to_string(unit.line) + ": ";
        if (!unit.mmsi.empty())
            for (const std::string& warning : ClassifyMmsi(unit.mmsi).warnings)
                ctx.err << at << "MMSI " << unit.mmsi << ": " << warning << "\n";
        if (!unit.atis.empty())
            for (const std::string& warning : ClassifyAtis(unit.atis).warnings)
                ctx.err << at << "ATIS ID " << AtisForDisplay(unit) << ": " << warning << "\n";
    }
}

}  // namespace

int CmdFleet(Context& ctx, const FleetArguments& args, std::istream& in)
{
    // Everything is checked before any radio is touched.
    std::string unitsText;
    if (!ReadUnitsFile(ctx, args.unitsFile, unitsText)) return kExitUsage;
    std::vector<FleetUnit> units;
    std::vector<std::string> problems = ParseFleetUnits(unitsText, units);
    RadioSettings templ{};
    if (CloneResult result = ReadCloneRecord(args.templateFile, templ); result != kResultOk)
        problems.push_back(args.templateFile + (result == kResultUnknownFormat
                                                    ? ": not a clone file (the clone file check refuses it)"
                                                    : ": cannot open the template"));
    FleetLogOk loggedOk;
    std::string problem;
    if (!ReadFleetLogOk(args.logFile, loggedOk, problem)) problems.push_back(problem);
    // Then what the run writes to: found wanting only after the first radio, its outcome
    // would go unlogged. The log stays locked for the run, and is read again under the lock.
    FleetLogLock logLock;
    if (problems.empty() && !PrepareBackupFolder(args.backupDir, problem)) problems.push_back(problem);
    if (problems.empty() && logLock.Take(args.logFile, problem) != FleetLogLock::Outcome::Held)
        problems.push_back(problem);
    if (problems.empty() && !ReadFleetLogOk(args.logFile, loggedOk, problem)) problems.push_back(problem);
    if (!problems.empty()) {
        for (const std::string& text : problems) ctx.err << text << "\n";
        ctx.err << "Nothing was touched.\n";
        return kExitUsage;
    }
    PrintUnitWarnings(ctx, units);

    TerminalProgress bar(stderr, ctx.progress);
    FleetHooks hooks;
    if (!args.yes) hooks.ask = [&](const FleetUnit& unit) { return Ask(ctx, in, unit); };
    UnitInterrupt interrupt;
    hooks.holdInterrupt = [&] { interrupt.Hold(); };
    hooks.releaseInterrupt = [&] { return interrupt.Release(); };
    hooks.connect = [&](const FleetUnit& unit, std::string& error) -> std::unique_ptr<FleetRadio> {
        RadioOption option = ctx.radio;
        option.file = ReplaceAll(option.file, "{unit}", unit.name);
        std::unique_ptr<RadioSession> session = RadioSession::Open(option, error, interrupt.Stop());
        if (!session) return nullptr;
        return std::make_unique<SessionRadio>(std::move(session));
    };
    hooks.stage = [&](const char* label, int blocks) { bar.Begin(label, blocks); };
    hooks.progress = &bar;
    hooks.report = [&](const std::string& line) {
        bar.End();
        ctx.out << line << "\n" << std::flush;
    };
    hooks.reportFailure = [&](const std::string& line) { ctx.err << line << "\n"; };

    FleetOptions options;
    options.logPath = args.logFile;
    options.backupDir = args.backupDir;
    options.force = args.force;
    const FleetSummary summary = RunFleet(templ, units, loggedOk, options, hooks);

    if (!summary.logError.empty()) {
        ctx.err << summary.logError << "; the run stopped there.\n";
        return kExitFailed;
    }
    if (summary.interrupted) {
        ctx.err << DescribeResult(kResultUserCancel) << "\n";
        return kExitCancelled;
    }
    return summary.AllOk() ? kExitOk : kExitFailed;
}

}  // namespace qx::cli
