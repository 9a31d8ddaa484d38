// The --radio option of both programs.
#include <string>

#include "sim/radio_option.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    qx::RadioOption radio;
    std::string error;
    qx::ParseRadioOption(std::string(reinterpret_cast<const char*>(data), size), radio, error);
    return 0;
}
