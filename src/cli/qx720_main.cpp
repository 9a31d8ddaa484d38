// qx720: scripted reading, writing and verifying of the QX720 through the same core as the
// desktop program, plus conversions and a demo on a virtual radio.
#include <CLI/CLI.hpp>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <iostream>

#include "cli/command_table.h"
#include "cli/commands.h"
#include "cli/terminal_progress.h"

namespace {

using namespace qx::cli;
using qx::ParseRadioOption;
using qx::RadioOption;

int ParseFailure(CLI::App& app, const CLI::ParseError& e)
{
    std::vector<std::string> left = app.remaining();
    if (app.get_subcommands().empty() && !left.empty() && left.front().rfind('-', 0) != 0)
        std::cerr << "qx720: unknown command \"" << left.front() << "\"\n";
    else
        std::cerr << "qx720: " << e.what() << "\n";
    std::cerr << "Run \"qx720 --help\" for the commands and their arguments.\n";
    return kExitUsage;
}

int Run(int argc, char** argv)
{
    CLI::App app{
        "qx720 - program the QX720 marine VHF handset through its USB clone adaptor.\n"
        "Exit status: 0 success, 1 the operation failed or the radio differs, 2 usage error or\n"
        "invalid input file, 130 cancelled with Ctrl-C.\n"
        "Its messages are in English whatever the desktop's language, so that scripts can read them;\n"
        "the desktop program QX720Clone speaks German, Dutch and French too.",
        "qx720"};
    app.require_subcommand(1);
    app.fallthrough();
    app.set_version_flag("--version", "qx720 1.10");
    app.footer(
        "Examples:\n"
        "  qx720 demo\n"
        "  qx720 read -o boat.dat\n"
        "  qx720 --radio virtual:radio.bin write boat.dat\n"
        "  qx720 defaults -o uk.dat --model eur-int --set uk");

    std::string radioText = "usb";
    app.add_option("--radio", radioText,
                   "usb (default: the only clone adaptor plugged in), usb:SERIAL or usb:PATH (one of several), "
                   "usb:all (fleet: every adaptor) or virtual:FILE[,unplug-after=N|corrupt=N|silent|fast]: a virtual "
                   "radio whose 8192-byte EEPROM lives in FILE")
        ->type_name("RADIO");

    Arguments args;
    std::vector<CLI::App*> commands;
    AddCommands(app, args, commands);

    try {
        app.parse(argc, argv);
    } catch (const CLI::CallForHelp& e) {
        return app.exit(e);
    } catch (const CLI::CallForAllHelp& e) {
        return app.exit(e);
    } catch (const CLI::CallForVersion& e) {
        return app.exit(e);
    } catch (const CLI::ParseError& e) {
        return ParseFailure(app, e);
    }

    Context ctx{RadioOption{}, std::cout, std::cerr, TerminalProgress::StreamIsTerminal(stderr)};
    std::string error;
    if (!ParseRadioOption(radioText, ctx.radio, error)) {
        std::cerr << "qx720: " << error << "\n";
        return kExitUsage;
    }

    return RunSelected(ctx, args, commands);
}

}  // namespace

int main(int argc, char** argv)
{
    // A closed pipe (`qx720 fleet ... | head -1`) is a failed write to report, never a death in
    // the middle of a radio's write.
    std::signal(SIGPIPE, SIG_IGN);
    int status = kExitFailed;
    try {
        status = Run(argc, argv);
    } catch (const std::exception& e) {
        // Nothing should get here; if something does, say what rather than abort.
        std::cerr << "qx720: " << e.what() << "\n";
        return kExitFailed;
    }
    // Output that never reached its file (a full disk, a closed pipe) is a failure, not success.
    std::cout.flush();
    if (!std::cout || std::fflush(stdout) != 0 || std::ferror(stdout)) {
        std::cerr << "qx720: cannot write the output: " << std::strerror(errno) << "\n";
        return status == kExitOk ? kExitFailed : status;
    }
    return status;
}
