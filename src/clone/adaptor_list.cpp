#include "clone/adaptor_list.h"

#include <algorithm>

namespace qx {

namespace {

// Device strings come from the device itself: nothing in them may move the terminal.
std::string Shown(const std::string& text)
{
    static constexpr char kHex[] = "0123456789abcdef";
    std::string out;
    for (char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7f) {
            out += "\\x";
            out += kHex[byte >> 4];
            out += kHex[byte & 15];
        } else {
            out += c;
        }
    }
    return out;
}

bool MatchesSelection(const AdaptorSelection& selection, const HidInterfaceInfo& info)
{
    switch (selection.kind) {
    case AdaptorSelection::Kind::Serial: return info.serial == selection.serial;
    case AdaptorSelection::Kind::Path: return info.path == selection.path;
    case AdaptorSelection::Kind::Chosen: return IsSameAdaptor(selection, info);
    case AdaptorSelection::Kind::Only:
    case AdaptorSelection::Kind::All: return true;
    }
    return false;
}

std::string AdaptorCount(int count)
{
    return count == 1 ? std::string("1 clone adaptor") : std::to_string(count) + " clone adaptors";
}

}  // namespace

bool HasAdaptorShape(const HidReportLengths& lengths)
{
    return lengths.input - 1 >= kMinReportPayload && lengths.output - 1 >= kMinReportPayload &&
           lengths.input <= kReportBufferSize && lengths.output <= kReportBufferSize;
}

std::vector<AdaptorCandidate> ListCandidates(HidBackend& backend, uint32_t vendorId, uint32_t productId)
{
    std::vector<AdaptorCandidate> candidates;
    for (HidInterfaceInfo& info : backend.Enumerate()) {
        if (info.vendorId != static_cast<uint16_t>(vendorId) || info.productId != static_cast<uint16_t>(productId))
            continue;
        const bool adaptor = info.descriptorLengths && HasAdaptorShape(*info.descriptorLengths);
        candidates.push_back({std::move(info), adaptor});
    }
    return candidates;
}

int CountAdaptors(const std::vector<AdaptorCandidate>& candidates)
{
    int count = 0;
    for (const AdaptorCandidate& c : candidates) count += c.adaptor ? 1 : 0;
    return count;
}

AdaptorPickResult PickAdaptor(const std::vector<AdaptorCandidate>& candidates, const AdaptorSelection& selection)
{
    AdaptorPickResult result;
    bool anyAdaptor = false;
    for (std::size_t i = 0; i < candidates.size(); ++i) {
        if (!candidates[i].adaptor) continue;
        anyAdaptor = true;
        if (MatchesSelection(selection, candidates[i].info)) result.matches.push_back(i);
    }
    if (result.matches.size() == 1)
        result.outcome = AdaptorPick::Found;
    else if (result.matches.size() > 1)
        result.outcome = AdaptorPick::Several;
    else
        result.outcome = anyAdaptor ? AdaptorPick::NoMatch : AdaptorPick::None;
    return result;
}

AdaptorSelection ChosenAdaptor(const HidInterfaceInfo& info)
{
    AdaptorSelection chosen;
    chosen.kind = AdaptorSelection::Kind::Chosen;
    chosen.path = info.path;
    chosen.serial = info.serial;
    chosen.usbBus = info.usbBus;
    chosen.usbPort = info.usbPort;
    return chosen;
}

bool IsSameAdaptor(const AdaptorSelection& chosen, const HidInterfaceInfo& info)
{
    // A node number is handed to the next device plugged in: the path alone never vouches for
    // the adaptor behind it.
    return info.path == chosen.path && info.serial == chosen.serial && info.usbBus == chosen.usbBus &&
           info.usbPort == chosen.usbPort;
}

std::string PrintableDeviceText(const std::string& text) { return Shown(text); }

std::string DescribeInterface(const HidInterfaceInfo& info)
{
    std::string text = Shown(info.path);
    text += info.serial.empty() ? ", no serial number" : ", serial " + Shown(info.serial);
    if (!info.product.empty()) text += ", \"" + Shown(info.product) + "\"";
    if (!info.usbBus.empty()) text += ", bus " + Shown(info.usbBus) + ", port " + Shown(info.usbPort);
    return text;
}

std::string CandidateLine(const AdaptorCandidate& candidate)
{
    std::string line = DescribeInterface(candidate.info);
    if (!candidate.adaptor)
        line += ": not a clone adaptor";
    else if (candidate.info.access == HidAccess::Denied)
        line += ": may not be opened by this user";
    return line;
}

std::string SelectionText(const AdaptorSelection& selection)
{
    switch (selection.kind) {
    case AdaptorSelection::Kind::Serial: return "usb:" + Shown(selection.serial);
    case AdaptorSelection::Kind::Path:
    case AdaptorSelection::Kind::Chosen: return "usb:" + Shown(selection.path);
    case AdaptorSelection::Kind::All: return "usb:all";
    case AdaptorSelection::Kind::Only: break;
    }
    return "usb";
}

std::string PickProblem(const std::vector<AdaptorCandidate>& candidates, const AdaptorSelection& selection,
                        const AdaptorPickResult& pick)
{
    std::string text;
    switch (pick.outcome) {
    case AdaptorPick::Found: return {};
    case AdaptorPick::None: text = "no clone adaptor is connected"; break;
    case AdaptorPick::Several:
        text = selection.kind == AdaptorSelection::Kind::Serial
                   ? AdaptorCount(static_cast<int>(pick.matches.size())) + " have the serial number " +
                         Shown(selection.serial) + ": choose one with --radio usb:PATH"
                   : AdaptorCount(static_cast<int>(pick.matches.size())) +
                         " are connected: choose one with --radio usb:SERIAL or --radio usb:PATH";
        break;
    case AdaptorPick::NoMatch:
        if (selection.kind == AdaptorSelection::Kind::Path &&
            std::any_of(candidates.begin(), candidates.end(),
                        [&](const AdaptorCandidate& c) { return c.info.path == selection.path; })) {
            text = Shown(selection.path) + " is not a clone adaptor";
            break;
        }
        text = "no clone adaptor " +
               (selection.kind == AdaptorSelection::Kind::Serial ? "with the serial number " + Shown(selection.serial)
                                                                 : "at " + Shown(selection.path)) +
               " is connected";
        break;
    }
    for (const AdaptorCandidate& candidate : candidates) text += "\n  " + CandidateLine(candidate);
    return text;
}

}  // namespace qx
