// Saving without ever destroying the old file: write a temporary file beside the target,
// check every write and the close, then rename it over the target.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace qx {

bool WriteFileAtomically(const std::string& path, const void* data, std::size_t size);

// Reads at most `maxBytes` of a file. False when it cannot be opened or read.
bool ReadFileBytes(const std::string& path, std::vector<uint8_t>& bytes, std::size_t maxBytes);

// The platform's write-access test for an existing file: false for a file whose
// write permission bits are all clear (its read-only attribute), even for root.
bool MayWriteFile(const std::string& path);

// Joins a directory and a file name with the platform's separator.
std::string JoinPath(const std::string& directory, const std::string& name);

// Tests may make the next writes fail, as a full disk would: the hook sees each chunk's
// size and answers whether the write succeeds. Empty in the program.
void SetWriteFaultHookForTesting(std::function<bool(std::size_t)> hook);

}  // namespace qx
