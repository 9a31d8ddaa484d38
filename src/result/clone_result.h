// The 32-bit outcome of every radio, service-tool and clone-file operation. Its own folder, so
// that clone/ and document/ can both include it without including each other.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace qx {

// Group in the high 16 bits, number in the low 16 bits; 0 is success.
using CloneResult = uint32_t;

inline constexpr CloneResult kResultOk = 0;
inline constexpr CloneResult kResultUserCancel = 1;
inline constexpr CloneResult kResultWriteError = 0x10003;
inline constexpr CloneResult kResultRadioNotDetected = 0x1000E;
inline constexpr CloneResult kResultTimeOut = 0x1000F;
inline constexpr CloneResult kResultHandShakeError = 0x10010;
inline constexpr CloneResult kResultCheckSumError = 0x10011;
// Another program runs on the radio (a write, a read, a fleet run).
inline constexpr CloneResult kResultRadioInUse = 0x10016;
inline constexpr CloneResult kResultOpenFileError = 0x20002;
inline constexpr CloneResult kResultReadFileError = 0x20003;
inline constexpr CloneResult kResultWriteFileError = 0x20004;
inline constexpr CloneResult kResultUnknownFormat = 0x20005;
inline constexpr CloneResult kResultReadOnly = 0x20006;
inline constexpr CloneResult kResultParameterError = 0x40001;

// Writes the message of a code into the buffer, always NUL-terminated within its capacity.
void DescribeResult(char* buffer, std::size_t capacity, CloneResult code);
std::string DescribeResult(CloneResult code);

}  // namespace qx
