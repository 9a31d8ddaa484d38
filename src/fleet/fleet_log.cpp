#include "fleet/fleet_log.h"

#include <filesystem>
#include <system_error>
#include <vector>

#include "csv/csv.h"
#include "files/atomic_file.h"
#include "files/file_system.h"

namespace qx {

namespace fs = std::filesystem;

namespace {

constexpr std::size_t kMaxLogBytes = 64u << 20;

enum LogColumn { kTime, kUnit, kMmsi, kAtis, kResult, kChecksum, kBackup, kDigest, kLogColumns };

std::vector<std::string> HeaderFields(const char* header)
{
    std::vector<CsvRecord> records;
    CsvError ignored;
    ParseCsv(header, records, ignored);
    return records.front().fields;
}

bool IsLineEnd(char c) { return c == '\n' || c == '\r'; }

}  // namespace

bool ParseFleetLog(std::string_view text, FleetLogOk& lastOk, std::string& error)
{
    lastOk.clear();
    std::vector<CsvRecord> records;
    CsvError csvError;
    bool parsed = ParseCsv(text, records, csvError);
    // An unfinished last line holds no outcome; what comes before it still counts.
    if (!parsed && csvError.unclosed) parsed = ParseCsv(text.substr(0, csvError.recordStart), records, csvError);
    if (!parsed) {
        error = "line " + std::to_string(csvError.line) + ": " + csvError.message;
        return false;
    }
    if (records.empty()) return true;
    if (records.front().fields != HeaderFields(kFleetLogHeader) &&
        records.front().fields != HeaderFields(kFleetLogHeaderWithoutDigest)) {
        error = std::string("not a fleet log (its first line is not ") + kFleetLogHeader + ")";
        return false;
    }
    for (std::size_t i = 1; i < records.size(); ++i) {
        std::vector<std::string> f = records[i].fields;
        if (f.size() <= kResult) continue;
        if (f[kResult] == "FAILED") lastOk.erase(f[kUnit]);
        if (f[kResult] != "OK") continue;
        f.resize(kLogColumns);
        lastOk[f[kUnit]] = FleetLogEntry{f[kTime],   f[kUnit],     f[kMmsi],   f[kAtis],
                                         f[kResult], f[kChecksum], f[kBackup], f[kDigest]};
    }
    return true;
}

bool ReadFleetLogOk(const std::string& path, FleetLogOk& lastOk, std::string& error)
{
    lastOk.clear();
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
    if (!ParseFleetLog(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()), lastOk, error)) {
        error = path + ": " + error;
        return false;
    }
    return true;
}

std::string FleetLogLineBreak(std::string_view text)
{
    std::vector<CsvRecord> records;
    CsvError error;
    if (!ParseCsv(text, records, error) && error.unclosed) return "\"\n";
    return text.empty() || IsLineEnd(text.back()) ? "" : "\n";
}

bool AppendFleetLog(const std::string& path, const FleetLogEntry& entry, std::string& error)
{
    const int handle = fsys::OpenForAppend(path);
    if (handle < 0) {
        error = path + ": the log could not be written: " + fsys::ErrorText();
        return false;
    }
    // What the log ends with decides what comes first: the header into an empty log, the end of
    // a line that a crash, a full disk or a spreadsheet left unfinished.
    std::string text;
    const int last = fsys::LastByte(handle);
    std::vector<uint8_t> bytes;
    if (last == -1)
        text = std::string(kFleetLogHeader) + "\n";
    else if (ReadFileBytes(path, bytes, kMaxLogBytes))
        text = FleetLogLineBreak(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
    else if (last >= 0 && !IsLineEnd(static_cast<char>(last)))
        text = "\n";
    text += CsvLine(
        {entry.time, entry.unit, entry.mmsi, entry.atis, entry.result, entry.checksum, entry.backup, entry.digest});
    bool ok = last != -2 && fsys::WriteAll(handle, text.data(), text.size()) && fsys::Sync(handle);
    if (!ok) error = path + ": the log could not be written: " + fsys::ErrorText();
    if (!fsys::Close(handle) && ok) {
        error = path + ": the log could not be written: " + fsys::ErrorText();
        ok = false;
    }
    return ok;
}

FleetLogLock::~FleetLogLock()
{
    if (handle_ >= 0) fsys::Close(handle_);
}

FleetLogLock::Outcome FleetLogLock::Take(const std::string& path, std::string& error)
{
    // A log without any write bit is read-only, even for root.
    std::error_code ec;
    if (fs::exists(fs::status(path, ec)) && !MayWriteFile(path)) {
        error = path + ": the log is read-only";
        return Outcome::Failed;
    }
    handle_ = fsys::OpenForAppend(path);
    if (handle_ < 0) {
        error = path + ": the log cannot be written: " + fsys::ErrorText();
        return Outcome::Failed;
    }
    bool busy = false;
    if (fsys::TryLockExclusive(handle_, busy)) return Outcome::Held;
    error = busy ? path + ": the log is in use by another fleet run"
                 : path + ": the log cannot be locked: " + fsys::ErrorText();
    fsys::Close(handle_);
    handle_ = -1;
    return busy ? Outcome::InUse : Outcome::Failed;
}

}  // namespace qx
