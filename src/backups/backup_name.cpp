#include "backups/backup_name.h"

#include <cstdio>

namespace qx {

std::string BackupPath(const std::string& directory, const std::string& name, const LocalTime& time, int sequence)
{
    char stamp[48];
    std::snprintf(stamp, sizeof stamp, "-%04d%02d%02d-%02d%02d%02d", time.year, time.month, time.day, time.hour,
                  time.minute, time.second);
    const std::string suffix = sequence > 1 ? "-" + std::to_string(sequence) : std::string();
    return JoinPath(directory, name + stamp + suffix + ".bin");
}

CloneResult SaveBackupFile(const std::string& directory, const std::string& name, const LocalTime& time,
                           const std::vector<uint8_t>& bytes, std::string& path, SaveDetail* detail)
{
    return SaveNewFile([&](int sequence) { return BackupPath(directory, name, time, sequence); }, bytes.data(),
                       bytes.size(), path, detail);
}

}  // namespace qx
