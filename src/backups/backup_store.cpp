#include "backups/backup_store.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <system_error>
#include <tuple>

#include "backups/backup_name.h"
#include "files/atomic_file.h"
#include "files/eeprom_dump.h"
#include "model/radio_image.h"

namespace qx {

namespace fs = std::filesystem;

namespace {

bool AllDigits(std::string_view text)
{
    return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

int Number(std::string_view digits)
{
    int n = 0;
    for (char c : digits) n = n * 10 + (c - '0');
    return n;
}

// A date and time that a clock could have shown (a leap second included).
bool RealTime(int year, int month, int day, int hour, int minute, int second)
{
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (year < 1 || month < 1 || month > 12 || day < 1) return false;
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    if (day > kDays[month - 1] + (month == 2 && leap ? 1 : 0)) return false;
    return hour <= 23 && minute <= 59 && second <= 60;
}

}  // namespace

std::string DefaultBackupFolder(const char* xdgDataHome, const char* home)
{
    // Relative values are to be ignored, as if unset.
    if (xdgDataHome != nullptr && xdgDataHome[0] == '/') return (fs::path(xdgDataHome) / "qx720" / "backups").string();
    if (home != nullptr && home[0] != '\0') return (fs::path(home) / ".local" / "share" / "qx720" / "backups").string();
    return {};
}

bool MakeBackupFolder(const std::string& folder, std::string& error)
{
    std::error_code ec;
    const fs::path target = fs::absolute(folder, ec);
    if (ec) {
        error = folder + ": " + ec.message();
        return false;
    }
    // Each missing folder from the top down, readable by the user alone.
    std::vector<fs::path> missing;
    for (fs::path p = target; !p.empty() && !fs::exists(p, ec); p = p.parent_path()) {
        missing.push_back(p);
        if (p == p.parent_path()) break;
    }
    for (auto it = missing.rbegin(); it != missing.rend(); ++it) {
        if (!fs::create_directory(*it, ec) && ec) {
            error = "cannot create the folder " + it->string() + ": " + ec.message();
            return false;
        }
        fs::permissions(*it, fs::perms::owner_all, fs::perm_options::replace, ec);
    }
    if (!fs::is_directory(target, ec)) {
        error = folder + " is not a folder";
        return false;
    }
    return true;
}

bool ParseBackupName(const std::string& fileName, LocalTime& time, int& sequence)
{
    // qx720-backup-YYYYMMDD-HHMMSS[-N].bin
    const std::string prefix = std::string(kBackupBaseName) + "-";
    std::string_view name = fileName;
    if (name.size() < prefix.size() + 15 + 4 || name.substr(0, prefix.size()) != prefix ||
        name.substr(name.size() - 4) != ".bin")
        return false;
    name = name.substr(prefix.size(), name.size() - prefix.size() - 4);
    const std::string_view date = name.substr(0, 8), clock = name.substr(9, 6);
    if (!AllDigits(date) || name[8] != '-' || !AllDigits(clock)) return false;
    if (!RealTime(Number(date.substr(0, 4)), Number(date.substr(4, 2)), Number(date.substr(6, 2)),
                  Number(clock.substr(0, 2)), Number(clock.substr(2, 2)), Number(clock.substr(4, 2))))
        return false;
    sequence = 1;
    if (name.size() > 15) {
        const std::string_view suffix = name.substr(15);
        if (suffix.size() < 2 || suffix.size() > 10 || suffix[0] != '-' || !AllDigits(suffix.substr(1))) return false;
        sequence = Number(suffix.substr(1));
    }
    time = LocalTime{Number(date.substr(0, 4)),
                     Number(date.substr(4, 2)),
                     Number(date.substr(6, 2)),
                     Number(clock.substr(0, 2)),
                     Number(clock.substr(2, 2)),
                     Number(clock.substr(4, 2)),
                     0};
    return true;
}

namespace {

// The clone range of a backup, decoded; false for a dump of neither size.
bool DecodeDump(const std::vector<uint8_t>& dump, RadioSettings& record)
{
    const int first = BackupFirstAddress(dump.size());
    if (first < 0) return false;
    auto image = std::make_unique<RadioImage>();
    image->fill(0);
    std::copy_n(dump.begin(), std::min<std::size_t>(dump.size(), kEepromSize - first), image->begin() + first);
    DecodeSettings(*image, 1, record);
    return true;
}

std::string MmsiOf(const RadioSettings& record)
{
    if (record.mmsiByUser != 0) return {};
    const std::string mmsi = MmsiText(record);
    // An erased or damaged identity decodes to something that is not an MMSI.
    return AllDigits(mmsi) ? mmsi : std::string();
}

}  // namespace

int BackupFirstAddress(std::uintmax_t size)
{
    // A longer file reads as its first 8192 bytes, as backups always have; only a restore asks
    // for the exact size (LoadBackupDump).
    if (size >= static_cast<std::uintmax_t>(kEepromSize)) return 0;
    if (size == static_cast<std::uintmax_t>(kCloneRangeBackupBytes)) return kCloneFirst;
    return -1;
}

std::string DumpMmsi(const std::vector<uint8_t>& dump)
{
    auto record = std::make_unique<RadioSettings>();
    if (!DecodeDump(dump, *record)) return {};
    return MmsiOf(*record);
}

bool LoadBackupDump(const std::string& path, std::vector<uint8_t>& dump, std::string& problem, int* first)
{
    std::vector<uint8_t> bytes;
    if (!ReadFileBytes(path, bytes, kEepromSize + 1)) {
        problem = "cannot read the backup " + path;
        return false;
    }
    // Exactly one of the two sizes: the first 8192 bytes of a clone file (43816 bytes) written
    // into a radio would replace its identities with whatever they hold.
    const bool longer = bytes.size() > static_cast<std::size_t>(kEepromSize);
    const int at = longer ? -1 : BackupFirstAddress(bytes.size());
    if (at < 0) {
        problem = path + " is not a backup: it holds " +
                  (longer ? std::string("more than ") + std::to_string(kEepromSize) : std::to_string(bytes.size())) +
                  " bytes, neither a whole EEPROM (" + std::to_string(kEepromSize) +
                  ") nor the clone range a write backs up (" + std::to_string(kCloneRangeBackupBytes) + ")";
        return false;
    }
    dump = std::move(bytes);
    if (first != nullptr) *first = at;
    return true;
}

bool LoadBackupSettings(const std::string& path, RadioSettings& record, std::string& problem)
{
    // Read to be looked at, not written: a longer whole dump shows its first 8192 bytes.
    std::vector<uint8_t> dump;
    if (!ReadFileBytes(path, dump, kEepromSize)) {
        problem = "cannot read the backup " + path;
        return false;
    }
    if (!DecodeDump(dump, record)) {
        problem = path + " is not a backup: it holds " + std::to_string(dump.size()) +
                  " bytes, neither a whole EEPROM (" + std::to_string(kEepromSize) +
                  ") nor the clone range a write backs up (" + std::to_string(kCloneRangeBackupBytes) + ")";
        return false;
    }
    return true;
}

std::vector<BackupEntry> ListBackups(const std::string& folder)
{
    struct Found {
        BackupEntry entry;
        int sequence;
    };
    std::vector<Found> found;
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        Found f;
        if (!ParseBackupName(it->path().filename().string(), f.entry.time, f.sequence)) continue;
        std::error_code sizeError;
        if (!fs::is_regular_file(it->path(), sizeError)) continue;
        f.entry.size = fs::file_size(it->path(), sizeError);
        if (sizeError) continue;
        f.entry.path = it->path().string();
        std::vector<uint8_t> bytes;
        if (ReadFileBytes(f.entry.path, bytes, kEepromSize)) f.entry.mmsi = DumpMmsi(bytes);
        found.push_back(std::move(f));
    }
    auto key = [](const Found& f) {
        const LocalTime& t = f.entry.time;
        return std::tie(t.year, t.month, t.day, t.hour, t.minute, t.second, f.sequence, f.entry.path);
    };
    std::sort(found.begin(), found.end(), [&](const Found& a, const Found& b) { return key(a) > key(b); });
    std::vector<BackupEntry> list;
    for (Found& f : found) list.push_back(std::move(f.entry));
    return list;
}

std::string BackupTimeText(const LocalTime& t)
{
    char text[64];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", t.year, t.month, t.day, t.hour, t.minute,
                  t.second);
    return text;
}

}  // namespace qx
