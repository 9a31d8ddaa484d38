// The tool's own helpers, in process.
#include <gtest/gtest.h>

#include "../support/records.h"
#include "channels/channel_csv.h"
#include "cli/fleet_board.h"
#include "cli/record_view.h"

#include <cstdio>
#include <cstdlib>
#include <sstream>

namespace qx::cli {
namespace {

TEST(RecordView, PrivateRunStopsAtThreeCharacterName)
{
    RadioSettings record;
    ResetSettings(record, 1);
    for (int i = 0; i < 3; ++i) {
        ChannelEntry& e = record.channels[kPrivateBlock + i];
        SetChannelName(e, "C1");
        e.txMHz = e.rxMHz = 155.5;
        e.inUse = 1;
    }
    record.channels[kPrivateBlock + 1].name[2] = 'X';
    EXPECT_EQ(PrivateListLength(record), 1);
    EXPECT_EQ(RecordJson(record)["private"].size(), 1u);

    RadioSettings other = record;
    other.channels[kPrivateBlock].rxAtis = 1;
    other.channels[kPrivateBlock].usageCode = -3;
    std::vector<FieldDifference> d = DiffRecords(record, other);
    ASSERT_EQ(d.size(), 2u);
    EXPECT_EQ(DifferenceLine(d[0]), "private[0].usageCode: 0 -> -3");
    EXPECT_EQ(DifferenceLine(d[1]), "private[0].rxAtis: 0 -> 1");
}

TEST(Diff, FrequenciesCompareAtTheRadiosResolution)
{
    RadioSettings record = test::EuropeWithChannels(1);
    record.channels[kPrivateBlock].txMHz = 157.85;
    RadioSettings noisy = record;
    noisy.channels[kPrivateBlock].txMHz = 157.85000000000002;
    EXPECT_TRUE(DiffRecords(record, noisy).empty());
    noisy.channels[kPrivateBlock].txMHz = 157.85625;
    const std::vector<FieldDifference> d = DiffRecords(record, noisy);
    ASSERT_EQ(d.size(), 1u);
    EXPECT_EQ(DifferenceLine(d[0]), "private[0].txMHz: 157.85 -> 157.85625");
}

// What a terminal shows of the board now: the lines drawn after its last erase.
std::vector<std::string> BoardOnScreen(std::FILE* stream, char*& buffer)
{
    std::fflush(stream);
    const std::string all = buffer;
    const std::size_t erase = all.rfind("\x1b[J");
    const std::string frame = erase == std::string::npos ? all : all.substr(erase + 3);
    std::vector<std::string> lines;
    std::istringstream in(frame);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

TEST(FleetBoard, OneLinePerRunningUnitAndResultsAboveIt)
{
    char* buffer = nullptr;
    std::size_t size = 0;
    std::FILE* stream = ::open_memstream(&buffer, &size);
    ASSERT_NE(stream, nullptr);
    std::ostringstream results;
    {
        FleetBoard board(stream, true);
        std::unique_ptr<FleetUnitProgress> a = board.AddUnit("A");
        std::unique_ptr<FleetUnitProgress> b = board.AddUnit("Boat with a long name");
        a->Begin("Backup", 410);
        b->Begin("Writing", 77);
        for (int i = 0; i < 7; ++i) b->Step();
        std::vector<std::string> shown = BoardOnScreen(stream, buffer);
        ASSERT_EQ(shown.size(), 2u);
        EXPECT_EQ(shown[0].rfind("A                Backup    [", 0), 0u) << shown[0];
        EXPECT_NE(shown[0].find("  0/410   0%"), std::string::npos) << shown[0];
        EXPECT_EQ(shown[1].rfind("Boat with a long Writing   [", 0), 0u) << shown[1];

        a.reset();
        board.Print(results, "A: OK");
        shown = BoardOnScreen(stream, buffer);
        ASSERT_EQ(shown.size(), 1u);
        EXPECT_NE(shown[0].find("  7/77   9%"), std::string::npos) << shown[0];
        EXPECT_EQ(results.str(), "A: OK\n");
    }
    EXPECT_TRUE(BoardOnScreen(stream, buffer).empty()) << "the board leaves nothing behind";
    std::fclose(stream);
    std::free(buffer);

    // Not a terminal: the results alone.
    std::ostringstream plain;
    FleetBoard quiet(stderr, false);
    auto unit = quiet.AddUnit("A");
    unit->Begin("Backup", 410);
    quiet.Print(plain, "A: OK");
    EXPECT_EQ(plain.str(), "A: OK\n");
}

}  // namespace
}  // namespace qx::cli
