// What the service dialogs run against: a virtual radio behind the adaptor, the program-wide
// objects around it, scripted window services and a scratch start directory.
#pragma once

#include <QString>

#include "../support/temp_dir.h"
#include "backends/radio_stack.h"
#include "gui/base/app_context.h"
#include "gui/base/radio_job_runner.h"
#include "scripted_services.h"
#include "sim/virtual_adaptor.h"
#include "sim/virtual_radio.h"

namespace qx::test {

struct DialogRig {
    VirtualRadio radio;
    VirtualHidBackend backend{radio};
    RadioStack stack{backend, CloneTiming{50, 0, 20}};
    CHidAdaptor& adaptor = stack.Adaptor();
    ManualResetEvent& stopEvent = stack.StopEvent();
    CloneEnvironment& environment = stack.Environment();
    int32_t& adjustMode = stack.AdjustMode();
    TempDir folder;
    RadioJobRunner radioJobs{stopEvent};
    ScriptedServices services;
    AppContext app{services,
                   environment,
                   adjustMode,
                   QString::fromStdString(folder.Path()),
                   QString::fromStdString(folder.File("QX720Clone.Bin")),
                   radioJobs};

    explicit DialogRig(const std::string& label = "dialog") : folder(label)
    {
        services.currentDirectory = app.startDirectory;
        // Backups before writes stay in the scratch folder, never the user's own.
        app.backupFolder = File("backups");
    }
    QString File(const char* name) const { return QString::fromStdString(folder.File(name)); }
};

}  // namespace qx::test
