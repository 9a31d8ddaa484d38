// The fleet log: one CSV line per unit outcome, appended as soon as it is known, so that a
// run stopped half-way can be started again and goes on where it stopped.
#pragma once

#include <map>
#include <string>
#include <string_view>

namespace qx {

inline constexpr char kFleetLogHeader[] = "time,unit,mmsi,atis,result,checksum,backup,digest";
// The header of logs written before the digest: still read, and appended to as they are.
inline constexpr char kFleetLogHeaderWithoutDigest[] = "time,unit,mmsi,atis,result,checksum,backup";

struct FleetLogEntry {
    std::string time;  // YYYY-MM-DD HH:MM:SS, local
    std::string unit;
    std::string mmsi;      // as written; empty for entry by user or when nothing was written
    std::string atis;      // 10 digits as written, or empty
    std::string result;    // OK, FAILED, REFUSED or SKIPPED
    std::string checksum;  // 0x%08X of the written record, or empty
    std::string backup;    // the backup file, or empty
    std::string digest;    // SHA-256 of the written image (see template_digest.h); empty in older logs
};

// Each unit's last OK line, by unit name. A FAILED line after it takes it away: that attempt
// may have left the radio half written.
using FleetLogOk = std::map<std::string, FleetLogEntry>;

// Reads a log's text (quoted or not, any line ends, as a spreadsheet may save it again). A last
// line that was never finished, cut inside quotes by a crash or a full disk, is left out.
// False with a message for text that is not a fleet log.
bool ParseFleetLog(std::string_view text, FleetLogOk& lastOk, std::string& error);

// The same from a file. A missing log holds none; false with a message for a file that cannot
// be read or is not a fleet log (it is then left alone).
bool ReadFleetLogOk(const std::string& path, FleetLogOk& lastOk, std::string& error);

// What must be written to a log holding `text` before a new line: nothing after a finished line;
// otherwise the end of the unfinished last line (a closing quote first when it stopped inside
// quotes), so that the new line is never glued onto it or swallowed by it.
std::string FleetLogLineBreak(std::string_view text);

// Appends one line, with the header first when the log is new or empty, and makes it durable.
bool AppendFleetLog(const std::string& path, const FleetLogEntry& entry, std::string& error);

// The log held for one run: opened for appending (created when missing) and locked, so that
// a second run on the same log is turned away instead of programming every radio again. The
// lock is let go with the object.
class FleetLogLock {
public:
    enum class Outcome { Held, InUse, Failed };
    FleetLogLock() = default;
    ~FleetLogLock();
    FleetLogLock(const FleetLogLock&) = delete;
    FleetLogLock& operator=(const FleetLogLock&) = delete;

    // Failed and InUse come with a message for the user.
    Outcome Take(const std::string& path, std::string& error);

private:
    int handle_ = -1;
};

}  // namespace qx
