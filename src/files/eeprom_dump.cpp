#include "files/eeprom_dump.h"

#include "files/atomic_file.h"
#include "model/radio_image.h"

namespace qx {

CloneResult LoadEepromFile(const std::string& path, std::vector<uint8_t>& bytes)
{
    std::vector<uint8_t> loaded;
    if (!ReadFileBytes(path, loaded, kEepromSize)) return kResultOpenFileError;
    if (loaded.size() < static_cast<std::size_t>(kEepromSize)) return kResultUnknownFormat;
    bytes = std::move(loaded);
    return kResultOk;
}

CloneResult LoadExactEepromFile(const std::string& path, std::vector<uint8_t>& bytes)
{
    std::vector<uint8_t> loaded;
    if (!ReadFileBytes(path, loaded, kEepromSize + 1)) return kResultOpenFileError;
    if (loaded.size() != static_cast<std::size_t>(kEepromSize)) return kResultUnknownFormat;
    bytes = std::move(loaded);
    return kResultOk;
}

}  // namespace qx
