#include "files/file_system.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <random>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

namespace qx::fsys {

namespace {

constexpr int kMaxLinkHops = 40;  // as the kernel's own limit
constexpr int kNameAttempts = 100;
constexpr std::size_t kRandomLength = 10;
constexpr std::size_t kReadChunk = 64 * 1024;

std::string DirectoryOf(const std::string& path)
{
    const auto slash = path.find_last_of('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string BaseOf(const std::string& path)
{
    const auto slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string RandomSuffix()
{
    static constexpr char kAlphabet[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    thread_local std::mt19937_64 generator{std::random_device{}()};
    std::uniform_int_distribution<std::size_t> pick(0, sizeof kAlphabet - 2);
    std::string suffix(kRandomLength, 'x');
    for (char& c : suffix) c = kAlphabet[pick(generator)];
    return suffix;
}

}  // namespace

std::string ResolveLinks(const std::string& path)
{
    std::string current = path;
    for (int hop = 0; hop < kMaxLinkHops; ++hop) {
        struct stat facts {};
        if (::lstat(current.c_str(), &facts) != 0 || !S_ISLNK(facts.st_mode)) return current;
        char target[PATH_MAX];
        const ssize_t length = ::readlink(current.c_str(), target, sizeof target - 1);
        if (length <= 0) return current;
        std::string next(target, static_cast<std::size_t>(length));
        current = next[0] == '/' ? next : DirectoryOf(current) + "/" + next;
    }
    return {};
}

FileFacts Inspect(const std::string& path)
{
    FileFacts facts;
    struct stat s {};
    if (::stat(path.c_str(), &s) != 0) return facts;
    facts.exists = true;
    facts.regular = S_ISREG(s.st_mode);
    facts.mode = s.st_mode & 07777;
    facts.owner = s.st_uid;
    facts.group = s.st_gid;
    // No write bit means read-only even for root, who would pass the access test.
    facts.writable = (s.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) != 0 && ::access(path.c_str(), W_OK) == 0;
    return facts;
}

int CreateBeside(const std::string& target, bool privateMode, std::string& createdPath)
{
    // "." NAME "." RANDOM must fit where NAME alone just fits.
    std::string base = BaseOf(target);
    if (base.size() + kRandomLength + 2 > NAME_MAX) base.resize(NAME_MAX - kRandomLength - 2);
    const std::string stem = DirectoryOf(target) + "/." + base + ".";
    const mode_t mode = privateMode ? 0600 : 0666;
    for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
        std::string candidate = stem + RandomSuffix();
        const int handle = ::open(candidate.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
        if (handle >= 0) {
            createdPath = std::move(candidate);
            return handle;
        }
        if (errno != EEXIST) return -1;
    }
    return -1;
}

bool WriteAll(int handle, const void* data, std::size_t size)
{
    const auto* bytes = static_cast<const char*>(data);
    while (size > 0) {
        const ssize_t written = ::write(handle, bytes, size);
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return false;
        bytes += written;
        size -= static_cast<std::size_t>(written);
    }
    return true;
}

bool Sync(int handle) { return ::fsync(handle) == 0; }

void Adopt(int handle, const FileFacts& replaced)
{
    // Owner first: a change of owner may clear the set-id bits that the mode then puts back.
    if (::geteuid() == 0) (void)::fchown(handle, replaced.owner, replaced.group);
    (void)::fchmod(handle, replaced.mode);
}

bool Close(int handle) { return ::close(handle) == 0; }

bool Replace(const std::string& from, const std::string& to)
{
    if (::rename(from.c_str(), to.c_str()) != 0) return false;
    const int folder = ::open(DirectoryOf(to).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder >= 0) {
        (void)::fsync(folder);
        ::close(folder);
    }
    return true;
}

bool PublishNew(const std::string& from, const std::string& to, bool& taken)
{
    taken = false;
#ifdef RENAME_NOREPLACE
    int renamed = ::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE);
#else
    // A C library without that rename: the browser build's, whose in-memory files have no hard
    // links either. The page's one thread owns that file system, so a look first is as safe.
    struct stat existing {};
    int renamed = -1;
    if (::lstat(to.c_str(), &existing) == 0)
        errno = EEXIST;
    else
        renamed = ::rename(from.c_str(), to.c_str());
#endif
    if (renamed != 0 && (errno == EINVAL || errno == ENOSYS)) {
        // A file system without that rename: a hard link refuses an existing name just as well.
        renamed = ::link(from.c_str(), to.c_str());
        if (renamed == 0) ::unlink(from.c_str());
    }
    if (renamed != 0) {
        taken = errno == EEXIST;
        return false;
    }
    const int folder = ::open(DirectoryOf(to).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder >= 0) {
        (void)::fsync(folder);
        ::close(folder);
    }
    return true;
}

void Remove(const std::string& path)
{
    const int saved = errno;  // a clean-up never hides why the save failed
    ::unlink(path.c_str());
    errno = saved;
}

bool ReadRegularFile(const std::string& path, std::vector<uint8_t>& bytes, std::size_t maxBytes)
{
    bytes.clear();
    // Non-blocking, so that opening a pipe with no writer returns at once to be refused.
    const int handle = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (handle < 0) return false;
    struct stat facts {};
    bool ok = ::fstat(handle, &facts) == 0 && S_ISREG(facts.st_mode);
    std::size_t got = 0;
    while (ok && got < maxBytes) {
        // The size it has now, and a chunk more for a file that grows while it is read.
        const std::size_t want = std::min(maxBytes,
                                          std::max(got + kReadChunk, static_cast<std::size_t>(facts.st_size)));
        if (bytes.size() < want) bytes.resize(want);
        const ssize_t n = ::read(handle, bytes.data() + got, want - got);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) ok = false;
        if (n <= 0) break;
        got += static_cast<std::size_t>(n);
    }
    ::close(handle);
    bytes.resize(ok ? got : 0);
    bytes.shrink_to_fit();
    return ok;
}

bool MayCreateIn(const std::string& folder)
{
    struct stat s {};
    if (::stat(folder.c_str(), &s) != 0) return false;
    if (!S_ISDIR(s.st_mode)) {
        errno = ENOTDIR;
        return false;
    }
    struct statvfs volume {};
    if (::statvfs(folder.c_str(), &volume) == 0 && (volume.f_flag & ST_RDONLY) != 0) {
        errno = EROFS;
        return false;
    }
    // As for files: no write bit is read-only, even for root, who passes the access test.
    if ((s.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) {
        errno = EACCES;
        return false;
    }
    return ::access(folder.c_str(), W_OK | X_OK) == 0;
}

int OpenForAppend(const std::string& path)
{
    return ::open(path.c_str(), O_RDWR | O_APPEND | O_CREAT | O_CLOEXEC, 0666);
}

bool TryLockExclusive(int handle, bool& busy)
{
    int locked = 0;
    do {
        locked = ::flock(handle, LOCK_EX | LOCK_NB);
    } while (locked != 0 && errno == EINTR);
    busy = locked != 0 && errno == EWOULDBLOCK;
    return locked == 0;
}

std::string RuntimeFolder()
{
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    struct stat given {};
    if (runtime != nullptr && runtime[0] == '/' && ::stat(runtime, &given) == 0 && S_ISDIR(given.st_mode))
        return runtime;
    const std::string folder = "/tmp/qx720-" + std::to_string(::getuid());
    if (::mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST) return {};
    // Someone else's folder under that name is no place for this user's locks.
    struct stat s {};
    if (::lstat(folder.c_str(), &s) != 0) return {};
    if (!S_ISDIR(s.st_mode) || s.st_uid != ::getuid()) {
        errno = EACCES;
        return {};
    }
    return folder;
}

int OpenLockFile(const std::string& path)
{
    return ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
}

void Overwrite(int handle, const std::string& text)
{
    if (::ftruncate(handle, 0) != 0) return;
    if (::pwrite(handle, text.data(), text.size(), 0) < 0) return;
}

std::string ReadSome(int handle, std::size_t maxBytes)
{
    std::string text(maxBytes, '\0');
    const ssize_t got = ::pread(handle, text.data(), maxBytes, 0);
    text.resize(got > 0 ? static_cast<std::size_t>(got) : 0);
    return text;
}

std::string ProcessName()
{
    std::string name = "this program";
    char path[PATH_MAX] = {};
    const ssize_t got = ::readlink("/proc/self/exe", path, sizeof path - 1);
    if (got > 0) name = BaseOf(std::string(path, static_cast<std::size_t>(got)));
    return name + " (process " + std::to_string(::getpid()) + ")";
}

int LastByte(int handle)
{
    struct stat s {};
    if (::fstat(handle, &s) != 0) return -2;
    if (s.st_size == 0) return -1;
    unsigned char last = 0;
    return ::pread(handle, &last, 1, s.st_size - 1) == 1 ? last : -2;
}

std::string ErrorText() { return std::strerror(errno); }

void SetError(int code) { errno = code; }

}  // namespace qx::fsys
