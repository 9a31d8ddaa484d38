// A channel CSV to import: any bytes are refused, with problems fit for a terminal, or give
// channels that export and import back to the same record.
#include <cstdlib>
#include <cstring>
#include <string_view>
#include <vector>

#include "channels/channel_csv.h"
#include "csv/csv.h"
#include "model/private_sets.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    using namespace qx;
    const std::string_view csv(reinterpret_cast<const char*>(data), size);
    RadioSettings record;
    ResetSettings(record, 1);
    LoadPrivateSet(0, record);
    std::vector<std::string> problems;
    if (!ImportChannelsCsv(csv, record, problems)) {
        if (problems.empty()) std::abort();
        // Problems quote the file's text: never its control characters.
        for (const std::string& problem : problems)
            if (HoldsControlCharacter(problem)) std::abort();
        return 0;
    }
    const RadioSettings imported = record;
    if (!ImportChannelsCsv(ExportChannelsCsv(imported), record, problems)) std::abort();
    if (std::memcmp(&record, &imported, sizeof record) != 0) std::abort();
    return 0;
}
