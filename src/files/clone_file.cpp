#include "files/clone_file.h"

#include <cmath>
#include <cstddef>
#include <cstdio>
#include <cstring>
#include <vector>

#include "files/atomic_file.h"

namespace qx {

namespace {

// Written as "inside the range" so that NaN fails it.
bool InsideBand(double mhz) { return mhz >= 136.0 && mhz <= 174.0; }

}  // namespace

std::string ChannelEntryProblem(const ChannelEntry& e)
{
    // A name without its NUL runs on into the reserved byte after it; four or more characters
    // fail either way, so looking at those four bytes is enough.
    const char* nameBytes = reinterpret_cast<const char*>(&e) + offsetof(ChannelEntry, name);
    const std::size_t nameLength = FieldText(nameBytes, sizeof e.name + 1).size();
    char problem[128];
    if (nameLength != 2 && nameLength != 3) {
        std::snprintf(problem, sizeof problem, "has a name of %zu characters (2 or 3 needed)", nameLength);
        return problem;
    }
    // Only a TX of 0 (give or take a rounding error) marks a receive-only entry.
    if (!(std::fabs(e.txMHz) <= 0.0001) && !InsideBand(e.txMHz)) {
        std::snprintf(problem, sizeof problem, "transmits on %.5f MHz, outside 136..174 MHz", e.txMHz);
        return problem;
    }
    if (!InsideBand(e.rxMHz)) {
        std::snprintf(problem, sizeof problem, "receives on %.5f MHz, outside 136..174 MHz", e.rxMHz);
        return problem;
    }
    return {};
}

std::string CloneRecordProblem(const RadioSettings& record)
{
    for (int i = 0; i < kChannelCount; ++i) {
        const ChannelEntry& e = record.channels[i];
        if (e.inUse == 0) continue;
        const std::string problem = ChannelEntryProblem(e);
        if (problem.empty()) continue;
        char where[48];
        if (i >= kPrivateBlock)
            std::snprintf(where, sizeof where, "private channel %d", i - kPrivateBlock + 1);
        else
            std::snprintf(where, sizeof where, "channel entry %d", i);
        return std::string(where) + " " + problem;
    }
    return {};
}

bool CheckCloneRecord(const RadioSettings& record) { return CloneRecordProblem(record).empty(); }

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

CloneResult WriteCloneFile(const std::string& path, const RadioSettings& document, ModelConfig& config,
                           SaveDetail* detail)
{
    const CloneResult result = SaveFileAtomically(path, &document, sizeof document, detail);
    if (result != kResultOk) return result;
    config.modified = 0;
    return kResultOk;
}

}  // namespace qx
