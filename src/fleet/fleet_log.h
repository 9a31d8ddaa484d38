// The fleet log: one CSV line per unit outcome, appended as soon as it is known, so that a
// run stopped half-way can be started again and goes on where it stopped.
#pragma once

#include <set>
#include <string>

namespace qx {

inline constexpr char kFleetLogHeader[] = "time,unit,mmsi,atis,result,checksum,backup";

struct FleetLogEntry {
    std::string time;  // YYYY-MM-DD HH:MM:SS, local
    std::string unit;
    std::string mmsi;      // as written; empty for entry by user or when nothing was written
    std::string atis;      // 10 digits as written, or empty
    std::string result;    // OK, FAILED, REFUSED or SKIPPED
    std::string checksum;  // 0x%08X of the written record, or empty
    std::string backup;    // the backup file, or empty
};

// The units the log holds as OK. A missing log holds none; false with a message for a file
// that cannot be read or is not a fleet log (it is then left alone).
bool ReadFleetLogOk(const std::string& path, std::set<std::string>& okUnits, std::string& error);

// Appends one line, with the header first when the log is new or empty, and flushes it.
bool AppendFleetLog(const std::string& path, const FleetLogEntry& entry, std::string& error);

}  // namespace qx
