// What every operation on the radio runs on and reports to: the program's clone environment,
// the clone options, the progress and the stop (in the environment).
#pragma once

#include <functional>
#include <string>

#include "clone/clone_environment.h"
#include "clone/progress_sink.h"
#include "files/model_config.h"

namespace qx {

struct OperationContext {
    CloneEnvironment& env;
    ModelConfig* options = nullptr;     // the model that decodes a read, the log and ROM map switches
    ProgressSink* progress = nullptr;   // stepped once per block; may be absent for EEPROM transfers
    std::function<void()> onHandShake;  // after a successful HandShake, before the blocks
    // Leaves the progress where the transfer ended, for a caller that empties it only after
    // showing the outcome.
    bool keepProgress = false;
    // Where the communication log and the ROM map files go when the options ask for them.
    std::string logDirectory = {};
    // Before each step of an operation that has several (a backup, then the write): its name and
    // the number of progress steps it takes.
    std::function<void(const char* stage, int steps)> stage = {};
};

}  // namespace qx
