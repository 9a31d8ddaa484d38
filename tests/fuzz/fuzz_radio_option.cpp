// The --radio option of the command line.
#include <string>

#include "cli/radio_option.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    qx::cli::RadioOption radio;
    std::string error;
    qx::cli::ParseRadioOption(std::string(reinterpret_cast<const char*>(data), size), radio, error);
    return 0;
}
