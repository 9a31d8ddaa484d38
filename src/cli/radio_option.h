// The --radio argument: the real clone adaptor, or a virtual radio kept in an EEPROM file.
#pragma once

#include <string>

namespace qx::cli {

struct RadioOption {
    enum class Kind { Usb, Virtual };
    Kind kind = Kind::Usb;
    std::string file;      // the virtual radio's EEPROM (8192 bytes)
    int unplugAfter = -1;  // answers this many sentences, then the adaptor is gone
    int corruptEvery = 0;  // every Nth reply carries a wrong checksum
    bool silent = false;   // never answers
    bool fast = false;     // no pause between command and reply (quick tests)
};

// "usb" or "virtual:FILE[,unplug-after=N|corrupt=N|silent|fast...]". False with a message that
// says what is wrong.
bool ParseRadioOption(const std::string& text, RadioOption& radio, std::string& error);

}  // namespace qx::cli
