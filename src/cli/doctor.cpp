#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <ostream>
#include <string>
#include <system_error>
#include <vector>

#include "cli/commands.h"
#include "clone/hid_adaptor.h"
#include "clone/hidapi_backend.h"

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

    HidapiBackend backend;
    std::string path;
    for (const HidInterfaceInfo& info : backend.Enumerate()) {
        if (info.vendorId == kAdaptorVendorId && info.productId == kAdaptorProductId) {
            path = info.path;
            break;
        }
    }

    bool ready = false;
    if (path.empty()) {
        ctx.out << "Clone adaptor " << id << ": not found (is the cable plugged in?)\n";
        ctx.out << "hidraw node: none\n";
        ctx.out << "Permission: not checked\n";
    } else {
        ctx.out << "Clone adaptor " << id << ": found\n";
        ctx.out << "hidraw node: " << path << "\n";
        bool denied = false;
        std::unique_ptr<HidDevice> device = backend.Open(path, &denied);
        if (device) {
            ctx.out << "Permission: read and write allowed\n";
            ready = true;
        } else if (denied || ::access(path.c_str(), R_OK | W_OK) != 0) {
            ctx.out << "Permission: denied (install the udev rule " << kRuleName
                    << ", then unplug and replug the adaptor)\n";
        } else {
            ctx.out << "Permission: the node could not be opened\n";
        }
    }

    std::string rule;
    std::error_code ec;
    for (const std::string& dir : RuleDirectories()) {
        fs::path candidate = fs::path(dir) / kRuleName;
        if (fs::exists(candidate, ec)) {
            rule = candidate.string();
            break;
        }
    }
    ctx.out << "udev rule " << kRuleName << ": " << (rule.empty() ? "not installed" : "installed (" + rule + ")")
            << "\n";
    return ready ? kExitOk : kExitFailed;
}

}  // namespace qx::cli
