// EEPROM dumps: the radio's whole 8192-byte memory as a ".Bin" file, byte for byte.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "result/clone_result.h"

namespace qx {

// Loads a dump: its first 8192 bytes. 0x20002 when it cannot be opened, 0x20005 when it is
// shorter than 8192 bytes (the rest of the EEPROM would otherwise be whatever an earlier
// operation left in the image).
[[nodiscard]] CloneResult LoadEepromFile(const std::string& path, std::vector<uint8_t>& bytes);
// The same for a dump that is to be written into a radio: a file of any other size than 8192
// bytes (a clone file typed for a dump) is 0x20005.
[[nodiscard]] CloneResult LoadExactEepromFile(const std::string& path, std::vector<uint8_t>& bytes);

}  // namespace qx
