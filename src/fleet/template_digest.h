// What identifies the record a fleet unit got: a SHA-256 digest of the radio image it encodes
// to. The log's checksum is a byte sum that people compare by eye; two different templates can
// share it (INT off and CAN on keeps the sum), so a re-run decides by the digest.
#pragma once

#include <string>

#include "model/radio_settings.h"

namespace qx {

// 64 lower-case hex digits of the SHA-256 of the clone range `record` encodes to.
std::string ImageDigest(const RadioSettings& record);

}  // namespace qx
