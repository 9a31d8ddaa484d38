#include "files/model_config.h"

#include <cstring>
#include <vector>

#include "files/atomic_file.h"

namespace qx {

void ResetModelConfig(ModelConfig& config)
{
    std::memset(&config, 0, sizeof config);
    config.resetZero = 0;
    config.resetOne = 1;
}

std::string StateFilePath(const std::string& startDirectory, const std::string& executableBaseName)
{
    return JoinPath(startDirectory, executableBaseName + ".Bin");
}

bool ReadStateFile(const std::string& path, ModelConfig& config)
{
    std::vector<uint8_t> bytes;
    if (!ReadFileBytes(path, bytes, sizeof config) || bytes.size() != sizeof config) return false;
    std::memcpy(&config, bytes.data(), sizeof config);
    return true;
}

bool WriteStateFile(const std::string& path, const ModelConfig& config)
{
    return WriteFileAtomically(path, &config, sizeof config);
}

std::string ClonePath(const ModelConfig& config) { return FieldText(config.clonePath); }

void SetClonePath(ModelConfig& config, const std::string& path)
{
    StoreFieldText(config.clonePath, sizeof config.clonePath, sizeof config.clonePath, kMaxPathChars, path);
}

}  // namespace qx
