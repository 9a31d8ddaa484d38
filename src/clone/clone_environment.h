// The program-wide objects every clone run shares, and the protocol's waits.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "clone/clock.h"
#include "clone/clone_event.h"
#include "clone/hid_adaptor.h"
#include "model/radio_image.h"

namespace qx {

// The protocol's waits. Tests may shorten them; the program uses the defaults.
struct CloneTiming {
    int sendTimeoutMs = 100;
    int stopCheckMs = 20;
    int receiveTimeoutMs = 100;
};

// The program-wide objects every clone run shares: one of each in the program.
struct CloneEnvironment {
    CHidAdaptor& adaptor;
    ManualResetEvent& stopEvent;
    RadioImage& writeImage;
    RadioImage& readImage;
    const int32_t& adjustMode;  // the service option that reaches byte 0x2FF
    Clock clock = SystemLocalTime;
    CloneTiming timing = {};
    // The name a run claims the radio under, against other programs: the adaptor's serial (else
    // its device path), or the virtual radio's file. Unset or "": nothing is claimed (a test's
    // own rig).
    std::function<std::string()> radioName = {};
};

}  // namespace qx
