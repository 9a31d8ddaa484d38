// The one owner of everything that talks to a radio: the adaptor over its backend (a real USB
// adaptor, or the virtual radio of the --radio option), the stop event, the two radio images,
// the adjust mode and the clone environment over them; and, for a virtual radio, saving what
// it received. The window, the command line, the test rigs, the benchmarks and the screenshot
// tool all build it this way.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "clone/clock.h"
#include "clone/clone_environment.h"
#include "clone/clone_event.h"
#include "clone/hid_adaptor.h"
#include "clone/hid_backend.h"
#include "model/radio_image.h"
#include "sim/radio_option.h"
#include "sim/virtual_radio.h"

namespace qx {

// The platform's own USB HID backend (hidapi on the desktop, WebHID in the browser): defined
// by whichever backend library the program links.
std::unique_ptr<HidBackend> MakeSystemUsbBackend();

using UsbBackendFactory = std::function<std::unique_ptr<HidBackend>()>;

class RadioStack {
public:
    struct OpenChoices {
        ManualResetEvent* stop = nullptr;   // set by the caller to stop a run (Ctrl-C); else the stack's own
        UsbBackendFactory usbBackend = {};  // replaces the system's backend (tests)
        // Refuse when several adaptors fit the option: a command has nobody to ask which one
        // (the window asks, in Clone / Adaptor...).
        bool refuseSeveral = true;
    };
    // From the --radio option. Null with a message when a virtual radio's file is unusable, when
    // several adaptors fit the option (the message lists them), or for "usb:all", which only a
    // fleet run takes.
    static std::unique_ptr<RadioStack> Open(const RadioOption& option, std::string& error, const OpenChoices& choices);
    static std::unique_ptr<RadioStack> Open(const RadioOption& option, std::string& error)
    {
        return Open(option, error, OpenChoices{});
    }

    // Around a backend the caller keeps (tests, benchmarks, the screenshot tool); nothing is
    // saved when it closes. `stop` as for Open.
    explicit RadioStack(HidBackend& backend, CloneTiming timing = {}, Clock clock = SystemLocalTime,
                        ManualResetEvent* stop = nullptr);
    ~RadioStack();
    RadioStack(const RadioStack&) = delete;
    RadioStack& operator=(const RadioStack&) = delete;

    CloneEnvironment& Environment() { return *env_; }
    CHidAdaptor& Adaptor() { return *adaptor_; }
    ManualResetEvent& StopEvent() { return *stop_; }
    int32_t& AdjustMode() { return adjustMode_; }
    RadioImage& WriteImage() { return *writeImage_; }
    RadioImage& ReadImage() { return *readImage_; }
    bool IsVirtual() const { return radio_ != nullptr; }
    VirtualRadio* Virtual() { return radio_.get(); }

    // The real adaptor was found but could not be opened for lack of permission.
    bool PermissionDenied() const { return adaptor_->PermissionDenied(); }
    // The operating system's reason for the adaptor's last failure ("" when it gave none).
    std::string AdaptorError() const { return adaptor_->LastError(); }
    // Why the last discovery found no adaptor to open, with every candidate listed; "" when it
    // has nothing to add (an adaptor was found, or nothing with its ID is plugged in).
    std::string AdaptorProblem() const;

    // The name runs claim the radio under (see CloneEnvironment::radioName); "" when no adaptor
    // can be opened (the run then fails as it would anyway).
    std::string RadioName();

    // Lets the adaptor go and saves a virtual radio's EEPROM (atomically, whatever the outcome
    // of the runs: the radio keeps what it received, as a real one would). False with a message
    // when saving failed. Once only; the destructor calls it when nobody did.
    bool Close(std::string& error);
    // Lets the adaptor go and leaves a virtual radio's file as it was (a self-test that never
    // used the radio).
    void Abandon();

private:
    RadioStack() = default;
    void Build(HidBackend& backend, CloneTiming timing, Clock clock);

    RadioOption option_;
    ManualResetEvent ownStop_;
    ManualResetEvent* stop_ = &ownStop_;
    std::unique_ptr<VirtualRadio> radio_;
    std::unique_ptr<HidBackend> backend_;
    std::unique_ptr<CHidAdaptor> adaptor_;
    // On the heap: two images of the whole EEPROM do not belong on a thread's stack.
    std::unique_ptr<RadioImage> writeImage_ = std::make_unique<RadioImage>();
    std::unique_ptr<RadioImage> readImage_ = std::make_unique<RadioImage>();
    int32_t adjustMode_ = 0;
    std::unique_ptr<CloneEnvironment> env_;
    bool closed_ = false;
};

}  // namespace qx
