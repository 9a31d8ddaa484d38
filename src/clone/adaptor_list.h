// Every HID interface with the clone adaptor's USB ID, which of them really are adaptors, and
// which one a command means. The ID is a chip maker's generic one that LED badges, macro pads
// and hobby boards share, so the ID alone never makes a device ours.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "clone/hid_backend.h"

namespace qx {

inline constexpr uint32_t kAdaptorVendorId = 0x0483;
inline constexpr uint32_t kAdaptorProductId = 0x5750;
inline constexpr int kReportBufferSize = 256;
inline constexpr int kMinReportPayload = 32;

// Which adaptor to use.
struct AdaptorSelection {
    enum class Kind {
        Only,    // the one adaptor plugged in; none is taken when there are several
        Serial,  // the one adaptor with this serial number
        Path,    // the adaptor at this device path
        Chosen,  // the adaptor a person picked: its path, serial number and USB port must all still match
        All,     // every adaptor, one radio each (fleet runs only)
    };
    Kind kind = Kind::Only;
    std::string serial;
    std::string path;
    std::string usbBus;
    std::string usbPort;
};

struct AdaptorCandidate {
    HidInterfaceInfo info;
    bool adaptor = false;  // its report descriptor has the shape the clone link needs
};

// The clone link needs a whole 32-byte sentence each way in unnumbered reports, and every
// report must fit the 256-byte buffers with its report-ID byte.
bool HasAdaptorShape(const HidReportLengths& lengths);

// Every interface with the adaptor's ID, in enumeration order. Only the enumeration is asked:
// nothing is opened.
std::vector<AdaptorCandidate> ListCandidates(HidBackend& backend, uint32_t vendorId = kAdaptorVendorId,
                                             uint32_t productId = kAdaptorProductId);
int CountAdaptors(const std::vector<AdaptorCandidate>& candidates);

enum class AdaptorPick {
    Found,    // matches holds the one adaptor
    None,     // no adaptor at all
    Several,  // more than one adaptor fits (matches holds them): a person must say which
    NoMatch,  // adaptors are there, but not the one asked for
};

struct AdaptorPickResult {
    AdaptorPick outcome = AdaptorPick::None;
    std::vector<std::size_t> matches;  // indexes into the candidates
};

// Only candidates with the adaptor's shape are ever picked. Kind::All picks as Kind::Only does.
AdaptorPickResult PickAdaptor(const std::vector<AdaptorCandidate>& candidates, const AdaptorSelection& selection);

// The selection that keeps to this very adaptor.
AdaptorSelection ChosenAdaptor(const HidInterfaceInfo& info);
bool IsSameAdaptor(const AdaptorSelection& chosen, const HidInterfaceInfo& info);

// A device's own text (serial number, product) with its control bytes shown escaped.
std::string PrintableDeviceText(const std::string& text);
// "/dev/hidraw3, serial 0042, "USB Clone", bus 1, port 1.4", control bytes shown escaped.
std::string DescribeInterface(const HidInterfaceInfo& info);
// The same, with ": not a clone adaptor" or ": may not be opened by this user" where so.
std::string CandidateLine(const AdaptorCandidate& candidate);
// How a selection is written after --radio ("usb", "usb:0042", "usb:/dev/hidraw3").
std::string SelectionText(const AdaptorSelection& selection);
// What stops a radio command when `pick` found no single adaptor: one sentence, then every
// candidate on its own indented line. "" for Found.
std::string PickProblem(const std::vector<AdaptorCandidate>& candidates, const AdaptorSelection& selection,
                        const AdaptorPickResult& pick);

}  // namespace qx
