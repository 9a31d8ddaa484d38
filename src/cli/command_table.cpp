#include "cli/command_table.h"

#include <iostream>

#include "cli/backup_commands.h"
#include "cli/channel_commands.h"
#include "cli/identity_commands.h"

namespace qx::cli {

namespace {

// An option that names a file or folder: an empty name is a mistake, never "the default".
const CLI::Validator kNamesSomething(
    [](const std::string& value) { return value.empty() ? std::string("an empty name names nothing") : std::string(); },
    "", "not empty");

void CloneFileArgument(CLI::App& command, Arguments& args)
{
    command.add_option("file", args.file, "clone file")->required()->type_name("FILE.dat");
}

void CloneFileAndJson(CLI::App& command, Arguments& args)
{
    CloneFileArgument(command, args);
    command.add_flag("--json", args.json, "one JSON object");
}

void EepromFileArgument(CLI::App& command, Arguments& args)
{
    command.add_option("file", args.file, "EEPROM file")->required()->type_name("FILE.bin");
}

void OutputCloneFile(CLI::App& command, Arguments& args)
{
    command.add_option("-o,--output", args.output, "clone file to write")->required()->type_name("FILE.dat");
}

void NumberAndJson(CLI::App& command, Arguments& args)
{
    command.add_option("number", args.number, "the number")->required()->type_name("NUMBER");
    command.add_flag("--json", args.json, "one JSON object");
}

// --backup DIR of a command that backs the radio up before it changes it.
void BackupFolderOption(CLI::App& command, Arguments& args, const std::string& what)
{
    command
        .add_option("--backup", args.backup,
                    "keep the backup of " + what +
                        " in DIR (default $XDG_DATA_HOME/qx720/backups or ~/.local/share/qx720/backups)")
        ->type_name("DIR")
        ->check(kNamesSomething);
}

void DefineWrite(CLI::App& command, Arguments& args)
{
    CloneFileArgument(command, args);
    command.add_flag("--adjust-mode", args.adjustMode, "set the adjust mode flag (EEPROM byte 0x2FF = 1)");
    BackupFolderOption(command, args, "the radio's EEPROM taken before the write");
    command.add_flag("--no-backup", args.noBackup, "write without first backing up the radio");
    command.add_flag("--force", args.force, "write over a radio that holds another MMSI or ATIS ID");
    command.add_flag("--full-backup", args.fullBackup,
                     "back up the radio's whole EEPROM, not just the part the write replaces");
}

void DefineEepromWrite(CLI::App& command, Arguments& args)
{
    EepromFileArgument(command, args);
    BackupFolderOption(command, args, "the radio's whole EEPROM taken before the write");
    command.add_flag("--force", args.force, "write a dump whose MMSI or ATIS ID replaces the radio's");
}

void DefineRestore(CLI::App& command, Arguments& args)
{
    command.add_option("file", args.file, "a backup: a whole EEPROM, or the part of it a write replaced")
        ->required()
        ->type_name("BACKUP.bin");
    BackupFolderOption(command, args, "what the restore replaces");
    command.add_flag("--force", args.force, "restore a backup whose MMSI or ATIS ID replaces the radio's");
}

void DefineBackups(CLI::App& command, Arguments& args)
{
    command.add_option("--backup", args.backup, "list the backups in DIR instead of the default folder")
        ->type_name("DIR")
        ->check(kNamesSomething);
    command.add_flag("--json", args.json, "one JSON array");
}

void DefineChannelsExport(CLI::App& command, Arguments& args)
{
    CloneFileArgument(command, args);
    command.add_option("-o,--output", args.output, "CSV file (default standard output)")->type_name("OUT.csv");
}

void DefineChannelsImport(CLI::App& command, Arguments& args)
{
    command.add_option("base", args.file, "clone file")->required()->type_name("BASE.dat");
    command.add_option("csv", args.csv, "CSV file")->required()->type_name("IN.csv");
    command.add_option("-o,--output", args.output, "clone file to write (default BASE itself)")->type_name("OUT.dat");
    command.add_flag("--allow-empty", args.allowEmpty, "take a CSV with no rows: remove every private channel");
}

void DefineVerify(CLI::App& command, Arguments& args)
{
    CloneFileArgument(command, args);
    command.add_option("--report", args.report, "verify report (default ./Verify.txt)")->type_name("PATH");
}

void DefineDefaults(CLI::App& command, Arguments& args)
{
    OutputCloneFile(command, args);
    command.add_option("--model", args.model, "usa (default), eur-int or eur-int-usa")
        ->check(CLI::IsMember({"usa", "eur-int", "eur-int-usa"}));
    command.add_option("--set", args.set, "European private channel set (default none)")
        ->check(CLI::IsMember({"all", "uk", "denmark", "finland", "norway", "sweden", "holland", "belgium", "none"}));
}

void DefineExport(CLI::App& command, Arguments& args)
{
    CloneFileArgument(command, args);
    command.add_option("-o,--output", args.output, "table file")->type_name("PATH");
}

void DefinePlan(CLI::App& command, Arguments& args)
{
    command.add_option("group", args.group, "int, usa, can, int-narrow, usa-narrow, can-narrow or wx")
        ->required()
        ->check(CLI::IsMember({"int", "usa", "can", "int-narrow", "usa-narrow", "can-narrow", "wx"}));
}

void DefineDiff(CLI::App& command, Arguments& args)
{
    command.add_option("a", args.file, "first clone file")->required()->type_name("A.dat");
    command.add_option("b", args.fileB, "second clone file")->required()->type_name("B.dat");
    command.add_flag("--json", args.json, "one JSON object");
}

void DefineFleet(CLI::App& command, Arguments& args)
{
    FleetArguments& fleet = args.fleet;
    command.add_option("template", fleet.templateFile, "clone file")->required()->type_name("TEMPLATE.dat");
    command.add_option("units", fleet.unitsFile, "CSV file with the columns unit, mmsi and optionally atis")
        ->required()
        ->type_name("UNITS.csv");
    command.add_option("--log", fleet.logFile, "outcome of each unit (default ./fleet-log.csv)")
        ->type_name("LOG.csv")
        ->check(kNamesSomething);
    command.add_option("--backup", fleet.backupDir, "folder for each radio's EEPROM backup (default ./fleet-backups)")
        ->type_name("DIR")
        ->check(kNamesSomething);
    command.add_flag("--yes", fleet.yes, "do not ask before each unit");
    command
        .add_option("--jobs", fleet.jobs,
                    "program up to N units at once, each on its own radio (--radio usb:all, or a virtual radio "
                    "with {unit} in its file name); above 1 needs --yes")
        ->type_name("N")
        ->check(CLI::Range(1, 64));
    command.add_flag("--force", fleet.force, "write over a radio that holds another MMSI");
    command.add_flag("--full-backup", fleet.fullBackup,
                     "back up each radio's whole EEPROM, not just the part the write replaces");
    command
        .add_option("--sheets", fleet.sheetsDir,
                    "write each unit's commissioning sheet (UNIT.pdf) into DIR after its verified write")
        ->type_name("DIR")
        ->check(kNamesSomething);
}

void DefineSheet(CLI::App& command, Arguments& args)
{
    SheetArguments& sheet = args.sheet;
    CloneFileArgument(command, args);
    command.add_option("-o,--output", args.output, "PDF file to write")
        ->required()
        ->type_name("OUT.pdf")
        ->check(kNamesSomething);
    command.add_flag("--card", sheet.card, "the channel card instead of the commissioning sheet");
    command.add_option("--paper", sheet.paper, "a4 (default) or letter")->check(CLI::IsMember({"a4", "letter"}));
    command.add_option("--vessel", sheet.vessel, "the vessel's name (default a line to fill in)")->type_name("TEXT");
    command.add_option("--lang", sheet.language, "en (default), de, nl or fr")
        ->check(CLI::IsMember({"en", "de", "nl", "fr"}));
    command.add_option("--call-sign", sheet.callSign, "the vessel's call sign (default a line to fill in)")
        ->type_name("TEXT");
}

// clang-format off
const CommandRow kCommands[] = {
    {"", "handshake", "HandShake with the radio", nullptr,
     [](Context& c, const Arguments&) { return CmdHandShake(c); }},
    {"", "read", "Read from Radio, save the record as a clone file", OutputCloneFile,
     [](Context& c, const Arguments& a) { return CmdRead(c, a.output); }},
    {"", "write", "back the radio up, then Write to Radio from a clone file", DefineWrite,
     [](Context& c, const Arguments& a) {
         return CmdWrite(c, a.file, a.adjustMode, BackupChoice{a.noBackup, a.backup}, a.force, a.fullBackup);
     }},
    {"", "verify", "Verify the radio against a clone file", DefineVerify,
     [](Context& c, const Arguments& a) { return CmdVerify(c, a.file, a.report); }},
    {"", "eeprom", "whole 8192-byte EEPROM transfers", nullptr, nullptr},
    {"eeprom", "read", "whole 8192-byte EEPROM into a file", EepromFileArgument,
     [](Context& c, const Arguments& a) { return CmdEepromRead(c, a.file); }},
    {"eeprom", "write", "back the radio up, then an 8192-byte file into the whole EEPROM", DefineEepromWrite,
     [](Context& c, const Arguments& a) { return CmdEepromWrite(c, a.file, a.backup, a.force); }},
    {"eeprom", "verify", "compare the whole EEPROM with a file", EepromFileArgument,
     [](Context& c, const Arguments& a) { return CmdEepromVerify(c, a.file); }},
    {"", "defaults", "build a default record as the model wizard does", DefineDefaults,
     [](Context& c, const Arguments& a) { return CmdDefaults(c, a.output, a.model, a.set); }},
    {"", "checksum", "print CheckSum=0x%08X", CloneFileArgument,
     [](Context& c, const Arguments& a) { return CmdChecksum(c, a.file); }},
    {"", "export", "write the frequency table (default ./FreqTabl.txt)", DefineExport,
     [](Context& c, const Arguments& a) { return CmdExport(c, a.file, a.output); }},
    {"", "show", "print the record for people, or as JSON", CloneFileAndJson,
     [](Context& c, const Arguments& a) { return CmdShow(c, a.file, a.json); }},
    {"", "plan", "print a built-in group's channels as the main window lists them", DefinePlan,
     [](Context& c, const Arguments& a) { return CmdPlan(c, a.group); }},
    {"", "demo", "write, read and verify a virtual radio, showing each step", nullptr,
     [](Context& c, const Arguments&) { return CmdDemo(c); }},
    {"", "diff", "field-by-field difference of two clone files", DefineDiff,
     [](Context& c, const Arguments& a) { return CmdDiff(c, a.file, a.fileB, a.json); }},
    {"", "doctor", "check the clone adaptor, its permissions and the udev rule", nullptr,
     [](Context& c, const Arguments&) { return CmdDoctor(c); }},
    {"", "mmsi", "what kind of station an MMSI belongs to, and its country", NumberAndJson,
     [](Context& c, const Arguments& a) { return CmdMmsi(c, a.number, a.json); }},
    {"", "atis", "the country of an ATIS ID", NumberAndJson,
     [](Context& c, const Arguments& a) { return CmdAtis(c, a.number, a.json); }},
    {"", "restore", "back the radio up, then write a backup back into it", DefineRestore,
     [](Context& c, const Arguments& a) { return CmdRestore(c, a.file, a.backup, a.force); }},
    {"", "backups", "list the backups taken before each write, newest first", DefineBackups,
     [](Context& c, const Arguments& a) { return CmdBackups(c, a.backup, a.json); }},
    {"", "channels", "a clone file's private channels as CSV", nullptr, nullptr},
    {"channels", "export", "write the private channels as CSV", DefineChannelsExport,
     [](Context& c, const Arguments& a) { return CmdChannelsExport(c, a.file, a.output); }},
    {"channels", "import", "replace the private channels by a CSV file's rows", DefineChannelsImport,
     [](Context& c, const Arguments& a) { return CmdChannelsImport(c, a.file, a.csv, a.output, a.allowEmpty); }},
    {"", "sheet", "a commissioning sheet or a channel card of a clone file, as PDF", DefineSheet,
     [](Context& c, const Arguments& a) { return CmdSheet(c, a.file, a.output, a.sheet); }},
    {"", "fleet", "write one template to many radios, each with its own MMSI and ATIS ID", DefineFleet,
     [](Context& c, const Arguments& a) { return CmdFleet(c, a.fleet, std::cin); }},
};
// clang-format on

}  // namespace

std::span<const CommandRow> Commands() { return kCommands; }

void AddCommands(CLI::App& app, Arguments& args, std::vector<CLI::App*>& commands)
{
    commands.clear();
    for (const CommandRow& row : Commands()) {
        CLI::App* parent = *row.parent == '\0' ? &app : app.get_subcommand(row.parent);
        CLI::App* command = parent->add_subcommand(row.name, row.description);
        if (row.define != nullptr) row.define(*command, args);
        if (row.run == nullptr) command->require_subcommand(1);
        commands.push_back(command);
    }
}

int RunSelected(Context& ctx, const Arguments& args, const std::vector<CLI::App*>& commands)
{
    const std::span<const CommandRow> table = Commands();
    for (std::size_t i = 0; i < table.size(); ++i)
        if (table[i].run != nullptr && commands[i]->parsed()) return table[i].run(ctx, args);
    return kExitUsage;
}

}  // namespace qx::cli
