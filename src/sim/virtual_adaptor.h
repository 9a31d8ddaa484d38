// A HidBackend that presents virtual radios as clone adaptors, beside any other HID
// interfaces a test wants enumerated.
#pragma once

#include <mutex>
#include <string>
#include <vector>

#include "clone/hid_adaptor.h"
#include "clone/hid_backend.h"
#include "sim/virtual_radio.h"

namespace qx {

struct VirtualInterface {
    std::string path;
    uint16_t vendorId = static_cast<uint16_t>(kAdaptorVendorId);
    uint16_t productId = static_cast<uint16_t>(kAdaptorProductId);
    HidReportLengths lengths{33, 33};  // its report descriptor's and, once opened, the device's
    std::string serial;
    std::string product;
    std::string usbBus;
    std::string usbPort;
    bool descriptorUnreadable = false;  // enumeration cannot tell its report lengths
    VirtualRadio* radio = nullptr;      // none: a device that never answers and never goes away
    bool permissionDenied = false;      // opening fails as for a node the user may not open
    uint8_t inputFill = 0;              // input report bytes after the 32-byte sentence
    std::string systemReason;           // what the system says after a failed open or transfer
};

// The backend must outlive the devices it opens.
class VirtualHidBackend : public HidBackend {
public:
    VirtualHidBackend() = default;
    // The usual set-up: one clone adaptor with `radio` behind it.
    explicit VirtualHidBackend(VirtualRadio& radio, HidReportLengths lengths = {33, 33});

    // Appends an interface to the enumeration order.
    void AddInterface(const VirtualInterface& interface);

    std::vector<HidInterfaceInfo> Enumerate() override;
    std::unique_ptr<HidDevice> Open(const std::string& path, bool* permissionDenied = nullptr) override;
    std::string LastError() const override;

    // The last output report written through any device, exactly as sent.
    std::vector<uint8_t> LastOutputReport() const;
    int OpenCount() const;
    // Every path asked to be opened, in order, whether the open succeeded or not.
    std::vector<std::string> OpenedPaths() const;

private:
    friend class VirtualHidDevice;
    mutable std::mutex mutex_;
    std::vector<VirtualInterface> interfaces_;
    std::vector<uint8_t> lastOutput_;
    std::string lastOpenError_;
    int openCount_ = 0;
    std::vector<std::string> openedPaths_;

    void RecordOutput(const uint8_t* report, std::size_t length);
};

}  // namespace qx
