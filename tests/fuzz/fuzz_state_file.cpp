// The state file read at every start.
#include "files/model_config.h"
#include "fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    using namespace qx;
    ModelConfig config;
    ResetModelConfig(config);
    if (ReadStateFile(fuzz::WriteScratch(data, size), config)) ClonePath(config);
    return 0;
}
