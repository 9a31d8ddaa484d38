#include "clone/hid_adaptor.h"

#include <algorithm>
#include <cstring>

namespace qx {

CHidAdaptor::CHidAdaptor(HidBackend& backend, uint32_t vendorId, uint32_t productId)
    : backend_(backend), vendorId_(vendorId), productId_(productId)
{
}

CHidAdaptor::~CHidAdaptor()
{
    std::lock_guard lock(mutex_);
    CloseLocked();
}

void CHidAdaptor::CloseLocked()
{
    device_.reset();
    openInfo_ = HidInterfaceInfo{};
    found_ = false;
}

void CHidAdaptor::CloseAll()
{
    std::lock_guard lock(mutex_);
    CloseLocked();
}

bool CHidAdaptor::Discover()
{
    std::lock_guard lock(mutex_);
    CloseLocked();
    permissionDenied_ = false;
    lastError_.clear();

    discovery_.candidates = ListCandidates(backend_, vendorId_, productId_);
    discovery_.pick = PickAdaptor(discovery_.candidates, selection_);
    if (discovery_.pick.outcome != AdaptorPick::Found) return false;
    const HidInterfaceInfo& info = discovery_.candidates[discovery_.pick.matches.front()].info;

    bool denied = false;
    std::unique_ptr<HidDevice> device = backend_.Open(info.path, &denied);
    if (!device) {
        permissionDenied_ = denied;
        lastError_ = backend_.LastError();
        return false;
    }
    // The enumeration may be stale: trust only what the opened device says.
    const auto wantedVendor = static_cast<uint16_t>(vendorId_);
    const auto wantedProduct = static_cast<uint16_t>(productId_);
    uint16_t vendor = 0, product = 0;
    if (!device->ReadAttributes(vendor, product) || vendor != wantedVendor || product != wantedProduct) return false;
    const HidReportLengths lengths = device->ReportLengths();
    if (!HasAdaptorShape(lengths)) return false;

    device_ = std::move(device);
    openInfo_ = info;
    lengths_ = lengths;
    found_ = true;
    return true;
}

void CHidAdaptor::SetSelection(const AdaptorSelection& selection)
{
    std::lock_guard lock(mutex_);
    selection_ = selection;
    CloseLocked();
}

AdaptorSelection CHidAdaptor::Selection() const
{
    std::lock_guard lock(mutex_);
    return selection_;
}

CHidAdaptor::Discovery CHidAdaptor::LastDiscovery() const
{
    std::lock_guard lock(mutex_);
    return discovery_;
}

HidInterfaceInfo CHidAdaptor::OpenInterface() const
{
    std::lock_guard lock(mutex_);
    return openInfo_;
}

std::vector<AdaptorCandidate> CHidAdaptor::Candidates() { return ListCandidates(backend_, vendorId_, productId_); }

bool CHidAdaptor::IsPresent()
{
    std::lock_guard lock(mutex_);
    if (!device_) return false;
    uint16_t vendor = 0, product = 0;
    if (device_->ReadAttributes(vendor, product)) return true;
    NoteFailureLocked("asking the adaptor for its identity");
    return false;
}

bool CHidAdaptor::WriteReport(const uint8_t* payload, std::size_t length, int timeoutMs)
{
    if (length > kReportBufferSize - 1) return false;
    std::lock_guard lock(mutex_);
    // A closed link starts nothing; failing at once rather than sitting out the time-out
    // keeps the lock free for the timer's re-discovery.
    if (!device_) return false;

    // Every exchange starts from an empty input queue: a stale reply is never taken for ours.
    device_->DiscardInput();
    output_.fill(0);
    if (length > 0) std::memcpy(output_.data() + 1, payload, length);
    const HidIo io = device_->WriteReport(output_.data(), static_cast<std::size_t>(lengths_.output), timeoutMs);
    if (io == HidIo::Done) return true;
    NoteFailureLocked("sending a report");
    CloseLocked();
    return false;
}

bool CHidAdaptor::ReadReport(uint8_t* destination, std::size_t length, int timeoutMs)
{
    std::lock_guard lock(mutex_);
    if (length > 0) std::memset(destination, 0, length);
    if (!device_) return false;

    input_.fill(0);
    const HidIo io = device_->ReadReport(input_.data(), static_cast<std::size_t>(lengths_.input), timeoutMs);
    if (io != HidIo::Done) {
        NoteFailureLocked("receiving a report");
        CloseLocked();
        return false;
    }
    const auto payload = static_cast<std::size_t>(lengths_.input - 1);
    std::memcpy(destination, input_.data() + 1, std::min(length, payload));
    return true;
}

void CHidAdaptor::NoteFailureLocked(const char* what)
{
    // Only the system's own reason is kept: a radio that does not answer has its own message.
    const std::string reason = device_->LastError();
    lastError_ = reason.empty() ? std::string() : std::string(what) + ": " + reason;
}

std::string CHidAdaptor::LastError() const
{
    std::lock_guard lock(mutex_);
    return lastError_;
}

bool CHidAdaptor::PermissionDenied() const
{
    std::lock_guard lock(mutex_);
    return permissionDenied_;
}

}  // namespace qx
