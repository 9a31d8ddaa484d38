// A 32-bit sum over the whole settings record, to tell two records apart at a glance.
#pragma once

#include <cstdint>
#include <string>

#include "model/radio_settings.h"

namespace qx {

int32_t SettingsChecksum(const RadioSettings& record);
// "CheckSum=0x%08X" of the sum read as unsigned.
std::string ChecksumText(int32_t sum);
// "0x%08X" alone.
std::string ChecksumHex(int32_t sum);

}  // namespace qx
