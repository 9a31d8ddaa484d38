#include "fleet/fleet_units.h"

#include <algorithm>
#include <cctype>
#include <map>

#include "backups/backup_name.h"
#include "csv/csv.h"
#include "identity/maritime_identity.h"
#include "model/identity.h"

namespace qx {

namespace {

std::string Lower(std::string text)
{
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

std::string Trim(const std::string& text)
{
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

std::string LinePrefix(int line) { return "line " + std::to_string(line) + ": "; }

// Unit names become file names (backups, "{unit}" in a virtual radio's path) and are printed
// on terminals: no control characters, nothing that turns the text around it.
std::string NameProblem(const std::string& name)
{
    const std::string shown = "\"" + PrintableText(name) + "\"";
    if (name.empty()) return "the unit has no name";
    if (name == "." || name == "..") return shown + " cannot be a unit name";
    if (name.find_first_of("/\\") != std::string::npos || HoldsControlCharacter(name) || HoldsBidiControl(name))
        return "the unit name " + shown + " holds a character a file name cannot hold";
    if (name.size() > kBackupNameMaxBytes)
        return "the unit name " + shown + " is longer than its backup's file name may be (" +
               std::to_string(kBackupNameMaxBytes) + " bytes)";
    return {};
}

struct UnitColumns {
    int unit = -1;
    int mmsi = -1;
    int atis = -1;
};

// Where the header puts each column; a missing or doubled column is a problem.
UnitColumns FindColumns(const CsvRecord& header, std::vector<std::string>& problems)
{
    UnitColumns columns;
    for (int i = 0; i < static_cast<int>(header.fields.size()); ++i) {
        const std::string name = Lower(Trim(header.fields[i]));
        int* column = name == "unit"   ? &columns.unit
                      : name == "mmsi" ? &columns.mmsi
                      : name == "atis" ? &columns.atis
                                       : nullptr;
        if (!column) continue;
        if (*column >= 0) problems.push_back(LinePrefix(header.line) + "the column " + name + " appears twice");
        *column = i;
    }
    if (columns.unit < 0) problems.push_back(LinePrefix(header.line) + "the header has no column unit");
    if (columns.mmsi < 0) problems.push_back(LinePrefix(header.line) + "the header has no column mmsi");
    return columns;
}

// The line on which each unit name, MMSI and ATIS ID was first seen.
struct SeenLines {
    std::map<std::string, int> names, mmsis, atises;
};

// What is wrong with an identity the radio would refuse, said so that the user sees what to fix.
std::string DigitsProblem(std::string_view text, bool atis)
{
    const bool digits = !text.empty() &&
                        std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
    if (!digits) return "holds characters other than digits";
    const std::string count = std::to_string(text.size()) + (text.size() == 1 ? " digit" : " digits");
    if (!atis) {
        if (text.size() != 9) return "has " + count + " where the radio takes 9";
        return "starts with 0, which the radio does not take";
    }
    if (text.size() == 10 && text[0] != '9')
        return "starts with " + std::string(1, text[0]) + " where an ATIS ID starts with 9";
    if (text.size() != 9 && text.size() != 10) return "has " + count + " where the radio takes 10 (or the last 9)";
    return "has 0 after its leading 9, which the radio does not take";
}

// Checks one unit's name and identities against the radio's rules and the units before it;
// sets `unit.atis` from the `atis` field.
void CheckUnit(const std::string& at, const std::string& atis, int line, FleetUnit& unit, SeenLines& seen,
               std::vector<std::string>& problems)
{
    if (std::string problem = NameProblem(unit.name); !problem.empty()) {
        problems.push_back(at + problem);
    } else if (auto [it, fresh] = seen.names.emplace(unit.name, line); !fresh) {
        problems.push_back(at + "the unit " + unit.name + " is already on line " + std::to_string(it->second));
    }

    if (!unit.mmsi.empty()) {
        if (!IsValidId(unit.mmsi)) {
            problems.push_back(at + "MMSI " + PrintableText(unit.mmsi) + ": it " + DigitsProblem(unit.mmsi, false));
        } else if (auto [it, fresh] = seen.mmsis.emplace(unit.mmsi, line); !fresh) {
            problems.push_back(at + "MMSI " + unit.mmsi + " is already given to the unit on line " +
                               std::to_string(it->second));
        }
    }
    if (!atis.empty()) {
        unit.atis = StoredAtisDigits(atis);
        if (unit.atis.empty() || !IsValidId(unit.atis)) {
            problems.push_back(at + "ATIS ID " + PrintableText(atis) + ": it " + DigitsProblem(atis, true));
        } else if (auto [it, fresh] = seen.atises.emplace(unit.atis, line); !fresh) {
            problems.push_back(at + "ATIS ID " + atis + " is already given to the unit on line " +
                               std::to_string(it->second));
        }
    }
}

}  // namespace

std::string AtisForDisplay(const FleetUnit& unit) { return unit.atis.empty() ? std::string() : "9" + unit.atis; }

std::vector<std::string> ParseFleetUnits(std::string_view csvText, std::vector<FleetUnit>& units)
{
    units.clear();
    std::vector<std::string> problems;
    std::vector<CsvRecord> records;
    CsvError error;
    if (!ParseCsv(csvText, records, error)) {
        problems.push_back(LinePrefix(error.line) + error.message);
        return problems;
    }
    if (records.empty()) {
        problems.emplace_back("line 1: the file is empty; it needs a header with the columns unit and mmsi");
        return problems;
    }

    const CsvRecord& header = records.front();
    const UnitColumns columns = FindColumns(header, problems);
    if (!problems.empty()) return problems;

    SeenLines seen;
    for (std::size_t r = 1; r < records.size(); ++r) {
        const CsvRecord& record = records[r];
        const std::string at = LinePrefix(record.line);
        auto field = [&](int column) {
            return column >= 0 && column < static_cast<int>(record.fields.size()) ? Trim(record.fields[column])
                                                                                  : std::string();
        };
        if (record.fields.size() != header.fields.size()) {
            problems.push_back(at + std::to_string(record.fields.size()) + " fields where the header has " +
                               std::to_string(header.fields.size()));
            continue;
        }
        FleetUnit unit;
        unit.line = record.line;
        unit.name = field(columns.unit);
        unit.mmsi = field(columns.mmsi);
        const std::string atis = field(columns.atis);

        CheckUnit(at, atis, record.line, unit, seen, problems);
        units.push_back(std::move(unit));
    }
    if (problems.empty() && units.empty()) problems.emplace_back("line 2: the file lists no units");
    return problems;
}

}  // namespace qx
