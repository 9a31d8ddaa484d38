// What a user asks of a radio, one function each: the window, the command line, the fleet run
// and the web page call these and nothing below them. Each takes a request and a context and
// returns what it did; every rule about the order of steps (a write only after a complete
// backup; a verify against the record as the radio holds it) lives here once.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "backups/backup_store.h"
#include "clone/clock.h"
#include "clone/pc_clone.h"
#include "clone/progress_sink.h"
#include "files/model_config.h"
#include "identity/radio_identity.h"
#include "model/radio_settings.h"
#include "result/clone_result.h"

namespace qx::ops {

// Where an operation reports and what it runs on. `stage` names each step with its number of
// progress steps before the step starts ("Backing up", "Writing", "Reading", "Verifying").
struct Context {
    CloneEnvironment& env;
    ProgressSink* progress = nullptr;
    std::function<void(const char* stage, int blocks)> stage = {};
    std::string logDirectory = {};  // where CommLogo.txt and the ROM map files go, when asked for
};

// Common to every outcome: the code, and the adaptor's reason when the system gave one.
struct Outcome {
    CloneResult code = kResultOk;
    std::string reason = {};
    bool ok() const { return code == kResultOk; }
};

// The clone run's options: the model decoding the radio's bytes and the service switches
// (communication log, ROM map files).
struct CloneOptions {
    int32_t modelType = 0;
    int32_t logoFlag = 0;
    int32_t romFlag = 0;
};

Outcome HandShake(Context& ctx, const CloneOptions& options = {});

struct ReadOutcome : Outcome {
    RadioSettings record{};
    std::string fileCheckProblem;  // why a clone file of this record would not open again; "" when it would
};
ReadOutcome Read(Context& ctx, const CloneOptions& options = {});

// A write in two steps, so that a front end can ask its user between them: first what the
// radio holds (its backup, or its identity bytes alone without a backup folder), then the
// write, which goes on only after a complete first step.
struct WriteRequest {
    RadioSettings record{};
    CloneOptions options{};
    bool backup = true;          // whole EEPROM before the write
    std::string backupFolder;    // where it is saved; "" keeps it only in the outcome
    LocalTime time{};            // names the backup file
};
struct WritePreparation : Outcome {
    std::vector<uint8_t> eeprom;                // the backup (8192 bytes) when one was made
    std::string backupPath;                     // the saved backup, "" when not saved
    std::string problem;                        // what went wrong with the backup's file or folder
    RadioIdentities radio;                      // what the radio held
    std::vector<IdentityReplacement> replaced;  // valid identities the write would change or clear
};
WritePreparation PrepareWrite(Context& ctx, const WriteRequest& request);

struct WriteOutcome : Outcome {
    bool partlyWritten = false;  // blocks went out before it failed or was stopped
};
// Refuses with kResultUserCancel-free code `kResultNotPrepared`-like failure when `prepared`
// did not succeed: nothing is sent then.
WriteOutcome FinishWrite(Context& ctx, const WriteRequest& request, const WritePreparation& prepared);

struct VerifyRequest {
    RadioSettings record{};  // what the radio should hold
    CloneOptions options{};
    std::string reportPath;  // "" writes no file; the text is in the outcome either way
    LocalTime time{};
};
struct VerifyOutcome : Outcome {
    bool same = false;       // the radio holds the record ("Verify OK.")
    int reportFlags = 0;     // as WriteVerifyReport returns them
    std::string reportText;  // the report
    RadioSettings radio{};   // what was read
};
VerifyOutcome Verify(Context& ctx, const VerifyRequest& request);

}  // namespace qx::ops
