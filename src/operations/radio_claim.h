// One run per radio: a run claims its radio for its whole length, against every other run of
// this program on the machine. Two programs writing one radio at once each read it as it was
// and each write their own record over it, so the second is refused at once.
#pragma once

#include <memory>
#include <string>

#include "clone/clone_environment.h"
#include "result/clone_result.h"

namespace qx::ops {

// Held while a run goes on; the radio is free again when the last claim of this program on it
// goes (and when the program dies: the system drops its lock).
class RadioClaim {
public:
    RadioClaim() = default;
    ~RadioClaim();
    RadioClaim(RadioClaim&& other) noexcept;
    RadioClaim& operator=(RadioClaim&& other) noexcept;
    RadioClaim(const RadioClaim&) = delete;
    RadioClaim& operator=(const RadioClaim&) = delete;

    // kResultRadioInUse when another program holds the radio (`holder` names it when known),
    // kResultOpenFileError when the lock cannot be made (`holder` has the system's reason).
    [[nodiscard]] CloneResult Result() const { return result_; }
    [[nodiscard]] const std::string& Holder() const { return holder_; }
    [[nodiscard]] bool Ok() const { return result_ == kResultOk; }

private:
    friend RadioClaim ClaimRadio(const CloneEnvironment& env);
    CloneResult result_ = kResultOk;
    std::string holder_;
    std::string key_;  // "" when nothing is held
};

// Claims the radio the environment talks to. Within one program claims nest (a write's backup
// and the write itself are one run); an environment that names no radio (a test's own rig)
// claims nothing.
RadioClaim ClaimRadio(const CloneEnvironment& env);

// The words for a run's failure: who holds the radio when another program does, else the
// adaptor's own reason ("" when it gave none).
std::string FailureReason(const CloneEnvironment& env, CloneResult code);

// The lock file's name for a radio: its name made safe as one file name.
std::string ClaimFileName(const std::string& radioName);

}  // namespace qx::ops
