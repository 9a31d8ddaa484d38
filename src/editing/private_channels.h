// The rules of one private channel as the user fills it in (the channel setup dialog of the
// window, the page's channel dialog): its name, usage, TX text and Simplex or Duplex.
#pragma once

#include <string>
#include <string_view>

#include "model/radio_settings.h"

namespace qx {

// Why an edit was refused, in English with at most one argument ("%1"); empty: not refused.
struct EditRefusal {
    std::string text;
    std::string arg;
    explicit operator bool() const { return !text.empty(); }
    std::string English() const;
};

struct PrivateChannelFields {
    std::string name;  // one of kPrivateNameChars and a digit
    int usageCode = 0;
    std::string tx;  // as typed: "157.85", also "157,85" where a comma is the decimal sign
    bool duplex = false;
};

inline constexpr double kDuplexOffsetMHz = 4.6;
inline constexpr const char* kPrivateNameDigits = "0123456789";
// "Add" stops one short of the block's 100 entries.
inline constexpr int kMaxPrivateLines = 99;

// The TX text as a frequency: the number in front (a decimal point, or a comma after the whole
// megahertz); NaN when there is none.
double TxFromText(std::string_view text);

// "Invalid Tx Frequency..." with the range, when `tx` is no private channel's TX.
EditRefusal TxRefusal(double tx);

// The entry the fields describe, `entry`'s other bytes kept; refused as the dialog refuses.
EditRefusal FillPrivateChannel(ChannelEntry& entry, const PrivateChannelFields& fields);

// The rule a clone file is opened by, for an entry about to go into the list: a channel it
// refuses would make a file that never opens again.
EditRefusal PrivateEntryRefusal(const ChannelEntry& entry);

}  // namespace qx
