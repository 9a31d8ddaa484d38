#include "cli/backup_commands.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <ostream>
#include <system_error>

#include "cli/command_support.h"
#include "cli/record_view.h"
#include "identity/radio_identity.h"
#include "operations/radio_gate.h"

namespace qx::cli {

namespace {

std::string DefaultFolder() { return DefaultBackupFolder(std::getenv("XDG_DATA_HOME"), std::getenv("HOME")); }

std::string IsoTime(const LocalTime& t)
{
    std::string text = BackupTimeText(t);
    text[10] = 'T';
    return text;
}

// A whole EEPROM, or the clone range a write replaced (a write's default backup).
const char* Kind(const BackupEntry& b) { return b.Whole() ? "whole EEPROM" : "clone range"; }

}  // namespace

bool ResolveBackupFolder(Context& ctx, const BackupChoice& choice, std::string& folder)
{
    folder.clear();
    if (choice.skip && !choice.folder.empty()) {
        ctx.err << "qx720: --backup and --no-backup exclude each other\n";
        return false;
    }
    if (choice.skip) return true;
    if (!choice.folder.empty()) {
        std::error_code ec;
        if (!std::filesystem::is_directory(choice.folder, ec)) {
            ctx.err << "--backup " << choice.folder << ": no such folder\n";
            return false;
        }
        folder = choice.folder;
        return true;
    }
    folder = DefaultFolder();
    if (folder.empty()) {
        ctx.err << "No folder for the backup before the write: neither XDG_DATA_HOME nor HOME is set. Choose one "
                   "with --backup DIR, or write without a backup with --no-backup.\n";
        return false;
    }
    return true;
}

int CmdBackups(Context& ctx, const std::string& chosen, bool json)
{
    const std::string folder = chosen.empty() ? DefaultFolder() : chosen;
    if (folder.empty()) {
        ctx.err << "No backups folder: neither XDG_DATA_HOME nor HOME is set. Name one with --backup DIR.\n";
        return kExitUsage;
    }
    // A folder named on the command line must be there: a typing error is no empty list.
    std::error_code ec;
    if (!chosen.empty() && !std::filesystem::is_directory(chosen, ec)) {
        ctx.err << "--backup " << chosen << ": no such folder\n";
        return kExitUsage;
    }
    // Only backups: a file of another size by a backup's name is nothing to restore from.
    std::vector<BackupEntry> list = ListBackups(folder);
    std::erase_if(list, [](const BackupEntry& b) { return !b.Usable(); });
    if (json) {
        Json out = Json::array();
        for (const BackupEntry& b : list)
            out.push_back({{"time", IsoTime(b.time)},
                           {"mmsi", b.mmsi.empty() ? Json(nullptr) : Json(b.mmsi)},
                           {"size", b.size},
                           {"kind", Kind(b)},
                           {"path", b.path}});
        ctx.out << out.dump(2, ' ', false, Json::error_handler_t::replace) << "\n";
        return kExitOk;
    }
    if (list.empty()) {
        ctx.err << "No backups in " << folder << "\n";
        return kExitOk;
    }
    for (const BackupEntry& b : list) {
        char line[128];
        std::snprintf(line, sizeof line, "%s  %-9s  %6ju  %-12s  ", BackupTimeText(b.time).c_str(),
                      b.mmsi.empty() ? "-" : b.mmsi.c_str(), b.size, Kind(b));
        ctx.out << line << b.path << "\n";
    }
    return kExitOk;
}

int CmdRestore(Context& ctx, const std::string& file, const std::string& backupDir, bool force)
{
    std::vector<uint8_t> dump;
    std::string problem;
    int first = 0;
    if (!LoadBackupDump(file, dump, problem, &first)) {
        ctx.err << "Unknown File Format.\n" << problem << "\nNothing was written to the radio.\n";
        return kExitUsage;
    }
    return WriteBytesKeepingWhatTheyReplace(ctx, first, std::move(dump), backupDir, force, file, "Restore OK.");
}

int WriteBytesKeepingWhatTheyReplace(Context& ctx, int first, std::vector<uint8_t> bytes, const std::string& backupDir,
                                     bool force, const std::string& file, const char* done)
{
    std::string folder;
    if (!ResolveBackupFolder(ctx, BackupChoice{false, backupDir}, folder)) return kExitUsage;
    auto session = OpenSession(ctx);
    if (!session) return kExitUsage;
    CliOperation run(ctx, *session);
    ops::BackupPlan plan;
    plan.kind = ops::BackupKind::Written;
    plan.folder = folder;
    plan.time = SystemLocalTime();
    return ChangeRadioAndTell(ctx, *session, run, ops::RadioChange::Bytes(first, std::move(bytes)), std::move(plan),
                              force, file, done);
}

}  // namespace qx::cli
