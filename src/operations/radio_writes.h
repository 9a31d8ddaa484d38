// The raw writes into a radio, for the gate alone (the layers test keeps it so): every front end
// changes a radio through operations/radio_gate.h, which claims it, asks and backs it up first.
#pragma once

#include "operations/operation_context.h"
#include "result/clone_result.h"

namespace qx::ops::internal {

// HandShake, then the write image's bytes from `first` up to `end` into the radio.
[[nodiscard]] CloneResult WriteEepromSpan(const OperationContext& run, int first, int end);

}  // namespace qx::ops::internal
