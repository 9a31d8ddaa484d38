// The verify report ("Verify.txt"): the radio's record compared with the PC's.
#pragma once

#include <string>

#include "clone/clock.h"
#include "model/radio_settings.h"

namespace qx {

inline constexpr const char* kVerifyReportFileName = "Verify.txt";

inline constexpr int kVerifyPrivateDiffers = 0x8000;
inline constexpr int kVerifySettingsDiffer = 0x4000;  // a group flag or a PLL step
inline constexpr int kVerifyReportFailed = -1;

// 0 equal; 1 radio in use, PC free; 2 Tx differs; 3 Rx differs; 4 receive-only flag;
// 5 low-power flag; 6 ATIS at 1 W (Europe); 7 ATIS reception (Europe); 8 radio free, PC in use.
int ChannelDifference(const ChannelEntry& radio, const ChannelEntry& pc, bool europeModel);

// The PC record with its private channels as the radio would give them back after a write:
// encoded into an image and decoded again. What Verify compares the radio with: a radio that
// holds exactly what was written must verify, though it cannot store "ATIS reception off".
RadioSettings AsTheRadioHoldsIt(const RadioSettings& pc, bool europeModel);

// The report text with "\n" line ends (the last line has none); `result` receives the
// comparison flags when not null.
std::string VerifyReportText(const RadioSettings& pc, const RadioSettings& radio, bool europeModel,
                             const LocalTime& time, int* result);

// Writes the report with CR LF line ends, atomically, and returns the flags (0, 0x8000,
// 0x4000 or both), or -1 when the file could not be written (callers show
// "Can't Create file:\n%s").
int WriteVerifyReport(const std::string& path, const RadioSettings& pc, const RadioSettings& radio, bool europeModel,
                      const LocalTime& time);

}  // namespace qx
