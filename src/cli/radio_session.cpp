#include "cli/radio_session.h"

#include "backends/hidapi/hidapi_backend.h"
#include "sim/virtual_adaptor.h"

namespace qx::cli {

std::unique_ptr<HidBackend> MakeUsbBackend(const UsbBackendFactory& factory)
{
    return factory ? factory() : std::make_unique<HidapiBackend>();
}

std::unique_ptr<RadioSession> RadioSession::Open(const RadioOption& option, std::string& error,
                                                 ManualResetEvent* interruptStop, const UsbBackendFactory& usbBackend)
{
    if (option.kind == RadioOption::Kind::Usb && option.usb.kind == AdaptorSelection::Kind::All) {
        error = "--radio usb:all is for qx720 fleet; name one adaptor with --radio usb:SERIAL or --radio usb:PATH";
        return nullptr;
    }
    std::unique_ptr<HidBackend> usb;
    if (option.kind == RadioOption::Kind::Usb) {
        // Two adaptors and no word on which: guessing could write the wrong radio.
        usb = MakeUsbBackend(usbBackend);
        const std::vector<AdaptorCandidate> candidates = ListCandidates(*usb);
        const AdaptorPickResult pick = PickAdaptor(candidates, option.usb);
        if (pick.outcome == AdaptorPick::Several) {
            error = PickProblem(candidates, option.usb, pick);
            return nullptr;
        }
    }

    std::unique_ptr<RadioSession> session(new RadioSession());
    session->option_ = option;
    if (interruptStop != nullptr)
        session->stop_ = interruptStop;
    else  // before any other thread exists, so that every thread inherits the blocked Ctrl-C
        session->watch_ = std::make_unique<InterruptWatch>(session->ownStop_);

    if (option.kind == RadioOption::Kind::Virtual) {
        session->radio_ = std::make_unique<VirtualRadio>();
        if (!LoadVirtualRadio(option, *session->radio_, error)) {
            // Nothing was loaded, so nothing may be saved over the file.
            session->closed_ = true;
            return nullptr;
        }
        session->backend_ = std::make_unique<VirtualHidBackend>(*session->radio_);
    } else {
        session->backend_ = std::move(usb);
    }
    session->adaptor_ = std::make_unique<CHidAdaptor>(*session->backend_);
    if (option.kind == RadioOption::Kind::Usb) session->adaptor_->SetSelection(option.usb);
    // An aggregate of references: make_unique would need C++20's parenthesised aggregate
    // initialisation, which clang 14 (the sanitizer presets' compiler) does not have.
    // NOLINTNEXTLINE(modernize-make-unique)
    session->env_.reset(new CloneEnvironment{*session->adaptor_, *session->stop_, session->writeImage_,
                                             session->readImage_, session->adjustMode_});
    // The virtual radio answers as soon as it is asked; the time-outs stay, so a silent or
    // unplugged radio is noticed as late as a real one.
    if (option.fast) session->env_->timing.stopCheckMs = 0;
    return session;
}

std::string RadioSession::AdaptorProblem() const
{
    if (!adaptor_ || radio_) return {};
    const CHidAdaptor::Discovery found = adaptor_->LastDiscovery();
    if (found.pick.outcome == AdaptorPick::Found || found.candidates.empty()) return {};
    return PickProblem(found.candidates, option_.usb, found.pick);
}

RadioSession::~RadioSession()
{
    std::string ignored;
    Close(ignored);
}

bool RadioSession::Close(std::string& error)
{
    if (closed_) return true;
    closed_ = true;
    if (adaptor_) adaptor_->CloseAll();
    bool ok = true;
    if (radio_) {
        // Whatever the outcome, the radio keeps what it received, as a real one would.
        CloneResult saved = radio_->Save(option_.file);
        if (saved != kResultOk) {
            error = "cannot save the virtual radio file " + option_.file + ": " + DescribeResult(saved);
            ok = false;
        }
    }
    if (watch_) {
        watch_->End();  // takes a Ctrl-C still pending
        interrupted_ = watch_->Interrupted();
        watch_.reset();
    }
    return ok;
}

}  // namespace qx::cli
