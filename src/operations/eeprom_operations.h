// Whole-EEPROM transfers between the radio and 8192-byte ".Bin" dump files, byte for byte and
// without any decoding: the EEPROM tools, the backups and the command line.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "files/atomic_file.h"
#include "files/eeprom_dump.h"
#include "operations/operation_context.h"
#include "result/clone_result.h"

namespace qx {

inline constexpr int kEepromTransferBlocks = 410;  // 409 blocks of 20 bytes and one of 12

// HandShake, then the 8192 bytes into the radio. `bytes` holds at least 8192 bytes.
[[nodiscard]] CloneResult WriteEeprom(const OperationContext& run, const std::vector<uint8_t>& bytes);
// HandShake, then the whole EEPROM into `bytes` (8192 bytes; untouched on failure).
[[nodiscard]] CloneResult ReadEeprom(const OperationContext& run, std::vector<uint8_t>& bytes);
// HandShake, then only the bytes from `first` up to `end` into the read image: what a write
// needs to know of the radio when no backup is made.
[[nodiscard]] CloneResult ReadEepromSpan(const OperationContext& run, int first, int end);
// Reads the radio and counts the positions that differ from `bytes` (at least 8192 bytes).
[[nodiscard]] CloneResult VerifyEeprom(const OperationContext& run, const std::vector<uint8_t>& bytes,
                                       int& differences);

// The same with files. Nothing is sent when the file cannot be loaded. The read file is
// written atomically and only after a complete read; 0x20002 when it cannot be created,
// 0x20004 when writing it failed (a full disk), 0x20006 when it is a file the user may not
// write; `detail` has the system's reason.
[[nodiscard]] CloneResult WriteEepromFromFile(const OperationContext& run, const std::string& path);
[[nodiscard]] CloneResult ReadEepromToFile(const OperationContext& run, const std::string& path,
                                           SaveDetail* detail = nullptr);
[[nodiscard]] CloneResult VerifyEepromWithFile(const OperationContext& run, const std::string& path, int& differences);

}  // namespace qx
