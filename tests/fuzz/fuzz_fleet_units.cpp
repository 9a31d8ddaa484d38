// A dealer's units file: any bytes give units or problems, and no problem shows a control
// character to the terminal it is printed on.
#include <cstdlib>
#include <string_view>
#include <vector>

#include "csv/csv.h"
#include "fleet/fleet_units.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    using namespace qx;
    std::vector<FleetUnit> units;
    const std::vector<std::string> problems = ParseFleetUnits(
        std::string_view(reinterpret_cast<const char*>(data), size), units);
    for (const std::string& problem : problems)
        if (HoldsControlCharacter(problem) || HoldsBidiControl(problem)) std::abort();
    if (problems.empty()) {
        if (units.empty()) std::abort();
        for (const FleetUnit& unit : units)
            if (unit.name.empty() || HoldsControlCharacter(unit.name) || HoldsBidiControl(unit.name)) std::abort();
    }
    return 0;
}
