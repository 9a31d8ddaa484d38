// The dealer's units file: everything wrong in it is found before any radio is touched.
#include <gtest/gtest.h>

#include "backups/backup_name.h"
#include "fleet/fleet_units.h"

namespace qx {
namespace {

std::vector<std::string> Problems(const std::string& text)
{
    std::vector<FleetUnit> units;
    return ParseFleetUnits(text, units);
}

TEST(ParseFleetUnits, ColumnsInAnyOrderAndCaseWithEmptyMeaningEntryByUser)
{
    std::vector<FleetUnit> units;
    std::vector<std::string> problems = ParseFleetUnits(
        "\xEF\xBB\xBF"
        "ATIS,Note,Unit,MMSI\r\n9235012345,spare,boat 1,235012345\r\n,,\"boat, two\",\r\n235099999,,b3,235099999\r\n",
        units);
    ASSERT_TRUE(problems.empty()) << problems.front();
    ASSERT_EQ(units.size(), 3u);
    EXPECT_EQ(units[0].name, "boat 1");
    EXPECT_EQ(units[0].mmsi, "235012345");
    EXPECT_EQ(units[0].atis, "235012345");  // the 9 digits the radio stores
    EXPECT_EQ(AtisForDisplay(units[0]), "9235012345");
    EXPECT_EQ(units[1].name, "boat, two");
    EXPECT_EQ(units[1].mmsi, "");
    EXPECT_EQ(units[1].atis, "");
    EXPECT_EQ(AtisForDisplay(units[1]), "");
    EXPECT_EQ(units[2].atis, "235099999");
    EXPECT_EQ(units[2].line, 4);
}

TEST(ParseFleetUnits, AtisColumnIsOptional)
{
    std::vector<FleetUnit> units;
    EXPECT_TRUE(ParseFleetUnits("unit,mmsi\nA,235012345\n", units).empty());
    ASSERT_EQ(units.size(), 1u);
    EXPECT_EQ(units[0].atis, "");
}

TEST(ParseFleetUnits, HeaderProblems)
{
    EXPECT_EQ(Problems("name,mmsi\nA,235012345\n"), std::vector<std::string>{"line 1: the header has no column unit"});
    EXPECT_EQ(Problems("unit,atis\nA,9235012345\n"), std::vector<std::string>{"line 1: the header has no column mmsi"});
    EXPECT_EQ(Problems("unit,mmsi,MMSI\nA,1,2\n").size(), 1u);
    EXPECT_EQ(Problems("").size(), 1u);
    EXPECT_EQ(Problems("unit,mmsi\n"), std::vector<std::string>{"line 2: the file lists no units"});
    EXPECT_EQ(Problems("unit,mmsi\n\"A,1\n"), std::vector<std::string>{"line 2: a quoted field is not closed"});
}

TEST(ParseFleetUnits, EveryProblemIsListedWithItsLine)
{
    const std::vector<std::string> problems = Problems(
        "unit,mmsi,atis\n"
        "A,235012345,9235012345\n"     // 2: fine
        "A,235012346,\n"               // 3: duplicate name
        ",235012347,\n"                // 4: no name
        "B,023512345,\n"               // 5: the radio refuses it
        "C,23501234,\n"                // 6: 8 digits
        "D,235012345,\n"               // 7: same MMSI as line 2
        "E,,8235012345\n"              // 8: ATIS not starting with 9
        "F,,9023501234\n"              // 9: stored digits start with 0
        "G,,235012345\n"               // 10: same ATIS as line 2, given as 9 digits
        "H,235012349\n"                // 11: a field short
        "../I,235012350,\n"            // 12: not a file name
        "J,2350123450,92350123451\n"   // 13: 10 and 11 digits
        "K,23501234x,9-235012345\n");  // 14: not digits
    const std::vector<std::string> expected = {
        "line 3: the unit A is already on line 2",
        "line 4: the unit has no name",
        "line 5: MMSI 023512345: it starts with 0, which the radio does not take",
        "line 6: MMSI 23501234: it has 8 digits where the radio takes 9",
        "line 7: MMSI 235012345 is already given to the unit on line 2",
        "line 8: ATIS ID 8235012345: it starts with 8 where an ATIS ID starts with 9",
        "line 9: ATIS ID 9023501234: it has 0 after its leading 9, which the radio does not take",
        "line 10: ATIS ID 235012345 is already given to the unit on line 2",
        "line 11: 2 fields where the header has 3",
        "line 12: the unit name \"../I\" holds a character a file name cannot hold",
        "line 13: MMSI 2350123450: it has 10 digits where the radio takes 9",
        "line 13: ATIS ID 92350123451: it has 11 digits where the radio takes 10 (or the last 9)",
        "line 14: MMSI 23501234x: it holds characters other than digits",
        "line 14: ATIS ID 9-235012345: it holds characters other than digits",
    };
    EXPECT_EQ(problems, expected);
}

TEST(ParseFleetUnits, NamesThatWouldMisleadATerminalOrMakeNoFileNameAreRefusedShownEscaped)
{
    const std::string longest(kBackupNameMaxBytes, 'n');
    EXPECT_TRUE(Problems("unit,mmsi\n" + longest + ",235012345\nBoat \xC3\x84,\n").empty());
    const std::vector<std::string> problems = Problems(
        "unit,mmsi\n"
        "\x1b]0;owned\a,\n"
        "del\x7f,\n"
        "c1\xC2\x9b,\n"
        "evil\xE2\x80\xAEtxt.exe,\n"
        "A,\x1b[2J\n" +
        longest + "n,\n");
    const std::vector<std::string> expected = {
        "line 2: the unit name \"\\x1b]0;owned\\x07\" holds a character a file name cannot hold",
        "line 3: the unit name \"del\\x7f\" holds a character a file name cannot hold",
        "line 4: the unit name \"c1\\u009b\" holds a character a file name cannot hold",
        "line 5: the unit name \"evil\\u202etxt.exe\" holds a character a file name cannot hold",
        "line 6: MMSI \\x1b[2J: it holds characters other than digits",
        "line 7: the unit name \"" + longest + "n\" is longer than its backup's file name may be (" +
            std::to_string(kBackupNameMaxBytes) + " bytes)",
    };
    EXPECT_EQ(problems, expected);
}

TEST(ParseFleetUnits, AllocationWarningsAreNoProblems)
{
    // Unallocated MIDs and odd kinds are advice; only the radio's own rule refuses.
    EXPECT_TRUE(Problems("unit,mmsi,atis\nA,200012345,9200012345\nB,111235001,\n").empty());
}

}  // namespace
}  // namespace qx
