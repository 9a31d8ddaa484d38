// Comma-separated values as RFC 4180 has them: fields in double quotes may hold commas, line
// breaks and doubled quotes; lines end in CR LF, LF or a lone CR (as older Macintosh programs
// save them); a UTF-8 byte order mark is skipped.
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
    std::size_t recordStart = 0;  // where the faulty record starts in the text
    bool unclosed = false;        // a quoted field runs to the end of the text (a file cut short)
};

// Empty lines are no records. False, with the first fault, for a quote inside an unquoted
// field, text after a closing quote, or a quoted field that never closes.
bool ParseCsv(std::string_view text, std::vector<CsvRecord>& records, CsvError& error);

// A field as it must be written: quoted when it holds a comma, a quote, CR or LF, or
// starts or ends with a blank.
std::string CsvField(std::string_view text);
// The fields joined by commas, with the given line end (LF unless told otherwise).
std::string CsvLine(const std::vector<std::string>& fields, std::string_view lineEnd = "\n");

// Control characters: C0, DEL and C1, the last as UTF-8 or as a lone byte 0x80..0x9F.
bool HoldsControlCharacter(std::string_view text);
// Characters that reorder the text shown around them (the bidirectional marks and overrides).
bool HoldsBidiControl(std::string_view text);
// A field's text as a message may show it on a terminal: control characters, bidirectional
// controls and bytes that are not UTF-8 written as \x1b or \u202e, the rest as it is.
std::string PrintableText(std::string_view text);

}  // namespace qx
