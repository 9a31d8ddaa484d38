#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

#include "result/clone_result.h"

using namespace qx;

TEST(DescribeResult, EveryGroupAndItsFallbacks)
{
    const std::pair<CloneResult, const char*> cases[] = {
        {1, "User Cancel."},
        {0, "Unknown Error"},
        {2, "Unknown Error"},
        {0x10000, "Error"},
        {0x10002, "Read Error."},
        {0x10005, "Handshake Error."},
        {0x10006, "Error"},
        {0x1000A, "Error"},
        {0x1000D, "Adaptor is not detected!"},
        {0x1000E, "Radio is not detected!"},
        {0x1000F, "Communication time out!"},
        {0x10010, "HandShake Error!"},
        {0x10011, "CheckSum Error"},
        {0x10015, "COM Port Access is denied."},
        {0x10016, "The radio is in use by another program."},
        {0x10017, "Error"},
        {0x1FFFF, "Error"},
        {0x20002, "Open File Error."},
        {0x20005, "Unknown File Format."},
        {0x20007, "File Exist."},
        {0x20008, "Unknown File Error."},
        {0x20000, "Unknown File Error."},
        {0x30001, "Unknown Error"},
        {0x40001, "Function Parameter Error"},
        {0x40002, "Unknown Error"},
        {0xFFFFFFFF, "Unknown Error"},
    };
    for (auto [code, text] : cases) EXPECT_EQ(DescribeResult(code), text) << std::hex << code;
}

TEST(DescribeResult, RespectsTheBufferCapacity)
{
    char buffer[16];
    std::memset(buffer, 'x', sizeof buffer);
    DescribeResult(buffer, 5, 0x1000F);
    EXPECT_STREQ(buffer, "Comm");
    EXPECT_EQ(buffer[5], 'x');  // nothing beyond the capacity is touched
    DescribeResult(buffer, 1, 0x1000F);
    EXPECT_STREQ(buffer, "");
    DescribeResult(buffer, 3, 0x30000);
    EXPECT_STREQ(buffer, "Un");

    // No room or no buffer: nothing is written (a crash fails the test).
    std::memset(buffer, 'x', sizeof buffer);
    DescribeResult(buffer, 0, 1);
    EXPECT_EQ(buffer[0], 'x');
    DescribeResult(nullptr, sizeof buffer, 1);
    DescribeResult(nullptr, 0, 1);
    EXPECT_EQ(std::count(buffer, buffer + sizeof buffer, 'x'), static_cast<long>(sizeof buffer));
}
