// What Linux tells about a hidraw node without opening it: its report descriptor and the USB
// port it hangs on, from sysfs.
#pragma once

#include <optional>
#include <string>

#include "clone/hid_backend.h"

namespace qx {

// The report lengths in the node's report descriptor; empty when it cannot be read or parsed.
std::optional<HidReportLengths> HidrawDescriptorLengths(const std::string& devicePath);

// "bus 1, port 1.4" for the USB device the node belongs to; "" when it is not on USB or sysfs
// does not say.
std::string HidrawUsbLocation(const std::string& devicePath);

}  // namespace qx
