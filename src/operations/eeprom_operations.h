// Whole-EEPROM reads and verifies against 8192-byte ".Bin" dump files, byte for byte and without
// any decoding: the EEPROM tools, the backups and the command line. Writes go through the gate
// (radio_gate.h). Each claims the radio for its length.
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

// HandShake, then the whole EEPROM into `bytes` (8192 bytes; untouched on failure).
[[nodiscard]] CloneResult ReadEeprom(const OperationContext& run, std::vector<uint8_t>& bytes);
// HandShake, then only the bytes from `first` up to `end` into the read image: what a write
// needs to know of the radio when no backup is made.
[[nodiscard]] CloneResult ReadEepromSpan(const OperationContext& run, int first, int end);
// Reads the radio and counts the positions that differ from `bytes` (at least 8192 bytes).
[[nodiscard]] CloneResult VerifyEeprom(const OperationContext& run, const std::vector<uint8_t>& bytes,
                                       int& differences);

// The same with files. The read file is
// written atomically and only after a complete read; 0x20002 when it cannot be created,
// 0x20004 when writing it failed (a full disk), 0x20006 when it is a file the user may not
// write; `detail` has the system's reason.
[[nodiscard]] CloneResult ReadEepromToFile(const OperationContext& run, const std::string& path,
                                           SaveDetail* detail = nullptr);
[[nodiscard]] CloneResult VerifyEepromWithFile(const OperationContext& run, const std::string& path, int& differences);

}  // namespace qx
