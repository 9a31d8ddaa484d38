#include "fleet/fleet_run.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <mutex>
#include <thread>

#include "backups/backup_name.h"
#include "files/atomic_file.h"
#include "files/model_config.h"
#include "fleet/fleet_log.h"
#include "fleet/template_digest.h"
#include "identity/radio_identity.h"
#include "model/checksum.h"
#include "model/identity.h"
#include "model/radio_image.h"
#include "operations/radio_claim.h"
#include "operations/radio_gate.h"
#include "operations/radio_operations.h"

namespace qx {

namespace {

struct Outcome {
    const char* result = "FAILED";
    std::string message;
    std::string checksum;
    std::string digest;
    std::string backup;
    bool written = false;
};

std::string LogTime(const LocalTime& t)
{
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", t.year, t.month, t.day, t.hour, t.minute,
                  t.second);
    return text;
}

using StageHook = std::function<void(const char* label, int blocks)>;

class UnitRun {
public:
    UnitRun(const RadioSettings& templ, const FleetUnit& unit, const FleetOptions& options, const FleetHooks& hooks,
            StageHook stage, ProgressSink& progress)
        : templ_(templ), unit_(unit), options_(options), hooks_(hooks), stage_(std::move(stage)), progress_(progress)
    {
    }

    Outcome Run(bool& interrupted)
    {
        Outcome outcome;
        std::string error;
        std::unique_ptr<FleetRadio> radio = hooks_.connect(unit_, error);
        if (!radio) {
            outcome.message = error;
            return outcome;
        }
        CloneResult result = Program(*radio, outcome);
        interrupted = result == kResultUserCancel || (result != kResultOk && radio->Interrupted());
        if (result != kResultOk) {
            outcome.result = "FAILED";
            outcome.message = (outcome.message.empty() ? "" : outcome.message + ": ") +
                              DescribeResult(interrupted ? kResultUserCancel : result);
        }
        if (!radio->Close(error)) {
            outcome.result = "FAILED";
            outcome.message = error;
        }
        interrupted = interrupted || radio->Interrupted();
        return outcome;
    }

private:
    const RadioSettings& templ_;
    const FleetUnit& unit_;
    const FleetOptions& options_;
    const FleetHooks& hooks_;
    StageHook stage_;
    ProgressSink& progress_;

    void Stage(const char* label, int blocks)
    {
        if (stage_) stage_(label, blocks);
    }

