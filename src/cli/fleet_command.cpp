#include "cli/fleet_command.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <functional>
#include <istream>
#include <memory>
#include <mutex>
#include <ostream>
#include <system_error>

#include "cli/command_support.h"
#include "cli/fleet_board.h"
#include "cli/interrupt_watch.h"
#include "cli/radio_session.h"
#include "cli/sheet_pdf.h"
#include "cli/terminal_progress.h"
#include "files/atomic_file.h"
#include "files/clone_file.h"
#include "fleet/fleet_log.h"
#include "fleet/fleet_run.h"
#include "identity/maritime_identity.h"
#include "reports/sheet_layout.h"

namespace qx::cli {

namespace fs = std::filesystem;

namespace {

constexpr std::size_t kMaxUnitsFileBytes = 4u << 20;

class SessionRadio : public FleetRadio {
public:
    // `release` runs once the session is gone: its adaptor is free for the next unit.
    SessionRadio(std::unique_ptr<RadioSession> session, std::function<void()> release = {})
        : session_(std::move(session)), release_(std::move(release))
    {
    }
    ~SessionRadio() override
    {
        session_.reset();
        if (release_) release_();
    }
    SessionRadio(const SessionRadio&) = delete;
    SessionRadio& operator=(const SessionRadio&) = delete;
    CloneEnvironment& Environment() override { return session_->Environment(); }
    bool Interrupted() const override { return session_->Interrupted(); }
    bool Close(std::string& error) override { return session_->Close(error); }

private:
    std::unique_ptr<RadioSession> session_;
    std::function<void()> release_;
};

// The adaptors of a "usb:all" run. Each unit takes the next free one after the last handed
// out, so that even one unit at a time goes through the radios on the hub in turn.
class AdaptorPool {
public:
    void Add(const HidInterfaceInfo& adaptor)
    {
        adaptors_.push_back(adaptor);
        busy_.push_back(false);
    }
    std::size_t Size() const { return adaptors_.size(); }
    // -1 when every adaptor is taken.
    int Take(HidInterfaceInfo& adaptor)
    {
        std::lock_guard lock(mutex_);
        for (std::size_t k = 0; k < adaptors_.size(); ++k) {
            const std::size_t i = (cursor_ + k) % adaptors_.size();
            if (busy_[i]) continue;
            busy_[i] = true;
            cursor_ = i + 1;
            adaptor = adaptors_[i];
            return static_cast<int>(i);
        }
        return -1;
    }
    void Give(int index)
    {
        std::lock_guard lock(mutex_);
        busy_[static_cast<std::size_t>(index)] = false;
    }

private:
    std::mutex mutex_;
    std::vector<HidInterfaceInfo> adaptors_;
    std::vector<bool> busy_;
    std::size_t cursor_ = 0;
};

// What the radio option needs before the first unit: the adaptors of "usb:all" (with a warning
// for each one this user may not open), or the one adaptor the option names. False with a
// problem when no unit could be programmed as asked.
bool CheckRadios(Context& ctx, const FleetArguments& args, AdaptorPool& pool, std::vector<std::string>& problems)
{
    const RadioOption& radio = ctx.radio;
    const bool perUnit = radio.kind == RadioOption::Kind::Virtual ? radio.file.find("{unit}") != std::string::npos
                                                                  : radio.usb.kind == AdaptorSelection::Kind::All;
    if (args.jobs > 1 && !args.yes)
        problems.emplace_back("--jobs above 1 needs --yes: units that run at once are not asked for one by one");
    if (args.jobs > 1 && !perUnit)
        problems.emplace_back(
            "--jobs above 1 needs a radio for each unit: --radio usb:all, or --radio 'virtual:FILE' with {unit} in "
            "FILE");
    if (radio.kind != RadioOption::Kind::Usb) return problems.empty();

    const std::vector<AdaptorCandidate> candidates = ListCandidates(*MakeUsbBackend(ctx.usbBackend));
    if (radio.usb.kind != AdaptorSelection::Kind::All) {
        const AdaptorPickResult pick = PickAdaptor(candidates, radio.usb);
        if (pick.outcome == AdaptorPick::Several) problems.push_back(PickProblem(candidates, radio.usb, pick));
        return problems.empty();
    }
    for (const AdaptorCandidate& candidate : candidates) {
        if (!candidate.adaptor) continue;
        if (candidate.info.access == HidAccess::Denied)
            ctx.err << "warning: left out: " << CandidateLine(candidate) << " (see \"qx720 doctor\")\n";
        else
            pool.Add(candidate.info);
    }
    if (pool.Size() == 0) {
        std::string problem = "--radio usb:all: no clone adaptor that this user may open is connected";
        for (const AdaptorCandidate& candidate : candidates) problem += "\n  " + CandidateLine(candidate);
        problems.push_back(problem);
    }
    return problems.empty();
}

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
bool PrepareSheetsFolder(const std::string& folder, std::string& problem)
{
    std::error_code ec;
    fs::create_directories(folder, ec);
    std::string reason;
    if (!fs::is_directory(folder, ec) || !MayCreateFilesIn(folder, reason)) {
        problem = "--sheets " + folder + ": no sheet can be saved in the folder" +
                  (reason.empty() ? "" : ": " + reason);
        return false;
    }
    return true;
}

// The commissioning sheet of a unit that was written and verified, as UNIT.pdf.
std::string WriteUnitSheet(const std::string& folder, const FleetUnit& unit, const RadioSettings& record,
                           const LocalTime& verified)
{
    SheetOptions options;
    options.programVersion = QX_VERSION;
    options.printed = verified;
    options.writtenAndVerified = verified;
    const std::string pdf = SheetPdf(BuildCommissioningSheet(record, options));
    if (pdf.empty()) return "the PDF could not be made";
    SaveDetail detail;
    const std::string path = JoinPath(folder, unit.name + ".pdf");
    if (SaveFileAtomically(path, pdf.data(), pdf.size(), &detail) != kResultOk)
        return path + (detail.reason.empty() ? "" : ": " + detail.reason);
    return {};
}

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

// The terminal's side of a run (the questions, the progress, the result lines, Ctrl-C) and each
// unit's radio, for one unit at a time or several at once.
class FleetTerminal {
public:
    FleetTerminal(Context& ctx, const FleetArguments& args, std::istream& in, AdaptorPool& pool)
        : ctx_(ctx),
          args_(args),
          in_(in),
          pool_(pool),
          parallel_(args.jobs > 1),
          bar_(stderr, ctx.progress && !parallel_),
          board_(stderr, ctx.progress && parallel_)
    {
    }

