// A fleet log as found on disk: any bytes are read or refused with a message, and a line
// appended to a log, as the run appends it, always reads back as that unit's OK.
#include <cstdlib>
#include <string>
#include <string_view>

#include "csv/csv.h"
#include "fleet/fleet_log.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    using namespace qx;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    FleetLogOk ok;
    std::string error;
    if (!ParseFleetLog(bytes, ok, error) && error.empty()) std::abort();

    // Whatever follows a header a run wrote: the next line is never lost to it.
    std::string log = std::string(kFleetLogHeader) + "\n" + std::string(bytes);
    if (!ParseFleetLog(log, ok, error)) return 0;
    log += FleetLogLineBreak(log);
    log += CsvLine({"2026-12-07 12:04:05", "fuzz, unit", "235000001", "", "OK", "0x00000001", ""});
    if (!ParseFleetLog(log, ok, error)) std::abort();
    const auto it = ok.find("fuzz, unit");
    if (it == ok.end() || it->second.checksum != "0x00000001") std::abort();
    return 0;
}
