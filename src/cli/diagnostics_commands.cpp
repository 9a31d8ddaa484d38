// The diagnostic commands: doctor, for the adaptor and its permissions, and demo, for the whole
// round trip on a virtual radio.
#include "cli/commands.h"

#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <ostream>
#include <string>
#include <system_error>
#include <vector>

#include "cli/backup_commands.h"
#include "cli/radio_session.h"
#include "clone/hid_adaptor.h"
#include "files/atomic_file.h"
#include "reports/verify_report.h"

#ifndef QX_INSTALL_PREFIX
#define QX_INSTALL_PREFIX "/usr/local"
#endif

namespace qx::cli {

namespace fs = std::filesystem;

namespace {

constexpr const char* kRuleName = "70-qx720-clone.rules";

std::vector<std::string> RuleDirectories()
{
    std::vector<std::string> dirs = {"/etc/udev/rules.d", "/run/udev/rules.d", "/usr/lib/udev/rules.d",
                                     "/lib/udev/rules.d"};
    std::string prefixed = std::string(QX_INSTALL_PREFIX) + "/lib/udev/rules.d";
    bool known = false;
    for (const std::string& d : dirs) known = known || d == prefixed;
    if (!known) dirs.push_back(prefixed);
    return dirs;
}

}  // namespace

int CmdDoctor(Context& ctx)
{
    char id[16];
    std::snprintf(id, sizeof id, "%04x:%04x", kAdaptorVendorId, kAdaptorProductId);

    std::unique_ptr<HidBackend> backend = MakeUsbBackend(ctx.usbBackend);
    const std::vector<AdaptorCandidate> candidates = ListCandidates(*backend);
    const int adaptors = CountAdaptors(candidates);
    if (adaptors == 0)
        ctx.out << "Clone adaptor " << id << ": not found (is the cable plugged in?)\n";
    else if (adaptors == 1)
        ctx.out << "Clone adaptor " << id << ": found\n";
    else
        ctx.out << "Clone adaptors " << id << ": " << adaptors
                << " found (choose one with --radio usb:SERIAL or --radio usb:PATH)\n";

    std::string rule;
    std::error_code ec;
    for (const std::string& dir : RuleDirectories()) {
        fs::path candidate = fs::path(dir) / kRuleName;
        if (fs::exists(candidate, ec)) {
            rule = candidate.string();
            break;
        }
    }
    const std::string advice = rule.empty() ? std::string("install the udev rule ") + kRuleName +
                                                  ", then unplug and replug this adaptor"
                                            : "the udev rule is installed: unplug and replug this adaptor";

    // Every device with the ID, ours or not. Only adaptors are opened, and none is sent a byte.
    int usable = 0;
    for (const AdaptorCandidate& candidate : candidates) {
        const HidInterfaceInfo& info = candidate.info;
        ctx.out << DescribeInterface(info) << ": " << (candidate.adaptor ? "clone adaptor" : "not a clone adaptor")
                << "\n";
        if (!candidate.adaptor) {
            const char* access = info.access == HidAccess::Allowed  ? "read and write allowed"
                                 : info.access == HidAccess::Denied ? "denied"
                                                                    : "not known";
            ctx.out << "  Permission: " << access << "; never opened: its reports do not fit the clone link\n";
            continue;
        }
        bool denied = info.access == HidAccess::Denied;
        std::unique_ptr<HidDevice> device;
        if (!denied) device = backend->Open(info.path, &denied);
        if (device) {
            ctx.out << "  Permission: read and write allowed\n";
            ++usable;
        } else if (denied) {
            ctx.out << "  Permission: denied (" << advice << ")\n";
        } else {
            ctx.out << "  Permission: the node could not be opened\n";
            if (!backend->LastError().empty()) ctx.out << "  Reason: " << backend->LastError() << "\n";
        }
    }
    const bool ready = adaptors > 0 && usable == adaptors;
    ctx.out << "udev rule " << kRuleName << ": " << (rule.empty() ? "not installed" : "installed (" + rule + ")")
            << "\n";
    return ready ? kExitOk : kExitFailed;
}

int CmdDemo(Context& ctx)
{
    std::error_code ec;
    std::string pattern = (fs::temp_directory_path(ec) / "qx720-demo-XXXXXX").string();
    std::vector<char> buffer(pattern.begin(), pattern.end());
    buffer.push_back('\0');
    if (::mkdtemp(buffer.data()) == nullptr) {
        ctx.err << "cannot create a temporary folder for the demo\n";
        return kExitFailed;
    }
    const std::string dir = buffer.data();
    struct Cleanup {
        std::string dir;
        ~Cleanup()
        {
            std::error_code ignored;
            fs::remove_all(dir, ignored);
        }
    } cleanup{dir};

    const std::string defaultsFile = JoinPath(dir, "defaults.dat");
    const std::string readFile = JoinPath(dir, "readback.dat");
    Context demo{RadioOption{}, ctx.out, ctx.err, ctx.progress};
    demo.radio.kind = RadioOption::Kind::Virtual;
    demo.radio.file = JoinPath(dir, "radio.bin");

    ctx.out << "QX720 demo: a virtual radio in " << demo.radio.file << "\n\n";
    ctx.out << "1. Defaults of the EUR (INT) model with every European private channel set:\n   ";
    if (int status = CmdDefaults(demo, defaultsFile, "eur-int", "all"); status != kExitOk) return status;

    ctx.out << "\n2. Write to Radio:\n";
    // The virtual radio goes with the demo's folder; a backup of it would be kept for nothing.
    if (int status = CmdWrite(demo, defaultsFile, false, BackupChoice{true, ""}, false, false); status != kExitOk)
        return status;

    ctx.out << "\n3. Read from Radio into a second clone file:\n";
    if (int status = CmdRead(demo, readFile); status != kExitOk) return status;

    ctx.out << "\n4. The record read back:\n";
    if (int status = CmdShow(demo, readFile, false); status != kExitOk) return status;

    ctx.out << "\n5. Verify the radio against the record read back:\n";
    if (int status = CmdVerify(demo, readFile, JoinPath(dir, kVerifyReportFileName)); status != kExitOk) return status;

    ctx.out << "\nThe desktop program QX720Clone does all this in a window: start it (or ./scripts/run.sh) where a "
               "display is available.\n";
    return kExitOk;
}

}  // namespace qx::cli