    // Before any thread of the run exists: a run of several watches Ctrl-C from here on.
    FleetHooks Hooks()
    {
        FleetHooks hooks;
        if (parallel_) {
            // One watch for the whole run, whose Ctrl-C stops every radio.
            runWatch_ = std::make_unique<InterruptWatch>(runStop_);
            hooks.stopRequested = [this] { return runStop_.IsSet(); };
            hooks.unitProgress = [this](const FleetUnit& unit) { return board_.AddUnit(unit.name); };
            hooks.report = [this](const std::string& line) {
                board_.Print(ctx_.out, line);
                NoteOutput();
            };
            hooks.reportFailure = [this](const std::string& line) { board_.Print(ctx_.err, line); };
        } else {
            if (!args_.yes) hooks.ask = [this](const FleetUnit& unit) { return Ask(ctx_, in_, unit); };
            hooks.holdInterrupt = [this] { interrupt_.Hold(); };
            hooks.releaseInterrupt = [this] { return interrupt_.Release(); };
            hooks.stage = [this](const char* label, int blocks) { bar_.Begin(label, blocks); };
            hooks.progress = &bar_;
            hooks.report = [this](const std::string& line) {
                bar_.End();
                ctx_.out << line << "\n" << std::flush;
                NoteOutput();
            };
            hooks.reportFailure = [this](const std::string& line) { ctx_.err << line << "\n"; };
        }
        hooks.connect = [this](const FleetUnit& unit, std::string& error) { return Connect(unit, error); };
        hooks.outputProblem = [this] {
            std::lock_guard lock(outputMutex_);
            return outputProblem_;
        };
        return hooks;
    }

    // Ends the watch of a run of several; whether a Ctrl-C came.
    bool EndWatch()
    {
        if (!runWatch_) return false;
        runWatch_->End();
        return runWatch_->Interrupted();
    }

private:
    Context& ctx_;
    const FleetArguments& args_;
    std::istream& in_;
    AdaptorPool& pool_;
    const bool parallel_;
    TerminalProgress bar_;
    FleetBoard board_;
    UnitInterrupt interrupt_;
    ManualResetEvent runStop_;
    std::unique_ptr<InterruptWatch> runWatch_;
    std::mutex outputMutex_;
    std::string outputProblem_;  // why the standard output failed; "" while it works

    // After each result line: a closed pipe or a full disk under the output stops the run taking
    // units (SIGPIPE is ignored, so the write fails instead of killing the program mid-write).
    void NoteOutput()
    {
        if (ctx_.out.good()) return;
        const int error = errno;
        std::lock_guard lock(outputMutex_);
        if (outputProblem_.empty()) outputProblem_ = error != 0 ? std::strerror(error) : "the output failed";
    }

