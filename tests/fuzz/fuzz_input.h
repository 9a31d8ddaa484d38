// Helpers shared by the fuzz harnesses: fixed-size records from any number of bytes, and a
// private scratch file for the loaders that take a path.
#pragma once

#include <unistd.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace qx::fuzz {

// The input's first bytes over a zeroed object; the rest of a short input stays zero.
template <typename T>
T FromBytes(const uint8_t* data, std::size_t size)
{
    T value{};
    std::memcpy(&value, data, std::min(size, sizeof value));
    return value;
}

// One file per process, made on first use and removed at exit.
inline const std::string& ScratchFile()
{
    static const std::string path = [] {
        const char* base = std::getenv("TMPDIR");
        std::string pattern = std::string(base != nullptr && *base != '\0' ? base : "/tmp") + "/qx720-fuzz-XXXXXX";
        const int fd = ::mkstemp(pattern.data());
        if (fd < 0) std::abort();
        ::close(fd);
        static std::string remove;
        remove = pattern;
        std::atexit([] { ::unlink(remove.c_str()); });
        return pattern;
    }();
    return path;
}

inline const std::string& WriteScratch(const uint8_t* data, std::size_t size)
{
    const std::string& path = ScratchFile();
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) std::abort();
    if (size > 0 && std::fwrite(data, 1, size, file) != size) std::abort();
    std::fclose(file);
    return path;
}

}  // namespace qx::fuzz
