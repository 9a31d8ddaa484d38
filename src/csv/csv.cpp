#include "csv/csv.h"

namespace qx {

bool ParseCsv(std::string_view text, std::vector<CsvRecord>& records, CsvError& error)
{
    records.clear();
    if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);

    int line = 1;
    std::size_t i = 0;
    const std::size_t n = text.size();
    while (i < n) {
        // An empty line (CR LF or LF alone) is skipped.
        if (text[i] == '\n' || (text[i] == '\r' && i + 1 < n && text[i + 1] == '\n')) {
            i += text[i] == '\r' ? 2 : 1;
            ++line;
            continue;
        }
        CsvRecord record;
        record.line = line;
        for (;;) {
            std::string field;
            if (i < n && text[i] == '"') {
                const int opened = line;
                ++i;
                for (;;) {
                    if (i >= n) {
                        error = {opened, "a quoted field is not closed"};
                        return false;
                    }
                    if (text[i] == '"') {
                        if (i + 1 < n && text[i + 1] == '"') {
                            field += '"';
                            i += 2;
                            continue;
                        }
                        ++i;
                        break;
                    }
                    if (text[i] == '\n') ++line;
                    field += text[i++];
                }
                if (i < n && text[i] != ',' && text[i] != '\n' &&
                    !(text[i] == '\r' && i + 1 < n && text[i + 1] == '\n')) {
                    error = {line, "text after the closing quote of a field"};
                    return false;
                }
            } else {
                while (i < n && text[i] != ',' && text[i] != '\n' &&
                       !(text[i] == '\r' && i + 1 < n && text[i + 1] == '\n')) {
                    if (text[i] == '"') {
                        error = {line, "a quote inside a field that does not start with one"};
                        return false;
                    }
                    field += text[i++];
                }
            }
            record.fields.push_back(std::move(field));
            if (i < n && text[i] == ',') {
                ++i;
                continue;
            }
            // End of the record: a line end or the end of the text.
            if (i < n) {
                i += text[i] == '\r' ? 2 : 1;
                ++line;
            }
            break;
        }
        records.push_back(std::move(record));
    }
    return true;
}

std::string CsvField(std::string_view text)
{
    const bool quote = text.find_first_of(",\"\r\n") != std::string_view::npos ||
                       (!text.empty() && (text.front() == ' ' || text.back() == ' '));
    if (!quote) return std::string(text);
    std::string out = "\"";
    for (char c : text) {
        if (c == '"') out += '"';
        out += c;
    }
    return out + "\"";
}

std::string CsvLine(const std::vector<std::string>& fields, std::string_view lineEnd)
{
    std::string out;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i) out += ',';
        out += CsvField(fields[i]);
    }
    out += lineEnd;
    return out;
}

}  // namespace qx
