#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <filesystem>
#include <limits>
#include <random>

#include "files/atomic_file.h"
#include "files/clone_file.h"
#include "model/radio_image.h"
#include "support/temp_dir.h"

using namespace qx;
using qx::test::ReadAll;
using qx::test::TempDir;
using qx::test::WriteAll;

namespace {

RadioSettings EuropeWithChannel()
{
    RadioSettings r;
    ResetSettings(r, 1);
    ChannelEntry& e = r.channels[300];
    SetChannelName(e, "16");
    e.txMHz = e.rxMHz = 156.8;
    e.inUse = 1;
    return r;
}

}  // namespace

TEST(CheckCloneRecord, AcceptsAndRejects)
{
    RadioSettings r = EuropeWithChannel();
    EXPECT_TRUE(CheckCloneRecord(r));

    struct Case {
        const char* what;
        void (*change)(ChannelEntry&);
        bool valid;
    };
    const Case cases[] = {
        {"one-character name", [](ChannelEntry& e) { SetChannelName(e, "1"); }, false},
        {"three-character name", [](ChannelEntry& e) { std::memcpy(e.name, "A12", 3); }, true},
        {"name running past its field",
         [](ChannelEntry& e) {
             std::memcpy(e.name, "A12", 3);
             e.reserved07 = 'X';
         },
         false},
        {"Rx 135.9", [](ChannelEntry& e) { e.rxMHz = 135.9; }, false},
        {"Rx 174.1", [](ChannelEntry& e) { e.rxMHz = 174.1; }, false},
        {"Rx 136 and 174 edges",
         [](ChannelEntry& e) {
             e.rxMHz = 136;
             e.txMHz = 174;
         },
         true},
        {"receive only", [](ChannelEntry& e) { e.txMHz = 0; }, true},
        {"receive only, Tx a rounding error above 0", [](ChannelEntry& e) { e.txMHz = 0.00005; }, true},
        {"receive only, Tx 0.0001", [](ChannelEntry& e) { e.txMHz = 0.0001; }, true},
        {"receive only, Tx a rounding error below 0", [](ChannelEntry& e) { e.txMHz = -0.00005; }, true},
        {"Tx 0.0002", [](ChannelEntry& e) { e.txMHz = 0.0002; }, false},
        // A negative TX is no receive-only mark: the radio would transmit out of band.
        {"Tx -150", [](ChannelEntry& e) { e.txMHz = -150; }, false},
        {"Tx -0.0002", [](ChannelEntry& e) { e.txMHz = -0.0002; }, false},
        {"Tx -infinite", [](ChannelEntry& e) { e.txMHz = -std::numeric_limits<double>::infinity(); }, false},
        {"Tx 135", [](ChannelEntry& e) { e.txMHz = 135; }, false},
        {"Rx NaN", [](ChannelEntry& e) { e.rxMHz = std::numeric_limits<double>::quiet_NaN(); }, false},
        {"Tx NaN", [](ChannelEntry& e) { e.txMHz = std::numeric_limits<double>::quiet_NaN(); }, false},
        {"Rx infinite", [](ChannelEntry& e) { e.rxMHz = std::numeric_limits<double>::infinity(); }, false},
        {"free entry with a bad name",
         [](ChannelEntry& e) {
             e.inUse = 0;
             SetChannelName(e, "1");
             e.rxMHz = 1;
         },
         true},
    };
    for (const Case& c : cases) {
        RadioSettings copy = r;
        c.change(copy.channels[300]);
        EXPECT_EQ(CheckCloneRecord(copy), c.valid) << c.what;
    }
    // Any block counts, not only Private.
    RadioSettings intBad = r;
    intBad.channels[5].inUse = 1;
    EXPECT_FALSE(CheckCloneRecord(intBad));
}

