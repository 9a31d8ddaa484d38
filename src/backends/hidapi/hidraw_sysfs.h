// What Linux tells about a hidraw node without opening it: its report descriptor and the USB
// port it hangs on, from sysfs.
#pragma once

#include <optional>
#include <string>

#include "clone/hid_backend.h"

namespace qx {

// The report lengths in the node's report descriptor; empty when it cannot be read or parsed.
std::optional<HidReportLengths> HidrawDescriptorLengths(const std::string& devicePath);

// The bus number and port path ("1", "1.4") of the USB device the node belongs to; false, with
// both left alone, when it is not on USB or sysfs does not say.
bool HidrawUsbPlace(const std::string& devicePath, std::string& bus, std::string& port);

}  // namespace qx
