#include "files/atomic_file.h"

#include <cerrno>
#include <filesystem>
#include <mutex>
#include <system_error>

#include "files/file_system.h"

namespace qx {

namespace fs = std::filesystem;

namespace {

std::mutex gHookMutex;
std::function<bool(std::size_t)> gWriteFault;
std::function<bool()> gSyncFault;

bool WriteAllowed(std::size_t size)
{
    std::lock_guard lock(gHookMutex);
    return !gWriteFault || gWriteFault(size);
}

bool SyncAllowed()
{
    std::lock_guard lock(gHookMutex);
    return !gSyncFault || gSyncFault();
}

}  // namespace

void SetWriteFaultHookForTesting(std::function<bool(std::size_t)> hook)
{
    std::lock_guard lock(gHookMutex);
    gWriteFault = std::move(hook);
}

void SetSyncFaultHookForTesting(std::function<bool()> hook)
{
    std::lock_guard lock(gHookMutex);
    gSyncFault = std::move(hook);
}

namespace {

// Writes the data into a new temporary file beside `target` and closes it; "" when that failed,
// with the detail filled in.
std::string WriteTemporary(const std::string& target, const fsys::FileFacts* replaced, const void* data,
                           std::size_t size, SaveDetail& detail)
{
    std::string temporary;
    // A file that replaces another starts private and then takes the old file's permissions,
    // so that its data are never readable by more people than before.
    const int handle = fsys::CreateBeside(target, replaced != nullptr, temporary);
    if (handle < 0) {
        detail.reason = fsys::ErrorText();
        return {};
    }
    detail.created = true;
    bool ok = true;
    if (!WriteAllowed(size)) {
        fsys::SetError(ENOSPC);
        ok = false;
    }
    ok = ok && fsys::WriteAll(handle, data, size);
    if (ok && !SyncAllowed()) {
        fsys::SetError(ENOSPC);
        ok = false;
    }
    ok = ok && fsys::Sync(handle);
    if (ok && replaced != nullptr) fsys::Adopt(handle, *replaced);
    if (!ok) detail.reason = fsys::ErrorText();
    if (!fsys::Close(handle) && ok) {
        detail.reason = fsys::ErrorText();
        ok = false;
    }
    if (ok) return temporary;
    fsys::Remove(temporary);
    return {};
}

}  // namespace

CloneResult SaveFileAtomically(const std::string& path, const void* data, std::size_t size, SaveDetail* detail)
{
    SaveDetail scratch;
    SaveDetail& out = detail != nullptr ? *detail : scratch;
    out = SaveDetail{};
    const std::string target = fsys::ResolveLinks(path);
    if (target.empty()) {
        out.reason = "too many levels of symbolic links";
        return kResultWriteFileError;
    }
    const fsys::FileFacts replaced = fsys::Inspect(target);
    if (replaced.exists && !replaced.regular) {
        out.reason = "not a regular file";
        return kResultWriteFileError;
    }
    if (replaced.exists && !replaced.writable) return kResultReadOnly;

    const std::string temporary = WriteTemporary(target, replaced.exists ? &replaced : nullptr, data, size, out);
    if (temporary.empty()) return kResultWriteFileError;
    if (!fsys::Replace(temporary, target)) {
        out.reason = fsys::ErrorText();
        out.created = false;  // the file could not have its name: as good as never made
        fsys::Remove(temporary);
        return kResultWriteFileError;
    }
    return kResultOk;
}

bool WriteFileAtomically(const std::string& path, const void* data, std::size_t size)
{
    return SaveFileAtomically(path, data, size) == kResultOk;
}

CloneResult SaveNewFile(const std::function<std::string(int)>& pathFor, const void* data, std::size_t size,
                        std::string& savedPath, SaveDetail* detail)
{
    // More files of one name in one second than anyone makes; past it something is wrong.
    constexpr int kMostNames = 10000;
    SaveDetail scratch;
    SaveDetail& out = detail != nullptr ? *detail : scratch;
    out = SaveDetail{};
    savedPath.clear();
    const std::string first = pathFor(1);
    const std::string temporary = WriteTemporary(first, nullptr, data, size, out);
    if (temporary.empty()) return kResultWriteFileError;
    for (int n = 1; n <= kMostNames; ++n) {
        const std::string candidate = n == 1 ? first : pathFor(n);
        bool taken = false;
        if (fsys::PublishNew(temporary, candidate, taken)) {
            savedPath = candidate;
            return kResultOk;
        }
        if (!taken) {
            out.reason = fsys::ErrorText();
            out.created = false;
            break;
        }
    }
    if (out.reason.empty()) out.reason = "every name is taken";
    fsys::Remove(temporary);
    return kResultWriteFileError;
}

bool ReadFileBytes(const std::string& path, std::vector<uint8_t>& bytes, std::size_t maxBytes)
{
    return fsys::ReadRegularFile(path, bytes, maxBytes);
}

bool MayWriteFile(const std::string& path)
{
    const fsys::FileFacts facts = fsys::Inspect(path);
    return facts.exists && facts.writable;
}

bool MayCreateFilesIn(const std::string& folder, std::string& reason)
{
    if (fsys::MayCreateIn(folder)) return true;
    reason = fsys::ErrorText();
    return false;
}

std::string JoinPath(const std::string& directory, const std::string& name)
{
    if (directory.empty()) return name;
    return (fs::path(directory) / name).string();
}

}  // namespace qx
