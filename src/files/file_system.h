// The few file-system calls that differ between platforms, behind plain functions. Everything
// above them (the atomic save, the file readers) is portable; another platform replaces the
// one file that implements these.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace qx::fsys {

// Follows symbolic links to the path they finally name, which need not exist yet (a dangling
// link names the file a save should create). Empty when the links loop.
std::string ResolveLinks(const std::string& path);

struct FileFacts {
    bool exists = false;
    bool regular = false;
    bool writable = false;  // the user may write it; never true without any write bit
    unsigned mode = 0;      // permission bits
    unsigned owner = 0;
    unsigned group = 0;
};
FileFacts Inspect(const std::string& path);

// A new, hidden file with an unpredictable name beside `target`, created exclusively (never
// through an existing name or link); the name is shortened to fit when the target's is long.
// -1 when it cannot be made. Every failure here leaves the system's reason in ErrorText().
int CreateBeside(const std::string& target, bool privateMode, std::string& createdPath);
bool WriteAll(int handle, const void* data, std::size_t size);
bool Sync(int handle);
// Gives a new file what the file it replaces had: its permission bits and, where the user may
// (root), its owner and group. Best effort: a file system that stores neither keeps its own.
void Adopt(int handle, const FileFacts& replaced);
bool Close(int handle);
// Renames over the target in one step, then makes the rename itself durable.
bool Replace(const std::string& from, const std::string& to);
// Gives a finished file the name `to` only if nothing has that name (not even a dangling link),
// checked and done in one step; `taken` tells a name in use from other failures.
bool PublishNew(const std::string& from, const std::string& to, bool& taken);
void Remove(const std::string& path);

// Reads at most `maxBytes` of a regular file; anything else (a folder, a pipe, a device) is
// refused without waiting on it. Memory grows with what the file holds, not with the limit.
bool ReadRegularFile(const std::string& path, std::vector<uint8_t>& bytes, std::size_t maxBytes);

// Whether the user may make files in a folder: no write bit means no, even for root, and a
// folder on a read-only file system says no as well. False with the reason in ErrorText().
bool MayCreateIn(const std::string& folder);

// Opens a file for reading and appending, creating it when missing. -1 when it cannot be opened.
int OpenForAppend(const std::string& path);
// Takes the exclusive advisory lock of an open file without waiting: false when another open
// of the file holds it (`busy`) or locks are not to be had.
bool TryLockExclusive(int handle, bool& busy);
// The user's own folder for run-time files that vanish at log-out: $XDG_RUNTIME_DIR when it is
// an absolute path to a folder, otherwise a private folder of the user's under the system's temporary
// folder (made when missing). "" with the reason in ErrorText() when neither can be had.
std::string RuntimeFolder();
// Opens (creating it private to the user) a file that only ever holds a lock and its holder's
// name. -1 when it cannot be opened.
int OpenLockFile(const std::string& path);
// Replaces the whole content of an open file with `text` (best effort: the holder's name).
void Overwrite(int handle, const std::string& text);
// Reads at most `maxBytes` from the start of an open file.
std::string ReadSome(int handle, std::size_t maxBytes);
// "qx720 (process 1234)": this process, as another program is told of it.
std::string ProcessName();

// The file's last byte, -1 for an empty file, -2 when it cannot be read.
int LastByte(int handle);

// The system's text for the last failure of a call above ("No space left on device").
std::string ErrorText();
// Sets that failure, for the faults tests inject.
void SetError(int code);

}  // namespace qx::fsys
