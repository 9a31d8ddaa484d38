// Small record builders shared by the test suites.
#pragma once

#include "model/radio_settings.h"

namespace qx::test {

// An in-use channel entry with the given name, frequencies and usage code.
inline ChannelEntry InUseChannel(const char* name, double txMHz, double rxMHz, int usageCode = 0)
{
    ChannelEntry e{};
    SetChannelName(e, name);
    e.txMHz = txMHz;
    e.rxMHz = rxMHz;
    e.usageCode = static_cast<int8_t>(usageCode);
    e.inUse = 1;
    return e;
}

}  // namespace qx::test
