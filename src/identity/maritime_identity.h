// What an MMSI or an ATIS ID says about the station that carries it, from the maritime
// numbering rules and the table of allocated MIDs. The radio itself only insists on 9 digits
// not starting with 0 (IsValidId); everything here is advice on top of that rule.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace qx {

enum class MmsiKind {
    Ship,             // MIDxxxxxx
    Handheld,         // 8MIDxxxxx
    Group,            // 0MIDxxxxx
    Coast,            // 00MIDxxxx
    SarAircraft,      // 111MIDxxx
    CraftAssociated,  // 98MIDxxxx
    AidToNavigation,  // 99MIDxxxx
    Sart,             // 970xxxxxx
    Mob,              // 972xxxxxx
    Epirb,            // 974xxxxxx
    Unknown,
};

// "ship", "handheld", "group", "coast", "sar-aircraft", ... as the JSON output names them.
const char* MmsiKindName(MmsiKind kind);
// "ship station", "handheld VHF with DSC", ... for people.
const char* MmsiKindText(MmsiKind kind);
// "MID 012": a MID with its three digits, as it stands in the number.
std::string MidLabel(int mid);

struct MmsiInfo {
    std::string mmsi;  // as given
    MmsiKind kind = MmsiKind::Unknown;
    int mid = -1;                // -1 when the kind carries no MID
    std::string administration;  // empty when the MID is unallocated or absent
    bool allocated = false;
    bool radioAccepts = false;  // 9 digits, not starting with 0
    std::vector<std::string> warnings;

    // A ship or handheld number with an allocated MID: what a handset should carry.
    bool Fits() const;
};

struct AtisInfo {
    std::string atis;  // the 10 digits ("9" + the 9 the radio keeps); empty when malformed
    int mid = -1;
    std::string administration;
    bool allocated = false;
    bool radioAccepts = false;  // its last 9 digits pass the radio's rule
    std::vector<std::string> warnings;

    bool Fits() const { return radioAccepts && allocated; }
};

MmsiInfo ClassifyMmsi(std::string_view mmsi);
// Takes the 10-digit ATIS ID or the 9 digits the radio stores after the leading "9".
AtisInfo ClassifyAtis(std::string_view atis);

// The 9 digits to store as an ATIS ID for a vessel whose ATIS ID is "9" followed by its MMSI
// (many countries; others derive it from the call sign). Empty when the MMSI is not 9 digits.
std::string AtisFromMmsi(std::string_view mmsi);

// The 9 digits the radio stores for an ATIS ID given as 10 digits ("9...") or 9; empty when
// the text is neither.
std::string StoredAtisDigits(std::string_view atis);

}  // namespace qx
