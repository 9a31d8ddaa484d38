// Names for EEPROM backups kept in a folder: NAME-YYYYMMDD-HHMMSS.bin, never replacing a file
// that is already there.
#pragma once

#include <string>

#include "clone/clock.h"

namespace qx {

// A path in `directory` that does not exist yet: NAME-YYYYMMDD-HHMMSS.bin, or with "-2",
// "-3", ... before ".bin" when two backups fall in the same second.
std::string TimestampedBackupPath(const std::string& directory, const std::string& name, const LocalTime& time);

}  // namespace qx
