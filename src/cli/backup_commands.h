// The backup taken before every qx720 write, and qx720 backups.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "backups/backup_store.h"
#include "cli/commands.h"

namespace qx::cli {

// --backup DIR / --no-backup of qx720 write.
struct BackupChoice {
    bool skip = false;
    std::string folder;  // "" for the default folder
};

// The folder this write backs up into ("" when skipped). False, after telling the user, when
// a chosen folder does not exist or no default folder can be found.
bool ResolveBackupFolder(Context& ctx, const BackupChoice& choice, std::string& folder);

// The backups, newest first: time, MMSI or "-", size, kind, path; or one JSON array.
int CmdBackups(Context& ctx, const std::string& folder, bool json);

// Bytes from a file (a dump, a backup) into the radio: the backups folder (or `backupDir`), the
// radio, then the change through the gate with exactly what it replaces kept first. Returns the
// exit status.
int WriteBytesKeepingWhatTheyReplace(Context& ctx, int first, std::vector<uint8_t> bytes, const std::string& backupDir,
                                     bool force, const std::string& file, const char* done);

// Writes a backup (a whole EEPROM, or the clone range a write kept) back into the radio, after
// backing up what it replaces into `backupDir` (default: the backups folder). A backup whose
// identities replace the radio's goes on only with `force`.
int CmdRestore(Context& ctx, const std::string& file, const std::string& backupDir, bool force);

}  // namespace qx::cli
