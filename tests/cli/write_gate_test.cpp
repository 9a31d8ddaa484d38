// Every command that writes a radio passes the one gate: another boat's MMSI is never replaced
// unasked, a refusal keeps no backup, and one radio takes one program at a time.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <thread>

#include "cli_harness.h"
#include "identity/radio_identity.h"
#include "model/identity.h"
#include "model/radio_image.h"
#include "model/radio_settings.h"

namespace qx::clitest {
namespace {

namespace fs = std::filesystem;

std::vector<uint8_t> EepromWithMmsi(const std::string& mmsi, uint8_t fill)
{
    std::vector<uint8_t> bytes(kEepromSize, fill);
    bytes[kAddrMmsiPresent] = 1;
    const IdentityBytes packed = *PackMmsi(mmsi);
    std::copy(packed.begin(), packed.end(), bytes.begin() + kAddrMmsi);
    return bytes;
}

class WriteGate : public CliTest {
protected:
    std::size_t FilesIn(const std::string& folder) const
    {
        std::error_code ec;
        std::size_t n = 0;
        for (fs::directory_iterator it(Path(folder), ec), end; !ec && it != end; it.increment(ec)) ++n;
        return n;
    }
    std::string RadioMmsi() const { return ImageIdentities(Bytes("radio.bin")).mmsi; }
};

TEST_F(WriteGate, EveryWriteCommandRefusesAnotherBoatsMmsiUnlessForcedAndKeepsNoBackupThen)
{
    RadioSettings record{};
    ResetSettings(record, 0);
    record.mmsiByUser = 0;
    SetMmsiText(record, "235012345");
    PutRecord("boat.dat", record);
    Put("boat.bin", EepromWithMmsi("235012345", 0x11));
    const std::vector<uint8_t> whole = EepromWithMmsi("235012345", 0x22);
    Put("part.bin", std::vector<uint8_t>(whole.begin() + 0x100, whole.begin() + 0x700));
    Put("units.csv", {'u', 'n', 'i', 't', ',', 'm', 'm', 's', 'i', '\n', 'A',
                      ',', '2', '3', '5', '0', '1', '2', '3', '4', '5',  '\n'});
    struct Entry {
        const char* command;
        const char* backups;  // where a backup of the radio would go
    };
    const std::string fleetRadio = "--radio " + Quote("virtual:" + Path("radio.bin") + ",fast");
    const Entry entries[] = {
        {"write boat.dat", "data/qx720/backups"},
        {"eeprom write boat.bin", "data/qx720/backups"},
        {"restore part.bin", "data/qx720/backups"},
        {"restore boat.bin", "data/qx720/backups"},
        {"fleet boat.dat units.csv --yes --log log.csv", "fleet-backups"},
    };
    for (const Entry& entry : entries) {
        SCOPED_TRACE(entry.command);
        const std::vector<uint8_t> before = EepromWithMmsi("257012345", 0xA5);
        Put("radio.bin", before);
        fs::remove(Path("log.csv"));
        const ToolRun refused = Qx(fleetRadio + " " + entry.command);
        EXPECT_EQ(refused.status, 1) << refused.all();
        EXPECT_NE(refused.all().find("257012345"), std::string::npos) << refused.all();
        EXPECT_NE(refused.all().find("--force"), std::string::npos) << refused.all();
        EXPECT_EQ(Bytes("radio.bin"), before);
        EXPECT_EQ(FilesIn(entry.backups), 0u) << "a radio left alone needs no backup";

        fs::remove(Path("log.csv"));
        const ToolRun forced = Qx(fleetRadio + " " + entry.command + " --force");
        EXPECT_EQ(forced.status, 0) << forced.all();
        EXPECT_EQ(RadioMmsi(), "235012345");
        EXPECT_EQ(FilesIn(entry.backups), 1u);
        fs::remove_all(Path(entry.backups));
    }
    // A clone file is neither a dump nor a backup: refused before the radio is opened.
    const std::vector<uint8_t> before = Bytes("radio.bin");
    for (const char* command : {"eeprom write boat.dat", "restore boat.dat"}) {
        const ToolRun refused = Qx(fleetRadio + " " + command);
        EXPECT_EQ(refused.status, 2) << command;
        EXPECT_EQ(refused.err.rfind("Unknown File Format.\n", 0), 0u) << refused.err;
    }
    EXPECT_EQ(Bytes("radio.bin"), before);
}

TEST_F(WriteGate, ASecondProgramOnTheSameRadioIsRefusedAtOnce)
{
    // Two names for one file: a link is the same radio.
    Put("radio.bin", std::vector<uint8_t>(kEepromSize, 0));
    fs::create_symlink(Path("radio.bin"), Path("same.bin"));
    ASSERT_EQ(Qx("defaults -o us.dat").status, 0);
    // The first at the real timings, so that it holds the radio for seconds.
    const std::string first = "cd " + Quote(dir_.string()) + " && (" + Quote(QX720_PATH) + " " + RealTimedRadio() +
                              " write us.dat --no-backup >first.out 2>first.err; echo $? >first.status) &";
    ASSERT_EQ(std::system(first.c_str()), 0);
    // Bounded waits: they end a hung run, they do not time the tool.
    auto waitFor = [](const std::function<bool()>& done) {
        for (int i = 0; i < 600 && !done(); ++i) std::this_thread::sleep_for(std::chrono::milliseconds(50));
        return done();
    };
    ASSERT_TRUE(waitFor([&] {
        std::error_code ec;
        for (fs::directory_iterator it(Path("run"), ec), end; !ec && it != end; it.increment(ec))
            if (fs::file_size(it->path(), ec) > 0) return true;
        return false;
    })) << "the first write never claimed the radio";

    for (const char* command : {"write us.dat --no-backup", "read -o r.dat", "eeprom read r.bin"}) {
        const ToolRun second = Qx("--radio " + Quote("virtual:" + Path("same.bin") + ",fast") + " " + command);
        EXPECT_EQ(second.status, 1) << command;
        EXPECT_NE(second.err.find("The radio is in use by another program.\nIt is held by qx720 (process "),
                  std::string::npos)
            << second.err;
    }
    ASSERT_TRUE(waitFor([&] { return fs::exists(Path("first.status")) && !Text("first.status").empty(); }));
    EXPECT_EQ(Text("first.status"), "0\n") << Text("first.err");
    EXPECT_EQ(Text("first.out"), "Write OK.\n");
}

}  // namespace
}  // namespace qx::clitest
