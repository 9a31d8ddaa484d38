// The identities a radio holds against those a write would give it. A radio that carries
// another boat's MMSI sends distress calls in that boat's name, and many handsets take an
// MMSI only once: every front end asks (or refuses) before a write replaces one.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "model/radio_settings.h"

namespace qx {

// Valid identities only (9 digits, not starting with 0); "" where there is none. The ATIS ID
// is kept as the 9 digits after its leading "9", as the record keeps it.
struct RadioIdentities {
    std::string mmsi;
    std::string atis;
};

// What an EEPROM image (a dump, a backup, the radio's read image) holds. `size` may be just
// the part up to the identities' end (kIdentityBlockEnd).
RadioIdentities ImageIdentities(const uint8_t* image, std::size_t size);
RadioIdentities ImageIdentities(const std::vector<uint8_t>& image);
// What the radio holds after `record` is written to it: the encoder's view of its identities.
RadioIdentities WrittenIdentities(const RadioSettings& record);

// The first address and the end of the bytes holding both identities, for a radio read only
// for them.
inline constexpr int kIdentityBlockFirst = 0x011A;
inline constexpr int kIdentityBlockEnd = 0x0126;

enum class IdentityKind { Mmsi, Atis };

// One identity a write would replace: the radio's valid one, and what takes its place ("" when
// the write clears it).
struct IdentityReplacement {
    IdentityKind kind = IdentityKind::Mmsi;
    std::string held;
    std::string written;
};

// The valid identities of `radio` that `write` would change or clear, MMSI first.
std::vector<IdentityReplacement> ReplacedIdentities(const RadioIdentities& radio, const RadioIdentities& write);

// "MMSI 257012345 (Norway)", "ATIS ID 9211234567 (Germany)"; "no MMSI" for "".
std::string IdentityText(IdentityKind kind, const std::string& digits);
// The refusal of a command line write or a fleet unit: "the radio holds MMSI 257012345
// (Norway), not MMSI 235012345 (United Kingdom)", joined with "; ".
std::string ReplacementRefusal(const std::vector<IdentityReplacement>& replaced);

}  // namespace qx
