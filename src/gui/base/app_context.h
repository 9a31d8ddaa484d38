// The program-wide objects that live from start-up to exit, handed to the main window and
// the service dialogs (tests build their own around a virtual radio).
#pragma once

#include <QString>
#include <cstdint>

class QSettings;

#include "clone/clone_environment.h"
#include "clone/clone_event.h"
#include "gui/base/window_services.h"

namespace qx {

class RadioJobRunner;

struct AppContext {
    WindowServices& services;
    CloneEnvironment& clone;        // adaptor, stop event, write and read images, timings, clock
    int32_t& adjustMode;            // the User dialog's "Adjust Mode.", off at every start
    QString startDirectory;         // the current directory when the main window was created
    QString stateFilePath;          // the executable's base name plus ".Bin" in the start directory
    RadioJobRunner& radioJobs;      // runs every exchange with the radio, one at a time
    bool virtualRadio = false;      // the adaptor is a virtual radio (--radio virtual:FILE)
    QString backupFolder = {};      // where backups before writes go; empty: the default folder
    QSettings* settings = nullptr;  // the user's choices kept across runs; none: not kept
};

}  // namespace qx
