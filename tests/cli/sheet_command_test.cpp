// qx720 sheet: the commissioning sheet and the channel card as PDF, read back with poppler's tools.
#include <cstdlib>
#include <regex>

#include "../support/records.h"
#include "cli_harness.h"
#include "model/channel_plan.h"
#include "model/checksum.h"
#include "model/frequency.h"
#include "model/private_sets.h"

namespace qx::clitest {
namespace {

namespace fs = std::filesystem;

constexpr const char* kEllipsis = "\xE2\x80\xA6";

class SheetCommand : public CliTest {
protected:
    void SetUp() override
    {
        if (!fs::exists("/usr/bin/pdftotext") || !fs::exists("/usr/bin/pdfinfo"))
            GTEST_SKIP() << "poppler-utils is not installed";
        CliTest::SetUp();
    }

    // The output of one of poppler's tools run on a PDF of the scratch folder, blanks collapsed so
    // that a phrase reads the same wherever the PDF's lines break.
    std::string Poppler(const std::string& tool, const std::string& pdf)
    {
        const std::string out = Path(".poppler");
        const std::string command = tool + " " + Quote(Path(pdf)) + (tool == "pdftotext" ? " " : " >") + Quote(out);
        EXPECT_EQ(std::system(command.c_str()), 0) << command;
        return std::regex_replace(Text(".poppler"), std::regex("\\s+"), " ");
    }

