// Report lengths from a HID report descriptor, where the platform gives us only the
// descriptor bytes (hidraw) and not ready-made capabilities.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>

#include "clone/hid_backend.h"

namespace qx {

// The input and output report lengths of report ID 0, each counting the report-ID byte as
// the capabilities of other platforms do; 0 where the descriptor has no such report (as for
// a device that numbers all its reports). Empty when the descriptor is malformed.
std::optional<HidReportLengths> ParseReportDescriptor(const uint8_t* bytes, std::size_t size);

}  // namespace qx
