// qx720: scripted reading, writing and verifying of the QX720 through the same core as the
// desktop program, plus conversions and a demo on a virtual radio.
#include <CLI/CLI.hpp>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iostream>

#include "cli/backup_commands.h"
#include "cli/channel_commands.h"
#include "cli/commands.h"
#include "cli/fleet_command.h"
#include "cli/identity_commands.h"
#include "cli/terminal_progress.h"

namespace {

using namespace qx::cli;

int Run(int argc, char** argv)
{
    CLI::App app{"qx720 - program the QX720 marine VHF handset through its USB clone adaptor.\n"
                 "Exit status: 0 success, 1 the operation failed or the radio differs, 2 usage error or\n"
                 "invalid input file, 130 cancelled with Ctrl-C.",
                 "qx720"};
    app.require_subcommand(1);
    app.fallthrough();
    app.set_version_flag("--version", "qx720 1.10");
    app.footer("Examples:\n"
               "  qx720 demo\n"
               "  qx720 read -o boat.dat\n"
               "  qx720 --radio virtual:radio.bin write boat.dat\n"
               "  qx720 defaults -o uk.dat --model eur-int --set uk");

    std::string radioText = "usb";
    app.add_option("--radio", radioText,
                   "usb (default) or virtual:FILE[,unplug-after=N|corrupt=N|silent|fast]: a virtual radio whose "
                   "8192-byte EEPROM lives in FILE")
        ->type_name("RADIO");

    std::string file, output, report, model = "usa", set = "none", group, backup, fileB;
    bool adjust = false, json = false, noBackup = false;

    auto* handshake = app.add_subcommand("handshake", "HandShake with the radio");
    auto* read = app.add_subcommand("read", "Read from Radio, save the record as a clone file");
    read->add_option("-o,--output", output, "clone file to write")->required()->type_name("FILE.dat");
    auto* write = app.add_subcommand("write", "back the radio up, then Write to Radio from a clone file");
    write->add_option("file", file, "clone file")->required()->type_name("FILE.dat");
    write->add_flag("--adjust-mode", adjust, "set the adjust mode flag (EEPROM byte 0x2FF = 1)");
    write->add_option("--backup", backup,
                      "keep the backup of the radio's EEPROM taken before the write in DIR (default "
                      "$XDG_DATA_HOME/qx720/backups or ~/.local/share/qx720/backups)")
        ->type_name("DIR");
    write->add_flag("--no-backup", noBackup, "write without first backing up the radio");
    auto* verify = app.add_subcommand("verify", "Verify the radio against a clone file");
    verify->add_option("file", file, "clone file")->required()->type_name("FILE.dat");
    verify->add_option("--report", report, "verify report (default ./Verify.txt)")->type_name("PATH");

    auto* eeprom = app.add_subcommand("eeprom", "whole 8192-byte EEPROM transfers");
    eeprom->require_subcommand(1);
    auto* eRead = eeprom->add_subcommand("read", "whole 8192-byte EEPROM into a file");
    auto* eWrite = eeprom->add_subcommand("write", "a file into the whole EEPROM");
    auto* eVerify = eeprom->add_subcommand("verify", "compare the whole EEPROM with a file");
    for (auto* sub : {eRead, eWrite, eVerify}) sub->add_option("file", file, "EEPROM file")->required()->type_name("FILE.bin");

    auto* defaults = app.add_subcommand("defaults", "build a default record as the model wizard does");
    defaults->add_option("-o,--output", output, "clone file to write")->required()->type_name("FILE.dat");
    defaults->add_option("--model", model, "usa (default), eur-int or eur-int-usa")
        ->check(CLI::IsMember({"usa", "eur-int", "eur-int-usa"}));
    defaults->add_option("--set", set, "European private channel set (default none)")
        ->check(CLI::IsMember({"all", "uk", "denmark", "finland", "norway", "sweden", "holland", "belgium", "none"}));

    auto* checksum = app.add_subcommand("checksum", "print CheckSum=0x%08X");
    checksum->add_option("file", file, "clone file")->required()->type_name("FILE.dat");
    auto* exportCmd = app.add_subcommand("export", "write the frequency table (default ./FreqTabl.txt)");
    exportCmd->add_option("file", file, "clone file")->required()->type_name("FILE.dat");
    exportCmd->add_option("-o,--output", output, "table file")->type_name("PATH");
    auto* show = app.add_subcommand("show", "print the record for people, or as JSON");
    show->add_option("file", file, "clone file")->required()->type_name("FILE.dat");
    show->add_flag("--json", json, "one JSON object");
    auto* plan = app.add_subcommand("plan", "print a built-in group's channels as the main window lists them");
    plan->add_option("group", group, "int, usa, can, int-narrow, usa-narrow, can-narrow or wx")
        ->required()
        ->check(CLI::IsMember({"int", "usa", "can", "int-narrow", "usa-narrow", "can-narrow", "wx"}));
    auto* demo = app.add_subcommand("demo", "write, read and verify a virtual radio, showing each step");
    auto* diff = app.add_subcommand("diff", "field-by-field difference of two clone files");
    diff->add_option("a", file, "first clone file")->required()->type_name("A.dat");
    diff->add_option("b", fileB, "second clone file")->required()->type_name("B.dat");
    diff->add_flag("--json", json, "one JSON object");
    auto* doctor = app.add_subcommand("doctor", "check the clone adaptor, its permissions and the udev rule");
    std::string number;
    auto* mmsi = app.add_subcommand("mmsi", "what kind of station an MMSI belongs to, and its country");
    auto* atis = app.add_subcommand("atis", "the country of an ATIS ID");
    for (auto* sub : {mmsi, atis}) {
        sub->add_option("number", number, "the number")->required()->type_name("NUMBER");
        sub->add_flag("--json", json, "one JSON object");
    }
    BackupsCommand backupsArgs;
    AddBackupsCommand(app, backupsArgs);
    ChannelsCommand channelsArgs;
    AddChannelsCommand(app, channelsArgs);
    FleetArguments fleetArgs;
    auto* fleet = app.add_subcommand("fleet", "write one template to many radios, each with its own MMSI and ATIS ID");
    fleet->add_option("template", fleetArgs.templateFile, "clone file")->required()->type_name("TEMPLATE.dat");
    fleet->add_option("units", fleetArgs.unitsFile, "CSV file with the columns unit, mmsi and optionally atis")
        ->required()
        ->type_name("UNITS.csv");
    fleet->add_option("--log", fleetArgs.logFile, "outcome of each unit (default ./fleet-log.csv)")->type_name("LOG.csv");
    fleet->add_option("--backup", fleetArgs.backupDir, "folder for each radio's EEPROM backup (default ./fleet-backups)")
        ->type_name("DIR");
    fleet->add_flag("--yes", fleetArgs.yes, "do not ask before each unit");
    fleet->add_flag("--force", fleetArgs.force, "write over a radio that holds another MMSI");

    try {
        app.parse(argc, argv);
    } catch (const CLI::CallForHelp& e) {
        return app.exit(e);
    } catch (const CLI::CallForAllHelp& e) {
        return app.exit(e);
    } catch (const CLI::CallForVersion& e) {
        return app.exit(e);
    } catch (const CLI::ParseError& e) {
        std::vector<std::string> left = app.remaining();
        if (app.get_subcommands().empty() && !left.empty() && left.front().rfind("-", 0) != 0)
            std::cerr << "qx720: unknown command \"" << left.front() << "\"\n";
        else
            std::cerr << "qx720: " << e.what() << "\n";
        std::cerr << "Run \"qx720 --help\" for the commands and their arguments.\n";
        return kExitUsage;
    }

    Context ctx{RadioOption{}, std::cout, std::cerr, TerminalProgress::StreamIsTerminal(stderr)};
    std::string error;
    if (!ParseRadioOption(radioText, ctx.radio, error)) {
        std::cerr << "qx720: " << error << "\n";
        return kExitUsage;
    }

    if (*handshake) return CmdHandShake(ctx);
    if (*read) return CmdRead(ctx, output);
    if (*write) return CmdWrite(ctx, file, adjust, BackupChoice{noBackup, backup});
    if (*verify) return CmdVerify(ctx, file, report);
    if (*eRead) return CmdEepromRead(ctx, file);
    if (*eWrite) return CmdEepromWrite(ctx, file);
    if (*eVerify) return CmdEepromVerify(ctx, file);
    if (*defaults) return CmdDefaults(ctx, output, model, set);
    if (*checksum) return CmdChecksum(ctx, file);
    if (*exportCmd) return CmdExport(ctx, file, output);
    if (*show) return CmdShow(ctx, file, json);
    if (*plan) return CmdPlan(ctx, group);
    if (*demo) return CmdDemo(ctx);
    if (*diff) return CmdDiff(ctx, file, fileB, json);
    if (*doctor) return CmdDoctor(ctx);
    if (*mmsi) return CmdMmsi(ctx, number, json);
    if (*atis) return CmdAtis(ctx, number, json);
    if (*fleet) return CmdFleet(ctx, fleetArgs, std::cin);
    if (*backupsArgs.command) return CmdBackups(ctx, backupsArgs.folder, backupsArgs.json);
    if (int status = RunChannelsCommand(ctx, channelsArgs); status >= 0) return status;
    return kExitUsage;
}

}  // namespace

int main(int argc, char** argv)
{
    int status = Run(argc, argv);
    // Output that never reached its file (a full disk, a closed pipe) is a failure, not success.
    std::cout.flush();
    if (!std::cout || std::fflush(stdout) != 0 || std::ferror(stdout)) {
        std::cerr << "qx720: cannot write the output: " << std::strerror(errno) << "\n";
        return status == kExitOk ? kExitFailed : status;
    }
    return status;
}
