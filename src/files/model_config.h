// The option and document-state record, kept between runs in the state file.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "model/radio_settings.h"

namespace qx {

struct ModelConfig {
    uint8_t reserved000[4];
    int32_t modelType;  // 0 USA, 1 EUR (INT), 2 EUR (INT,USA)
    uint8_t reserved008[4];
    int32_t europeanSet;  // index of the European private channel set
    int32_t resetZero;    // 0 after a reset, read by nobody
    int32_t resetOne;     // 1 after a reset, read by nobody
    int32_t logoFlag;     // "Create logo file."
    int32_t romMapFlag;   // "Create ROM map file."
    int32_t uiReadOnly;   // blocks the list's double-click editor
    int32_t modified;
    int32_t readOnlyFile;
    int32_t untitled;
    uint8_t reserved030[4];
    int32_t bandIndex;
    int32_t listPosition;
    int32_t clearedOnOpen;  // 0 after every successful load, read by nobody
    uint8_t reserved040[516];
    char clonePath[340];  // at most 259 characters and a NUL
};

inline constexpr std::size_t kModelConfigSize = 920;
inline constexpr std::size_t kMaxPathChars = 259;

static_assert(sizeof(ModelConfig) == kModelConfigSize);
static_assert(offsetof(ModelConfig, modelType) == 4);
static_assert(offsetof(ModelConfig, europeanSet) == 12);
static_assert(offsetof(ModelConfig, resetZero) == 16);
static_assert(offsetof(ModelConfig, resetOne) == 20);
static_assert(offsetof(ModelConfig, logoFlag) == 24);
static_assert(offsetof(ModelConfig, romMapFlag) == 28);
static_assert(offsetof(ModelConfig, uiReadOnly) == 32);
static_assert(offsetof(ModelConfig, modified) == 36);
static_assert(offsetof(ModelConfig, readOnlyFile) == 40);
static_assert(offsetof(ModelConfig, untitled) == 44);
static_assert(offsetof(ModelConfig, bandIndex) == 52);
static_assert(offsetof(ModelConfig, listPosition) == 56);
static_assert(offsetof(ModelConfig, clearedOnOpen) == 60);
static_assert(offsetof(ModelConfig, clonePath) == 580);

void ResetModelConfig(ModelConfig& config);

// The state file: the executable's base name plus ".Bin" in the start directory.
std::string StateFilePath(const std::string& startDirectory, const std::string& executableBaseName);
// False when the file cannot be opened or holds fewer than 920 bytes; `config` is then unchanged.
bool ReadStateFile(const std::string& path, ModelConfig& config);
// Atomic; false when the file could not be written (the old one is then intact).
bool WriteStateFile(const std::string& path, const ModelConfig& config);

std::string ClonePath(const ModelConfig& config);
void SetClonePath(ModelConfig& config, const std::string& path);

}  // namespace qx
