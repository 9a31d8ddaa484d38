// Everything one radio command needs: the adaptor (real or virtual), the two images, the
// stop event wired to Ctrl-C, and the clone environment the core operations take.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "cli/interrupt_watch.h"
#include "clone/hid_adaptor.h"
#include "clone/pc_clone.h"
#include "sim/radio_option.h"
#include "sim/virtual_radio.h"

namespace qx::cli {

// Makes the backend of a real adaptor: hidapi unless a test puts devices of its own there.
using UsbBackendFactory = std::function<std::unique_ptr<HidBackend>()>;
std::unique_ptr<HidBackend> MakeUsbBackend(const UsbBackendFactory& factory);

class RadioSession {
public:
    // Null with a message when a virtual radio's file is unusable, when several adaptors fit the
    // option (the message lists them), or for "usb:all", which only a fleet run takes. With
    // `interruptStop` the caller watches Ctrl-C and sets that event: the session stops on it
    // and watches nothing.
    static std::unique_ptr<RadioSession> Open(const RadioOption& option, std::string& error,
                                              ManualResetEvent* interruptStop = nullptr,
                                              const UsbBackendFactory& usbBackend = {});
    ~RadioSession();

    CloneEnvironment& Environment() { return *env_; }
    int32_t& AdjustMode() { return adjustMode_; }
    bool Interrupted() const { return interrupted_ || (watch_ && watch_->Interrupted()) || stop_->IsSet(); }
    // The real adaptor was found but could not be opened for lack of permission.
    bool PermissionDenied() const { return adaptor_ && adaptor_->PermissionDenied(); }
    // The operating system's reason for the adaptor's last failure ("" when it gave none).
    std::string AdaptorError() const { return adaptor_ ? adaptor_->LastError() : std::string(); }
    // Why the last discovery found no adaptor to open, with every candidate listed; "" when it
    // has nothing to add (an adaptor was found, or nothing with its ID is plugged in).
    std::string AdaptorProblem() const;
    bool IsVirtual() const { return radio_ != nullptr; }
    VirtualRadio* Virtual() { return radio_.get(); }

    // Saves a virtual radio's EEPROM (atomically). False with a message when it failed.
    bool Close(std::string& error);

private:
    RadioSession() = default;

    RadioOption option_;
    ManualResetEvent ownStop_;
    ManualResetEvent* stop_ = &ownStop_;
    bool interrupted_ = false;  // kept when the watch goes at Close
    std::unique_ptr<InterruptWatch> watch_;
    std::unique_ptr<VirtualRadio> radio_;
    std::unique_ptr<HidBackend> backend_;
    std::unique_ptr<CHidAdaptor> adaptor_;
    RadioImage writeImage_{};
    RadioImage readImage_{};
    int32_t adjustMode_ = 0;
    std::unique_ptr<CloneEnvironment> env_;
    bool closed_ = false;
};

}  // namespace qx::cli
