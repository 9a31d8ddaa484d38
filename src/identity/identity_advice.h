// What the window and the page say beside an identity field while it is typed: the
// administration of a valid number, its warnings, or why the radio refuses it. Advice only:
// the editor's check stays the rule for writing and saving.
#pragma once

#include <string>
#include <string_view>

#include "identity/radio_identity.h"

namespace qx {

struct IdentityAdvice {
    std::string text;    // the administration, the first warning or the refusal; empty while incomplete
    std::string detail;  // every warning, one per line (the refusal first), or the administration
    bool warning = false;
    bool refused = false;  // the radio itself would not take the number
    // Why, in the radio's terms ("a group's MMSI starts with 0"), for front ends that translate
    // kRefusalText themselves.
    std::string refusal;
};

inline constexpr char kRefusalText[] = "The radio refuses this number: %1.";

// For a field's text: 9 digits for both fields (the ATIS field holds the digits after the "9").
IdentityAdvice AdviseIdentity(IdentityKind kind, std::string_view text);

// What a typed or pasted identity means: "235 012 345" and "235-012-345" are their digits;
// anything else with more than digits, spaces and dashes stays as typed, for the check to refuse.
std::string TypedIdentity(std::string_view text);

}  // namespace qx
