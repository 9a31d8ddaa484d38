// The exported frequency table ("FreqTabl.txt"): one line per channel of the record.
#pragma once

#include <string>

#include "clone/clock.h"
#include "model/radio_settings.h"

namespace qx {

inline constexpr const char* kFreqTableFileName = "FreqTabl.txt";

// One channel line without its line break: name, usage, Tx, Rx and the attribute words.
std::string FormatChannelLine(const ChannelEntry& entry);

// The whole table with "\n" line ends.
std::string FreqTableText(const RadioSettings& record, const LocalTime& time);

// Writes the table with CR LF line ends, atomically. False when the file could not be
// written (callers show "Can't Create file:\n%s"); an old file is then left as it was.
bool WriteFreqTable(const std::string& path, const RadioSettings& record, const LocalTime& time);

}  // namespace qx
