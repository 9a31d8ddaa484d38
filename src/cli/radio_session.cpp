#include "cli/radio_session.h"

namespace qx::cli {

std::unique_ptr<HidBackend> MakeUsbBackend(const UsbBackendFactory& factory)
{
    return factory ? factory() : MakeSystemUsbBackend();
}

std::unique_ptr<RadioSession> RadioSession::Open(const RadioOption& option, std::string& error,
                                                 ManualResetEvent* interruptStop, const UsbBackendFactory& usbBackend)
{
    std::unique_ptr<RadioSession> session(new RadioSession());
    if (interruptStop != nullptr) session->stop_ = interruptStop;
    session->stack_ = RadioStack::Open(option, error, RadioStack::OpenChoices{session->stop_, usbBackend, true});
    if (!session->stack_) {
        session->closed_ = true;
        return nullptr;
    }
    // Before any other thread exists, so that every thread inherits the blocked Ctrl-C.
    if (interruptStop == nullptr) session->watch_ = std::make_unique<InterruptWatch>(session->ownStop_);
    return session;
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
    const bool ok = stack_->Close(error);
    if (watch_) {
        watch_->End();  // takes a Ctrl-C still pending
        interrupted_ = watch_->Interrupted();
        watch_.reset();
    }
    return ok;
}

}  // namespace qx::cli
