#include "cli/fleet_command.h"

#include <filesystem>
#include <istream>
#include <ostream>
#include <system_error>

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
    std::set<std::string> loggedOk;
    std::string logError;
    if (!ReadFleetLogOk(args.logFile, loggedOk, logError)) problems.push_back(logError);
    if (!problems.empty()) {
        for (const std::string& problem : problems) ctx.err << problem << "\n";
        ctx.err << "Nothing was touched.\n";
        return kExitUsage;
    }
    std::error_code ec;
    fs::create_directories(args.backupDir, ec);
    if (!fs::is_directory(args.backupDir, ec)) {
        ctx.err << "--backup " << args.backupDir << ": the folder cannot be created\nNothing was touched.\n";
        return kExitUsage;
    }
    PrintUnitWarnings(ctx, units);

    TerminalProgress bar(stderr, ctx.progress);
    FleetHooks hooks;
    if (!args.yes) hooks.ask = [&](const FleetUnit& unit) { return Ask(ctx, in, unit); };
    hooks.connect = [&](const FleetUnit& unit, std::string& error) -> std::unique_ptr<FleetRadio> {
        RadioOption option = ctx.radio;
        option.file = ReplaceAll(option.file, "{unit}", unit.name);
        std::unique_ptr<RadioSession> session = RadioSession::Open(option, error);
        if (!session) return nullptr;
        return std::make_unique<SessionRadio>(std::move(session));
    };
    hooks.stage = [&](const char* label, int blocks) { bar.Begin(label, blocks); };
    hooks.progress = &bar;
    hooks.report = [&](const std::string& line) {
        bar.End();
        ctx.out << line << "\n" << std::flush;
    };

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
