// The backups of the radio taken before every write: where they live and the list of those
// kept. Shared by the command line and the window; the backing up itself is an operation.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "clone/clock.h"
#include "model/radio_settings.h"
#include "result/clone_result.h"

namespace qx {

inline constexpr const char* kBackupBaseName = "qx720-backup";

// $XDG_DATA_HOME/qx720/backups, or ~/.local/share/qx720/backups when the variable is unset,
// empty or not an absolute path. Either argument may be null (unset). "" when neither gives
// a folder.
std::string DefaultBackupFolder(const char* xdgDataHome, const char* home);

// Creates the folder and any folder above it that is missing (the new ones private to the
// user). False with the reason when it cannot be made or is not a folder.
bool MakeBackupFolder(const std::string& folder, std::string& error);

// A backup holds the whole EEPROM (8192 bytes), or the clone range a write replaced (0x0100 to
// 0x06FF, 1536 bytes), which is what a write backs up by default.
inline constexpr int kCloneRangeBackupBytes = 0x0700 - 0x0100;
// The address a backup of `size` bytes starts at: 0 for a whole EEPROM (8192 bytes or more, as
// backups have always been read), 0x0100 for a clone range; -1 for any other size.
int BackupFirstAddress(std::uintmax_t size);

struct BackupEntry {
    LocalTime time;    // from the file name
    std::string mmsi;  // the MMSI in the dump's clone range; "" when none
    std::uintmax_t size = 0;
    std::string path;
    [[nodiscard]] bool Whole() const { return BackupFirstAddress(size) == 0; }
    [[nodiscard]] bool Usable() const { return BackupFirstAddress(size) >= 0; }
};

// The backups in `folder` (regular files named as a backup before a write names them, with a real date and
// time), newest first; empty when the folder does not exist.
std::vector<BackupEntry> ListBackups(const std::string& folder);

// Reads the file name's time: false for a name that is not a backup's or whose date and time
// no clock shows (month 13, 30 February, 25 o'clock).
bool ParseBackupName(const std::string& fileName, LocalTime& time, int& sequence);

// The MMSI that the clone range of a backup (whole or a clone range) holds; "" when it is of
// neither size or holds none.
std::string DumpMmsi(const std::vector<uint8_t>& dump);

// Reads a backup to be written back: exactly a whole EEPROM (8192 bytes; `first` 0) or a clone
// range (1536 bytes; `first` 0x0100). False with the problem, in plain English, when the file
// cannot be read or is neither.
bool LoadBackupDump(const std::string& path, std::vector<uint8_t>& dump, std::string& problem, int* first = nullptr);
// The settings a backup's clone range holds, decoded as a read from the radio decodes them.
// A longer whole dump shows its first 8192 bytes. False with the problem, in plain English;
// `record` is untouched then.
bool LoadBackupSettings(const std::string& path, RadioSettings& record, std::string& problem);

// "YYYY-MM-DD HH:MM:SS".
std::string BackupTimeText(const LocalTime& time);

}  // namespace qx
