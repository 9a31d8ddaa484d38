#include "backends/hidapi/hidapi_backend.h"

#include <hidapi.h>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <cwchar>
#include <fcntl.h>
#include <linux/hidraw.h>
#include <mutex>
#include <sys/ioctl.h>
#include <unistd.h>

#include "backends/hidapi/hidraw_sysfs.h"
#include "clone/adaptor_list.h"
#include "clone/report_descriptor.h"

namespace qx {

namespace {

constexpr char kHidrawPrefix[] = "/dev/hidraw";

// hidapi's initialisation, enumeration, opening and its last-error text are process-wide;
// every backend (a fleet run has one per radio) goes through them one at a time.
std::mutex& HidapiMutex()
{
    static std::mutex mutex;
    return mutex;
}
int hidapiUsers = 0;  // under HidapiMutex
bool hidapiReady = false;

HidAccess AccessOf(const std::string& path)
{
    if (::access(path.c_str(), R_OK | W_OK) == 0) return HidAccess::Allowed;
    return errno == EACCES || errno == EPERM ? HidAccess::Denied : HidAccess::Unknown;
}

// Assumed when the descriptor cannot be read or parsed: 64-byte payloads each way, the size
// full-speed HID adaptors commonly use, plus the report-ID byte.
constexpr HidReportLengths kAssumedLengths{65, 65};

bool IsHidrawPath(const std::string& path)
{
    return path.rfind(kHidrawPrefix, 0) == 0 && path.size() > sizeof(kHidrawPrefix) - 1;
}

// hidapi's texts are wide; they are English and ASCII in practice.
std::string Narrow(const wchar_t* text)
{
    std::string narrow;
    if (text == nullptr) return narrow;
    for (; *text != L'\0'; ++text) narrow.push_back(*text > 0 && *text < 0x80 ? static_cast<char>(*text) : '?');
    return narrow;
}

// hidapi's own text for the last failure on `device` (null: the last open), or errno's.
std::string HidapiReason(hid_device* device, int savedErrno)
{
    std::string text = Narrow(hid_error(device));
    if (text.empty() || text == "Success") text = savedErrno != 0 ? std::strerror(savedErrno) : "";
    return text;
}

class HidapiDevice : public HidDevice {
public:
    // `queryFd` is our own descriptor for the presence test and the report descriptor, which
    // hidapi 0.13 does not offer. It is never read, so it takes nothing from the transfers.
    HidapiDevice(hid_device* device, int queryFd) : device_(device), queryFd_(queryFd) {}

    ~HidapiDevice() override
    {
        hid_close(device_);
        if (queryFd_ >= 0) ::close(queryFd_);
    }

    bool ReadAttributes(uint16_t& vendorId, uint16_t& productId) override
    {
        // Fails with ENODEV once the device is unplugged, even though our handles stay open.
        hidraw_devinfo info{};
        if (queryFd_ < 0 || ::ioctl(queryFd_, HIDIOCGRAWINFO, &info) < 0) {
            lastError_ = std::strerror(errno);
            return false;
        }
        vendorId = static_cast<uint16_t>(info.vendor);
        productId = static_cast<uint16_t>(info.product);
        return true;
    }

    HidReportLengths ReportLengths() override
    {
        int size = 0;
        if (queryFd_ < 0 || ::ioctl(queryFd_, HIDIOCGRDESCSIZE, &size) < 0 || size <= 0 ||
            size > HID_MAX_DESCRIPTOR_SIZE)
            return kAssumedLengths;
        hidraw_report_descriptor descriptor{};
        descriptor.size = static_cast<uint32_t>(size);
        if (::ioctl(queryFd_, HIDIOCGRDESC, &descriptor) < 0) return kAssumedLengths;
        auto lengths = ParseReportDescriptor(descriptor.value, descriptor.size);
        return lengths ? *lengths : kAssumedLengths;
    }

