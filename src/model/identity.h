// The radio's two identities as digit text in the record and digit-pair bytes in the image.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace qx {

using IdentityBytes = std::array<uint8_t, 5>;

// Reads a text as a number the way atoi does (blanks, optional sign, digits up to the first
// other character), but saturates instead of overflowing.
long long AtoiValue(std::string_view text);

// Empty when the identity is absent (the text reads as a number below 1).
std::optional<IdentityBytes> PackAtis(std::string_view atisText);
std::optional<IdentityBytes> PackMmsi(std::string_view mmsiText);
// Always 9 characters; a byte above 99 gives characters past "9".
std::string UnpackAtis(const IdentityBytes& bytes);
std::string UnpackMmsi(const IdentityBytes& bytes);

// Exactly 9 digits, the first not "0".
bool IsValidId(std::string_view text);

}  // namespace qx
