// Names for screen readers where Qt's own are not enough.
#pragma once

namespace qx {

// On Linux Qt announces a drop-down list by its current value, leaving its name to a label
// relation that not every screen reader follows; a list given an accessible name is announced
// by that name, its value as the value. Safe to call more than once.
void InstallAccessibleNames();

}  // namespace qx
