// The units of a fleet run, from the dealer's CSV file: one radio per line with its name and
// identities, checked as a whole before any radio is touched.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace qx {

struct FleetUnit {
    int line = 0;  // in the CSV file, for messages
    std::string name;
    std::string mmsi;  // 9 digits, or empty: entry by user
    std::string atis;  // the 9 digits the radio stores, or empty: entry by user
};

// Reads the CSV text (header with "unit", "mmsi" and optionally "atis", in any order and
// case; other columns are ignored). Every problem is one "line N: ..." text; the units are
// only meaningful when there is none.
std::vector<std::string> ParseFleetUnits(std::string_view csvText, std::vector<FleetUnit>& units);

// The 10-digit form of a unit's ATIS ID for people and logs; empty when entry by user.
std::string AtisForDisplay(const FleetUnit& unit);

}  // namespace qx
