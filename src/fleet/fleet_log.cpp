#include "fleet/fleet_log.h"

#include <filesystem>
#include <fstream>
#include <system_error>
#include <vector>

#include "csv/csv.h"
#include "document/atomic_file.h"

namespace qx {

namespace fs = std::filesystem;

namespace {

constexpr std::size_t kMaxLogBytes = 64u << 20;

std::vector<std::string> HeaderFields()
{
    std::vector<CsvRecord> records;
    CsvError ignored;
    ParseCsv(kFleetLogHeader, records, ignored);
    return records.front().fields;
}

}  // namespace

bool ReadFleetLogOk(const std::string& path, std::set<std::string>& okUnits, std::string& error)
{
    okUnits.clear();
    std::error_code ec;
    const fs::file_status status = fs::status(path, ec);
    if (status.type() == fs::file_type::not_found) return true;
    if (status.type() != fs::file_type::regular) {
        error = path + ": the log is not a regular file";
        return false;
    }
    std::vector<uint8_t> bytes;
    if (!ReadFileBytes(path, bytes, kMaxLogBytes + 1) || bytes.size() > kMaxLogBytes) {
        error = path + ": the log cannot be read";
        return false;
    }
    std::vector<CsvRecord> records;
    CsvError csvError;
    if (!ParseCsv(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()), records, csvError)) {
        error = path + ": line " + std::to_string(csvError.line) + ": " + csvError.message;
        return false;
    }
    if (records.empty()) return true;
    if (records.front().fields != HeaderFields()) {
        error = path + ": not a fleet log (its first line is not " + kFleetLogHeader + ")";
        return false;
    }
    for (std::size_t i = 1; i < records.size(); ++i) {
        const std::vector<std::string>& f = records[i].fields;
        if (f.size() >= 5 && f[4] == "OK") okUnits.insert(f[1]);
    }
    return true;
}

bool AppendFleetLog(const std::string& path, const FleetLogEntry& entry, std::string& error)
{
    std::error_code ec;
    const bool fresh = !fs::exists(path, ec) || fs::file_size(path, ec) == 0;
    std::ofstream out(path, std::ios::binary | std::ios::app);
    if (out) {
        if (fresh) out << kFleetLogHeader << "\n";
        out << CsvLine({entry.time, entry.unit, entry.mmsi, entry.atis, entry.result, entry.checksum, entry.backup});
        out.flush();
    }
    if (!out) {
        error = path + ": the log could not be written";
        return false;
    }
    return true;
}

}  // namespace qx