    // The steps that talk to the radio; a failure's code comes back with the step named in
    // outcome.message.
    CloneResult Program(FleetRadio& radio, Outcome& outcome)
    {
        ModelConfig config;
        ResetModelConfig(config);
        OperationContext ctx{radio.Environment(), &config, &progress_, {}};
        // The board's stage column is nine characters wide.
        ctx.stage = [this](const char* label, int steps) {
            Stage(std::strcmp(label, "Backing up") == 0 ? "Backup" : label, steps);
        };

        // The radio is this unit's from its backup to its verify: nothing else writes it between.
        const ops::RadioClaim claim = ops::ClaimRadio(ctx.env);
        if (!claim.Ok()) {
            outcome.message = claim.Holder();
            return claim.Result();
        }
        // What the write replaces is kept first (the whole EEPROM with --full-backup), so that it can
        // be undone; then the write, unless it would replace another boat's identity without --force.
        const RadioSettings record = UnitRecord(templ_, unit_);
        config.modelType = record.modelType;
        ops::BackupPlan plan;
        plan.kind = options_.fullBackup ? ops::BackupKind::Whole : ops::BackupKind::Written;
        plan.folder = options_.backupDir;
        plan.name = unit_.name;
        plan.time = hooks_.clock();
        const ops::ChangeOutcome written = ops::ChangeRadio(
            ctx, ops::RadioChange::Record(record, 0), plan,
            options_.force ? ops::Consent::Replace() : ops::Consent::Keep());
        const BackupResult& backup = written.backup;
        outcome.backup = backup.path;
        if (!backup.problem.empty()) {
            // The radio is fine; its backup could not be kept.
            const std::string why = !backup.reason.empty()  ? backup.reason
                                    : backup.eeprom.empty() ? backup.problem
                                                            : "";
            outcome.message = "the backup could not be saved as " +
                              BackupPath(options_.backupDir, unit_.name, plan.time, 1) +
                              (why.empty() ? "" : ": " + why);
            return kResultOk;
        }
        if (!written.complete) {
            // Another program has the radio: say who, not which step.
            outcome.message = written.code == kResultRadioInUse ? written.reason : "backup";
            return written.code;
        }
        if (written.refused) {
            const IdentityReplacement& first = written.replaced.front();
            outcome.result = "REFUSED";
            outcome.message = std::string("the radio holds ") +
                              (first.kind == IdentityKind::Mmsi ? "MMSI " : "ATIS ID 9") + first.held +
                              " (--force writes over it)";
            return kResultOk;
        }
        outcome.written = written.sent;
        if (!written.Ok()) {
            outcome.message = written.sent ? "write" : "backup";
            return written.code;
        }

        // The radio against the very bytes the write sent.
        const ops::ReadBackOutcome check = ops::ReadBack(ctx);
        if (!check.Ok()) {
            outcome.message = "verify";
            return check.code;
        }
        outcome.checksum = ChecksumHex(SettingsChecksum(record));
        outcome.digest = ImageDigest(record);
        if (check.differences != 0) {
            outcome.message = "verify: " + std::to_string(check.differences) + " bytes differ from what was written";
            return kResultOk;
        }
        outcome.result = "OK";
        // The radio is written and verified whatever becomes of its sheet: said beside the OK.
        if (hooks_.sheet)
            if (const std::string problem = hooks_.sheet(unit_, record, hooks_.clock()); !problem.empty())
                outcome.message = "(the sheet was not written: " + problem + ")";
        return kResultOk;
    }
};

}  // namespace

std::string FleetSummary::Line() const
{
    return std::to_string(ok) + " ok, " + std::to_string(failed) + " failed, " + std::to_string(refused) +
           " refused, " + std::to_string(skipped) + " skipped" +
           (notReached > 0 ? ", " + std::to_string(notReached) + " not reached" : "");
}

std::string UnitChecksum(const RadioSettings& templ, const FleetUnit& unit)
{
    return ChecksumHex(SettingsChecksum(UnitRecord(templ, unit)));
}

std::string UnitDigest(const RadioSettings& templ, const FleetUnit& unit)
{
    return ImageDigest(UnitRecord(templ, unit));
}

RadioSettings UnitRecord(const RadioSettings& templ, const FleetUnit& unit)
{
    RadioSettings record = templ;
    record.mmsiByUser = unit.mmsi.empty() ? 1 : 0;
    SetMmsiText(record, unit.mmsi);
    record.atisByUser = unit.atis.empty() ? 1 : 0;
    SetAtisText(record, unit.atis);
    return record;
}

std::string EepromMmsi(const std::vector<uint8_t>& eeprom)
{
    if (eeprom.size() < static_cast<std::size_t>(kEepromSize)) return {};
    return ImageIdentities(eeprom).mmsi;
}

