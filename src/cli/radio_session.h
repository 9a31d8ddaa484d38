// Everything one radio command needs: the radio stack (real or virtual adaptor, images, the
// clone environment) with its stop event wired to Ctrl-C.
#pragma once

#include <memory>
#include <string>

#include "backends/radio_stack.h"
#include "cli/interrupt_watch.h"
#include "sim/radio_option.h"

namespace qx::cli {

// Makes the backend of a real adaptor: the system's unless a test puts devices of its own there.
std::unique_ptr<HidBackend> MakeUsbBackend(const UsbBackendFactory& factory);

class RadioSession {
public:
    // Null with a message as RadioStack::Open gives it. With `interruptStop` the caller watches
    // Ctrl-C and sets that event: the session stops on it and watches nothing.
    static std::unique_ptr<RadioSession> Open(const RadioOption& option, std::string& error,
                                              ManualResetEvent* interruptStop = nullptr,
                                              const UsbBackendFactory& usbBackend = {});
    ~RadioSession();

    RadioStack& Stack() { return *stack_; }
    CloneEnvironment& Environment() { return stack_->Environment(); }
    int32_t& AdjustMode() { return stack_->AdjustMode(); }
    bool Interrupted() const { return interrupted_ || (watch_ && watch_->Interrupted()) || stop_->IsSet(); }
    bool PermissionDenied() const { return stack_->PermissionDenied(); }
    std::string AdaptorError() const { return stack_->AdaptorError(); }
    std::string AdaptorProblem() const { return stack_->AdaptorProblem(); }
    bool IsVirtual() const { return stack_->IsVirtual(); }
    VirtualRadio* Virtual() { return stack_->Virtual(); }

    // Saves a virtual radio's EEPROM (atomically). False with a message when it failed.
    bool Close(std::string& error);

private:
    RadioSession() = default;

    ManualResetEvent ownStop_;
    ManualResetEvent* stop_ = &ownStop_;
    bool interrupted_ = false;  // kept when the watch goes at Close
    std::unique_ptr<InterruptWatch> watch_;
    std::unique_ptr<RadioStack> stack_;
    bool closed_ = false;
};

}  // namespace qx::cli
