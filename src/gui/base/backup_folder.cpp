#include "gui/base/backup_folder.h"

#include <cstdlib>

#include "backups/backup_store.h"
#include "gui/base/app_context.h"
#include "gui/base/qt_window_services.h"

namespace qx {

QString BackupFolder(const AppContext& app)
{
    if (!app.backupFolder.isEmpty()) return app.backupFolder;
    return FromNativePath(DefaultBackupFolder(std::getenv("XDG_DATA_HOME"), std::getenv("HOME")));
}

}  // namespace qx
