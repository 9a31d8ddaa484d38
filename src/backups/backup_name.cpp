#include "backups/backup_name.h"

#include <cstdio>
#include <filesystem>
#include <system_error>

#include "document/atomic_file.h"

namespace qx {

std::string TimestampedBackupPath(const std::string& directory, const std::string& name, const LocalTime& time)
{
    char stamp[48];
    std::snprintf(stamp, sizeof stamp, "-%04d%02d%02d-%02d%02d%02d", time.year, time.month, time.day, time.hour,
                  time.minute, time.second);
    const std::string base = name + stamp;
    std::string path = JoinPath(directory, base + ".bin");
    std::error_code ec;
    // symlink_status: a dangling link is taken too, so nothing is ever written through it.
    for (int n = 2; std::filesystem::exists(std::filesystem::symlink_status(path, ec)); ++n)
        path = JoinPath(directory, base + "-" + std::to_string(n) + ".bin");
    return path;
}

}  // namespace qx
