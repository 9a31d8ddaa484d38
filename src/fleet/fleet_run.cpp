#include "fleet/fleet_run.h"

#include <cstdio>
#include <cstring>

#include "backups/backup_name.h"
#include "clone/eeprom_transfer.h"
#include "document/atomic_file.h"
#include "document/model_config.h"
#include "fleet/fleet_log.h"
#include "identity/radio_identity.h"
#include "model/checksum.h"
#include "model/identity.h"
#include "model/radio_image.h"

namespace qx {

namespace {

constexpr int kCloneBlocks = 77;

class NoProgress : public ProgressSink {
public:
    void SetRange(int, int) override {}
    void SetStep(int) override {}
    void Step() override {}
    void SetPosition(int) override {}
};

struct Outcome {
    const char* result = "FAILED";
    std::string message;
    std::string checksum;
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

class UnitRun {
public:
    UnitRun(const RadioSettings& templ, const FleetUnit& unit, const FleetOptions& options, FleetHooks& hooks,
            ProgressSink& progress)
        : templ_(templ), unit_(unit), options_(options), hooks_(hooks), progress_(progress)
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
    FleetHooks& hooks_;
    ProgressSink& progress_;

    void Stage(const char* label, int blocks)
    {
        if (hooks_.stage) hooks_.stage(label, blocks);
    }

    enum class CloneStep { Write, Verify };

    // One whole clone run on `record` with its own stage of the progress bar: Write to Radio
    // from it, or Read from Radio into it for the verify.
    CloneResult RunClone(CloneEnvironment& env, ModelConfig& config, RadioSettings& record, CloneStep step)
    {
        Stage(step == CloneStep::Write ? "Writing" : "Verifying", kCloneBlocks);
        CPcClone clone(env);
        clone.settings = &record;
        clone.options = &config;
        clone.progress = &progress_;
        return step == CloneStep::Write ? clone.WriteRadio() : clone.ReadRadio();
    }

    // The steps that talk to the radio; a failure's code comes back with the step named in
    // outcome.message.
    CloneResult Program(FleetRadio& radio, Outcome& outcome)
    {
        CloneEnvironment& env = radio.Environment();
        ModelConfig config;
        ResetModelConfig(config);

        // The whole EEPROM first, so that whatever follows can be undone.
        std::vector<uint8_t> eeprom;
        Stage("Backup", kEepromTransferBlocks);
        CloneResult result = ReadEeprom(EepromTransfer{env, &config, &progress_, {}}, eeprom);
        if (result != kResultOk) {
            outcome.message = "backup";
            return result;
        }
        const LocalTime now = hooks_.clock();
        SaveDetail detail;
        if (SaveBackupFile(options_.backupDir, unit_.name, now, eeprom, outcome.backup, &detail) != kResultOk) {
            outcome.message = "the backup could not be saved as " + BackupPath(options_.backupDir, unit_.name, now, 1) +
                              (detail.reason.empty() ? "" : ": " + detail.reason);
            return kResultOk;
        }

        RadioSettings record = UnitRecord(templ_, unit_);
        const std::vector<IdentityReplacement> replaced = ReplacedIdentities(ImageIdentities(eeprom),
                                                                             WrittenIdentities(record));
        if (!replaced.empty() && !options_.force) {
            const IdentityReplacement& first = replaced.front();
            outcome.result = "REFUSED";
            outcome.message = std::string("the radio holds ") +
                              (first.kind == IdentityKind::Mmsi ? "MMSI " : "ATIS ID 9") + first.held +
                              " (--force writes over it)";
            return kResultOk;
        }

        config.modelType = record.modelType;
        result = RunClone(env, config, record, CloneStep::Write);
        outcome.written = true;
        if (result != kResultOk) {
            outcome.message = "write";
            return result;
        }

        RadioSettings readBack{};
        result = RunClone(env, config, readBack, CloneStep::Verify);
        if (result != kResultOk) {
            outcome.message = "verify";
            return result;
        }
        // The radio against the very bytes the write sent.
        int differences = 0;
        for (int address = kCloneFirst; address <= kCloneLast; ++address)
            if (env.writeImage[address] != env.readImage[address]) ++differences;
        outcome.checksum = ChecksumHex(SettingsChecksum(record));
        if (differences != 0) {
            outcome.message = "verify: " + std::to_string(differences) + " bytes differ from what was written";
            return kResultOk;
        }
        outcome.result = "OK";
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

FleetSummary RunFleet(const RadioSettings& templ, const std::vector<FleetUnit>& units, const FleetLogOk& loggedOk,
                      const FleetOptions& options, FleetHooks& hooks)
{
    FleetSummary summary;
    NoProgress silent;
    ProgressSink& progress = hooks.progress ? *hooks.progress : silent;
    auto report = [&](const std::string& line) {
        if (hooks.report) hooks.report(line);
    };

    for (std::size_t i = 0; i < units.size(); ++i) {
        const FleetUnit& unit = units[i];
        // Done only as this run would do it: a changed MMSI, ATIS ID or template is written again.
        const auto previous = loggedOk.find(unit.name);
        if (previous != loggedOk.end() && previous->second.mmsi == unit.mmsi &&
            previous->second.atis == AtisForDisplay(unit) && previous->second.checksum == UnitChecksum(templ, unit)) {
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
            outcome = UnitRun(templ, unit, options, hooks, progress).Run(interrupted);

        const std::string result = outcome.result;
        if (result == "OK")
            ++summary.ok;
        else if (result == "REFUSED")
            ++summary.refused;
        else if (result == "SKIPPED")
            ++summary.skipped;
        else
            ++summary.failed;

        // Logged first: the report may wait on a stalled output, and the outcome must not.
        FleetLogEntry entry;
        entry.time = LogTime(hooks.clock());
        entry.unit = unit.name;
        if (outcome.written) {
            entry.mmsi = unit.mmsi;
            entry.atis = AtisForDisplay(unit);
        }
        entry.result = result;
        entry.checksum = outcome.checksum;
        entry.backup = outcome.backup;
        const bool logged = AppendFleetLog(options.logPath, entry, summary.logError);
        const std::string line = unit.name + ": " + result + (outcome.message.empty() ? "" : " " + outcome.message);
        report(line);
        if ((result == "FAILED" || result == "REFUSED") && hooks.reportFailure) hooks.reportFailure(line);
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

}  // namespace qx
