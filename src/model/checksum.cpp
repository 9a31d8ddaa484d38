#include "model/checksum.h"

#include <cstdio>

namespace qx {

int32_t SettingsChecksum(const RadioSettings& record)
{
    const auto* bytes = reinterpret_cast<const int8_t*>(&record);
    int32_t sum = 0;
    for (std::size_t i = 0; i < sizeof record; ++i) sum += bytes[i];
    return sum;
}

std::string ChecksumHex(int32_t sum)
{
    char text[16];
    std::snprintf(text, sizeof text, "0x%08X", static_cast<uint32_t>(sum));
    return text;
}

std::string ChecksumText(int32_t sum) { return "CheckSum=" + ChecksumHex(sum); }

}  // namespace qx
