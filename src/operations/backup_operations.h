// Backing the radio up before it is written: the whole EEPROM into a new file of the backups
// folder, or what a write must know of the radio when no backup is wanted.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "backups/backup_store.h"
#include "clone/clock.h"
#include "identity/radio_identity.h"
#include "operations/operation_context.h"
#include "result/clone_result.h"

namespace qx {

struct BackupResult {
    CloneResult result = kResultOk;
    std::string path;             // the backup's file, when it was made
    std::string problem;          // what went wrong with the file or the folder, for the user
    std::string reason;           // the system's own words for a file that could not be written
    RadioIdentities radio;        // the identities the radio held, once it was read
    std::vector<uint8_t> eeprom;  // the whole EEPROM, when it was read
};

// Reads the radio's whole EEPROM into a new NAME-YYYYMMDD-HHMMSS.bin in `folder`, creating the
// folder on first use. A backup that is not complete on disk is no backup: result is non-zero
// and the caller must not write to the radio.
BackupResult BackUpRadio(const OperationContext& run, const std::string& folder, const LocalTime& time,
                         const std::string& name = kBackupBaseName);

}  // namespace qx
