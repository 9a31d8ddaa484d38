// EEPROM dumps as the tools and the virtual radio load them.
#include <vector>

#include "fuzz_input.h"
#include "operations/eeprom_operations.h"
#include "sim/virtual_radio.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    using namespace qx;
    const std::string& path = fuzz::WriteScratch(data, size);
    std::vector<uint8_t> bytes;
    // Only crashes count here; any result is a fine answer to random bytes.
    (void)LoadEepromFile(path, bytes);
    VirtualRadio radio;
    (void)radio.Load(path);
    return 0;
}
