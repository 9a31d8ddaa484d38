// The qx720 commands. Each returns the program's exit status.
#pragma once

#include <functional>
#include <iosfwd>
#include <memory>
#include <string>

#include "clone/hid_backend.h"
#include "sim/radio_option.h"

namespace qx::cli {

struct BackupChoice;  // cli/backup_commands.h

inline constexpr int kExitOk = 0;
inline constexpr int kExitFailed = 1;  // the operation failed or the radio differs
inline constexpr int kExitUsage = 2;   // a usage error or an invalid input file
inline constexpr int kExitCancelled = 130;

struct Context {
    RadioOption radio;
    std::ostream& out;
    std::ostream& err;
    bool progress = false;  // draw progress bars on stderr
    // The real adaptors' backend, made afresh for each radio; empty: hidapi. Tests put their
    // own devices here.
    std::function<std::unique_ptr<HidBackend>()> usbBackend = {};
};

int CmdHandShake(Context& ctx);
int CmdRead(Context& ctx, const std::string& output);
// Backs the radio up first unless the choice skips it; nothing is written when that fails.
// `force`: write over a radio that holds another valid MMSI or ATIS ID. `fullBackup`: keep the
// whole EEPROM, not just the clone range the write replaces.
int CmdWrite(Context& ctx, const std::string& file, bool adjustMode, const BackupChoice& backup, bool force,
             bool fullBackup);
int CmdVerify(Context& ctx, const std::string& file, const std::string& reportPath);
int CmdEepromRead(Context& ctx, const std::string& file);
// Backs the whole EEPROM up first (into the backups folder, or `backupDir`); `force`: write a dump
// whose identities replace the radio's.
int CmdEepromWrite(Context& ctx, const std::string& file, const std::string& backupDir, bool force);
int CmdEepromVerify(Context& ctx, const std::string& file);
int CmdDefaults(Context& ctx, const std::string& output, const std::string& model, const std::string& set);
int CmdChecksum(Context& ctx, const std::string& file);
int CmdExport(Context& ctx, const std::string& file, const std::string& output);
int CmdShow(Context& ctx, const std::string& file, bool json);
int CmdPlan(Context& ctx, const std::string& group);
int CmdDemo(Context& ctx);
int CmdDiff(Context& ctx, const std::string& fileA, const std::string& fileB, bool json);
int CmdDoctor(Context& ctx);

// Names accepted by defaults and plan.
int PrivateSetFromName(const std::string& name);  // -1 when unknown
int PlanGroupFromName(const std::string& name);   // -1 when unknown

}  // namespace qx::cli
