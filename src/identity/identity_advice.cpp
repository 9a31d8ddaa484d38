#include "identity/identity_advice.h"

#include <algorithm>

#include "identity/maritime_identity.h"

namespace qx {

namespace {

bool NineDigits(std::string_view text)
{
    return text.size() == 9 && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

std::string Refusal(IdentityKind kind, std::string_view digits)
{
    if (digits[0] != '0') return {};
    if (kind == IdentityKind::Atis) return "an ATIS ID cannot start with 90";
    return digits[1] == '0' ? "a coast station's MMSI starts with 00" : "a group's MMSI starts with 0";
}

}  // namespace

IdentityAdvice AdviseIdentity(IdentityKind kind, std::string_view text)
{
    // An incomplete number says nothing yet; the check speaks when it matters.
    IdentityAdvice advice;
    if (!NineDigits(text)) return advice;
    const std::string digits(text);
    std::string administration;
    std::vector<std::string> warnings;
    if (kind == IdentityKind::Mmsi) {
        MmsiInfo info = ClassifyMmsi(digits);
        administration = info.administration;
        warnings = info.warnings;
    } else {
        AtisInfo info = ClassifyAtis(digits);
        administration = info.administration;
        warnings = info.warnings;
    }
    for (const std::string& w : warnings) advice.detail += (advice.detail.empty() ? "" : "\n") + w;
    advice.warning = !warnings.empty();
    advice.text = advice.warning ? warnings.front() : administration;
    if (!advice.warning) advice.detail = administration;
    advice.refusal = Refusal(kind, digits);
    if (!advice.refusal.empty()) {
        advice.refused = true;
        advice.warning = true;
        std::string said = kRefusalText;
        said.replace(said.find("%1"), 2, advice.refusal);
        advice.text = said;
        advice.detail = said + "\n" + advice.detail;
    }
    return advice;
}

std::string TypedIdentity(std::string_view text)
{
    std::string digits;
    for (char c : text) {
        if (c >= '0' && c <= '9')
            digits += c;
        else if (c != ' ' && c != '-')
            return std::string(text);
    }
    return digits;
}

}  // namespace qx
