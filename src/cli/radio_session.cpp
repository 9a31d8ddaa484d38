#include "cli/radio_session.h"

#include "clone/hidapi_backend.h"
#include "sim/virtual_adaptor.h"

namespace qx::cli {

std::unique_ptr<RadioSession> RadioSession::Open(const RadioSpec& spec, std::string& error)
{
    std::unique_ptr<RadioSession> session(new RadioSession());
    session->spec_ = spec;
    // Before any other thread exists, so that every thread inherits the blocked Ctrl-C.
    session->watch_ = std::make_unique<InterruptWatch>(session->stopEvent_);

    if (spec.kind == RadioSpec::Kind::Virtual) {
        session->radio_ = std::make_unique<VirtualRadio>();
        CloneResult loaded = session->radio_->Load(spec.file);
        if (loaded != kResultOk) {
            // Nothing was loaded, so nothing may be saved over the file.
            session->closed_ = true;
            error = loaded == kResultUnknownFormat
                        ? "virtual radio file " + spec.file + " must hold exactly 8192 bytes"
                        : "cannot read the virtual radio file " + spec.file;
            return nullptr;
        }
        RadioFaults faults;
        faults.unplugAfter = spec.unplugAfter;
        faults.badChecksum.every = spec.corruptEvery;
        if (spec.silent) faults.silentAfter = 0;
        session->radio_->SetFaults(faults);
        session->backend_ = std::make_unique<VirtualHidBackend>(*session->radio_);
    } else {
        session->backend_ = std::make_unique<HidapiBackend>();
    }
    session->adaptor_ = std::make_unique<CHidAdaptor>(*session->backend_);
    session->env_.reset(new CloneEnvironment{*session->adaptor_, session->stopEvent_, session->writeImage_,
                                             session->readImage_, session->adjustMode_});
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
    if (adaptor_) adaptor_->CloseAll();
    bool ok = true;
    if (radio_) {
        // Whatever the outcome, the radio keeps what it received, as a real one would.
        CloneResult saved = radio_->Save(spec_.file);
        if (saved != kResultOk) {
            error = "cannot save the virtual radio file " + spec_.file + ": " + DescribeResult(saved);
            ok = false;
        }
    }
    watch_.reset();
    return ok;
}

}  // namespace qx::cli
