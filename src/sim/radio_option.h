// How to reach a radio (both programs' --radio argument): the real clone adaptor, or a
// virtual radio kept in an EEPROM file, with the faults it is to show.
#pragma once

#include <string>

#include "clone/adaptor_list.h"
#include "sim/virtual_radio.h"

namespace qx {

struct RadioOption {
    enum class Kind { Usb, Virtual };
    Kind kind = Kind::Usb;
    AdaptorSelection usb;  // which adaptor, for Kind::Usb
    std::string file;      // the virtual radio's EEPROM (8192 bytes)
    int unplugAfter = -1;  // answers this many sentences, then the adaptor is gone
    int corruptEvery = 0;  // every Nth reply carries a wrong checksum
    bool silent = false;   // never answers
    bool fast = false;     // no pause between command and reply (quick tests: a virtual radio's option, or a
                           // test's own USB backend)
};

// "usb", "usb:SERIAL", "usb:PATH" (a path starts with "/"), "usb:all" or
// "virtual:FILE[,unplug-after=N|corrupt=N|silent|fast...]". False with a message that says what
// is wrong.
bool ParseRadioOption(const std::string& text, RadioOption& radio, std::string& error);

// The faults a virtual radio shows for the option.
RadioFaults VirtualRadioFaults(const RadioOption& option);

// Loads the virtual radio's EEPROM from the option's file and sets its faults. False with a
// message when the file is unusable; the radio is then left as it was. The real adaptor is
// the caller's to open: its backend is not part of the core.
bool LoadVirtualRadio(const RadioOption& option, VirtualRadio& radio, std::string& error);

}  // namespace qx
