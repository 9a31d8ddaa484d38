// What the command groups share: opening a radio session, loading the files named on the
// command line, and turning a radio operation's code into an exit status.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "cli/commands.h"
#include "cli/radio_session.h"
#include "cli/terminal_progress.h"
#include "files/model_config.h"
#include "model/radio_settings.h"
#include "operations/eeprom_operations.h"
#include "operations/radio_gate.h"
#include "result/clone_result.h"

namespace qx::cli {

std::string CurrentDirectory();
std::string Absolute(const std::string& path);

// A clone file named on the command line: false, with a message, when it is missing or not a
// clone file (the caller exits with 2).
bool LoadRecord(Context& ctx, const std::string& path, RadioSettings& record);

// Saves a record as a clone file (atomically): false, with a message, when it cannot be written
// (the caller exits with 1).
bool SaveRecord(Context& ctx, const std::string& path, const RadioSettings& record);

// A file a command names, and what it is to the user ("the clone file", "the report").
struct NamedFile {
    std::string path;
    const char* role;
};
// The files a command reads: those given, and the virtual radio's file when the radio is one.
std::vector<NamedFile> InputsWithRadio(const Context& ctx, std::vector<NamedFile> inputs);
// False, after saying so, when an output is one of the inputs by any name (the same path, a
// symbolic or hard link, "./"): writing it would destroy what the command reads. Nothing has been
// written then; the caller exits with 2.
bool OutputsApartFromInputs(Context& ctx, const std::vector<NamedFile>& outputs, const std::vector<NamedFile>& inputs);

// Null, with a message, when the radio option cannot be opened.
std::unique_ptr<RadioSession> OpenSession(Context& ctx);

// Turns a radio operation's code into the exit status, telling the user what happened. A
// failure that was a file's or a folder's speaks for itself in `fileProblem`, instead of the
// code's heading. `reason`: the operation's own words for the failure (who holds the radio);
// "" takes the adaptor's.
int Finish(Context& ctx, RadioSession& session, CloneResult result, const std::string& fileProblem = {},
           const std::string& reason = {});

// An operation's context on the session: the clone options of a document of `modelType` and a
// bar on stderr that starts anew at each stage of the operation. End() the bar before printing.
class CliOperation {
public:
    CliOperation(Context& ctx, RadioSession& session, int32_t modelType = 0);
    const OperationContext& Get() const { return op_; }
    void Begin(const char* label, int steps) { bar_.Begin(label, steps); }
    void End() { bar_.End(); }

private:
    ModelConfig config_;
    TerminalProgress bar_;
    OperationContext op_;
};

// One change of the radio through the gate, told as every writing command tells it: the backup
// named as soon as it is kept (before the first block), a refusal naming both identities (and
// `source` when given), then `done` on success. Replacing another identity needs `force`.
// Returns the exit status.
int ChangeRadioAndTell(Context& ctx, RadioSession& session, CliOperation& run, ops::RadioChange change,
                       ops::BackupPlan plan, bool force, const std::string& source, const char* done);

// One whole-EEPROM transfer with its own bar on stderr, ended before anything else is printed.
CloneResult RunEepromTransfer(Context& ctx, RadioSession& session, const char* label,
                              const std::function<CloneResult(const OperationContext&)>& operation);

}  // namespace qx::cli
