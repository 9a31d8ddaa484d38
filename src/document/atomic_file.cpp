#include "document/atomic_file.h"

#include <atomic>
#include <cstdio>
#include <filesystem>
#include <mutex>
#include <system_error>

#if __has_include(<unistd.h>)
#include <unistd.h>
#define QX_HAVE_POSIX 1
#endif

namespace qx {

namespace fs = std::filesystem;

namespace {

std::mutex gHookMutex;
std::function<bool(std::size_t)> gWriteFault;

bool WriteAllowed(std::size_t size)
{
    std::lock_guard lock(gHookMutex);
    return !gWriteFault || gWriteFault(size);
}

std::string TemporaryPathFor(const std::string& path)
{
    static std::atomic<unsigned> counter{0};
    unsigned long pid = 0;
#ifdef QX_HAVE_POSIX
    pid = static_cast<unsigned long>(::getpid());
#endif
    return path + ".tmp" + std::to_string(pid) + "." + std::to_string(counter++);
}

}  // namespace

void SetWriteFaultHookForTesting(std::function<bool(std::size_t)> hook)
{
    std::lock_guard lock(gHookMutex);
    gWriteFault = std::move(hook);
}

bool WriteFileAtomically(const std::string& path, const void* data, std::size_t size)
{
    const std::string temporary = TemporaryPathFor(path);
    std::FILE* file = std::fopen(temporary.c_str(), "wb");
    if (file == nullptr) return false;

    bool ok = WriteAllowed(size) &&
              (size == 0 || std::fwrite(data, 1, size, file) == size) &&
              std::fflush(file) == 0;
#ifdef QX_HAVE_POSIX
    // A full disk may only show when the data reach it.
    ok = ok && ::fsync(::fileno(file)) == 0;
#endif
    ok = (std::fclose(file) == 0) && ok;

    std::error_code ec;
    if (ok) {
        fs::rename(temporary, path, ec);
        ok = !ec;
    }
    if (!ok) fs::remove(temporary, ec);
    return ok;
}

bool ReadFileBytes(const std::string& path, std::vector<uint8_t>& bytes, std::size_t maxBytes)
{
    bytes.clear();
    std::error_code ec;
    // Refuse folders and other non-files: fopen would "open" a folder on some systems.
    if (fs::is_directory(path, ec)) return false;
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) return false;
    bytes.resize(maxBytes);
    std::size_t got = maxBytes == 0 ? 0 : std::fread(bytes.data(), 1, maxBytes, file);
    bool failed = std::ferror(file) != 0;
    std::fclose(file);
    if (failed) return false;
    bytes.resize(got);
    return true;
}

bool MayWriteFile(const std::string& path)
{
    std::error_code ec;
    auto perms = fs::status(path, ec).permissions();
    if (ec) return false;
    constexpr auto anyWrite = fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
    if ((perms & anyWrite) == fs::perms::none) return false;
#ifdef QX_HAVE_POSIX
    return ::access(path.c_str(), W_OK) == 0;
#else
    return true;
#endif
}

std::string JoinPath(const std::string& directory, const std::string& name)
{
    if (directory.empty()) return name;
    return (fs::path(directory) / name).string();
}

}  // namespace qx