namespace {

// Done only as this run would do it: a changed MMSI, ATIS ID or template is written again. The
// digest decides (a line of an older log has none: its unit is written again).
bool AlreadyDone(const RadioSettings& templ, const FleetUnit& unit, const FleetLogOk& loggedOk)
{
    const auto previous = loggedOk.find(unit.name);
    return previous != loggedOk.end() && previous->second.mmsi == unit.mmsi &&
           previous->second.atis == AtisForDisplay(unit) && !previous->second.digest.empty() &&
           previous->second.digest == UnitDigest(templ, unit);
}

void Count(FleetSummary& summary, const std::string& result)
{
    if (result == "OK")
        ++summary.ok;
    else if (result == "REFUSED")
        ++summary.refused;
    else if (result == "SKIPPED")
        ++summary.skipped;
    else
        ++summary.failed;
}

FleetLogEntry LogEntry(const FleetUnit& unit, const Outcome& outcome, const LocalTime& now)
{
    FleetLogEntry entry;
    entry.time = LogTime(now);
    entry.unit = unit.name;
    if (outcome.written) {
        entry.mmsi = unit.mmsi;
        entry.atis = AtisForDisplay(unit);
    }
    entry.result = outcome.result;
    entry.checksum = outcome.checksum;
    entry.backup = outcome.backup;
    entry.digest = outcome.digest;
    return entry;
}

std::string ResultLine(const FleetUnit& unit, const Outcome& outcome)
{
    return unit.name + ": " + outcome.result + (outcome.message.empty() ? "" : " " + outcome.message);
}

bool IsFailure(const Outcome& outcome)
{
    const std::string result = outcome.result;
    return result == "FAILED" || result == "REFUSED";
}

// Up to `jobs` units at once, each on its own thread and radio, taken in the file's order.
class ParallelRun {
public:
    ParallelRun(const RadioSettings& templ, const FleetOptions& options, const FleetHooks& hooks,
                std::vector<const FleetUnit*> pending, FleetSummary& summary)
        : templ_(templ), options_(options), hooks_(hooks), pending_(std::move(pending)), summary_(summary)
    {
    }

    void Run()
    {
        std::size_t workers = std::min(pending_.size(), static_cast<std::size_t>(std::max(options_.jobs, 1)));
        if (options_.radios > 0) workers = std::min(workers, static_cast<std::size_t>(options_.radios));
        std::vector<std::thread> threads;
        threads.reserve(workers);
        for (std::size_t i = 0; i < workers; ++i) threads.emplace_back([this] { Work(); });
        for (std::thread& thread : threads) thread.join();
        summary_.notReached = static_cast<int>(pending_.size() - next_);
        summary_.interrupted = interrupted_ || StopRequested();
    }

private:
    const RadioSettings& templ_;
    const FleetOptions& options_;
    const FleetHooks& hooks_;
    const std::vector<const FleetUnit*> pending_;
    FleetSummary& summary_;

    std::mutex stateMutex_;  // the next unit, the summary and the log
    std::size_t next_ = 0;
    bool halted_ = false;  // the log failed or Ctrl-C came: no unit starts any more
    bool interrupted_ = false;
    std::mutex reportMutex_;  // one result line at a time, never holding up the log

    bool StopRequested() const { return hooks_.stopRequested && hooks_.stopRequested(); }
    std::string OutputProblem() const { return hooks_.outputProblem ? hooks_.outputProblem() : std::string(); }

    const FleetUnit* Take()
    {
        std::lock_guard lock(stateMutex_);
        if (halted_ || next_ == pending_.size() || StopRequested()) return nullptr;
        // Nobody hears of units any more (a closed pipe): none is started.
        if (std::string problem = OutputProblem(); !problem.empty()) {
            if (summary_.outputError.empty()) summary_.outputError = problem;
            halted_ = true;
            return nullptr;
        }
        return pending_[next_++];
    }

    void Work()
    {
        while (const FleetUnit* unit = Take()) {
            std::unique_ptr<FleetUnitProgress> progress = hooks_.unitProgress ? hooks_.unitProgress(*unit) : nullptr;
            NoProgress silent;
            FleetUnitProgress* shown = progress.get();
            StageHook stage = [shown](const char* label, int blocks) {
                if (shown) shown->Begin(label, blocks);
            };
            bool interrupted = false;
            const Outcome outcome = UnitRun(templ_, *unit, options_, hooks_, stage,
                                            shown ? static_cast<ProgressSink&>(*shown) : silent)
                                        .Run(interrupted);
            progress.reset();  // its line goes before its result comes
            Finish(*unit, outcome, interrupted);
        }
    }

    void Finish(const FleetUnit& unit, const Outcome& outcome, bool interrupted)
    {
        const std::string line = ResultLine(unit, outcome);
        bool logged = true;
        {
            // The log takes one whole line at a time: two units ending together never mix.
            std::lock_guard lock(stateMutex_);
            Count(summary_, outcome.result);
            std::string error;
            if (!AppendFleetLog(options_.logPath, LogEntry(unit, outcome, hooks_.clock()), error)) {
                if (summary_.logError.empty()) summary_.logError = error;
                summary_.unlogged.push_back(line);
                logged = false;
                halted_ = true;
            }
            if (interrupted) interrupted_ = halted_ = true;
        }
        // Said only once the log holds it.
        if (!logged) return;
        std::lock_guard lock(reportMutex_);
        if (hooks_.report) hooks_.report(line);
        if (IsFailure(outcome) && hooks_.reportFailure) hooks_.reportFailure(line);
    }
};

}  // namespace

