// What the page's last Write put on the radio, and when a Verify found it there: the sheet says
// "Written and verified" only for the document the radio holds.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "clone/clock.h"

namespace qx::web {

struct VerifiedWriteState {
    std::vector<uint8_t> sent;          // the clone range of the last Write OK; empty: none
    std::optional<LocalTime> verified;  // when a Verify OK found it on the radio
};
VerifiedWriteState& VerifiedWrite();

}  // namespace qx::web
