#include "cli/backup_commands.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <ostream>
#include <system_error>

#include "cli/record_view.h"

namespace qx::cli {

namespace {

std::string DefaultFolder() { return DefaultBackupFolder(std::getenv("XDG_DATA_HOME"), std::getenv("HOME")); }

std::string IsoTime(const LocalTime& t)
{
    std::string text = BackupTimeText(t);
    text[10] = 'T';
    return text;
}

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
    // Only whole dumps: a file of another size by a backup's name is nothing to restore from.
    std::vector<BackupEntry> list = ListBackups(folder);
    std::erase_if(list, [](const BackupEntry& b) { return b.size != static_cast<std::uintmax_t>(kEepromSize); });
    if (json) {
        Json out = Json::array();
        for (const BackupEntry& b : list)
            out.push_back({{"time", IsoTime(b.time)},
                           {"mmsi", b.mmsi.empty() ? Json(nullptr) : Json(b.mmsi)},
                           {"size", b.size},
                           {"path", b.path}});
        ctx.out << out.dump(2, ' ', false, Json::error_handler_t::replace) << "\n";
        return kExitOk;
    }
    if (list.empty()) {
        ctx.err << "No backups in " << folder << "\n";
        return kExitOk;
    }
    for (const BackupEntry& b : list) {
        char line[96];
        std::snprintf(line, sizeof line, "%s  %-9s  %6ju  ", BackupTimeText(b.time).c_str(),
                      b.mmsi.empty() ? "-" : b.mmsi.c_str(), b.size);
        ctx.out << line << b.path << "\n";
    }
    return kExitOk;
}

}  // namespace qx::cli
