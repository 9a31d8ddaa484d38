// Whole-EEPROM transfers between the radio and 8192-byte ".Bin" dump files, byte for byte and
// without any decoding. Used by the EEPROM tools and the command line; no user interface here.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "clone/pc_clone.h"
#include "clone/progress_sink.h"
#include "files/atomic_file.h"
#include "files/model_config.h"
#include "result/clone_result.h"

namespace qx {

inline constexpr int kEepromTransferBlocks = 410;  // 409 blocks of 20 bytes and one of 12

struct EepromTransfer {
    CloneEnvironment& env;
    ModelConfig* options = nullptr;
    ProgressSink* progress = nullptr;   // stepped once per block; may be absent
    std::function<void()> onHandShake;  // after a successful HandShake, before the blocks
    // Leaves the progress where the transfer ended, for a caller that empties it only after
    // showing the outcome.
    bool keepProgress = false;
};

// Loads a dump: its first 8192 bytes. 0x20002 when it cannot be opened, 0x20005 when it is
// shorter than 8192 bytes (the rest of the EEPROM would otherwise be whatever an earlier
// operation left in the image).
[[nodiscard]] CloneResult LoadEepromFile(const std::string& path, std::vector<uint8_t>& bytes);

// HandShake, then the 8192 bytes into the radio. `bytes` holds at least 8192 bytes.
[[nodiscard]] CloneResult WriteEeprom(const EepromTransfer& run, const std::vector<uint8_t>& bytes);
// HandShake, then the whole EEPROM into `bytes` (8192 bytes; untouched on failure).
[[nodiscard]] CloneResult ReadEeprom(const EepromTransfer& run, std::vector<uint8_t>& bytes);
// HandShake, then only the bytes from `first` up to `end` into the read image: what a write
// needs to know of the radio when no backup is made.
[[nodiscard]] CloneResult ReadEepromSpan(const EepromTransfer& run, int first, int end);
// Reads the radio and counts the positions that differ from `bytes` (at least 8192 bytes).
[[nodiscard]] CloneResult VerifyEeprom(const EepromTransfer& run, const std::vector<uint8_t>& bytes, int& differences);

// The same with files. Nothing is sent when the file cannot be loaded. The read file is
// written atomically and only after a complete read; 0x20002 when it cannot be created,
// 0x20004 when writing it failed (a full disk), 0x20006 when it is a file the user may not
// write; `detail` has the system's reason.
[[nodiscard]] CloneResult WriteEepromFromFile(const EepromTransfer& run, const std::string& path);
[[nodiscard]] CloneResult ReadEepromToFile(const EepromTransfer& run, const std::string& path,
                                           SaveDetail* detail = nullptr);
[[nodiscard]] CloneResult VerifyEepromWithFile(const EepromTransfer& run, const std::string& path, int& differences);

}  // namespace qx
