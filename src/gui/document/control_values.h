// What the window's controls say about the record, as plain values: the model, the channel
// groups, the PLL steps and the two identities. The window reads them from its widgets; the
// same values computed from a record tell whether the controls hold an edit at all.
#pragma once

#include <QString>
#include <string>

#include "model/radio_settings.h"

namespace qx {

struct ControlValues {
    bool usaModel = true;
    bool usa = false, intl = false, can = false;
    bool usaNarrow = false, intNarrow = false, canNarrow = false;
    int txStep = 0, rxStep = 0;
    bool mmsiByUser = false, atisByUser = false;
    std::string mmsi, atis;  // as typed; only a valid 9-digit identity reaches the record

    bool operator==(const ControlValues&) const = default;
};

// What the controls show for `record`: an identity that is not valid shows as empty.
ControlValues ValuesOf(const RadioSettings& record);

// Stores the values in the record as the window always has: the model decides the WX and
// private groups, an identity moves only when it is valid.
void StoreValues(const ControlValues& values, RadioSettings& record);

// The name of the edit that turned `before` into `after`, for the Undo and Redo items.
QString ChangeText(const RadioSettings& before, const RadioSettings& after);

}  // namespace qx
