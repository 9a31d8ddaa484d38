#include "csv/csv.h"

namespace qx {

namespace {

// The length of the line end at `i` (CR LF, LF or a lone CR), 0 when there is none.
std::size_t LineEndAt(std::string_view text, std::size_t i)
{
    if (i >= text.size()) return 0;
    if (text[i] == '\n') return 1;
    if (text[i] != '\r') return 0;
    return i + 1 < text.size() && text[i + 1] == '\n' ? 2 : 1;
}

}  // namespace

bool ParseCsv(std::string_view text, std::vector<CsvRecord>& records, CsvError& error)
{
    records.clear();
    std::size_t skipped = 0;
    if (text.substr(0, 3) == "\xEF\xBB\xBF") {
        text.remove_prefix(3);
        skipped = 3;
    }

    int line = 1;
    std::size_t i = 0;
    const std::size_t n = text.size();
    while (i < n) {
        if (const std::size_t end = LineEndAt(text, i)) {
            i += end;
            ++line;
            continue;
        }
        CsvRecord record;
        record.line = line;
        const std::size_t recordStart = skipped + i;
        for (;;) {
            std::string field;
            if (i < n && text[i] == '"') {
                const int opened = line;
                ++i;
                for (;;) {
                    if (i >= n) {
                        error = {opened, "a quoted field is not closed", recordStart, true};
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
                    // Kept as written, but counted as the reader counts lines outside quotes.
                    if (const std::size_t end = LineEndAt(text, i)) {
                        field.append(text.substr(i, end));
                        i += end;
                        ++line;
                        continue;
                    }
                    field += text[i++];
                }
                if (i < n && text[i] != ',' && LineEndAt(text, i) == 0) {
                    error = {line, "text after the closing quote of a field", recordStart};
                    return false;
                }
            } else {
                while (i < n && text[i] != ',' && LineEndAt(text, i) == 0) {
                    if (text[i] == '"') {
                        error = {line, "a quote inside a field that does not start with one", recordStart};
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
            if (const std::size_t end = LineEndAt(text, i)) {
                i += end;
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

namespace {

// The code point of the UTF-8 sequence at `i` and its length; length 0 for a byte that does
// not start a well-formed sequence.
std::size_t DecodeUtf8(std::string_view text, std::size_t i, char32_t& code)
{
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
    const unsigned char first = byte(i);
    std::size_t length = 0;
    if (first < 0x80) {
        code = first;
        return 1;
    }
    if (first >= 0xC2 && first <= 0xDF) {
        length = 2, code = first & 0x1F;
    } else if (first >= 0xE0 && first <= 0xEF) {
        length = 3, code = first & 0x0F;
    } else if (first >= 0xF0 && first <= 0xF4) {
        length = 4, code = first & 0x07;
    } else {
        return 0;
    }
    if (i + length > text.size()) return 0;
    for (std::size_t k = 1; k < length; ++k) {
        if ((byte(i + k) & 0xC0) != 0x80) return 0;
        code = (code << 6) | (byte(i + k) & 0x3F);
    }
    // Overlong forms, surrogates and code points beyond Unicode are not UTF-8.
    const char32_t least = length == 2 ? 0x80 : length == 3 ? 0x800 : 0x10000;
    if (code < least || (code >= 0xD800 && code <= 0xDFFF) || code > 0x10FFFF) return 0;
    return length;
}

bool IsControl(char32_t code) { return code < 0x20 || (code >= 0x7F && code <= 0x9F); }

bool IsBidiControl(char32_t code)
{
    return code == 0x061C || code == 0x200E || code == 0x200F || (code >= 0x202A && code <= 0x202E) ||
           (code >= 0x2066 && code <= 0x2069);
}

}  // namespace

bool HoldsControlCharacter(std::string_view text)
{
    for (std::size_t i = 0; i < text.size();) {
        char32_t code = 0;
        const std::size_t length = DecodeUtf8(text, i, code);
        // A lone byte 0x80..0x9F is a C1 control in the 8-bit character sets.
        if (length == 0) {
            if (IsControl(static_cast<unsigned char>(text[i]))) return true;
            ++i;
            continue;
        }
        if (IsControl(code)) return true;
        i += length;
    }
    return false;
}

bool HoldsBidiControl(std::string_view text)
{
    for (std::size_t i = 0; i < text.size();) {
        char32_t code = 0;
        const std::size_t length = DecodeUtf8(text, i, code);
        if (length != 0 && IsBidiControl(code)) return true;
        i += length == 0 ? 1 : length;
    }
    return false;
}

std::string PrintableText(std::string_view text)
{
    static constexpr char kHex[] = "0123456789abcdef";
    std::string out;
    for (std::size_t i = 0; i < text.size();) {
        char32_t code = 0;
        const std::size_t length = DecodeUtf8(text, i, code);
        if (length == 0 || (length == 1 && IsControl(code))) {
            const auto byte = static_cast<unsigned char>(text[i]);
            out += "\\x";
            out += kHex[byte >> 4];
            out += kHex[byte & 15];
            ++i;
        } else if (IsControl(code) || IsBidiControl(code)) {
            out += "\\u";
            for (int shift = 12; shift >= 0; shift -= 4) out += kHex[(code >> shift) & 15];
            i += length;
        } else {
            out.append(text.substr(i, length));
            i += length;
        }
    }
    return out;
}

}  // namespace qx
