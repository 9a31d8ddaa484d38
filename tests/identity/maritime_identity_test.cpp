// The MMSI and ATIS classification against the numbering rules and the compiled-in MID table.
#include <gtest/gtest.h>

#include "identity/maritime_identity.h"
#include "identity/mid_table.h"

namespace qx {
namespace {

TEST(MidTable, IsSortedUniqueAndWithinTheMidRange)
{
    ASSERT_GT(kMidTableSize, 250);
    for (int i = 0; i < kMidTableSize; ++i) {
        EXPECT_GE(kMidTable[i].mid, 201);
        EXPECT_LE(kMidTable[i].mid, 775);
        EXPECT_NE(std::string(kMidTable[i].administration), "");
        if (i > 0) {
            EXPECT_LT(kMidTable[i - 1].mid, kMidTable[i].mid);
        }
    }
}

TEST(MidTable, LooksUpBothEndsAndGaps)
{
    EXPECT_STREQ(MidAdministration(201), "Albania (Republic of)");
    EXPECT_STREQ(MidAdministration(775), "Venezuela (Bolivarian Republic of)");
    EXPECT_STREQ(MidAdministration(235), "United Kingdom of Great Britain and Northern Ireland");
    // A name with a semicolon and one with non-ASCII letters survive the generator.
    EXPECT_STREQ(MidAdministration(306),
                 "Netherlands (Kingdom of the) - Bonaire, Sint Eustatius and Saba; Curaçao; Sint Maarten (Dutch part)");
    EXPECT_STREQ(MidAdministration(619), "Côte d'Ivoire (Republic of)");
    for (int mid : {0, 200, 217, 776, 999}) EXPECT_EQ(MidAdministration(mid), nullptr) << mid;
}

struct KindCase {
    const char* mmsi;
    MmsiKind kind;
    int mid;
    const char* name;  // in JSON output
};

TEST(ClassifyMmsi, EachPrefixGivesItsKindAndMid)
{
    const KindCase cases[] = {
        {"235012345", MmsiKind::Ship, 235, "ship"},
        {"201000000", MmsiKind::Ship, 201, "ship"},
        {"775999999", MmsiKind::Ship, 775, "ship"},
        {"823512345", MmsiKind::Handheld, 235, "handheld"},
        {"899999999", MmsiKind::Handheld, 999, "handheld"},
        {"023512345", MmsiKind::Group, 235, "group"},
        {"099999999", MmsiKind::Group, 999, "group"},
        {"002351234", MmsiKind::Coast, 235, "coast"},
        {"000000000", MmsiKind::Coast, 0, "coast"},
        {"111235001", MmsiKind::SarAircraft, 235, "sar-aircraft"},
        {"982351234", MmsiKind::CraftAssociated, 235, "craft-associated"},
        {"992351234", MmsiKind::AidToNavigation, 235, "aid-to-navigation"},
        {"970123456", MmsiKind::Sart, -1, "sart"},
        {"972000001", MmsiKind::Mob, -1, "mob"},
        {"974999999", MmsiKind::Epirb, -1, "epirb"},
    };
    for (const KindCase& c : cases) {
        MmsiInfo info = ClassifyMmsi(c.mmsi);
        EXPECT_EQ(info.kind, c.kind) << c.mmsi;
        EXPECT_EQ(info.mid, c.mid) << c.mmsi;
        EXPECT_STREQ(MmsiKindName(info.kind), c.name);
        EXPECT_EQ(info.mmsi, c.mmsi);
    }
}

TEST(ClassifyMmsi, DigitsNextToAPrefixAreNotThatKind)
{
    // 1 without 11, 9 without 70/72/74/8/9: no station kind.
    for (const char* mmsi : {"123456789", "110000000", "112350000", "199999999", "900000000", "969999999", "971000000",
                             "973000000", "975000000", "979999999"}) {
        MmsiInfo info = ClassifyMmsi(mmsi);
        EXPECT_EQ(info.kind, MmsiKind::Unknown) << mmsi;
        EXPECT_EQ(info.mid, -1) << mmsi;
        EXPECT_TRUE(info.radioAccepts) << mmsi;
        EXPECT_FALSE(info.Fits()) << mmsi;
        EXPECT_FALSE(info.warnings.empty()) << mmsi;
    }
}

TEST(ClassifyMmsi, AllocatedShipOrHandheldFitsWithoutWarnings)
{
    for (const char* mmsi : {"235012345", "503123456", "850312345"}) {
        MmsiInfo info = ClassifyMmsi(mmsi);
        EXPECT_TRUE(info.Fits()) << mmsi;
        EXPECT_TRUE(info.allocated) << mmsi;
        EXPECT_TRUE(info.warnings.empty()) << mmsi;
    }
    EXPECT_EQ(ClassifyMmsi("235012345").administration, "United Kingdom of Great Britain and Northern Ireland");
}

TEST(ClassifyMmsi, UnallocatedMidIsAWarningNotARefusal)
{
    for (const char* mmsi : {"200012345", "776000000", "799999999", "820012345", "111200001"}) {
        MmsiInfo info = ClassifyMmsi(mmsi);
        EXPECT_FALSE(info.allocated) << mmsi;
        EXPECT_EQ(info.administration, "") << mmsi;
        EXPECT_TRUE(info.radioAccepts) << mmsi;
        EXPECT_FALSE(info.Fits()) << mmsi;
        ASSERT_FALSE(info.warnings.empty()) << mmsi;
    }
    EXPECT_EQ(ClassifyMmsi("200012345").warnings, std::vector<std::string>{"MID 200 is not allocated to any country"});
    // A MID keeps the three digits it has in the number.
    EXPECT_EQ(ClassifyMmsi("801234567").warnings, std::vector<std::string>{"MID 012 is not allocated to any country"});
    EXPECT_EQ(MidLabel(5), "MID 005");
}

TEST(ClassifyMmsi, StationsThatAreNoHandsetAreWarned)
{
    MmsiInfo sar = ClassifyMmsi("111235001");
    EXPECT_TRUE(sar.radioAccepts);
    EXPECT_TRUE(sar.allocated);
    EXPECT_FALSE(sar.Fits());
    EXPECT_EQ(sar.warnings,
              std::vector<std::string>{"the number of a search-and-rescue aircraft, not of a ship's radio"});

    // Group and coast numbers start with 0: the radio refuses them outright.
    for (const char* mmsi : {"023512345", "002351234"}) {
        MmsiInfo info = ClassifyMmsi(mmsi);
        EXPECT_FALSE(info.radioAccepts) << mmsi;
        EXPECT_TRUE(info.allocated) << mmsi;
        EXPECT_EQ(info.warnings.size(), 2u) << mmsi;
    }
}

TEST(ClassifyMmsi, MalformedNumbersAreRefused)
{
    for (const char* mmsi : {"", "23501234", "2350123456", "23501234a", " 23501234", "+23501234"}) {
        MmsiInfo info = ClassifyMmsi(mmsi);
        EXPECT_EQ(info.kind, MmsiKind::Unknown) << mmsi;
        EXPECT_FALSE(info.radioAccepts) << mmsi;
        EXPECT_EQ(info.mid, -1) << mmsi;
        EXPECT_EQ(info.warnings, std::vector<std::string>{"an MMSI has exactly 9 digits"}) << mmsi;
    }
}

TEST(ClassifyAtis, TakesTenDigitsOrTheStoredNine)
{
    for (const char* atis : {"9235012345", "235012345"}) {
        AtisInfo info = ClassifyAtis(atis);
        EXPECT_EQ(info.atis, "9235012345") << atis;
        EXPECT_EQ(info.mid, 235) << atis;
        EXPECT_EQ(info.administration, "United Kingdom of Great Britain and Northern Ireland");
        EXPECT_TRUE(info.allocated);
        EXPECT_TRUE(info.radioAccepts);
        EXPECT_TRUE(info.Fits());
        EXPECT_TRUE(info.warnings.empty());
    }
}

TEST(ClassifyAtis, UnallocatedAndRefusedIds)
{
    AtisInfo unallocated = ClassifyAtis("9200012345");
    EXPECT_EQ(unallocated.mid, 200);
    EXPECT_FALSE(unallocated.allocated);
    EXPECT_TRUE(unallocated.radioAccepts);
    EXPECT_EQ(unallocated.warnings.size(), 1u);

    // The radio stores the 9 digits after the "9"; they may not start with 0.
    AtisInfo zero = ClassifyAtis("9023501234");
    EXPECT_FALSE(zero.radioAccepts);
    EXPECT_EQ(zero.atis, "9023501234");

    for (const char* atis : {"8235012345", "92350123", "92350123456", "923501234x", ""}) {
        AtisInfo info = ClassifyAtis(atis);
        EXPECT_FALSE(info.radioAccepts) << atis;
        EXPECT_EQ(info.atis, "") << atis;
        EXPECT_EQ(info.mid, -1) << atis;
        EXPECT_EQ(info.warnings.size(), 1u) << atis;
    }
}

TEST(AtisFromMmsi, GivesTheDigitsAfterTheNine)
{
    EXPECT_EQ(AtisFromMmsi("235012345"), "235012345");
    EXPECT_EQ(ClassifyAtis("9" + AtisFromMmsi("211234567")).mid, 211);
    EXPECT_EQ(AtisFromMmsi("23501234"), "");
    EXPECT_EQ(AtisFromMmsi("23501234x"), "");
    EXPECT_EQ(StoredAtisDigits("9235012345"), "235012345");
    EXPECT_EQ(StoredAtisDigits("8235012345"), "");
}

}  // namespace
}  // namespace qx
