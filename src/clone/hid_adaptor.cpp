#include "clone/hid_adaptor.h"

#include <algorithm>
#include <cstring>

namespace qx {

namespace {

// The clone protocol needs a whole 32-byte sentence in each direction, and every report must
// fit the 256-byte buffers together with its report-ID byte.
bool UsableLengths(const HidReportLengths& lengths)
{
    return lengths.input - 1 >= kMinReportPayload && lengths.output - 1 >= kMinReportPayload &&
           lengths.input <= kReportBufferSize && lengths.output <= kReportBufferSize;
}

}  // namespace

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

    const auto wantedVendor = static_cast<uint16_t>(vendorId_);
    const auto wantedProduct = static_cast<uint16_t>(productId_);
    bool firstMatch = true;
    bool firstDenied = false;
    for (const HidInterfaceInfo& info : backend_.Enumerate()) {
        if (info.vendorId != wantedVendor || info.productId != wantedProduct) continue;
        bool denied = false;
        std::unique_ptr<HidDevice> device = backend_.Open(info.path, &denied);
        if (firstMatch) firstDenied = device == nullptr && denied;
        firstMatch = false;
        if (!device) {
            const std::string reason = backend_.LastError();
            if (!reason.empty()) lastError_ = reason;
            continue;
        }

        // The enumeration may be stale: trust only what the opened device says.
        uint16_t vendor = 0, product = 0;
        if (!device->ReadAttributes(vendor, product) || vendor != wantedVendor || product != wantedProduct) continue;
        HidReportLengths lengths = device->ReportLengths();
        if (!UsableLengths(lengths)) continue;

        device_ = std::move(device);
        lengths_ = lengths;
        found_ = true;
        lastError_.clear();
        break;
    }
    permissionDenied_ = !found_ && firstDenied;
    return found_;
}

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
