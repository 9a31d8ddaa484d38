#include "operations/backup_operations.h"

#include "backups/backup_name.h"
#include "files/atomic_file.h"
#include "operations/eeprom_operations.h"

namespace qx {

BackupResult BackUpRadio(const OperationContext& run, const std::string& folder, const LocalTime& time,
                         const std::string& name)
{
    BackupResult out;
    if (!MakeBackupFolder(folder, out.problem)) {
        out.result = kResultOpenFileError;
        return out;
    }
    out.result = ReadEeprom(run, out.eeprom);
    if (out.result != kResultOk) return out;
    out.radio = ImageIdentities(out.eeprom);
    SaveDetail detail;
    out.result = SaveBackupFile(folder, name, time, out.eeprom, out.path, &detail);
    if (out.result != kResultOk) {
        out.reason = detail.reason;
        out.problem = BackupPath(folder, name, time, 1) + ": the backup could not be written" +
                      (detail.reason.empty() ? "" : ": " + detail.reason);
    }
    return out;
}

}  // namespace qx
