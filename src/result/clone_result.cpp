#include "result/clone_result.h"

#include <cstring>

namespace qx {

namespace {

const char* LinkText(uint32_t number)
{
    switch (number) {
    case 0x02: return "Read Error.";
    case 0x03: return "Write Error.";
    case 0x04: return "Verify Error.";
    case 0x05: return "Handshake Error.";
    case 0x0B: return "Read from Comp Port Error.";
    case 0x0C: return "Write to Comp Port Error.";
    case 0x0D: return "Adaptor is not detected!";
    case 0x0E: return "Radio is not detected!";
    case 0x0F: return "Communication time out!";
    case 0x10: return "HandShake Error!";
    case 0x11: return "CheckSum Error";
    case 0x12: return "Invalid Data";
    case 0x13: return "Radio and PC software are not matched.";
    case 0x14: return "The system cannot find the COM Port specified.";
    case 0x15: return "COM Port Access is denied.";
    case 0x16: return "The radio is in use by another program.";
    default: return "Error";
    }
}

const char* FileText(uint32_t number)
{
    switch (number) {
    case 2: return "Open File Error.";
    case 3: return "Read from File Error.";
    case 4: return "Write to File Error.";
    case 5: return "Unknown File Format.";
    case 6: return "File Read Only.";
    case 7: return "File Exist.";
    default: return "Unknown File Error.";
    }
}

void CopyBounded(char* buffer, std::size_t capacity, const char* text)
{
    std::size_t n = std::strlen(text);
    if (n > capacity - 1) n = capacity - 1;
    // The buffer was zeroed and n leaves its last byte alone, so the text stays terminated.
    std::memcpy(buffer, text, n);  // NOLINT(bugprone-not-null-terminated-result)
}

}  // namespace

void DescribeResult(char* buffer, std::size_t capacity, CloneResult code)
{
    if (buffer == nullptr || capacity == 0) return;
    std::memset(buffer, 0, capacity);
    uint32_t group = code >> 16;
    uint32_t number = code & 0xFFFF;
    const char* text = "";
    switch (group) {
    case 0: text = number == 1 ? "User Cancel." : ""; break;
    case 1: text = LinkText(number); break;
    case 2: text = FileText(number); break;
    case 4: text = number == 1 ? "Function Parameter Error" : ""; break;
    default: break;
    }
    CopyBounded(buffer, capacity, text);
    if (buffer[0] == '\0') CopyBounded(buffer, capacity, "Unknown Error");
}

std::string DescribeResult(CloneResult code)
{
    char buffer[128];
    DescribeResult(buffer, sizeof buffer, code);
    return buffer;
}

}  // namespace qx
