// Where the window keeps the backups it takes before a write to the radio.
#pragma once

#include <QString>

namespace qx {

struct AppContext;

// The app context's folder, or the default one ("" when neither XDG_DATA_HOME nor HOME is set).
QString BackupFolder(const AppContext& app);

}  // namespace qx
