// What the fleet run tests share: a unit's radio over a clone rig, a fixed clock and an EEPROM
// that holds an MMSI.
#pragma once

#include <algorithm>
#include <string>

#include "clone/clone_fixture.h"
#include "fleet/fleet_run.h"
#include "model/identity.h"
#include "model/radio_image.h"

namespace qx::testing {

class RigRadio : public FleetRadio {
public:
    explicit RigRadio(CloneRig& rig) : rig_(rig) {}
    CloneEnvironment& Environment() override { return rig_.environment; }
    bool Interrupted() const override { return rig_.stopEvent.IsSet(); }
    bool Close(std::string&) override { return true; }

private:
    CloneRig& rig_;
};

inline LocalTime Noon()
{
    LocalTime t;
    t.year = 2026, t.month = 12, t.day = 7, t.hour = 12, t.minute = 4, t.second = 5;
    return t;
}

}  // namespace qx::testing
