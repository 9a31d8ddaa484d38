// Small text helpers shared by the two reports.
#pragma once

#include <string>

#include "clone/clock.h"

namespace qx {

// printf into a std::string of whatever length the values need.
std::string FormatText(const char* format, ...) __attribute__((format(printf, 1, 2)));

// The first line of every report: "Date:%d.%d.%d\t\tTime:%d:%d\n", nothing padded.
std::string ReportDateLine(const LocalTime& time);

// The reports are text files: every "\n" becomes CR LF on disk.
std::string WithCrLf(const std::string& text);

// Writes the text with CR LF line ends, atomically (no half file on failure).
bool WriteReportFile(const std::string& path, const std::string& text);

}  // namespace qx
