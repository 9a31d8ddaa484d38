// The seam under the adaptor link: enumerating, opening and driving HID interfaces.
// The real backend sits on hidapi; tests and the command line's virtual radio use sim/.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace qx {

// Report lengths in bytes, the report-ID byte included (as the capabilities give them).
struct HidReportLengths {
    int input = 0;
    int output = 0;
    bool operator==(const HidReportLengths&) const = default;
};

// Whether this user may open an interface for reading and writing, as far as the system says
// without opening it.
enum class HidAccess { Unknown, Allowed, Denied };

// One interface as enumeration finds it, with what tells it apart to a person. Nothing here
// needs the device opened: a device that is not ours is never touched.
struct HidInterfaceInfo {
    std::string path;
    uint16_t vendorId = 0;
    uint16_t productId = 0;
    std::string serial;   // "" when the device has no serial number
    std::string product;  // the device's product string, "" when it has none
    // Where it is plugged in: the USB bus number and the port path on it ("1", "1.4"); "" where
    // unknown.
    std::string usbBus;
    std::string usbPort;
    // From the report descriptor, at least for interfaces with the adaptor's ID; empty when the
    // descriptor could not be read or parsed.
    std::optional<HidReportLengths> descriptorLengths;
    HidAccess access = HidAccess::Unknown;
};

enum class HidIo { Done, TimedOut, Failed };

class HidDevice {
public:
    virtual ~HidDevice() = default;
    // The presence test: false once the device is gone.
    virtual bool ReadAttributes(uint16_t& vendorId, uint16_t& productId) = 0;
    virtual HidReportLengths ReportLengths() = 0;
    // `report` starts with the report-ID byte and is exactly the output report length.
    virtual HidIo WriteReport(const uint8_t* report, std::size_t length, int timeoutMs) = 0;
    // Fills `report` (report-ID byte first) with up to `length` bytes.
    virtual HidIo ReadReport(uint8_t* report, std::size_t length, int timeoutMs) = 0;
    // Drops every input report already waiting. A command abandoned by a stop leaves its reply
    // queued; taken by the next exchange, it would put every later reply one behind.
    // The operating system's reason for this device's last failed call ("" when it gave none).
    virtual std::string LastError() const { return {}; }
    virtual void DiscardInput()
    {
        uint8_t scratch[256];
        // Bounded, so that a device that never stops sending cannot hold the link.
        for (int i = 0; i < kMaxDiscardedReports; ++i)
            if (ReadReport(scratch, sizeof scratch, 0) != HidIo::Done) return;
    }

    static constexpr int kMaxDiscardedReports = 64;
};

class HidBackend {
public:
    virtual ~HidBackend() = default;
    // Every HID interface present, in enumeration order.
    virtual std::vector<HidInterfaceInfo> Enumerate() = 0;
    // Null when the path cannot be opened. `permissionDenied` tells why, where known.
    virtual std::unique_ptr<HidDevice> Open(const std::string& path, bool* permissionDenied = nullptr) = 0;
    // The operating system's reason for the last Open that failed ("" when it gave none).
    virtual std::string LastError() const { return {}; }
};

}  // namespace qx
