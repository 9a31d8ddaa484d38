// qx720 fleet: one template written to many radios, each with its own identities.
#pragma once

#include <iosfwd>
#include <string>

#include "cli/commands.h"

namespace qx::cli {

struct FleetArguments {
    std::string templateFile;
    std::string unitsFile;
    std::string logFile = "fleet-log.csv";
    std::string backupDir = "fleet-backups";
    bool yes = false;         // no question before each unit
    bool force = false;       // write over a radio that holds another MMSI
    bool fullBackup = false;  // back up the whole EEPROM of each radio
    std::string sheetsDir;    // a commissioning sheet per unit (UNIT.pdf) after its verified write; "": none
    int jobs = 1;             // units programmed at the same time (above 1 needs yes)
};

// Questions are read from `in` (Enter goes on, s skips the unit, q stops the run). With jobs
// above 1, the units run at once, each on its own radio: "--radio usb:all" hands each the next
// free adaptor, a virtual radio needs "{unit}" in its file name.
int CmdFleet(Context& ctx, const FleetArguments& args, std::istream& in);

}  // namespace qx::cli
