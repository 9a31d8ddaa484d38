#include "sim/radio_option.h"

#include <charconv>
#include <filesystem>
#include <vector>

#include "files/atomic_file.h"
#include "files/file_system.h"

namespace qx {

namespace {

std::vector<std::string> SplitCommas(const std::string& text)
{
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (;;) {
        std::size_t comma = text.find(',', start);
        parts.push_back(text.substr(start, comma - start));
        if (comma == std::string::npos) return parts;
        start = comma + 1;
    }
}

bool ParseCount(const std::string& text, int minimum, int& value)
{
    const char* end = text.data() + text.size();
    auto [ptr, ec] = std::from_chars(text.data(), end, value);
    return ec == std::errc() && ptr == end && value >= minimum;
}

// What follows "usb:": a serial number, a device path, or "all".
bool ParseAdaptor(const std::string& which, AdaptorSelection& usb, std::string& error)
{
    if (which.empty()) {
        error = "--radio usb: needs the adaptor's serial number or device path (see \"qx720 doctor\")";
        return false;
    }
    if (which == "all") {
        usb.kind = AdaptorSelection::Kind::All;
    } else if (which.front() == '/') {
        usb.kind = AdaptorSelection::Kind::Path;
        usb.path = which;
    } else {
        usb.kind = AdaptorSelection::Kind::Serial;
        usb.serial = which;
    }
    return true;
}

}  // namespace

bool ParseRadioOption(const std::string& text, RadioOption& radio, std::string& error)
{
    radio = RadioOption{};
    if (text == "usb") return true;

    static const std::string usbPrefix = "usb:";
    if (text.compare(0, usbPrefix.size(), usbPrefix) == 0)
        return ParseAdaptor(text.substr(usbPrefix.size()), radio.usb, error);

    static const std::string prefix = "virtual:";
    if (text.compare(0, prefix.size(), prefix) != 0) {
        error =
            "--radio must be \"usb\", \"usb:SERIAL\", \"usb:PATH\", \"usb:all\" or "
            "\"virtual:FILE[,OPTION...]\", not \"" +
            text + "\"";
        return false;
    }
    std::vector<std::string> parts = SplitCommas(text.substr(prefix.size()));
    radio.kind = RadioOption::Kind::Virtual;
    radio.file = parts[0];
    if (radio.file.empty()) {
        error = "--radio virtual: needs the EEPROM file of the virtual radio";
        return false;
    }
    for (std::size_t i = 1; i < parts.size(); ++i) {
        const std::string& option = parts[i];
        std::size_t equals = option.find('=');
        std::string name = option.substr(0, equals);
        std::string value = equals == std::string::npos ? std::string() : option.substr(equals + 1);
        if (name == "silent" && equals == std::string::npos) {
            radio.silent = true;
        } else if (name == "fast" && equals == std::string::npos) {
            radio.fast = true;
        } else if (name == "unplug-after" && equals != std::string::npos) {
            if (!ParseCount(value, 0, radio.unplugAfter)) {
                error = "unplug-after needs a number of sentences (0 or more), not \"" + value + "\"";
                return false;
            }
        } else if (name == "corrupt" && equals != std::string::npos) {
            if (!ParseCount(value, 1, radio.corruptEvery)) {
                error = "corrupt needs a positive number N (every Nth reply), not \"" + value + "\"";
                return false;
            }
        } else {
            error = "unknown virtual radio option \"" + option + "\" (known: unplug-after=N, corrupt=N, silent, fast)";
            return false;
        }
    }
    return true;
}

RadioFaults VirtualRadioFaults(const RadioOption& option)
{
    RadioFaults faults;
    faults.unplugAfter = option.unplugAfter;
    faults.badChecksum.every = option.corruptEvery;
    if (option.silent) faults.silentAfter = 0;
    return faults;
}

bool LoadVirtualRadio(const RadioOption& option, VirtualRadio& radio, std::string& error)
{
    const CloneResult loaded = radio.Load(option.file);
    if (loaded != kResultOk) {
        error = loaded == kResultUnknownFormat ? "virtual radio file " + option.file + " must hold exactly 8192 bytes"
                                               : "cannot read the virtual radio file " + option.file;
        return false;
    }
    // It is saved after the command: a file that cannot be is said now, before the radio hears
    // anything, not after the whole transfer.
    std::string reason;
    const std::string resolved = fsys::ResolveLinks(option.file);
    const std::string target = resolved.empty() ? option.file : resolved;
    const std::string folder = std::filesystem::path(target).parent_path().string();
    if (fsys::Inspect(target).exists && !MayWriteFile(target)) reason = "the file is read-only";
    if (reason.empty() && !MayCreateFilesIn(folder.empty() ? "." : folder, reason) && reason.empty())
        reason = "its folder does not take new files";
    if (!reason.empty()) {
        error = "cannot save the virtual radio file " + option.file + ": " + reason;
        return false;
    }
    radio.SetFaults(VirtualRadioFaults(option));
    return true;
}

}  // namespace qx