    // The typical record: Europe with the UK channels, a ship's MMSI and its ATIS ID, and one
    // channel whose frequency needs the fifth decimal.
    RadioSettings Typical() const
    {
        RadioSettings r;
        ResetSettings(r, 1);
        LoadPrivateSet(1, r);
        SetMmsiText(r, "235012345");
        SetAtisText(r, "235012345");
        r.mmsiByUser = r.atisByUser = 0;
        r.channels[kPrivateBlock + 2] = test::InUseChannel("L1", 157.00625, 161.60625, 34);
        return r;
    }
};

TEST_F(SheetCommand, SheetHoldsTheRecordOnOnePage)
{
    const RadioSettings record = Typical();
    PutRecord("t.dat", record);
    const ToolRun run = Qx("sheet t.dat -o t.pdf --vessel 'Morning Star' --call-sign MXYZ9");
    ASSERT_EQ(run.status, 0) << run.all();
    const std::string text = Poppler("pdftotext", "t.pdf");
    for (const std::string& expected :
         {std::string("235012345"), std::string("ship station"), std::string("United Kingdom"),
          std::string("9235012345"), std::string("M1"), std::string("M2"), std::string("L1"), std::string("157.8500"),
          std::string("161.4250"), std::string("157.00625"), std::string("161.60625"), std::string("LEISURE"),
          std::string("Morning Star"), std::string("MXYZ9"), ChecksumHex(SettingsChecksum(record)),
          std::string("Dealer"), std::string("Owner")})
        EXPECT_NE(text.find(expected), std::string::npos) << expected << " missing from: " << text;
    // Nothing was cut, by the layout or by the fonts being wider than it reckoned.
    EXPECT_EQ(text.find(kEllipsis), std::string::npos) << text;
    const std::string info = Poppler("pdfinfo", "t.pdf");
    EXPECT_NE(info.find("Pages: 1 "), std::string::npos) << info;
    EXPECT_NE(info.find("(A4)"), std::string::npos) << info;

    // Without a vessel the identities say who entered them, and the lines are left to fill in.
    RadioSettings byUser = record;
    SetMmsiText(byUser, "");
    byUser.mmsiByUser = 1;
    PutRecord("u.dat", byUser);
    ASSERT_EQ(Qx("sheet u.dat -o u.pdf --paper letter").status, 0);
    const std::string user = Poppler("pdftotext", "u.pdf");
    EXPECT_NE(user.find("entry by user"), std::string::npos) << user;
    EXPECT_EQ(user.find("Morning Star"), std::string::npos);
    const std::string letter = Poppler("pdfinfo", "u.pdf");
    EXPECT_NE(letter.find("612 x 792 pts (letter)"), std::string::npos) << letter;
    EXPECT_NE(letter.find("Pages: 1 "), std::string::npos) << letter;
}

TEST_F(SheetCommand, CardHoldsTheEnabledGroupsChannels)
{
    RadioSettings record = Typical();
    record.intEnabled = 1;
    record.usaEnabled = 0;
    record.canEnabled = 0;
    record.wxEnabled = 1;
    PutRecord("t.dat", record);
    const ToolRun run = Qx("sheet t.dat --card -o card.pdf");
    ASSERT_EQ(run.status, 0) << run.all();
    const std::string text = Poppler("pdftotext", "card.pdf");
    for (int group : {kGroupInt, kGroupWx})
        for (const ChannelPlanRow& row : PlanRows(group))
            EXPECT_NE(text.find(PlanRxText(row.rxWord)), std::string::npos) << group << ": " << PlanRxText(row.rxWord);
    for (const char* expected :
         {"INT (international)", "WX (weather", "Private channels", "M1", "157.00625", "LEISURE"})
        EXPECT_NE(text.find(expected), std::string::npos) << expected;
    for (const char* absent : {"USA", "CAN (Canada)", kEllipsis})
        EXPECT_EQ(text.find(absent), std::string::npos) << absent;
}

// Each language's texts, date and decimal mark, from the catalogs.
TEST_F(SheetCommand, EachLanguageHasItsTextsDatesAndNumbers)
{
    PutRecord("t.dat", Typical());
    struct Case {
        const char* language;
        std::vector<std::string> holds;
    };
    const Case cases[] = {
        {"en", {"Call sign", "Channel groups", "157.8500", "Private channels (3)"}},
        {"de", {"Rufzeichen", "Kanalgruppen", "157,8500", "Private Kanäle (3)", "Schiffsfunkstelle"}},
        {"nl", {"Roepnaam", "Kanaalgroepen", "157,8500", "Privékanalen (3)"}},
        {"fr", {"Indicatif d'appel", "Groupes de canaux", "157,8500", "Canaux privés (3)", "station de navire"}},
    };
    for (const Case& c : cases) {
        const std::string pdf = std::string("t-") + c.language + ".pdf";
        ASSERT_EQ(Qx("sheet t.dat -o " + pdf + " --lang " + c.language).status, 0) << c.language;
        const std::string text = Poppler("pdftotext", pdf);
        std::vector<std::string> pieces = c.holds;
        // In every language: the identities, their country and every private channel.
        for (const char* same : {"235012345", "9235012345", "United Kingdom", "M1", "M2", "L1"})
            pieces.emplace_back(same);
        for (const std::string& piece : pieces)
            EXPECT_NE(text.find(piece), std::string::npos) << c.language << ": " << piece;
        EXPECT_NE(Poppler("pdfinfo", pdf).find("Pages: 1 "), std::string::npos) << c.language;
    }
    EXPECT_EQ(Qx("sheet t.dat -o x.pdf --lang es").status, 2);
}

// A fleet run's sheets: one per unit written and verified, with its own identities.
TEST_F(SheetCommand, AFleetWritesASheetPerVerifiedUnit)
{
    PutRecord("t.dat", Typical());
    const std::string units = "unit,mmsi\nA,235000001\nB,235000002\n";
    Put("units.csv", std::vector<uint8_t>(units.begin(), units.end()));
    const ToolRun run = Qx("--radio " + Quote("virtual:" + Path("radio-{unit}.bin") + ",fast") +
                           " fleet t.dat units.csv --yes --jobs 2 --sheets sheets");
    ASSERT_EQ(run.status, 0) << run.all();
    for (const auto& [unit, mmsi] : {std::pair{"A", "235000001"}, std::pair{"B", "235000002"}}) {
        const std::string text = Poppler("pdftotext", std::string("sheets/") + unit + ".pdf");
        EXPECT_NE(text.find(mmsi), std::string::npos) << unit << ": " << text;
        EXPECT_NE(text.find("Written and verified: "), std::string::npos) << unit;
    }
}

TEST_F(SheetCommand, RefusesWhatItCannotReadOrWrite)
{
    PutRecord("t.dat", Typical());
    Put("notes.dat", {'h', 'e', 'l', 'l', 'o'});
    const std::vector<uint8_t> before = Bytes("t.dat");
    struct Case {
        const char* args;
        int status;
        const char* output;  // must not exist afterwards
    };
    const Case cases[] = {
        {"sheet missing.dat -o a.pdf", 2, "a.pdf"},
        {"sheet notes.dat -o b.pdf", 2, "b.pdf"},
        {"sheet t.dat -o t.dat", 2, nullptr},
        {"sheet t.dat -o ./t.dat --card", 2, nullptr},
        {"sheet t.dat -o c.pdf --paper a5", 2, "c.pdf"},
        {"sheet t.dat", 2, nullptr},
        {"sheet t.dat -o no/such/folder/d.pdf", 1, nullptr},
    };
    for (const Case& c : cases) {
        const ToolRun run = Qx(c.args);
        EXPECT_EQ(run.status, c.status) << c.args << ": " << run.all();
        EXPECT_FALSE(run.err.empty()) << c.args;
        if (c.output != nullptr) {
            EXPECT_FALSE(fs::exists(Path(c.output))) << c.args;
        }
    }
    EXPECT_EQ(Bytes("t.dat"), before);
}

}  // namespace
}  // namespace qx::clitest
