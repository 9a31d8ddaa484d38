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

// What went wrong with a save, beyond its code.
struct SaveDetail {
    bool created = false;  // the file was made and filling it failed (a full disk), not making or naming it
    std::string reason;    // the system's reason ("File name too long"); "" when it gave none
};

// 0 when saved; 0x20006 for a file the user may not write (nothing changed); 0x20004 for
// any other failure (the old file intact).
[[nodiscard]] CloneResult SaveFileAtomically(const std::string& path, const void* data, std::size_t size,
                                             SaveDetail* detail = nullptr);
// The same as a yes or no.
bool WriteFileAtomically(const std::string& path, const void* data, std::size_t size);

// Saves a new file under the first name of `pathFor(1)`, `pathFor(2)`, ... (all in one folder)
// that nothing has, never replacing anything: the name is claimed in the same step that gives
// the finished file its name, so two processes saving at once each keep their own file.
// `savedPath` is where it went. 0x20004 when it could not be saved.
[[nodiscard]] CloneResult SaveNewFile(const std::function<std::string(int)>& pathFor, const void* data,
                                      std::size_t size, std::string& savedPath, SaveDetail* detail = nullptr);

// Reads at most `maxBytes` of a regular file (links followed). False when it cannot be opened
// or read, or is not a regular file: a pipe or a device is refused, never waited on.
bool ReadFileBytes(const std::string& path, std::vector<uint8_t>& bytes, std::size_t maxBytes);

// The platform's write-access test for an existing file: false for a file whose
// write permission bits are all clear (its read-only attribute), even for root.
bool MayWriteFile(const std::string& path);
// The same test for making files in a folder; false with the reason when they may not be made.
bool MayCreateFilesIn(const std::string& folder, std::string& reason);

// Joins a directory and a file name with the platform's separator.
std::string JoinPath(const std::string& directory, const std::string& name);

// Tests may make the next writes fail, as a full disk would: the hook sees each chunk's
// size and answers whether the write succeeds. Empty in the program.
void SetWriteFaultHookForTesting(std::function<bool(std::size_t)> hook);
// The same for the sync that follows the writes (a full disk may only show there).
void SetSyncFaultHookForTesting(std::function<bool()> hook);

}  // namespace qx
