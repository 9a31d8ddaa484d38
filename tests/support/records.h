// Small record builders shared by the test suites.
#pragma once

#include "model/identity.h"
#include "model/private_sets.h"
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

// A Europe record whose private channels are `count` entries named `prefix` and a digit, 25 kHz
// apart from 156.025 MHz.
inline RadioSettings EuropeWithChannels(int count, char prefix = '1')
{
    RadioSettings r;
    ResetSettings(r, 1);
    for (int i = 0; i < count; ++i) {
        const char name[3] = {prefix, static_cast<char>('0' + i), '\0'};
        const double mhz = 156.025 + i * 0.025;
        r.channels[kPrivateBlock + i] = InUseChannel(name, mhz, mhz, 13);
    }
    return r;
}

// The typical Europe record: the UK private channel set, a ship's MMSI and its ATIS ID.
inline RadioSettings UkWithIdentities()
{
    RadioSettings r;
    ResetSettings(r, 1);
    LoadPrivateSet(1, r);  // the UK set
    SetMmsiText(r, "235012345");
    SetAtisText(r, "235012345");
    r.mmsiByUser = r.atisByUser = 0;
    return r;
}

}  // namespace qx::test
