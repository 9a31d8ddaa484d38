// Comma-separated values as RFC 4180 has them: fields in double quotes may hold commas, line
// breaks and doubled quotes; lines end in CR LF or LF; a UTF-8 byte order mark is skipped.
// Used wherever the program reads or writes tables that people keep in spreadsheets.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace qx {

struct CsvRecord {
    int line = 0;  // where the record starts, from 1
    std::vector<std::string> fields;
};

struct CsvError {
    int line = 0;
    std::string message;
};

// Empty lines are no records. False, with the first fault, for a quote inside an unquoted
// field, text after a closing quote, or a quoted field that never closes.
bool ParseCsv(std::string_view text, std::vector<CsvRecord>& records, CsvError& error);

// A field as it must be written: quoted when it holds a comma, a quote, CR or LF, or
// starts or ends with a blank.
std::string CsvField(std::string_view text);
// The fields joined by commas, with the given line end (LF unless told otherwise).
std::string CsvLine(const std::vector<std::string>& fields, std::string_view lineEnd = "\n");

}  // namespace qx
