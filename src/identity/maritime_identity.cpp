#include "identity/maritime_identity.h"

#include <algorithm>
#include <cstdio>

#include "identity/mid_table.h"
#include "model/identity.h"

namespace qx {

namespace {

bool AllDigits(std::string_view text)
{
    return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

const char* Article(const char* noun)
{
    return std::string_view("aeiouAEIOU").find(noun[0]) != std::string_view::npos ? "an " : "a ";
}

bool StartsWith(std::string_view text, std::string_view prefix) { return text.substr(0, prefix.size()) == prefix; }

int MidAt(std::string_view digits, std::size_t offset)
{
    return (digits[offset] - '0') * 100 + (digits[offset + 1] - '0') * 10 + (digits[offset + 2] - '0');
}

// The kind, and where its MID starts (npos for the kinds without one).
MmsiKind KindOf(std::string_view d, std::size_t& midOffset)
{
    midOffset = std::string_view::npos;
    if (StartsWith(d, "00")) return midOffset = 2, MmsiKind::Coast;
    if (StartsWith(d, "0")) return midOffset = 1, MmsiKind::Group;
    if (StartsWith(d, "111")) return midOffset = 3, MmsiKind::SarAircraft;
    if (StartsWith(d, "970")) return MmsiKind::Sart;
    if (StartsWith(d, "972")) return MmsiKind::Mob;
    if (StartsWith(d, "974")) return MmsiKind::Epirb;
    if (StartsWith(d, "98")) return midOffset = 2, MmsiKind::CraftAssociated;
    if (StartsWith(d, "99")) return midOffset = 2, MmsiKind::AidToNavigation;
    if (StartsWith(d, "8")) return midOffset = 1, MmsiKind::Handheld;
    if (d[0] >= '2' && d[0] <= '7') return midOffset = 0, MmsiKind::Ship;
    return MmsiKind::Unknown;
}

// Fills mid, administration and allocated; warns about a MID nobody was given.
void LookUpMid(int mid, int& outMid, std::string& administration, bool& allocated, std::vector<std::string>& warnings)
{
    outMid = mid;
    const char* name = MidAdministration(mid);
    allocated = name != nullptr;
    if (allocated)
        administration = name;
    else
        warnings.emplace_back(MidLabel(mid) + " is not allocated to any country");
}

}  // namespace

std::string MidLabel(int mid)
{
    char text[16];
    std::snprintf(text, sizeof text, "MID %03d", mid);
    return text;
}

const char* MmsiKindName(MmsiKind kind)
{
    switch (kind) {
    case MmsiKind::Ship: return "ship";
    case MmsiKind::Handheld: return "handheld";
    case MmsiKind::Group: return "group";
    case MmsiKind::Coast: return "coast";
    case MmsiKind::SarAircraft: return "sar-aircraft";
    case MmsiKind::CraftAssociated: return "craft-associated";
    case MmsiKind::AidToNavigation: return "aid-to-navigation";
    case MmsiKind::Sart: return "sart";
    case MmsiKind::Mob: return "mob";
    case MmsiKind::Epirb: return "epirb";
    case MmsiKind::Unknown: break;
    }
    return "unknown";
}

const char* MmsiKindText(MmsiKind kind)
{
    switch (kind) {
    case MmsiKind::Ship: return "ship station";
    case MmsiKind::Handheld: return "handheld VHF with DSC";
    case MmsiKind::Group: return "group of ships";
    case MmsiKind::Coast: return "coast station";
    case MmsiKind::SarAircraft: return "search-and-rescue aircraft";
    case MmsiKind::CraftAssociated: return "craft associated with a parent ship";
    case MmsiKind::AidToNavigation: return "aid to navigation";
    case MmsiKind::Sart: return "AIS-SART";
    case MmsiKind::Mob: return "man overboard device";
    case MmsiKind::Epirb: return "EPIRB-AIS";
    case MmsiKind::Unknown: break;
    }
    return "unknown kind";
}

bool MmsiInfo::Fits() const
{
    return radioAccepts && allocated && (kind == MmsiKind::Ship || kind == MmsiKind::Handheld);
}

MmsiInfo ClassifyMmsi(std::string_view mmsi)
{
    MmsiInfo info;
    info.mmsi = std::string(mmsi);
    info.radioAccepts = IsValidId(mmsi);
    if (mmsi.size() != 9 || !AllDigits(mmsi)) {
        info.warnings.emplace_back("an MMSI has exactly 9 digits");
        return info;
    }
    std::size_t midOffset = 0;
    info.kind = KindOf(mmsi, midOffset);
    if (midOffset != std::string_view::npos)
        LookUpMid(MidAt(mmsi, midOffset), info.mid, info.administration, info.allocated, info.warnings);
    if (info.kind == MmsiKind::Unknown)
        info.warnings.emplace_back("no station kind starts with these digits");
    else if (info.kind != MmsiKind::Ship && info.kind != MmsiKind::Handheld)
        info.warnings.insert(info.warnings.begin(), std::string("the number of ") + Article(MmsiKindText(info.kind)) +
                                                        MmsiKindText(info.kind) + ", not of a ship's radio");
    if (!info.radioAccepts) info.warnings.emplace_back("the radio refuses an MMSI starting with 0");
    return info;
}

std::string StoredAtisDigits(std::string_view atis)
{
    if (!AllDigits(atis)) return {};
    if (atis.size() == 9) return std::string(atis);
    if (atis.size() == 10 && atis[0] == '9') return std::string(atis.substr(1));
    return {};
}

AtisInfo ClassifyAtis(std::string_view atis)
{
    AtisInfo info;
    const std::string stored = StoredAtisDigits(atis);
    if (stored.empty()) {
        info.warnings.emplace_back(AllDigits(atis) && atis.size() == 10
                                       ? "an ATIS ID starts with 9"
                                       : "an ATIS ID has 10 digits (or the last 9 of them)");
        return info;
    }
    info.atis = "9" + stored;
    info.radioAccepts = IsValidId(stored);
    LookUpMid(MidAt(stored, 0), info.mid, info.administration, info.allocated, info.warnings);
    if (!info.radioAccepts) info.warnings.emplace_back("the radio refuses an ATIS ID starting with 90");
    return info;
}

std::string AtisFromMmsi(std::string_view mmsi)
{
    return mmsi.size() == 9 && AllDigits(mmsi) ? std::string(mmsi) : std::string();
}

}  // namespace qx
