#include "sim/virtual_adaptor.h"

#include <algorithm>
#include <cstring>
#include <thread>

namespace qx {

class VirtualHidDevice : public HidDevice {
public:
    VirtualHidDevice(VirtualHidBackend& backend, const VirtualInterface& interface, uint64_t generation)
        : backend_(backend), interface_(interface), generation_(generation)
    {
    }

    bool ReadAttributes(uint16_t& vendorId, uint16_t& productId) override
    {
        if (!Alive()) return Fail(false);
        vendorId = interface_.vendorId;
        productId = interface_.productId;
        return true;
    }

    HidReportLengths ReportLengths() override { return interface_.lengths; }

    HidIo WriteReport(const uint8_t* report, std::size_t length, int) override
    {
        if (!Alive()) return Fail(HidIo::Failed);
        // The platform refuses a report of any other length than the device's.
        if (length != static_cast<std::size_t>(interface_.lengths.output) || length < 1) return Fail(HidIo::Failed);
        backend_.RecordOutput(report, length);
        if (interface_.radio == nullptr) return HidIo::Done;
        return interface_.radio->Receive(report + 1, length - 1, generation_) ? HidIo::Done : Fail(HidIo::Failed);
    }

    HidIo ReadReport(uint8_t* report, std::size_t length, int timeoutMs) override
    {
        if (interface_.radio == nullptr) {
            std::this_thread::sleep_for(std::chrono::milliseconds(std::max(timeoutMs, 0)));
            return HidIo::TimedOut;
        }
        SentenceBytes reply{};
        const HidIo io = interface_.radio->AwaitReply(reply, timeoutMs, generation_);
        if (io == HidIo::Failed) return Fail(io);
        if (io != HidIo::Done) return io;
        const std::size_t reportLength = std::min(length,
                                                  static_cast<std::size_t>(std::max(interface_.lengths.input, 1)));
        std::memset(report, interface_.inputFill, reportLength);
        report[0] = 0;
        std::memcpy(report + 1, reply.data(), std::min(reply.size(), reportLength - 1));
        return HidIo::Done;
    }

    // A reply still on its way counts as arrived: by the time a program sends its next command
    // after a stop, a real radio's late reply would be waiting in the adaptor.
    void DiscardInput() override
    {
        if (interface_.radio != nullptr && Alive()) interface_.radio->DiscardReplies();
    }

    std::string LastError() const override { return failed_ ? interface_.systemReason : std::string(); }

private:
    VirtualHidBackend& backend_;
    VirtualInterface interface_;
    uint64_t generation_;
    bool failed_ = false;

    template <typename T>
    T Fail(T outcome)
    {
        failed_ = true;
        return outcome;
    }

    bool Alive() const
    {
        return interface_.radio == nullptr ||
               (interface_.radio->IsPlugged() && interface_.radio->Generation() == generation_);
    }
};

VirtualHidBackend::VirtualHidBackend(VirtualRadio& radio, HidReportLengths lengths)
{
    VirtualInterface adaptor;
    adaptor.path = "/dev/hidraw-virtual0";
    adaptor.product = "virtual radio";
    adaptor.lengths = lengths;
    adaptor.radio = &radio;
    interfaces_.push_back(adaptor);
}

void VirtualHidBackend::AddInterface(const VirtualInterface& interface)
{
    std::lock_guard lock(mutex_);
    interfaces_.push_back(interface);
}

std::vector<HidInterfaceInfo> VirtualHidBackend::Enumerate()
{
    std::lock_guard lock(mutex_);
    std::vector<HidInterfaceInfo> result;
    for (const VirtualInterface& i : interfaces_) {
        if (i.radio != nullptr && !i.radio->IsPlugged()) continue;
        HidInterfaceInfo info;
        info.path = i.path;
        info.vendorId = i.vendorId;
        info.productId = i.productId;
        info.serial = i.serial;
        info.product = i.product;
        info.usbBus = i.usbBus;
        info.usbPort = i.usbPort;
        if (!i.descriptorUnreadable) info.descriptorLengths = i.lengths;
        info.access = i.permissionDenied ? HidAccess::Denied : HidAccess::Allowed;
        result.push_back(std::move(info));
    }
    return result;
}

std::unique_ptr<HidDevice> VirtualHidBackend::Open(const std::string& path, bool* permissionDenied)
{
    if (permissionDenied != nullptr) *permissionDenied = false;
    std::lock_guard lock(mutex_);
    auto it = std::find_if(interfaces_.begin(), interfaces_.end(),
                           [&](const VirtualInterface& i) { return i.path == path; });
    lastOpenError_.clear();
    openedPaths_.push_back(path);
    if (it == interfaces_.end()) return nullptr;
    if (it->permissionDenied) {
        if (permissionDenied != nullptr) *permissionDenied = true;
        lastOpenError_ = it->systemReason;
        return nullptr;
    }
    if (it->radio != nullptr && !it->radio->IsPlugged()) {
        lastOpenError_ = it->systemReason;
        return nullptr;
    }
    ++openCount_;
    uint64_t generation = 0;
    if (it->radio != nullptr) {
        it->radio->DiscardReplies();
        generation = it->radio->Generation();
    }
    return std::make_unique<VirtualHidDevice>(*this, *it, generation);
}

std::string VirtualHidBackend::LastError() const
{
    std::lock_guard lock(mutex_);
    return lastOpenError_;
}

std::vector<uint8_t> VirtualHidBackend::LastOutputReport() const
{
    std::lock_guard lock(mutex_);
    return lastOutput_;
}

int VirtualHidBackend::OpenCount() const
{
    std::lock_guard lock(mutex_);
    return openCount_;
}

std::vector<std::string> VirtualHidBackend::OpenedPaths() const
{
    std::lock_guard lock(mutex_);
    return openedPaths_;
}

void VirtualHidBackend::RecordOutput(const uint8_t* report, std::size_t length)
{
    std::lock_guard lock(mutex_);
    lastOutput_.assign(report, report + length);
}

}  // namespace qx