    // Called from the units' threads at once in a run of several.
    std::unique_ptr<FleetRadio> Connect(const FleetUnit& unit, std::string& error)
    {
        RadioOption option = ctx_.radio;
        option.file = ReplaceAll(option.file, "{unit}", unit.name);
        ManualResetEvent* stop = parallel_ ? &runStop_ : interrupt_.Stop();
        std::function<void()> release;
        if (pool_.Size() > 0) {
            HidInterfaceInfo adaptor;
            const int slot = pool_.Take(adaptor);
            if (slot < 0) {  // never: no more units run than there are adaptors
                error = "no free clone adaptor";
                return nullptr;
            }
            option.usb = ChosenAdaptor(adaptor);
            release = [this, slot] { pool_.Give(slot); };
        }
        std::unique_ptr<RadioSession> session = RadioSession::Open(option, error, stop, ctx_.usbBackend);
        if (!session) {
            if (release) release();
            return nullptr;
        }
        return std::make_unique<SessionRadio>(std::move(session), std::move(release));
    }
};

// Everything is checked before any radio is touched: the units, the template, the log and the
// radios; then what the run writes to, since found wanting only after the first radio, its
// outcome would go unlogged. The log stays locked for the run, and is read again under the lock.
std::vector<std::string> CheckBeforeTheRun(Context& ctx, const FleetArguments& args, const std::string& unitsText,
                                           std::vector<FleetUnit>& units, RadioSettings& templ, FleetLogOk& loggedOk,
                                           AdaptorPool& pool, FleetLogLock& logLock)
{
    std::vector<std::string> problems = ParseFleetUnits(unitsText, units);
    if (CloneResult result = ReadCloneRecord(args.templateFile, templ); result != kResultOk)
        problems.push_back(args.templateFile + (result == kResultUnknownFormat
                                                    ? ": not a clone file (the clone file check refuses it)"
                                                    : ": cannot open the template"));
    std::string problem;
    if (!ReadFleetLogOk(args.logFile, loggedOk, problem)) problems.push_back(problem);
    if (problems.empty()) CheckRadios(ctx, args, pool, problems);
    if (problems.empty() && !PrepareBackupFolder(args.backupDir, problem)) problems.push_back(problem);
    if (problems.empty() && !args.sheetsDir.empty() && !PrepareSheetsFolder(args.sheetsDir, problem))
        problems.push_back(problem);
    if (problems.empty() && logLock.Take(args.logFile, problem) != FleetLogLock::Outcome::Held)
        problems.push_back(problem);
    if (problems.empty() && !ReadFleetLogOk(args.logFile, loggedOk, problem)) problems.push_back(problem);
    return problems;
}

}  // namespace

int CmdFleet(Context& ctx, const FleetArguments& args, std::istream& in)
{
    if (!OutputsApartFromInputs(ctx, {{args.logFile, "the fleet log"}},
                                {{args.templateFile, "the template"}, {args.unitsFile, "the units file"}}))
        return kExitUsage;
    std::string unitsText;
    if (!ReadUnitsFile(ctx, args.unitsFile, unitsText)) return kExitUsage;
    std::vector<FleetUnit> units;
    RadioSettings templ{};
    FleetLogOk loggedOk;
    AdaptorPool pool;
    FleetLogLock logLock;
    const std::vector<std::string> problems = CheckBeforeTheRun(ctx, args, unitsText, units, templ, loggedOk, pool,
                                                                logLock);
    if (!problems.empty()) {
        for (const std::string& text : problems) ctx.err << text << "\n";
        ctx.err << "Nothing was touched.\n";
        return kExitUsage;
    }
    PrintUnitWarnings(ctx, units);

    FleetTerminal terminal(ctx, args, in, pool);
    FleetHooks hooks = terminal.Hooks();
    FleetOptions options;
    options.logPath = args.logFile;
    options.backupDir = args.backupDir;
    options.force = args.force;
    options.fullBackup = args.fullBackup;
    if (!args.sheetsDir.empty())
        hooks.sheet = [&args](const FleetUnit& unit, const RadioSettings& record, const LocalTime& verified) {
            return WriteUnitSheet(args.sheetsDir, unit, record, verified);
        };
    options.jobs = args.jobs;
    options.radios = static_cast<int>(pool.Size());
    FleetSummary summary = RunFleet(templ, units, loggedOk, options, hooks);
    if (terminal.EndWatch()) summary.interrupted = true;

    if (!summary.logError.empty()) {
        ctx.err << summary.logError << "; the run stopped there.\n";
        for (const std::string& line : summary.unlogged) ctx.err << "Not in the log: " << line << "\n";
        return kExitFailed;
    }
    if (!summary.outputError.empty()) {
        ctx.err << "qx720: the standard output failed (" << summary.outputError
                << "): no unit was started after it; the log has every unit that ran.\n";
        return kExitFailed;
    }
    if (summary.interrupted) {
        ctx.err << DescribeResult(kResultUserCancel) << "\n";
        return kExitCancelled;
    }
    return summary.AllOk() ? kExitOk : kExitFailed;
}

}  // namespace qx::cli
