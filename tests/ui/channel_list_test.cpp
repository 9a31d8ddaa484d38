// The channel list's lines, without a window.
#include <gtest/gtest.h>

#include "../support/records.h"
#include "gui/document/channel_list.h"
#include "model/channel_plan.h"

namespace qx {
namespace {

TEST(ChannelListLines, PrivateChannelsEndAtTheFirstGapOrLongNameAndAnUntickedGroupIsEmpty)
{
    RadioSettings record;
    ResetSettings(record, 1);
    for (int i = 0; i < 100; ++i) record.channels[kPrivateBlock + i].inUse = 0;
    record.channels[kPrivateBlock + 0] = test::InUseChannel("M1", 157.85, 157.85, 13);
    record.channels[kPrivateBlock + 1] = test::InUseChannel("L2", 155.525, 155.525, 13);
    record.channels[kPrivateBlock + 2] = test::InUseChannel("L2", 155.55, 155.55, 13);
    record.channels[kPrivateBlock + 2].name[2] = '3';  // a three-character name, as the radio may hold
    record.channels[kPrivateBlock + 3] = test::InUseChannel("L4", 155.575, 155.575, 13);

    const QStringList lines = ChannelListLines(record, kGroupPrivate, true);
    ASSERT_EQ(lines.size(), 2);
    EXPECT_EQ(lines[0], " M1,TX:157.8500  RX:157.8500  BOAT OPERATION ");
    EXPECT_TRUE(ChannelListLines(record, kGroupPrivate, false).isEmpty());

    record.channels[kPrivateBlock + 2].name[2] = '\0';
    EXPECT_EQ(ChannelListLines(record, kGroupPrivate, true).size(), 4);

    // A plan group lists the plan, whatever the record holds.
    EXPECT_EQ(ChannelListLines(record, kGroupWx, true).size(), 10);
    EXPECT_TRUE(ChannelListLines(record, kGroupWx, false).isEmpty());
}

}  // namespace
}  // namespace qx
