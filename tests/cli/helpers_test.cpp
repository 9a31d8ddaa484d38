// The tool's own helpers, in process.
#include <gtest/gtest.h>

#include "../support/records.h"
#include "channels/channel_csv.h"
#include "cli/record_view.h"

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

}  // namespace
}  // namespace qx::cli
