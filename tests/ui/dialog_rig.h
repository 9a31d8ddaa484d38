// What the service dialogs run against: a virtual radio behind the adaptor, the program-wide
// objects around it, scripted window services and a scratch start directory.
#pragma once

#include <QString>

#include "../support/temp_dir.h"
#include "clone/hid_adaptor.h"
#include "clone/pc_clone.h"
#include "gui/base/app_context.h"
#include "gui/base/radio_job_runner.h"
#include "scripted_services.h"
#include "sim/virtual_adaptor.h"
#include "sim/virtual_radio.h"

namespace qx::test {

struct DialogRig {
    VirtualRadio radio;
    VirtualHidBackend backend{radio};
    CHidAdaptor adaptor{backend};
    ManualResetEvent stopEvent;
    ManualResetEvent busyEvent;
    RadioImage writeImage{};
    RadioImage readImage{};
    int32_t adjustMode = 0;
    CloneEnvironment environment{
        adaptor, stopEvent, writeImage, readImage, adjustMode, SystemLocalTime, CloneTiming{50, 0, 20}};
    TempDir folder;
    RadioJobRunner radioJobs{stopEvent};
    ScriptedServices services;
    AppContext app{services,
                   environment,
                   busyEvent,
                   adjustMode,
                   QString::fromStdString(folder.Path()),
                   QString::fromStdString(folder.File("QX720Clone.Bin")),
                   radioJobs};

    explicit DialogRig(const std::string& label = "dialog") : folder(label)
    {
        services.currentDirectory = app.startDirectory;
    }
    QString File(const char* name) const { return QString::fromStdString(folder.File(name)); }
};

}  // namespace qx::test
