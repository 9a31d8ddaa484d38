// A fleet run: one template record written to many radios, each with its own identities,
// each backed up first, verified after and logged at once. The terminal (or any other front
// end) comes in through FleetHooks; this file holds every decision.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "clone/clock.h"
#include "clone/clone_environment.h"
#include "clone/progress_sink.h"
#include "fleet/fleet_log.h"
#include "fleet/fleet_units.h"
#include "model/radio_settings.h"

namespace qx {

enum class FleetAnswer { Go, Skip, Quit };

// One unit's radio, open for the time of that unit.
class FleetRadio {
public:
    virtual ~FleetRadio() = default;
    virtual CloneEnvironment& Environment() = 0;
    // Ctrl-C arrived while this radio was open.
    virtual bool Interrupted() const = 0;
    // Lets the radio go (a virtual radio is saved). False with a message when that failed.
    virtual bool Close(std::string& error) = 0;
};

struct FleetOptions {
    std::string logPath = "fleet-log.csv";
    std::string backupDir = "fleet-backups";
    bool force = false;       // write over a radio that holds another MMSI
    bool fullBackup = false;  // back up the whole EEPROM, not just the clone range the write replaces
    int jobs = 1;             // units programmed at the same time, each on its own radio
    int radios = 0;           // radios there are to share among the units (adaptors on a hub); 0: one per unit
};

// One running unit's progress in a run of several at once: each stage begins, then the
// transfer steps it. Let go when the unit's outcome is known.
class FleetUnitProgress : public ProgressSink {
public:
    virtual void Begin(const char* label, int blocks) = 0;
};

struct FleetHooks {
    // Asked before each unit; empty when every unit goes on without asking.
    std::function<FleetAnswer(const FleetUnit&)> ask;
    // Null with a message when the unit's radio cannot be opened.
    std::function<std::unique_ptr<FleetRadio>(const FleetUnit&, std::string& error)> connect;
    // "UNIT: OK" and the like, one line each, and the summary.
    std::function<void(const std::string&)> report;
    // The lines of units that FAILED or were REFUSED, once more, for the error output.
    std::function<void(const std::string&)> reportFailure;
    // Ctrl-C is held off from the moment a unit is taken in hand until its outcome is logged
    // and reported; `releaseInterrupt` tells whether one came meanwhile (the run then stops).
    std::function<void()> holdInterrupt;
    std::function<bool()> releaseInterrupt;
    // Why the output that `report` writes to failed (a closed pipe); "" while it works. After a
    // failure no unit is started; those in hand are finished and logged.
    std::function<std::string()> outputProblem;
    // After a unit's verified write: its commissioning sheet (`record` as written, `verified` the
    // time of the check); "" when kept, else why not. Empty: no sheets. Called from the units'
    // own threads in a run of several.
    std::function<std::string(const FleetUnit&, const RadioSettings& record, const LocalTime& verified)> sheet;
    // A transfer of `blocks` blocks is about to step `progress`.
    std::function<void(const char* label, int blocks)> stage;
    ProgressSink* progress = nullptr;
    Clock clock = SystemLocalTime;

    // Runs of several units at once (jobs above 1) use these instead of ask, the interrupt hold,
    // stage and progress. Every hook is then called from the units' own threads: connect and
    // unitProgress at once for several units, report and reportFailure one at a time.
    // A unit's own progress; null for none.
    std::function<std::unique_ptr<FleetUnitProgress>(const FleetUnit&)> unitProgress;
    // Ctrl-C came: no unit starts after it. The running units see it through their radios' stop
    // event and end as FAILED "User Cancel.".
    std::function<bool()> stopRequested;
};

struct FleetSummary {
    int ok = 0, failed = 0, refused = 0, skipped = 0;
    int notReached = 0;                 // units after a "q" or a Ctrl-C
    bool interrupted = false;           // Ctrl-C
    std::string logError;               // the log could not be written: the run stopped there
    std::vector<std::string> unlogged;  // the result lines of units whose outcome the log could not take
    std::string outputError;            // the output failed: no unit was started after it

    // "N ok, N failed, N refused, N skipped", and ", N not reached" when there are such units.
    std::string Line() const;
    bool AllOk() const
    {
        return failed == 0 && refused == 0 && skipped == 0 && notReached == 0 && logError.empty() &&
               outputError.empty();
    }
};

// The template with one unit's identities: a given MMSI or ATIS ID clears its "entry by
// user" flag, an empty one sets it.
RadioSettings UnitRecord(const RadioSettings& templ, const FleetUnit& unit);

// The MMSI a radio holds in its EEPROM (8192 bytes); empty when it is left to the user or
// is not a number the radio would take.
std::string EepromMmsi(const std::vector<uint8_t>& eeprom);

// The checksum the log keeps for a unit: that of the template with the unit's identities.
std::string UnitChecksum(const RadioSettings& templ, const FleetUnit& unit);
// The digest the log keeps beside it, which a re-run compares.
std::string UnitDigest(const RadioSettings& templ, const FleetUnit& unit);

// Runs the units in order, or up to `options.jobs` of them at once. A unit whose last OK line in
// `loggedOk` has this run's MMSI, ATIS ID and digest is counted as OK without touching its
// radio; any other is programmed (again). Each outcome is logged, one whole line at a time, and
// reported only once its line is on the disk. The backup folder must exist.
FleetSummary RunFleet(const RadioSettings& templ, const std::vector<FleetUnit>& units, const FleetLogOk& loggedOk,
                      const FleetOptions& options, FleetHooks& hooks);

}  // namespace qx
