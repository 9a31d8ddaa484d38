// qx720's commands that need no radio: defaults, checksum, export, show, plan, diff, demo,
// doctor, and the usage errors.
#include <nlohmann/json.hpp>

#include <cstring>
#include <regex>
#include <sstream>

#include "cli_harness.h"
#include "model/checksum.h"

namespace qx::clitest {
namespace {

namespace fs = std::filesystem;

using FileCommands = CliTest;

std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

TEST_F(FileCommands, DefaultsBuildTheWizardRecords)
{
    ASSERT_EQ(Qx("defaults -o uk.dat --model eur-int --set uk").status, 0);
    RadioSettings uk = Record("uk.dat");
    EXPECT_EQ(uk.modelType, 1);
    EXPECT_EQ(uk.atisByUser, 1);
    EXPECT_EQ(uk.canEnabled, 0);
    ASSERT_EQ(PrivateChannelCount(uk), 2);
    EXPECT_EQ(ChannelName(uk.channels[kPrivateBlock]), "M1");
    EXPECT_EQ(UsageText(uk.channels[kPrivateBlock + 1]), "MARINA");

    // The set only counts for the European models; the default set is none.
    ASSERT_EQ(Qx("defaults -o us.dat --set all").status, 0);
    EXPECT_EQ(Record("us.dat").modelType, 0);
    EXPECT_EQ(PrivateChannelCount(Record("us.dat")), 0);
    ASSERT_EQ(Qx("defaults -o eu.dat --model eur-int-usa").status, 0);
    EXPECT_EQ(Record("eu.dat").modelType, 2);
    EXPECT_EQ(Record("eu.dat").canEnabled, 1);
    EXPECT_EQ(PrivateChannelCount(Record("eu.dat")), 0);
    ASSERT_EQ(Qx("defaults -o nl.dat --model eur-int-usa --set holland").status, 0);
    RadioSettings nl = Record("nl.dat");
    EXPECT_EQ(nl.modelType, 2);
    ASSERT_EQ(PrivateChannelCount(nl), 2);
    EXPECT_EQ(ChannelName(nl.channels[kPrivateBlock + 1]), "37");

    RadioSettings expected;
    ResetSettings(expected, 0);
    RadioSettings us = Record("us.dat");
    EXPECT_EQ(std::memcmp(&expected, &us, sizeof expected), 0);

    EXPECT_EQ(Qx("defaults -o x.dat --model europe").status, 2);
    EXPECT_EQ(Qx("defaults -o x.dat --model eur-int --set atlantis").status, 2);
    EXPECT_FALSE(fs::exists(Path("x.dat")));
    ToolRun unwritable = Qx("defaults -o " + Quote(Path("no/such/x.dat")));
    EXPECT_EQ(unwritable.status, 1);
    EXPECT_NE(unwritable.err.find("Write to File Error."), std::string::npos) << unwritable.err;
}

TEST_F(FileCommands, ChecksumPrintsTheRecordSum)
{
    ASSERT_EQ(Qx("defaults -o all.dat --model eur-int --set all").status, 0);
    ToolRun sum = Qx("checksum all.dat");
    EXPECT_EQ(sum.status, 0);
    EXPECT_EQ(sum.out, ChecksumText(SettingsChecksum(Record("all.dat"))) + "\n");
    EXPECT_TRUE(std::regex_match(sum.out, std::regex("CheckSum=0x[0-9A-F]{8}\n")));
}

TEST_F(FileCommands, ExportWritesTheFrequencyTable)
{
    ASSERT_EQ(Qx("defaults -o uk.dat --model eur-int --set uk").status, 0);
    ToolRun run = Qx("export uk.dat");
    EXPECT_EQ(run.status, 0) << run.all();
    EXPECT_EQ(run.out, "Exported " + Path("FreqTabl.txt") + "\n");
    const std::string table = Text("FreqTabl.txt");
    std::smatch match;
    ASSERT_TRUE(std::regex_search(table, match,
                                  std::regex("^Date:\\d{4}\\.\\d{1,2}\\.\\d{1,2}\\t\\tTime:\\d{1,2}:\\d{1,2}\\r\\n")));
    EXPECT_EQ(match.suffix().str(),
              "\r\n"
              "Channel   Name\t TxFreq\t\t RxFreq  \r\n"
              "INT\r\n"
              "M1 , MARINA       , 157.8500, 157.8500,   \r\n"
              "M2 , MARINA       , 161.4250, 161.4250,   \r\n"
              "\r\nUSA\r\n");

    EXPECT_EQ(Qx("export uk.dat -o table.txt").status, 0);
    EXPECT_TRUE(fs::exists(Path("table.txt")));
    ToolRun failed = Qx("export uk.dat -o " + Quote(Path("no/such/table.txt")));
    EXPECT_EQ(failed.status, 1);
    EXPECT_EQ(failed.err, "Can't Create file:\n" + Path("no/such/table.txt") + "\n");
}

TEST_F(FileCommands, ShowJsonHasEveryKey)
{
    ASSERT_EQ(Qx("defaults -o all.dat --model eur-int --set all").status, 0);
    ToolRun run = Qx("show all.dat --json");
    ASSERT_EQ(run.status, 0) << run.all();
    nlohmann::json j = nlohmann::json::parse(run.out);
    for (const char* key : {"modelType", "atisByUser", "atisText", "mmsiByUser", "mmsiText", "txStep", "rxStep",
                            "groups", "brandName", "modelName", "checksum", "private"})
        EXPECT_TRUE(j.contains(key)) << key;
    for (const char* key : {"USA", "USANAR", "INT", "INTNAR", "CAN", "CANNAR", "PRI", "WX"})
        EXPECT_TRUE(j["groups"].contains(key)) << key;
    EXPECT_EQ(j["groups"]["CAN"], 0);
    EXPECT_EQ(j["modelType"], 1);
    EXPECT_EQ(j["brandName"], "Corvelstone");
    EXPECT_EQ(j["checksum"], ChecksumHex(SettingsChecksum(Record("all.dat"))));
    ASSERT_EQ(j["private"].size(), 28u);
    const auto& first = j["private"][0];
    for (const char* key : {"name", "usageCode", "usageText", "txMHz", "rxMHz", "lowPowerOnly", "rxOnly", "oneWattAtis",
                            "rxAtis", "pttHigh"})
        EXPECT_TRUE(first.contains(key)) << key;
    EXPECT_EQ(first["name"], "31");
    EXPECT_EQ(first["usageText"], "MARINA");
    EXPECT_NEAR(first["txMHz"].get<double>(), 157.75, 1e-9);
    EXPECT_NEAR(first["rxMHz"].get<double>(), 162.15, 1e-9);

    ToolRun text = Qx("show all.dat");
    EXPECT_EQ(text.status, 0);
    EXPECT_NE(text.out.find("Private channels: 28\n"), std::string::npos);
    EXPECT_NE(text.out.find(" C9,TX:155.9750  RX:155.9750"), std::string::npos);
}

TEST_F(FileCommands, ShowJsonSurvivesTextsThatAreNotUtf8)
{
    RadioSettings record;
    ResetSettings(record, 1);
    std::memcpy(record.brandName, "\xff\xfe\x80", 4);
    PutRecord("odd.dat", record);
    ToolRun run = Qx("show odd.dat --json");
    ASSERT_EQ(run.status, 0) << run.all();
    EXPECT_NO_THROW(nlohmann::json::parse(run.out));
}

TEST_F(FileCommands, PlanListsAGroupAsTheChannelList)
{
    ToolRun run = Qx("plan int");
    ASSERT_EQ(run.status, 0);
    std::vector<std::string> lines = Lines(run.out);
    EXPECT_EQ(lines.size(), 57u);
    EXPECT_EQ(run.out.find('\r'), std::string::npos);
    bool found16 = false;
    for (const std::string& line : lines) found16 = found16 || line.rfind("16, TX:156.8000  RX:156.8000,", 0) == 0;
    EXPECT_TRUE(found16);

    ToolRun wx = Qx("plan wx");
    ASSERT_EQ(wx.status, 0);
    EXPECT_EQ(Lines(wx.out).at(0).rfind("01, TX:0.0000  RX:162.5500,", 0), 0u);
    EXPECT_EQ(Qx("plan private").status, 2);
}

TEST_F(FileCommands, DiffListsFieldDifferences)
{
    ASSERT_EQ(Qx("defaults -o a.dat --model eur-int --set uk").status, 0);
    ToolRun same = Qx("diff a.dat a.dat");
    EXPECT_EQ(same.status, 0);
    EXPECT_EQ(same.out, "The files are equal.\n");

    RadioSettings b = Record("a.dat");
    b.channels[kPrivateBlock + 1].txMHz = 161.45;
    PutRecord("channel.dat", b);
    ToolRun channel = Qx("diff a.dat channel.dat");
    EXPECT_EQ(channel.status, 1);
    EXPECT_EQ(channel.out, "private[1].txMHz: 161.425 -> 161.45\n");

    b = Record("a.dat");
    b.mmsiByUser = 0;
    SetMmsiText(b, "235012345");
    b.channels[kPrivateBlock + 2] = b.channels[kPrivateBlock];
    PutRecord("mmsi.dat", b);
    ToolRun mmsi = Qx("diff a.dat mmsi.dat");
    EXPECT_EQ(mmsi.status, 1);
    EXPECT_EQ(mmsi.out, "mmsiByUser: 1 -> 0\nmmsiText: \"\" -> \"235012345\"\nprivate[2]: - -> \"M1\"\n");

    ToolRun json = Qx("diff --json a.dat mmsi.dat");
    EXPECT_EQ(json.status, 1);
    nlohmann::json j = nlohmann::json::parse(json.out);
    EXPECT_EQ(j["equal"], false);
    ASSERT_EQ(j["differences"].size(), 3u);
    EXPECT_EQ(j["differences"][1]["field"], "mmsiText");
    EXPECT_EQ(j["differences"][1]["b"], "235012345");
    EXPECT_TRUE(j["differences"][2]["a"].is_null());
}

TEST_F(FileCommands, BadArgumentsAndFilesExitWithStatus2)
{
    EXPECT_EQ(Qx("").status, 2);
    ToolRun unknown = Qx("launch");
    EXPECT_EQ(unknown.status, 2);
    EXPECT_EQ(unknown.err.rfind("qx720: unknown command \"launch\"\n", 0), 0u) << unknown.err;
    EXPECT_EQ(Qx("read").status, 2);
    EXPECT_EQ(Qx("show").status, 2);
    EXPECT_EQ(Qx("--radio serial handshake").status, 2);
    EXPECT_EQ(Qx("--radio virtual: handshake").status, 2);
    EXPECT_EQ(Qx("--radio virtual:r.bin,unplug-after=x handshake").status, 2);
    EXPECT_EQ(Qx("--radio virtual:r.bin,corrupt=0 handshake").status, 2);
    EXPECT_EQ(Qx("--radio virtual:r.bin,loud handshake").status, 2);
    const ToolRun help = Qx("--help");
    EXPECT_EQ(help.status, 0);
    // Scripts read the command line's output: it says that it stays English.
    EXPECT_NE(help.out.find("in English whatever the desktop's language"), std::string::npos) << help.out;

    ToolRun missing = Qx("show missing.dat");
    EXPECT_EQ(missing.status, 2);
    EXPECT_EQ(missing.err, "Open File Error.\nmissing.dat: cannot open the file\n");
    Put("short.dat", std::vector<uint8_t>(100, 0));
    ToolRun shortFile = Qx("checksum short.dat");
    EXPECT_EQ(shortFile.status, 2);
    EXPECT_EQ(shortFile.err.rfind("Unknown File Format.\n", 0), 0u);

    // A virtual radio file of the wrong size is refused and left alone.
    Put("radio.bin", std::vector<uint8_t>(100, 0x33));
    EXPECT_EQ(Qx(Radio() + " handshake").status, 2);
    EXPECT_EQ(Bytes("radio.bin").size(), 100u);
}

TEST_F(FileCommands, DemoRunsEveryStep)
{
    ToolRun demo = Qx("demo");
    EXPECT_EQ(demo.status, 0) << demo.all();
    EXPECT_EQ(demo.err, "");
    for (const char* piece :
         {"(28 private channels)", "Write OK.", "Read OK.", "Private channels: 28", "Verify OK.", "QX720Clone"})
        EXPECT_NE(demo.out.find(piece), std::string::npos) << piece;
}

TEST_F(FileCommands, DoctorReportsWhatItFinds)
{
    // Whatever this machine has plugged in: a heading, one entry per device with the ID, the rule.
    ToolRun doctor = Qx("doctor");
    std::vector<std::string> lines = Lines(doctor.out);
    ASSERT_GE(lines.size(), 2u) << doctor.all();
    EXPECT_EQ(lines.front().rfind("Clone adaptor", 0), 0u);
    EXPECT_EQ(lines.back().rfind("udev rule 70-qx720-clone.rules: ", 0), 0u);
    if (lines[0].find("not found") != std::string::npos) {
        EXPECT_EQ(doctor.status, 1);
    }
}

// An output that is one of the command's inputs, by whatever name, is refused before anything is
// written: the clone file never becomes its own CSV.
TEST_F(FileCommands, AnOutputThatIsAnInputByAnyNameIsRefused)
{
    ASSERT_EQ(Qx("defaults -o boat.dat --model eur-int --set uk").status, 0);
    ASSERT_EQ(Qx("channels export boat.dat -o in.csv").status, 0);
    Put("radio.bin", std::vector<uint8_t>(8192, 0));
    fs::create_symlink(Path("boat.dat"), Path("link.dat"));
    fs::create_hard_link(Path("boat.dat"), Path("hard.dat"));
    const std::vector<uint8_t> boat = Bytes("boat.dat");
    const std::vector<uint8_t> csv = Bytes("in.csv");
    const std::vector<uint8_t> radio = Bytes("radio.bin");
    const std::string virtualRadio = "--radio " + Quote("virtual:" + Path("radio.bin") + ",fast") + " ";
    for (const std::string& command : std::vector<std::string>{
             "channels export boat.dat -o boat.dat",
             "channels export boat.dat -o ./hard.dat",
             "channels export link.dat -o boat.dat",
             "channels import boat.dat in.csv -o in.csv",
             "channels import in.csv in.csv",
             "export boat.dat -o link.dat",
             virtualRadio + "verify boat.dat --report hard.dat",
             virtualRadio + "read -o ./radio.bin",
             virtualRadio + "eeprom read radio.bin",
             virtualRadio + "fleet boat.dat in.csv --yes --log link.dat",
         }) {
        const ToolRun run = Qx(command);
        EXPECT_EQ(run.status, 2) << command;
        EXPECT_NE(run.err.find(") is the same file as "), std::string::npos) << command << ": " << run.err;
        EXPECT_EQ(run.out, "") << command;
    }
    EXPECT_EQ(Bytes("boat.dat"), boat);
    EXPECT_EQ(Bytes("in.csv"), csv);
    EXPECT_EQ(Bytes("radio.bin"), radio);
}

}  // namespace
}  // namespace qx::clitest
