#include "model/identity.h"

namespace qx {

long long AtoiValue(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || (text[i] >= '\t' && text[i] <= '\r'))) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    long long value = 0;
    constexpr long long kLimit = 100000000000000000LL;  // far above any identity, far below overflow
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        if (value < kLimit) value = value * 10 + (text[i] - '0');
    }
    return negative ? -value : value;
}

namespace {

IdentityBytes PackDigits(const std::string& ten)
{
    IdentityBytes bytes{};
    for (int i = 0; i < 5; ++i) {
        auto pair = std::string_view(ten).substr(2 * static_cast<std::size_t>(i), 2);
        bytes[i] = static_cast<uint8_t>(AtoiValue(pair) & 0xFF);
    }
    return bytes;
}

std::string UnpackDigits(const IdentityBytes& bytes)
{
    std::string ten;
    for (uint8_t b : bytes) {
        ten += static_cast<char>('0' + b / 10);
        ten += static_cast<char>('0' + b % 10);
    }
    return ten;
}

// Cuts a text at an embedded NUL, as a C string would end there.
std::string_view CString(std::string_view text)
{
    auto nul = text.find('\0');
    return nul == std::string_view::npos ? text : text.substr(0, nul);
}

}  // namespace

std::optional<IdentityBytes> PackAtis(std::string_view atisText)
{
    atisText = CString(atisText);
    if (AtoiValue(atisText) < 1) return std::nullopt;
    std::string ten = ("9" + std::string(atisText) + "000000").substr(0, 10);
    return PackDigits(ten);
}

std::optional<IdentityBytes> PackMmsi(std::string_view mmsiText)
{
    mmsiText = CString(mmsiText);
    if (AtoiValue(mmsiText) <= 0) return std::nullopt;
    std::string ten = (std::string(mmsiText) + "0000000").substr(0, 10);
    return PackDigits(ten);
}

std::string UnpackAtis(const IdentityBytes& bytes) { return UnpackDigits(bytes).substr(1, 9); }
std::string UnpackMmsi(const IdentityBytes& bytes) { return UnpackDigits(bytes).substr(0, 9); }

bool IsValidId(std::string_view text)
{
    if (text.size() != 9 || text[0] == '0') return false;
    for (char c : text)
        if (c < '0' || c > '9') return false;
    return true;
}

}  // namespace qx
