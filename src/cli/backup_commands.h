// The backup taken before every qx720 write, and qx720 backups.
#pragma once

#include <string>

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

// The backups, newest first: time, MMSI or "-", size, path; or one JSON array.
int CmdBackups(Context& ctx, const std::string& folder, bool json);

}  // namespace qx::cli
