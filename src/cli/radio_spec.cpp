#include "cli/radio_spec.h"

#include <charconv>
#include <vector>

namespace qx::cli {

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

}  // namespace

bool ParseRadioSpec(const std::string& text, RadioSpec& spec, std::string& error)
{
    spec = RadioSpec{};
    if (text == "usb") return true;

    static const std::string prefix = "virtual:";
    if (text.compare(0, prefix.size(), prefix) != 0) {
        error = "--radio must be \"usb\" or \"virtual:FILE[,OPTION...]\", not \"" + text + "\"";
        return false;
    }
    std::vector<std::string> parts = SplitCommas(text.substr(prefix.size()));
    spec.kind = RadioSpec::Kind::Virtual;
    spec.file = parts[0];
    if (spec.file.empty()) {
        error = "--radio virtual: needs the EEPROM file of the virtual radio";
        return false;
    }
    for (std::size_t i = 1; i < parts.size(); ++i) {
        const std::string& option = parts[i];
        std::size_t equals = option.find('=');
        std::string name = option.substr(0, equals);
        std::string value = equals == std::string::npos ? std::string() : option.substr(equals + 1);
        if (name == "silent" && equals == std::string::npos) {
            spec.silent = true;
        } else if (name == "unplug-after" && equals != std::string::npos) {
            if (!ParseCount(value, 0, spec.unplugAfter)) {
                error = "unplug-after needs a number of sentences (0 or more), not \"" + value + "\"";
                return false;
            }
        } else if (name == "corrupt" && equals != std::string::npos) {
            if (!ParseCount(value, 1, spec.corruptEvery)) {
                error = "corrupt needs a positive number N (every Nth reply), not \"" + value + "\"";
                return false;
            }
        } else {
            error = "unknown virtual radio option \"" + option +
                    "\" (known: unplug-after=N, corrupt=N, silent)";
            return false;
        }
    }
    return true;
}

}  // namespace qx::cli
