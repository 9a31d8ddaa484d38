#include "reports/report_text.h"

#include <cstdarg>
#include <cstdio>

#include "files/atomic_file.h"

namespace qx {

std::string FormatText(const char* format, ...)
{
    va_list args;
    va_start(args, format);
    va_list again;
    va_copy(again, args);
    char small[256];
    int needed = std::vsnprintf(small, sizeof small, format, args);
    va_end(args);
    std::string text;
    if (needed < 0) {
        va_end(again);
        return text;
    }
    if (static_cast<std::size_t>(needed) < sizeof small) {
        text.assign(small, static_cast<std::size_t>(needed));
    } else {
        // Huge doubles from a damaged file print hundreds of digits; never cut them short.
        text.resize(static_cast<std::size_t>(needed) + 1);
        std::vsnprintf(text.data(), text.size(), format, again);
        text.resize(static_cast<std::size_t>(needed));
    }
    va_end(again);
    return text;
}

std::string ReportDateLine(const LocalTime& time)
{
    return FormatText("Date:%d.%d.%d\t\tTime:%d:%d\n", time.year, time.month, time.day, time.hour, time.minute);
}

std::string WithCrLf(const std::string& text)
{
    std::string out;
    out.reserve(text.size() + text.size() / 16);
    for (char c : text) {
        if (c == '\n') out += '\r';
        out += c;
    }
    return out;
}

bool WriteReportFile(const std::string& path, const std::string& text)
{
    const std::string bytes = WithCrLf(text);
    return WriteFileAtomically(path, bytes.data(), bytes.size());
}

}  // namespace qx
