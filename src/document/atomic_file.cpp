#include "document/atomic_file.h"

#include <filesystem>
#include <mutex>
#include <system_error>

#include "document/file_system.h"

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

CloneResult SaveFileAtomically(const std::string& path, const void* data, std::size_t size)
{
    const std::string target = fsys::ResolveLinks(path);
    if (target.empty()) return kResultWriteFileError;
    const fsys::FileFacts replaced = fsys::Inspect(target);
    if (replaced.exists && !replaced.regular) return kResultWriteFileError;
    if (replaced.exists && !replaced.writable) return kResultReadOnly;

    std::string temporary;
    // A file that replaces another starts private and then takes the old file's permissions,
    // so that its data are never readable by more people than before.
    const int handle = fsys::CreateBeside(target, replaced.exists, temporary);
    if (handle < 0) return kResultWriteFileError;

    bool ok = WriteAllowed(size) && fsys::WriteAll(handle, data, size) && SyncAllowed() && fsys::Sync(handle);
    if (ok && replaced.exists) fsys::Adopt(handle, replaced);
    ok = fsys::Close(handle) && ok;
    ok = ok && fsys::Replace(temporary, target);
    if (!ok) fsys::Remove(temporary);
    return ok ? kResultOk : kResultWriteFileError;
}

bool WriteFileAtomically(const std::string& path, const void* data, std::size_t size)
{
    return SaveFileAtomically(path, data, size) == kResultOk;
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

std::string JoinPath(const std::string& directory, const std::string& name)
{
    if (directory.empty()) return name;
    return (fs::path(directory) / name).string();
}

}  // namespace qx
