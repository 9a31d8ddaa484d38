// Saving without ever destroying the old file: write a hidden temporary file beside the
// target, check every write, sync and close, then rename it over the target. A symbolic link
// is saved through (the link stays, its target gets the data), the new file keeps the replaced
// file's permissions (and owner, as root), and a file the user may not write is left alone.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "result/clone_result.h"

namespace qx {

// 0 when saved; 0x20006 for a file the user may not write (nothing changed); 0x20004 for
// any other failure (the old file intact).
[[nodiscard]] CloneResult SaveFileAtomically(const std::string& path, const void* data, std::size_t size);
// The same as a yes or no.
bool WriteFileAtomically(const std::string& path, const void* data, std::size_t size);

// Reads at most `maxBytes` of a regular file (links followed). False when it cannot be opened
// or read, or is not a regular file: a pipe or a device is refused, never waited on.
bool ReadFileBytes(const std::string& path, std::vector<uint8_t>& bytes, std::size_t maxBytes);

// The platform's write-access test for an existing file: false for a file whose
// write permission bits are all clear (its read-only attribute), even for root.
bool MayWriteFile(const std::string& path);

// Joins a directory and a file name with the platform's separator.
std::string JoinPath(const std::string& directory, const std::string& name);

// Tests may make the next writes fail, as a full disk would: the hook sees each chunk's
// size and answers whether the write succeeds. Empty in the program.
void SetWriteFaultHookForTesting(std::function<bool(std::size_t)> hook);
// The same for the sync that follows the writes (a full disk may only show there).
void SetSyncFaultHookForTesting(std::function<bool()> hook);

}  // namespace qx
