// Names for EEPROM backups kept in a folder: NAME-YYYYMMDD-HHMMSS.bin, never replacing a file
// that is already there.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "clone/clock.h"
#include "files/atomic_file.h"

namespace qx {

// The longest NAME whose backups' file names fit the file system's 255 bytes, with room for
// the time and a sequence number of several digits.
inline constexpr std::size_t kBackupNameMaxBytes = 255 - std::char_traits<char>::length("-YYYYMMDD-HHMMSS-99999.bin");

// NAME-YYYYMMDD-HHMMSS.bin in `directory` for the first backup of a second; "-2", "-3", ...
// before ".bin" for the ones after it.
std::string BackupPath(const std::string& directory, const std::string& name, const LocalTime& time, int sequence);

// Saves a backup as a new file under the first of those names that is free. The name is
// claimed in the step that gives the file its name, so two writers in the same second each
// keep their own backup. 0 with the path, or 0x20004 with the reason in `detail`.
[[nodiscard]] CloneResult SaveBackupFile(const std::string& directory, const std::string& name, const LocalTime& time,
                                         const std::vector<uint8_t>& bytes, std::string& path,
                                         SaveDetail* detail = nullptr);

}  // namespace qx
