// The European private channel sets of the model wizard.
#pragma once

#include <vector>

#include "model/channel_plan.h"
#include "model/radio_settings.h"

namespace qx {

inline constexpr int kPrivateSetCount = 9;  // "All" .. "None"
inline constexpr int kPrivateSetNone = 8;
inline constexpr int kPrivateSetMaxRows = 50;

// "All", "UK", "Denmark", "Finland", "Norway", "Sweden", "Holland", "Belgium", "None"; "" outside.
const char* PrivateSetName(int setIndex);
// The set's rows (at most 50); empty for "None" and indexes outside 0..7.
std::vector<ChannelPlanRow> PrivateSetRows(int setIndex);
// Clears the Private block and fills it from entry 300 with the set's channels.
void LoadPrivateSet(int setIndex, RadioSettings& record);
// The model wizard's preview line "%s Tx=%8.4f Rx=%8.4f %s".
std::string FormatWizardLine(const ChannelEntry& entry);

}  // namespace qx
