#include "backends/radio_stack.h"

#include <filesystem>

#include "clone/adaptor_list.h"
#include "files/file_system.h"
#include "sim/virtual_adaptor.h"

namespace qx {

std::unique_ptr<RadioStack> RadioStack::Open(const RadioOption& option, std::string& error, const OpenChoices& choices)
{
    if (option.kind == RadioOption::Kind::Usb && option.usb.kind == AdaptorSelection::Kind::All) {
        error = "--radio usb:all is for qx720 fleet; name one adaptor with --radio usb:SERIAL or --radio usb:PATH";
        return nullptr;
    }
    std::unique_ptr<RadioStack> stack(new RadioStack());
    stack->option_ = option;
    if (choices.stop != nullptr) stack->stop_ = choices.stop;
    CloneTiming timing;
    if (option.kind == RadioOption::Kind::Usb) {
        stack->backend_ = choices.usbBackend ? choices.usbBackend() : MakeSystemUsbBackend();
        // Two adaptors and no word on which: guessing could write the wrong radio.
        if (choices.refuseSeveral) {
            const std::vector<AdaptorCandidate> candidates = ListCandidates(*stack->backend_);
            const AdaptorPickResult pick = PickAdaptor(candidates, option.usb);
            if (pick.outcome == AdaptorPick::Several) {
                error = PickProblem(candidates, option.usb, pick);
                return nullptr;
            }
        }
    } else {
        stack->radio_ = std::make_unique<VirtualRadio>();
        if (!LoadVirtualRadio(option, *stack->radio_, error)) {
            // Nothing was loaded, so nothing may be saved over the file.
            stack->closed_ = true;
            return nullptr;
        }
        stack->backend_ = std::make_unique<VirtualHidBackend>(*stack->radio_);
    }
    // A virtual radio (or a test's own adaptors) answers as soon as it is asked; the time-outs
    // stay, so a silent or unplugged radio is noticed as late as a real one.
    if (option.fast) timing.stopCheckMs = 0;
    stack->Build(*stack->backend_, timing, SystemLocalTime);
    if (option.kind == RadioOption::Kind::Usb) stack->adaptor_->SetSelection(option.usb);
    stack->env_->radioName = [raw = stack.get()] { return raw->RadioName(); };
    return stack;
}

RadioStack::RadioStack(HidBackend& backend, CloneTiming timing, Clock clock, ManualResetEvent* stop)
{
    if (stop != nullptr) stop_ = stop;
    Build(backend, timing, std::move(clock));
}

void RadioStack::Build(HidBackend& backend, CloneTiming timing, Clock clock)
{
    writeImage_->fill(0);
    readImage_->fill(0);
    adaptor_ = std::make_unique<CHidAdaptor>(backend);
    // An aggregate of references: make_unique would need C++20's parenthesised aggregate
    // initialisation, which clang 14 (the sanitizer presets' compiler) does not have.
    // NOLINTNEXTLINE(modernize-make-unique)
    env_.reset(
        new CloneEnvironment{*adaptor_, *stop_, *writeImage_, *readImage_, adjustMode_, std::move(clock), timing});
}

std::string RadioStack::RadioName()
{
    if (radio_) {
        // The file by its one real name, whatever link or relative path named it.
        const std::string resolved = fsys::ResolveLinks(option_.file);
        std::error_code error;
        const std::filesystem::path absolute = std::filesystem::absolute(resolved.empty() ? option_.file : resolved,
                                                                         error);
        return "virtual:" + (error ? option_.file : absolute.lexically_normal().string());
    }
    HidInterfaceInfo open = adaptor_->OpenInterface();
    if (open.path.empty() && adaptor_->Discover()) open = adaptor_->OpenInterface();
    if (open.path.empty()) return {};
    return open.serial.empty() ? "path:" + open.path : "serial:" + open.serial;
}

std::string RadioStack::AdaptorProblem() const
{
    if (radio_ || option_.kind != RadioOption::Kind::Usb) return {};
    const CHidAdaptor::Discovery found = adaptor_->LastDiscovery();
    if (found.pick.outcome == AdaptorPick::Found || found.candidates.empty()) return {};
    return PickProblem(found.candidates, option_.usb, found.pick);
}

RadioStack::~RadioStack()
{
    std::string ignored;
    Close(ignored);
}

void RadioStack::Abandon()
{
    if (closed_) return;
    closed_ = true;
    adaptor_->CloseAll();
}

bool RadioStack::Close(std::string& error)
{
    if (closed_) return true;
    closed_ = true;
    if (adaptor_) adaptor_->CloseAll();
    if (!radio_) return true;
    // A radio that heard nothing holds what its file holds; and a program refused because another
    // one held the radio must not put back the contents it loaded before that one wrote.
    if (radio_->SentenceCount() == 0) return true;
    SaveDetail detail;
    const CloneResult saved = radio_->Save(option_.file, &detail);
    if (saved == kResultOk) return true;
    error = "cannot save the virtual radio file " + option_.file + ": " + DescribeResult(saved) +
            (detail.reason.empty() ? "" : " (" + detail.reason + ")");
    return false;
}

}  // namespace qx