TEST(CloneFile, SaveAndLoadGiveBackEveryByte)
{
    TempDir dir;
    RadioSettings r = EuropeWithChannel();
    r.reserved0040[3] = 0x77;  // reserved bytes survive
    r.reservedA388[63] = 0x11;
    ModelConfig cfg;
    ResetModelConfig(cfg);
    cfg.modified = 1;
    const std::string path = dir.File("radio.dat");
    ASSERT_EQ(WriteCloneFile(path, r, cfg), kResultOk);
    EXPECT_EQ(cfg.modified, 0);
    EXPECT_EQ(ReadAll(path).size(), sizeof r);

    RadioSettings loaded{};
    ModelConfig loadCfg;
    ResetModelConfig(loadCfg);
    loadCfg.modified = 1;
    loadCfg.clearedOnOpen = 9;
    ASSERT_EQ(LoadCloneFile(path, loaded, loadCfg), kResultOk);
    EXPECT_EQ(std::memcmp(&loaded, &r, sizeof r), 0);
    EXPECT_EQ(loadCfg.modified, 0);
    EXPECT_EQ(loadCfg.clearedOnOpen, 0);
    EXPECT_EQ(loadCfg.readOnlyFile, 0);
    EXPECT_EQ(ClonePath(loadCfg), path);

    // A longer file loads from its first 43816 bytes.
    std::vector<char> longer = ReadAll(path);
    longer.resize(longer.size() + 100, 'z');
    WriteAll(path, longer.data(), longer.size());
    RadioSettings fromLong{};
    EXPECT_EQ(LoadCloneFile(path, fromLong, loadCfg), kResultOk);
    EXPECT_EQ(std::memcmp(&fromLong, &r, sizeof r), 0);
}

TEST(CloneFile, BadFilesChangeNothing)
{
    TempDir dir;
    RadioSettings doc = EuropeWithChannel();
    const RadioSettings before = doc;
    ModelConfig cfg;
    ResetModelConfig(cfg);
    cfg.modified = 1;
    SetClonePath(cfg, "old.dat");
    const ModelConfig cfgBefore = cfg;

    EXPECT_EQ(LoadCloneFile(dir.File("missing.dat"), doc, cfg), kResultOpenFileError);
    EXPECT_EQ(LoadCloneFile(dir.Path(), doc, cfg), kResultOpenFileError);  // a folder

    const std::string truncated = dir.File("short.dat");
    WriteAll(truncated, &before, 1000);
    EXPECT_EQ(LoadCloneFile(truncated, doc, cfg), kResultUnknownFormat);
    WriteAll(truncated, &before, 0);
    EXPECT_EQ(LoadCloneFile(truncated, doc, cfg), kResultUnknownFormat);

    RadioSettings bad = before;
    bad.channels[300].rxMHz = 174.1;
    const std::string invalid = dir.File("bad.dat");
    WriteAll(invalid, &bad, sizeof bad);
    EXPECT_EQ(LoadCloneFile(invalid, doc, cfg), kResultUnknownFormat);

    EXPECT_EQ(std::memcmp(&doc, &before, sizeof doc), 0);
    EXPECT_EQ(std::memcmp(&cfg, &cfgBefore, sizeof cfg), 0);
}

