// The clone adaptor link: the selected adaptor among the HID interfaces with the wanted vendor
// and product id, one report at a time in each direction, every wait bounded.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>

#include <vector>

#include "clone/adaptor_list.h"
#include "clone/hid_backend.h"

namespace qx {

// What to tell a user whose adaptor is plugged in but may not be opened.
inline constexpr const char* kPermissionDeniedHint =
    "The clone adaptor is connected but this user may not open it. Install the udev rule "
    "70-qx720-clone.rules, then unplug and replug the adaptor.";

class CHidAdaptor {
public:
    explicit CHidAdaptor(HidBackend& backend, uint32_t vendorId = kAdaptorVendorId,
                         uint32_t productId = kAdaptorProductId);
    virtual ~CHidAdaptor();
    CHidAdaptor(const CHidAdaptor&) = delete;
    CHidAdaptor& operator=(const CHidAdaptor&) = delete;

    // Closes whatever is open and opens the adaptor the selection names. Interfaces without
    // the adaptor's report descriptor are never opened.
    bool Discover();
    // Which adaptor Discover opens from now on ("the only one" at first). An open adaptor is
    // closed when the selection changes.
    void SetSelection(const AdaptorSelection& selection);
    AdaptorSelection Selection() const;
    // What the last Discover saw and how its pick came out.
    struct Discovery {
        std::vector<AdaptorCandidate> candidates;
        AdaptorPickResult pick;
    };
    Discovery LastDiscovery() const;
    // The interface open now; an empty path when the link is closed.
    HidInterfaceInfo OpenInterface() const;
    // Every candidate present, for a person to choose from. Neither opens anything nor waits
    // for a transfer.
    std::vector<AdaptorCandidate> Candidates();
    // The attributes can still be read through the open device.
    bool IsPresent();
    // Sends one output report: report ID 0, the payload, zeros up to the output report length,
    // after discarding every input report still waiting from earlier commands.
    // A payload over 255 bytes is refused without touching the link.
    bool WriteReport(const uint8_t* payload, std::size_t length, int timeoutMs);
    // Receives one input report; `destination` gets `length` bytes: the payload after the
    // report-ID byte, zero-filled. On failure the link is closed.
    bool ReadReport(uint8_t* destination, std::size_t length, int timeoutMs);
    void CloseAll();

    // The last Discover found a matching interface that could not be opened for lack of
    // permission (the fix is the udev rule).
    bool PermissionDenied() const;
    // The operating system's reason for the last failure to open or drive the adaptor, for the
    // detail of a message and the logs. "" when the system gave none; every Discover starts
    // afresh, so an old failure is never reported for a new one.
    std::string LastError() const;

private:
    mutable std::mutex mutex_;  // held for the whole of each operation
    HidBackend& backend_;
    uint32_t vendorId_;
    uint32_t productId_;
    bool found_ = false;
    bool permissionDenied_ = false;
    std::string lastError_;
    std::unique_ptr<HidDevice> device_;
    HidInterfaceInfo openInfo_;
    AdaptorSelection selection_;
    Discovery discovery_;
    HidReportLengths lengths_;
    std::array<uint8_t, kReportBufferSize> input_{};
    std::array<uint8_t, kReportBufferSize> output_{};

    void CloseLocked();
    void NoteFailureLocked(const char* what);
};

}  // namespace qx