namespace {

void Report(const FleetHooks& hooks, const std::string& line)
{
    if (hooks.report) hooks.report(line);
}

FleetSummary RunSeveralAtOnce(const RadioSettings& templ, const std::vector<FleetUnit>& units,
                              const FleetLogOk& loggedOk, const FleetOptions& options, const FleetHooks& hooks)
{
    FleetSummary summary;
    std::vector<const FleetUnit*> pending;
    for (const FleetUnit& unit : units) {
        if (AlreadyDone(templ, unit, loggedOk)) {
            Report(hooks, unit.name + ": OK (already in the log)");
            ++summary.ok;
        } else {
            pending.push_back(&unit);
        }
    }
    ParallelRun(templ, options, hooks, std::move(pending), summary).Run();
    Report(hooks, summary.Line());
    return summary;
}

FleetSummary RunOneByOne(const RadioSettings& templ, const std::vector<FleetUnit>& units, const FleetLogOk& loggedOk,
                         const FleetOptions& options, FleetHooks& hooks)
{
    FleetSummary summary;
    NoProgress silent;
    ProgressSink& progress = hooks.progress ? *hooks.progress : silent;
    auto report = [&](const std::string& line) { Report(hooks, line); };

    for (std::size_t i = 0; i < units.size(); ++i) {
        const FleetUnit& unit = units[i];
        // Nobody hears of units any more (a closed pipe): none is started.
        if (std::string problem = hooks.outputProblem ? hooks.outputProblem() : ""; !problem.empty()) {
            summary.outputError = problem;
            summary.notReached = static_cast<int>(units.size() - i);
            break;
        }
        if (AlreadyDone(templ, unit, loggedOk)) {
            report(unit.name + ": OK (already in the log)");
            ++summary.ok;
            continue;
        }
        FleetAnswer answer = hooks.ask ? hooks.ask(unit) : FleetAnswer::Go;
        if (answer == FleetAnswer::Quit) {
            summary.notReached = static_cast<int>(units.size() - i);
            break;
        }

        if (hooks.holdInterrupt) hooks.holdInterrupt();
        Outcome outcome;
        bool interrupted = false;
        if (answer == FleetAnswer::Skip)
            outcome.result = "SKIPPED";
        else
            outcome = UnitRun(templ, unit, options, hooks, hooks.stage, progress).Run(interrupted);
        Count(summary, outcome.result);

        // Logged first, and said only once the log holds it: the report may wait on a stalled
        // output, and the outcome must not.
        const bool logged = AppendFleetLog(options.logPath, LogEntry(unit, outcome, hooks.clock()), summary.logError);
        const std::string line = ResultLine(unit, outcome);
        if (logged) {
            report(line);
            if (IsFailure(outcome) && hooks.reportFailure) hooks.reportFailure(line);
        } else {
            summary.unlogged.push_back(line);
        }
        if (hooks.releaseInterrupt && hooks.releaseInterrupt()) interrupted = true;
        if (!logged) {
            summary.notReached = static_cast<int>(units.size() - i - 1);
            break;
        }

        if (interrupted) {
            summary.interrupted = true;
            summary.notReached = static_cast<int>(units.size() - i - 1);
            break;
        }
    }
    report(summary.Line());
    return summary;
}

}  // namespace

FleetSummary RunFleet(const RadioSettings& templ, const std::vector<FleetUnit>& units, const FleetLogOk& loggedOk,
                      const FleetOptions& options, FleetHooks& hooks)
{
    return options.jobs > 1 ? RunSeveralAtOnce(templ, units, loggedOk, options, hooks)
                            : RunOneByOne(templ, units, loggedOk, options, hooks);
}

}  // namespace qx
