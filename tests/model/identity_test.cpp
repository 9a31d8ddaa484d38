#include <gtest/gtest.h>

#include "model/identity.h"

using namespace qx;

TEST(Identity, PackAndUnpackWorkedExamples)
{
    auto atis = PackAtis("123456789");
    ASSERT_TRUE(atis);
    EXPECT_EQ(*atis, (IdentityBytes{0x5B, 0x17, 0x2D, 0x43, 0x59}));
    EXPECT_EQ(UnpackAtis(*atis), "123456789");

    auto mmsi = PackMmsi("123456789");
    ASSERT_TRUE(mmsi);
    EXPECT_EQ(*mmsi, (IdentityBytes{0x0C, 0x22, 0x38, 0x4E, 0x5A}));
    EXPECT_EQ(UnpackMmsi(*mmsi), "123456789");

    auto shortAtis = PackAtis("12345");
    ASSERT_TRUE(shortAtis);
    EXPECT_EQ(*shortAtis, (IdentityBytes{91, 23, 45, 0, 0}));
    EXPECT_EQ(UnpackAtis(*shortAtis), "123450000");
    // Characters after the ninth are not used.
    EXPECT_EQ(*PackAtis("1234567891234"), *PackAtis("123456789"));
}

TEST(Identity, AbsentWhenTheTextReadsBelowOne)
{
    for (const char* t : {"", "0", "000000000", "abc", "-5", "  "}) {
        EXPECT_FALSE(PackAtis(t)) << t;
        EXPECT_FALSE(PackMmsi(t)) << t;
    }
    EXPECT_TRUE(PackMmsi("  7"));
    EXPECT_EQ(AtoiValue(" +42x"), 42);
    EXPECT_EQ(AtoiValue("-0012"), -12);
    EXPECT_GT(AtoiValue("99999999999999999999999999"), 0);  // saturates, no overflow
}

TEST(Identity, UnpackTakesBytesAsTheyCome)
{
    // The first ATIS byte is dropped unchecked; a byte above 99 gives characters past "9".
    EXPECT_EQ(UnpackAtis({12, 34, 56, 78, 90}), "234567890");
    std::string s = UnpackAtis({255, 0, 0, 0, 0});
    EXPECT_EQ(s[0], '5');
    EXPECT_EQ(s.size(), 9u);
    // An MMSI whose tenth digit is not 0 loses it.
    EXPECT_EQ(UnpackMmsi({12, 34, 56, 78, 91}), "123456789");
}

TEST(Identity, IsValidId)
{
    EXPECT_TRUE(IsValidId("123456789"));
    for (const char* t : {"012345678", "12345678", "12345678A", "1234567890", "", " 23456789"})
        EXPECT_FALSE(IsValidId(t)) << t;
}
