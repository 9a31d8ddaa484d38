// qx720 mmsi, qx720 atis, and the identity advice that write and show print.
#pragma once

#include <string>

#include "cli/commands.h"
#include "model/radio_settings.h"

namespace qx::cli {

// 0: a ship or handheld number with an allocated MID; 1: the radio takes it but there is a
// warning; 2: the radio refuses it.
int CmdMmsi(Context& ctx, const std::string& number, bool json);
int CmdAtis(Context& ctx, const std::string& number, bool json);

// "warning: ..." lines on stderr for the record's identities; advice only, never a refusal.
void PrintIdentityWarnings(Context& ctx, const RadioSettings& record);

}  // namespace qx::cli
