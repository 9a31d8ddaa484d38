// The table of qx720's commands: each one's place on the command line, its options and the
// function that runs it. The order of the table is the order of the help.
#pragma once

#include <CLI/CLI.hpp>

#include <span>
#include <string>

#include "cli/commands.h"
#include "cli/fleet_command.h"
#include "cli/sheet_command.h"

namespace qx::cli {

// Every command's arguments, as the parser fills them.
struct Arguments {
    std::string file, fileB, output, report, backup, group, number, csv;
    std::string model = "usa";
    std::string set = "none";
    bool adjustMode = false;
    bool noBackup = false;
    bool force = false;       // write: over a radio that holds another identity
    bool fullBackup = false;  // write: back up the whole EEPROM
    bool json = false;
    bool allowEmpty = false;
    FleetArguments fleet;
    SheetArguments sheet;
};

struct CommandRow {
    const char* parent;  // "" for a top-level command, else the group it belongs to ("eeprom")
    const char* name;
    const char* description;
    void (*define)(CLI::App& command, Arguments& args);  // its options; null for none
    int (*run)(Context& ctx, const Arguments& args);     // null for a group of commands
};

std::span<const CommandRow> Commands();

// Adds every command of the table to `app`; `commands[i]` is the table's row i.
void AddCommands(CLI::App& app, Arguments& args, std::vector<CLI::App*>& commands);

// Runs the one command the parse selected; kExitUsage when there is none.
int RunSelected(Context& ctx, const Arguments& args, const std::vector<CLI::App*>& commands);

}  // namespace qx::cli
