#include "document/clone_file.h"

#include <cstddef>
#include <cstring>
#include <vector>

#include "document/atomic_file.h"

namespace qx {

namespace {

// Written as "inside the range" so that NaN fails it.
bool InsideBand(double mhz) { return mhz >= 136.0 && mhz <= 174.0; }

}  // namespace

bool CheckCloneRecord(const RadioSettings& record)
{
    for (const ChannelEntry& e : record.channels) {
        if (e.inUse == 0) continue;
        // A name without its NUL runs on into the reserved byte after it; four or more
        // characters fail either way, so looking at those four bytes is enough.
        const char* nameBytes = reinterpret_cast<const char*>(&e) + offsetof(ChannelEntry, name);
        std::size_t nameLength = FieldText(nameBytes, sizeof e.name + 1).size();
        if (nameLength != 2 && nameLength != 3) return false;
        if (!(e.txMHz <= 0.0001) && !InsideBand(e.txMHz)) return false;
        if (!InsideBand(e.rxMHz)) return false;
    }
    return true;
}

CloneResult ReadCloneRecord(const std::string& path, RadioSettings& record)
{
    std::vector<uint8_t> bytes;
    if (!ReadFileBytes(path, bytes, sizeof(RadioSettings))) return kResultOpenFileError;
    if (bytes.size() != sizeof(RadioSettings)) return kResultUnknownFormat;
    RadioSettings scratch;
    std::memcpy(&scratch, bytes.data(), sizeof scratch);
    if (!CheckCloneRecord(scratch)) return kResultUnknownFormat;
    record = scratch;
    return kResultOk;
}

CloneResult LoadCloneFile(const std::string& path, RadioSettings& document, ModelConfig& config)
{
    RadioSettings scratch;
    CloneResult result = ReadCloneRecord(path, scratch);
    if (result != kResultOk) return result;
    config.clearedOnOpen = 0;
    config.modified = 0;
    config.readOnlyFile = MayWriteFile(path) ? 0 : 1;
    document = scratch;
    SetClonePath(config, path);
    return kResultOk;
}

CloneResult WriteCloneFile(const std::string& path, const RadioSettings& document, ModelConfig& config)
{
    if (!WriteFileAtomically(path, &document, sizeof document)) return kResultWriteFileError;
    config.modified = 0;
    return kResultOk;
}

}  // namespace qx