    HidIo WriteReport(const uint8_t* report, std::size_t length, int timeoutMs) override
    {
        // hidraw writes block until the kernel's own USB time-out at worst (a few seconds);
        // hidapi offers no shorter bound, so an over-long write counts as timed out.
        const auto start = std::chrono::steady_clock::now();
        errno = 0;
        const int written = hid_write(device_, report, length);
        if (written < 0) {
            lastError_ = HidapiReason(device_, errno);
            return HidIo::Failed;
        }
        const auto took = std::chrono::steady_clock::now() - start;
        if (took > std::chrono::milliseconds(timeoutMs)) {
            const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(took).count();
            lastError_ = "the write took " + std::to_string(ms) + " ms";
            return HidIo::TimedOut;
        }
        return HidIo::Done;
    }

    HidIo ReadReport(uint8_t* report, std::size_t length, int timeoutMs) override
    {
        if (length < 2) return HidIo::Failed;
        // Unnumbered reports arrive without their report-ID byte.
        report[0] = 0;
        errno = 0;
        const int got = hid_read_timeout(device_, report + 1, length - 1, timeoutMs);
        if (got < 0) {
            lastError_ = HidapiReason(device_, errno);
            return HidIo::Failed;
        }
        return got == 0 ? HidIo::TimedOut : HidIo::Done;
    }

    std::string LastError() const override { return lastError_; }

private:
    hid_device* device_;
    int queryFd_;
    std::string lastError_;
};

}  // namespace

HidapiBackend::HidapiBackend()
{
    std::lock_guard lock(HidapiMutex());
    if (hidapiUsers++ == 0) hidapiReady = hid_init() == 0;
    initialised_ = hidapiReady;
}

HidapiBackend::~HidapiBackend()
{
    std::lock_guard lock(HidapiMutex());
    if (--hidapiUsers == 0 && hidapiReady) {
        hid_exit();
        hidapiReady = false;
    }
}

std::vector<HidInterfaceInfo> HidapiBackend::Enumerate()
{
    std::vector<HidInterfaceInfo> result;
    if (!initialised_) return result;
    {
        std::lock_guard lock(HidapiMutex());
        hid_device_info* list = hid_enumerate(0, 0);
        for (hid_device_info* info = list; info != nullptr; info = info->next) {
            if (info->path == nullptr || !IsHidrawPath(info->path)) continue;
            HidInterfaceInfo found;
            found.path = info->path;
            found.vendorId = info->vendor_id;
            found.productId = info->product_id;
            found.serial = Narrow(info->serial_number);
            found.product = Narrow(info->product_string);
            result.push_back(std::move(found));
        }
        hid_free_enumeration(list);
    }
    // Only what the system tells without opening the device: a badge with our ID stays untouched.
    for (HidInterfaceInfo& info : result) {
        HidrawUsbPlace(info.path, info.usbBus, info.usbPort);
        info.access = AccessOf(info.path);
        if (info.vendorId == kAdaptorVendorId && info.productId == kAdaptorProductId)
            info.descriptorLengths = HidrawDescriptorLengths(info.path);
    }
    return result;
}

std::unique_ptr<HidDevice> HidapiBackend::Open(const std::string& path, bool* permissionDenied)
{
    if (permissionDenied != nullptr) *permissionDenied = false;
    lastError_.clear();
    if (!initialised_) {
        lastError_ = "hidapi could not be initialised";
        return nullptr;
    }
    // hidapi is only safe with real hidraw nodes.
    if (!IsHidrawPath(path)) {
        lastError_ = path + ": not a hidraw node";
        return nullptr;
    }

    std::unique_lock lock(HidapiMutex());
    errno = 0;
    hid_device* device = hid_open_path(path.c_str());
    const int openErrno = errno;
    if (device == nullptr) {
        lastError_ = HidapiReason(nullptr, openErrno);
        lock.unlock();
        // hidapi does not keep errno; ask again the cheap way.
        if (permissionDenied != nullptr && ::access(path.c_str(), R_OK | W_OK) != 0 && errno == EACCES)
            *permissionDenied = true;
        return nullptr;
    }
    lock.unlock();
    const int queryFd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (queryFd < 0) {
        lastError_ = path + ": " + std::strerror(errno);
        hid_close(device);
        return nullptr;
    }
    return std::make_unique<HidapiDevice>(device, queryFd);
}

}  // namespace qx