TEST(CloneFile, ReadOnlyFileSetsTheFlag)
{
    TempDir dir;
    RadioSettings r = EuropeWithChannel();
    ModelConfig cfg;
    ResetModelConfig(cfg);
    const std::string path = dir.File("ro.dat");
    ASSERT_EQ(WriteCloneFile(path, r, cfg), kResultOk);
    namespace fs = std::filesystem;
    fs::permissions(path, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
    RadioSettings loaded{};
    ASSERT_EQ(LoadCloneFile(path, loaded, cfg), kResultOk);
    EXPECT_EQ(cfg.readOnlyFile, 1);
}

TEST(CloneFile, AFailedSaveKeepsTheOldFileAndReportsIt)
{
    TempDir dir;
    const std::string path = dir.File("keep.dat");
    RadioSettings old = EuropeWithChannel();
    ModelConfig cfg;
    ResetModelConfig(cfg);
    ASSERT_EQ(WriteCloneFile(path, old, cfg), kResultOk);
    const std::vector<char> oldBytes = ReadAll(path);

    RadioSettings changed = old;
    changed.channels[300].txMHz = 160.0;
    cfg.modified = 1;
    SetWriteFaultHookForTesting([](std::size_t) { return false; });  // the disk is full
    EXPECT_EQ(WriteCloneFile(path, changed, cfg), kResultWriteFileError);
    SetWriteFaultHookForTesting(nullptr);
    EXPECT_EQ(cfg.modified, 1);
    EXPECT_EQ(ReadAll(path), oldBytes);
    // No temporary file is left behind.
    int files = 0;
    for (auto& e : std::filesystem::directory_iterator(dir.Path())) files += e.is_regular_file();
    EXPECT_EQ(files, 1);

    // A target in a folder that does not exist cannot be written either.
    EXPECT_EQ(WriteCloneFile(dir.File("no/such/folder.dat"), changed, cfg), kResultWriteFileError);
}

TEST(StateFile, RoundTripAndDamagedFiles)
{
    TempDir dir;
    const std::string path = StateFilePath(dir.Path(), "QX720Clone");
    EXPECT_EQ(std::filesystem::path(path).filename(), "QX720Clone.Bin");

    ModelConfig cfg;
    ResetModelConfig(cfg);
    EXPECT_EQ(cfg.resetOne, 1);
    EXPECT_FALSE(ReadStateFile(path, cfg));  // missing: caller resets
    cfg.modelType = 2;
    cfg.europeanSet = 5;
    cfg.reserved040[100] = 0x42;  // unused offsets are kept
    SetClonePath(cfg, std::string(400, 'p'));
    EXPECT_EQ(ClonePath(cfg).size(), kMaxPathChars);
    ASSERT_TRUE(WriteStateFile(path, cfg));

    ModelConfig back;
    ResetModelConfig(back);
    ASSERT_TRUE(ReadStateFile(path, back));
    EXPECT_EQ(std::memcmp(&back, &cfg, sizeof cfg), 0);

    WriteAll(path, &cfg, 100);  // truncated
    ModelConfig untouched;
    ResetModelConfig(untouched);
    EXPECT_FALSE(ReadStateFile(path, untouched));
    EXPECT_EQ(untouched.modelType, 0);

    std::memset(cfg.clonePath, 'x', sizeof cfg.clonePath);  // no NUL in the path field
    EXPECT_EQ(ClonePath(cfg).size(), sizeof cfg.clonePath);
}

TEST(CheckCloneRecord, ProblemNamesTheEntryAndTheCheck)
{
    RadioSettings r = EuropeWithChannel();
    EXPECT_EQ(CloneRecordProblem(r), "");

    // What an erased radio decodes to: in-use private channels with no name and no frequency.
    RadioImage erased;
    erased.fill(0xFF);
    RadioSettings read;
    DecodeSettings(erased, 1, read);
    EXPECT_FALSE(CheckCloneRecord(read));
    EXPECT_EQ(CloneRecordProblem(read).rfind("private channel 1 has a name of 0 characters", 0), 0u)
        << CloneRecordProblem(read);

    r.channels[301] = r.channels[300];
    r.channels[301].rxMHz = 180.0;
    EXPECT_EQ(CloneRecordProblem(r), "private channel 2 receives on 180.00000 MHz, outside 136..174 MHz");
    r.channels[301].txMHz = 100.0;
    EXPECT_EQ(CloneRecordProblem(r), "private channel 2 transmits on 100.00000 MHz, outside 136..174 MHz");
    r.channels[7].inUse = 1;
    EXPECT_EQ(CloneRecordProblem(r).rfind("channel entry 7 has a name", 0), 0u);
}

// Whatever an editor lets through (each channel passing the one-entry check, as the window's and
// the page's editors apply it at OK) saves into a file that opens again as the same document.
TEST(CloneFile, EveryDocumentTheEditorsAllowOpensAgainAsItWasSaved)
{
    TempDir dir;
    std::mt19937 random(720);
    std::uniform_real_distribution<double> mhz(130.0, 180.0);
    std::uniform_int_distribution<int> pick(0, 1 << 20);
    const char names[] = "0123456789ABCDEFLPS";
    int refused = 0;
    for (int round = 0; round < 200; ++round) {
        RadioSettings record{};
        ResetSettings(record, 1 + pick(random) % 2);
        for (int slot = 0; slot < 1 + pick(random) % 40; ++slot) {
            ChannelEntry entry{};
            entry.inUse = 1;
            entry.name[0] = names[pick(random) % (sizeof names - 1)];
            entry.name[1] = names[pick(random) % (sizeof names - 1)];
            entry.txMHz = std::round(mhz(random) / 0.00625) * 0.00625;
            entry.rxMHz = pick(random) % 2 != 0 ? entry.txMHz + 4.6 : entry.txMHz;
            entry.usageCode = static_cast<int8_t>(pick(random) % 36);
            if (!ChannelEntryProblem(entry).empty()) {
                ++refused;
                continue;  // refused at OK: never in a document
            }
            record.channels[kPrivateBlock + slot] = entry;
        }
        ASSERT_EQ(CloneRecordProblem(record), "") << round;
        ModelConfig config{};
        const std::string path = dir.File("round.dat");
        ASSERT_EQ(WriteCloneFile(path, record, config), kResultOk);
        RadioSettings opened{};
        ASSERT_EQ(ReadCloneRecord(path, opened), kResultOk) << round;
        EXPECT_EQ(std::memcmp(&opened, &record, sizeof record), 0) << round;
    }
    EXPECT_GT(refused, 0) << "the editors' rule was never tried";
}
