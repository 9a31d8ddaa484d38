// The clone file (.dat): one settings record, byte for byte.
#pragma once

#include <string>

#include "files/atomic_file.h"
#include "files/model_config.h"
#include "model/radio_settings.h"
#include "result/clone_result.h"

namespace qx {

// Looks only at the channel table: every in-use entry needs a 2- or 3-character name and
// frequencies inside 136..174 MHz (a Tx within 0.0001 of 0 marks a receive-only entry).
bool CheckCloneRecord(const RadioSettings& record);
// The same check, telling which entry fails it and why ("" when the record passes), for a
// warning that points the user at the problem.
std::string CloneRecordProblem(const RadioSettings& record);
// The check for one in-use entry, as every channel editor applies it at OK: "" when it passes,
// else why not ("receives on 174.60000 MHz, outside 136..174 MHz").
std::string ChannelEntryProblem(const ChannelEntry& entry);

// Reads a clone file into `document` after checking it: 0, 0x20002 (cannot open) or
// 0x20005 (too short or failing the check). On failure nothing changes. On success the
// modified flag is cleared, the read-only file flag set from the write-access test and
// the path stored in `config`.
[[nodiscard]] CloneResult LoadCloneFile(const std::string& path, RadioSettings& document, ModelConfig& config);

// Reads and checks a clone file without touching any document state.
[[nodiscard]] CloneResult ReadCloneRecord(const std::string& path, RadioSettings& record);

// Saves atomically: 0 and the modified flag cleared, or 0x20006 (a file the user may not
// write) or 0x20004 with the old file intact and `config` unchanged; `detail` says why.
[[nodiscard]] CloneResult WriteCloneFile(const std::string& path, const RadioSettings& document, ModelConfig& config,
                                         SaveDetail* detail = nullptr);

}  // namespace qx
