// Private channels as CSV: the export's exact text, import rules, every refusal, round trips.
#include <gtest/gtest.h>

#include <cstring>

#include "channels/channel_csv.h"
#include "model/frequency.h"
#include "model/private_sets.h"
#include "support/records.h"

namespace qx {
namespace {

const std::string kHeader = "Name,Usage,TX MHz,RX MHz,1W,RxOnly,1WATIS,RxATIS,PTTHI,Usage text\r\n";

RadioSettings Europe()
{
    RadioSettings r;
    ResetSettings(r, 1);
    return r;
}

bool SameBytes(const RadioSettings& a, const RadioSettings& b) { return std::memcmp(&a, &b, sizeof a) == 0; }

std::vector<std::string> ImportProblems(const std::string& csv, RadioSettings record = Europe())
{
    const RadioSettings before = record;
    std::vector<std::string> problems;
    EXPECT_FALSE(ImportChannelsCsv(csv, record, problems)) << csv;
    EXPECT_TRUE(SameBytes(record, before)) << "a refused import changed the record";
    return problems;
}

RadioSettings Imported(const std::string& csv, RadioSettings record = Europe())
{
    std::vector<std::string> problems;
    EXPECT_TRUE(ImportChannelsCsv(csv, record, problems)) << (problems.empty() ? "" : problems.front());
    return record;
}

TEST(ExportChannelsCsv, WritesTheListWithCrLfAndQuotesOnlyWhatNeedsIt)
{
    RadioSettings r = Europe();
    ChannelEntry& a = r.channels[300] = test::InUseChannel("L1", 156.025, 156.025 + 4.6, 13);
    a.lowPowerOnly = 1, a.rxAtis = 7, a.pttHigh = 1;
    SetUsageText(a, "Dock, \"B\"");
    r.channels[301] = test::InUseChannel("A5", 0.0, 161.6, 35);
    r.channels[301].rxOnly = 1;
    r.channels[302] = test::InUseChannel("M9", 156.8, 156.8, 0);  // a code without a usage name
    // A three-character name ends the list, as the channel list shows it.
    r.channels[303] = test::InUseChannel("C2", 157.0, 157.0, 11);
    r.channels[303].name[2] = 'X';
    r.channels[304] = test::InUseChannel("C3", 157.0, 157.0, 11);

    EXPECT_EQ(ExportChannelsCsv(r), kHeader +
                                        "L1,BOAT OPERATION,156.02500,160.62500,1,0,0,1,1,\"Dock, \"\"B\"\"\"\r\n"
                                        "A5,FISHING,0.00000,161.60000,0,1,0,0,0,\r\n"
                                        "M9,,156.80000,156.80000,0,0,0,0,0,\r\n");
    EXPECT_EQ(PrivateListLength(r), 3);
    EXPECT_EQ(ExportChannelsCsv(Europe()), kHeader);
}

TEST(ImportChannelsCsv, ExportedChannelsComeBackByteForByte)
{
    // Doubles as each source of channels makes them: the European sets, the channel setup
    // dialog (typed text, duplex as Tx + 4.6) and a read from the radio (words times steps).
    RadioSettings source = Europe();
    LoadPrivateSet(0, source);
    const int n = PrivateListLength(source);
    ASSERT_GT(n, 20);
    ChannelEntry& typed = source.channels[300 + n] = test::InUseChannel("A1", 156.025, 156.025 + 4.6, 14);
    typed.reserved3C[0] = 0x77;  // reserved bytes and flag values other than 1 stay too
    typed.oneWattAtis = 5;
    source.channels[301 + n] = test::InUseChannel("A2", TxFromWord(24971, 0), RxFromWord(11235, 1), 20);
    // A freed entry after the list keeps its bytes.
    source.channels[302 + n] = test::InUseChannel("A3", 160.0, 160.0, 12);
    source.channels[302 + n].inUse = 0;

    RadioSettings same = source;
    const std::string csv = ExportChannelsCsv(source);
    EXPECT_TRUE(SameBytes(Imported(csv, same), source));

    // Into a record without private channels, the set's entries are the same bytes.
    RadioSettings set = Europe();
    LoadPrivateSet(0, set);
    RadioSettings fresh = Imported(ExportChannelsCsv(set));
    EXPECT_EQ(std::memcmp(&fresh.channels[300], &set.channels[300], sizeof(ChannelEntry) * 100), 0);
}

TEST(ImportChannelsCsv, FindsColumnsByNameAndFillsTheDefaults)
{
    // Any order, any case, blanks around names and values, LF line ends and a byte order
    // mark; no RX and no flags.
    const RadioSettings r = Imported(
        "\xEF\xBB\xBF"
        " tx mhz ,Usage text,NAME,usage\n"
        "156.8,\"anything, \",16, distress \n"
        "\n"
        ",,,\n"
        "157.0125,,F1,coast guard/sar\n");
    ASSERT_EQ(PrivateListLength(r), 2);
    const ChannelEntry& a = r.channels[300];
    EXPECT_EQ(ChannelName(a), "16");
    EXPECT_EQ(a.usageCode, 17);
    EXPECT_DOUBLE_EQ(a.txMHz, 156.8);
    EXPECT_EQ(a.rxMHz, a.txMHz);
    EXPECT_EQ(a.lowPowerOnly + a.rxOnly + a.oneWattAtis + a.rxAtis + a.pttHigh, 0);
    EXPECT_EQ(UsageText(a), "anything, ");
    EXPECT_EQ(r.channels[301].usageCode, 29);
    EXPECT_DOUBLE_EQ(r.channels[301].rxMHz, 157.0125);
    EXPECT_EQ(r.channels[302].inUse, 0);
}

TEST(ImportChannelsCsv, ReplacesTheListFreeingWhatItNoLongerHolds)
{
    RadioSettings r = Europe();
    LoadPrivateSet(0, r);
    const int old = PrivateListLength(r);
    ASSERT_GT(old, 3);
    const ChannelEntry stale = r.channels[301];

    RadioSettings shorter = Imported(kHeader + "C1,MARINA,157.85,,,,,,,\r\n", r);
    EXPECT_EQ(PrivateListLength(shorter), 1);
    for (int p = 1; p < old; ++p) EXPECT_EQ(shorter.channels[300 + p].inUse, 0) << p;
    // Freed as the channel list frees: only the in-use flag changes.
    ChannelEntry freed = stale;
    freed.inUse = 0;
    EXPECT_EQ(std::memcmp(&shorter.channels[301], &freed, sizeof freed), 0);

    // A longer list ends before a stale in-use entry that lay behind the old end.
    RadioSettings gap = Europe();
    gap.channels[300] = test::InUseChannel("C1", 157.85, 157.85, 33);
    gap.channels[302] = test::InUseChannel("C3", 157.85, 157.85, 33);
    RadioSettings longer = Imported(kHeader + "C1,MARINA,157.85,,,,,,,\r\nC2,MARINA,157.85,,,,,,,\r\n", gap);
    EXPECT_EQ(PrivateListLength(longer), 2);
    EXPECT_EQ(longer.channels[302].inUse, 0);

    // No rows: refused, unless an empty list is what was asked for.
    EXPECT_EQ(ImportProblems(kHeader + ",,,,,,,,,\r\n", r), std::vector<std::string>{"line 1: no channel rows"});
    std::vector<std::string> problems;
    RadioSettings emptied = r;
    ASSERT_TRUE(ImportChannelsCsv(kHeader, emptied, problems, true));
    EXPECT_EQ(PrivateListLength(emptied), 0);
}

TEST(ImportChannelsCsv, TakesLinesEndedByCrAlone)
{
    // As "CSV (Macintosh)" saves them: the rows are rows, not part of the header.
    RadioSettings source = test::EuropeWithChannels(3);
    std::string csv = ExportChannelsCsv(source);
    for (std::size_t at = csv.find("\r\n"); at != std::string::npos; at = csv.find("\r\n", at)) csv.erase(at + 1, 1);
    const RadioSettings r = Imported(csv);
    EXPECT_EQ(PrivateListLength(r), 3);
    EXPECT_EQ(std::memcmp(&r.channels[300], &source.channels[300], 3 * sizeof(ChannelEntry)), 0);
}

TEST(ImportChannelsCsv, TwoChannelsOfOneNameAreTakenWithAWarningNamingBothLines)
{
    RadioSettings record = Europe();
    std::vector<std::string> problems;
    std::vector<SharedName> shared;
    const std::string csv = "Name,Usage,TX MHz\r\nM1,distress,157.0\r\n\r\nL2,distress,157.1\r\nM1,distress,157.2\r\n";
    ASSERT_TRUE(ImportChannelsCsv(csv, record, problems, false, &shared)) << (problems.empty() ? "" : problems[0]);
    EXPECT_EQ(PrivateListLength(record), 3);  // the radio takes them: so does the import
    ASSERT_EQ(shared.size(), 1u);
    EXPECT_EQ(SharedNameText(shared[0]), "lines 2 and 5 both have the name \"M1\"");
    ASSERT_TRUE(ImportChannelsCsv(ExportChannelsCsv(test::EuropeWithChannels(3)), record, problems, false, &shared));
    EXPECT_TRUE(shared.empty());
}

TEST(ImportChannelsCsv, RefusesColumnsItDoesNotKnow)
{
    // A misspelt flag column would leave every channel able to transmit.
    const std::string columns =
        "the columns are Name, Usage, TX MHz, RX MHz, 1W, RxOnly, 1WATIS, RxATIS, PTTHI, "
        "Usage text";
    EXPECT_EQ(ImportProblems("Name,Usage,TX MHz,Rx Only\r\nA1,MARINA,0,1\r\n"),
              std::vector<std::string>{"line 1: unknown column \"Rx Only\"; " + columns});
    EXPECT_EQ(ImportProblems("\r\nName,Usage,TX MHz,,Remarks\x1b\r\nA1,MARINA,156.8,,\r\n"),
              (std::vector<std::string>{"line 2: unknown column \"\"; " + columns,
                                        "line 2: unknown column \"Remarks\\x1b\"; " + columns}));
}

TEST(ChannelsCsv, TextsASpreadsheetWouldRunComeBackExactly)
{
    RadioSettings r = test::EuropeWithChannels(6);
    const char* texts[] = {"=1+1", "+CMD", "-2", "@SUM(A1)", "'quoted", "plain"};
    for (int i = 0; i < 6; ++i) SetUsageText(r.channels[300 + i], texts[i]);
    const std::string csv = ExportChannelsCsv(r);
    EXPECT_NE(csv.find(",'=1+1\r\n"), std::string::npos) << csv;
    EXPECT_NE(csv.find(",'@SUM(A1)\r\n"), std::string::npos) << csv;
    EXPECT_NE(csv.find(",''quoted\r\n"), std::string::npos) << csv;
    EXPECT_NE(csv.find(",plain\r\n"), std::string::npos) << csv;
    RadioSettings back = test::EuropeWithChannels(0);
    back = Imported(csv, back);
    for (int i = 0; i < 6; ++i) EXPECT_EQ(UsageText(back.channels[300 + i]), texts[i]);
    // A typed apostrophe is what spreadsheets show as nothing: it goes.
    EXPECT_EQ(UsageText(Imported(kHeader + "A1,MARINA,156.8,,,,,,,'Dock\r\n").channels[300]), "Dock");
}

TEST(ImportChannelsCsv, RefusesEveryInvalidRowListingEachProblemByLine)
{
    struct Case {
        const char* row;
        const char* problem;
    };
    const Case cases[] = {
        {"B1,MARINA,156.8,,,,,,,", "Name \"B1\" is not one of 0123456789ACFLM followed by a digit"},
        {"1A,MARINA,156.8,,,,,,,", "Name \"1A\""},
        {"A,MARINA,156.8,,,,,,,", "Name \"A\""},
        {"A12,MARINA,156.8,,,,,,,", "Name \"A12\""},
        {",MARINA,156.8,,,,,,,", "Name \"\""},
        {"A1,MARINAS,156.8,,,,,,,", "Usage \"MARINAS\" is not a usage name (PORT OPERATION, "},
        {"A1,162.550000Mhz,156.8,,,,,,,", "Usage \"162.550000Mhz\""},
        {"A1,,156.8,,,,,,,", "Usage \"\""},
        {"A1,MARINA,135.99375,,,,,,,", "TX MHz \"135.99375\" is neither 0 (receive only) nor 136 to 174 MHz"},
        {"A1,MARINA,174.00625,,,,,,,", "TX MHz \"174.00625\""},
        {"A1,MARINA,156.803,,,,,,,", "TX MHz \"156.803\""},
        {"A1,MARINA,156.8abc,,,,,,,", "TX MHz \"156.8abc\""},
        {"A1,MARINA,-156.8,,,,,,,", "TX MHz \"-156.8\""},
        {"A1,MARINA,1e2,,,,,,,", "TX MHz \"1e2\""},
        {"A1,MARINA,nan,,,,,,,", "TX MHz \"nan\""},
        {"A1,MARINA,,,,,,,,", "TX MHz \"\""},
        {"A1,MARINA,0,,,,,,,", "RX MHz \"0\" is not 136 to 178.6 MHz in steps of 6.25 kHz (RX is TX when not given)"},
        {"A1,MARINA,156.8,156.803,,,,,,", "RX MHz \"156.803\" is not 136 to 178.6 MHz"},
        {"A1,MARINA,174,178.60625,,,,,,", "RX MHz \"178.60625\""},
        {"A1,MARINA,174,178.6,,,,,,", "RX MHz 178.60000 lies above 174 MHz, and a clone file holding it would not"},
        {"A1,MARINA,156.8,,2,,,,,", "1W \"2\" is not 0 or 1"},
        {"A1,MARINA,156.8,,,yes,,,,", "RxOnly \"yes\" is not 0 or 1"},
        {"A1,MARINA,156.8,,,,-1,,,", "1WATIS \"-1\""},
        {"A1,MARINA,156.8,,,,,1.0,,", "RxATIS \"1.0\""},
        {"A1,MARINA,156.8,,,,,,x,", "PTTHI \"x\""},
        {"A1,MARINA,156.8,,,,,,,Thirteen char", "Usage text \"Thirteen char\" is longer than 12 bytes (it has 13)"},
        // The radio counts bytes: seven two-byte letters do not fit.
        {"A1,MARINA,156.8,,,,,,,\xC3\x84\xC3\x84\xC3\x84\xC3\x84\xC3\x84\xC3\x84\xC3\x84",
         "is longer than 12 bytes (it has 14)"},
        {"A1,MARINA,156.8,,,,,,,Bell\a", "Usage text \"Bell\\x07\" holds a control character"},
        {"A1,MARINA,156.8,,,,,,,\"Two\rlines\"", "Usage text \"Two\\x0dlines\" holds a control character"},
        {"A1,MARINA,156.8,,,,,,,Del\x7f", "holds a control character"},
        {"A1,MARINA,156.8,,,,,,,C1\xC2\x9b", "Usage text \"C1\\u009b\" holds a control character"},
        {"\x1b[31m,MARINA,156.8,,,,,,,", "Name \"\\x1b[31m\" is not one of"},
        {"A1,MARINA,156.8,,,,,,", "line 2: 9 fields where the header has 10"},
        {"A1,MARINA,156.8,,,,,,,,", "line 2: 11 fields where the header has 10"},
    };
    for (const Case& c : cases) {
        const std::vector<std::string> problems = ImportProblems(kHeader + c.row + "\r\n");
        ASSERT_EQ(problems.size(), 1u) << c.row;
        EXPECT_EQ(problems[0].rfind("line 2: ", 0), 0u) << problems[0];
        EXPECT_NE(problems[0].find(c.problem), std::string::npos) << c.row << "\n" << problems[0];
    }
    // The edges pass, and stay inside the band once stored.
    const RadioSettings edges = Imported(kHeader +
                                         "A1,MARINA,136,,,,,,,\r\nA2,MARINA,174,,,,,,,\r\n"
                                         "A3,MARINA,0,174,1,1,1,1,1,TwelveChars!\r\n");
    ASSERT_EQ(PrivateListLength(edges), 3);
    EXPECT_GE(edges.channels[300].txMHz, 136.0);
    EXPECT_LE(edges.channels[301].txMHz, 174.0);
    EXPECT_LE(edges.channels[302].rxMHz, 174.0);
    EXPECT_EQ(edges.channels[302].txMHz, 0.0);

    // Every problem of every row, each with its own line; a quoted line break counts.
    const std::vector<std::string> problems = ImportProblems(
        kHeader + "Z1,MARINA,1,,,2,,,,\"two\r\nlines\"\r\nA1,MARINA,156.8,,,,,,,\r\nA2,NOPE,156.8,,,,,,,\r\n");
    ASSERT_EQ(problems.size(), 5u);
    EXPECT_EQ(problems[0].rfind("line 2: Name", 0), 0u);
    EXPECT_EQ(problems[1].rfind("line 2: TX MHz", 0), 0u);
    EXPECT_EQ(problems[2].rfind("line 2: RxOnly", 0), 0u);
    EXPECT_EQ(problems[3], "line 2: Usage text \"two\\x0d\\x0alines\" holds a control character");
    EXPECT_EQ(problems[4].rfind("line 5: Usage", 0), 0u);
}

TEST(ImportChannelsCsv, RefusesBadFilesAsAWhole)
{
    EXPECT_EQ(ImportProblems(""),
              std::vector<std::string>{"line 1: no header line (" + kHeader.substr(0, kHeader.size() - 2) + ")"});
    EXPECT_EQ(ImportProblems("Name,TX MHz\r\n"),
              std::vector<std::string>{"line 1: no Usage column (the header needs Name, Usage and TX MHz)"});
    EXPECT_EQ(ImportProblems("\nName,Usage,TX MHz,name\n").at(0), "line 2: the column Name appears twice");
    EXPECT_EQ(ImportProblems(kHeader + "A1,\"MARINA\"x,156.8,,,,,,,\r\n").at(0),
              "line 2: text after the closing quote of a field");

    std::string many = kHeader;
    for (int i = 0; i < 101; ++i) many += "A" + std::to_string(i % 10) + ",MARINA,156.8,,,,,,,\r\n";
    EXPECT_EQ(ImportProblems(many),
              std::vector<std::string>{"line 102: more than 100 channels (the private block holds 100)"});
    many.resize(many.rfind("A0,"));
    EXPECT_EQ(PrivateListLength(Imported(many)), 100);

    RadioSettings usa;
    ResetSettings(usa, 0);
    EXPECT_EQ(ImportProblems(kHeader, usa), std::vector<std::string>{std::string(kUsaModelHasNoPrivateChannels)});
}

}  // namespace
}  // namespace qx
