// What a user asks of a radio, one function each: the window, the command line, the fleet run
// and the web page call these and nothing below them. Each takes a context and a request and
// returns what it did, claiming the radio for its length; every rule about the order of the
// steps (a verify against the record as the radio holds it) lives here once. Whatever changes a
// radio goes through the gate of radio_gate.h.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "clone/clock.h"
#include "identity/radio_identity.h"
#include "model/radio_settings.h"
#include "operations/operation_context.h"
#include "result/clone_result.h"

namespace qx {
class CPcClone;
}  // namespace qx

namespace qx::ops {

inline constexpr int kCloneSteps = 77;  // the progress steps of a Write to Radio or a Read from Radio

// Common to every outcome: the code, and the operating system's words for an adaptor failure.
struct Outcome {
    CloneResult code = kResultOk;
    std::string reason;
    [[nodiscard]] bool Ok() const { return code == kResultOk; }
};

// The operations that decode or encode a record need the context's options (the model that
// decodes, the log and ROM map switches); without them they fail with a parameter error.
Outcome HandShake(const OperationContext& ctx);

struct ReadOutcome : Outcome {
    RadioSettings record{};
    // Why a clone file of what was read would not open again ("" when it would): the user's
    // data all the same, but worth a complete EEPROM backup while the radio is at hand.
    std::string fileCheckProblem;
};
ReadOutcome Read(const OperationContext& ctx);

struct VerifyRequest {
    RadioSettings record{};  // what the radio should hold
    std::string reportPath;  // where the report goes; "" keeps it in the outcome only
    LocalTime time{};        // in the report's heading
};
struct VerifyOutcome : Outcome {
    int comparison = 0;      // 0 the same; otherwise as WriteVerifyReport reports it
    std::string reportText;  // the report
    RadioSettings radio{};   // what the radio holds
};
// Reads the radio and compares it with the record as the radio holds it (a Europe record's
// channel table as the radio keeps it).
VerifyOutcome Verify(const OperationContext& ctx, const VerifyRequest& request);

// After a write: reads the clone range back and counts the bytes that differ from what that
// write sent (the environment's write image).
struct ReadBackOutcome : Outcome {
    int differences = 0;
};
ReadBackOutcome ReadBack(const OperationContext& ctx);

// The handset test mode's HandShakes: one clone run that lives as long as the service dialog
// asking for them, so that its communication log (when the options ask for one) holds them all.
class TestModeLink {
public:
    TestModeLink(CloneEnvironment& env, const ModelConfig& options, const std::string& logDirectory);
    ~TestModeLink();
    TestModeLink(const TestModeLink&) = delete;
    TestModeLink& operator=(const TestModeLink&) = delete;
    // On the thread that runs the radio's jobs, one at a time.
    Outcome HandShake(ProgressSink* progress);

private:
    class Forward;
    CloneEnvironment& env_;
    ModelConfig options_;
    std::unique_ptr<Forward> progress_;
    std::unique_ptr<CPcClone> clone_;
};

}  // namespace qx::ops
