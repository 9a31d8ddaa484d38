#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "model/channel_plan.h"

namespace qx {
namespace {

ChannelPlanRow FindRow(int group, int channel, int occurrence = 0)
{
    for (const ChannelPlanRow& row : PlanRows(group))
        if (row.channel == channel && occurrence-- == 0) return row;
    ADD_FAILURE() << "channel " << channel << " missing from group " << group;
    return {};
}

TEST(ChannelPlan, TablesHaveTheirRowCountsAndEndAtTheNextTable)
{
    EXPECT_EQ(PlanRows(kGroupInt).size(), 57u);
    EXPECT_EQ(PlanRows(kGroupUsa).size(), 53u);
    EXPECT_EQ(PlanRows(kGroupCan).size(), 63u);
    EXPECT_EQ(PlanRows(kGroupIntNarrow).size(), 113u);
    EXPECT_EQ(PlanRows(kGroupUsaNarrow).size(), 104u);
    EXPECT_EQ(PlanRows(kGroupCanNarrow).size(), 125u);
    EXPECT_EQ(PlanRows(kGroupWx).size(), 10u);
    EXPECT_EQ(PlanRows(kGroupInt, 10).size(), 10u);
    EXPECT_TRUE(PlanRows(kGroupInt, -1).empty());
    for (int group : {int{kGroupPrivate}, -1, 8, 1000}) EXPECT_TRUE(PlanRows(group).empty());

    // INT stops at 57 because the stored row there is USA's row 0.
    ChannelPlanRow row;
    ASSERT_TRUE(PlanStoredRow(kGroupInt, 57, row));
    EXPECT_EQ(row.row, 0);
    EXPECT_EQ(row.channel, 1);
    EXPECT_EQ(row.usageCode, 12);
    ASSERT_TRUE(PlanStoredRow(kGroupCanNarrow, 125, row));  // WX channel 1
    EXPECT_EQ(row.row, 0);
    EXPECT_EQ(row.rxWord, 9896);
    // Nothing is read outside the storage.
    EXPECT_TRUE(PlanStoredRow(kGroupWx, 9, row));
    EXPECT_FALSE(PlanStoredRow(kGroupWx, 10, row));
    EXPECT_FALSE(PlanStoredRow(kGroupInt, 100000, row));
    EXPECT_FALSE(PlanStoredRow(kGroupInt, -1, row));
    EXPECT_FALSE(PlanStoredRow(kGroupPrivate, 0, row));
}

TEST(ChannelPlan, RowsCarryTheirWordsAttributesAndUsage)
{
    ChannelPlanRow ch16 = FindRow(kGroupInt, 16);
    EXPECT_EQ(ch16.row, 15);
    EXPECT_EQ(ch16.txWord, 25088);
    EXPECT_EQ(ch16.rxWord, 9436);
    EXPECT_EQ(ch16.usageCode, 17);
    EXPECT_EQ(ch16.attribute, 0x28);
    ChannelPlanRow duplex = FindRow(kGroupInt, 1);  // 156.050 / 160.650
    EXPECT_EQ(duplex.txWord, 24968);
    EXPECT_EQ(duplex.rxWord, 9744);

    ChannelPlanRow narrow = FindRow(kGroupIntNarrow, 401);
    EXPECT_EQ(narrow.row, 0);
    EXPECT_EQ(narrow.txWord, 24970);
    EXPECT_EQ(narrow.rxWord, 9745);
    ChannelPlanRow repeated = FindRow(kGroupIntNarrow, 216);
    EXPECT_EQ(repeated.row, 56 + 15);
    EXPECT_EQ(repeated.txWord, 25088);
    EXPECT_EQ(repeated.usageCode, 17);
    EXPECT_EQ(repeated.attribute, 0);

    ChannelPlanRow wx10 = FindRow(kGroupWx, 10);
    EXPECT_EQ(wx10.txWord, 0);
    EXPECT_EQ(wx10.rxWord, 9954);
    EXPECT_EQ(wx10.usageCode, 10);

    // Receive-only rows: the USA plans listen to channel 15 on its base, others 4.6 MHz up.
    ChannelPlanRow usa15 = FindRow(kGroupUsa, 15);
    EXPECT_EQ(usa15.txWord, 0);
    EXPECT_EQ(usa15.rxWord, 9432);
    EXPECT_EQ(usa15.attribute, 0x30);
    EXPECT_EQ(FindRow(kGroupUsaNarrow, 415).rxWord, 9433);
    EXPECT_EQ(FindRow(kGroupUsaNarrow, 415).attribute, 0x10);
    EXPECT_EQ(FindRow(kGroupUsaNarrow, 215).rxWord, 9432);
    EXPECT_EQ(FindRow(kGroupUsaNarrow, 215).attribute, 0x10);
    ChannelPlanRow can21r = FindRow(kGroupCan, 21, 1);
    EXPECT_EQ(can21r.txWord, 0);
    EXPECT_EQ(can21r.rxWord, 9456 + 368);  // 157.050 + 4.6 MHz

    ChannelPlanRow usa410 = FindRow(kGroupUsaNarrow, 410);
    EXPECT_EQ(usa410.txWord, 25060);
    EXPECT_EQ(usa410.rxWord, 9422);
    EXPECT_EQ(FindRow(kGroupUsaNarrow, 401).attribute, 1);
    EXPECT_EQ(FindRow(kGroupUsaNarrow, 201).attribute, 1);     // USA 0x21
    EXPECT_EQ(FindRow(kGroupUsaNarrow, 216).attribute, 0);     // USA 0x28
    EXPECT_EQ(FindRow(kGroupCanNarrow, 221, 1).attribute, 2);  // CAN 0x12
    EXPECT_EQ(FindRow(kGroupCanNarrow, 266).attribute, 1);     // CAN 0x25
    EXPECT_EQ(FindRow(kGroupCanNarrow, 421, 1).attribute, 2);
}

TEST(ChannelPlan, UsageNamesStayInsideTheTable)
{
    EXPECT_STREQ(UsageName(0), "                ");
    EXPECT_STREQ(UsageName(17), "      DISTRESS  ");
    EXPECT_STREQ(UsageName(35), "      FISHING   ");
    for (int code : {-1, 36, 255, -128}) EXPECT_STREQ(UsageName(code), "");
}

TEST(ChannelPlan, PlanLines)
{
    EXPECT_EQ(FormatPlanLine(FindRow(kGroupInt, 16)), "16, TX:156.8000  RX:156.8000,      DISTRESS  ");
    EXPECT_EQ(FormatPlanLine(FindRow(kGroupWx, 1)), "01, TX:0.0000  RX:162.5500,  162.550000Mhz ");

    ChannelPlanRow row{0, 0, 401, 0, 24971, 9745, 200, 0};
    EXPECT_EQ(FormatPlanLine(row), "401, TX:156.0687  RX:160.6625,");
    row.txWord = 24961;
    EXPECT_EQ(FormatPlanLine(row).substr(0, 16), "401, TX:156.0062");
}

TEST(ChannelPlan, PrivateLines)
{
    ChannelEntry entry{};
    SetChannelName(entry, "L1");
    entry.txMHz = entry.rxMHz = 156.025;
    entry.usageCode = 13;
    EXPECT_EQ(FormatPrivateLine(entry), " L1,TX:156.0250  RX:156.0250  BOAT OPERATION ");

    entry.usageCode = -3;
    EXPECT_EQ(FormatPrivateLine(entry), " L1,TX:156.0250  RX:156.0250 ");

    // A damaged entry: a name without its NUL and a value wider than any line buffer guess.
    std::memcpy(entry.name, "C99", 3);
    entry.txMHz = 1e300;
    entry.usageCode = 33;
    std::string line = FormatPrivateLine(entry);
    EXPECT_EQ(line.substr(0, 7), "C99,TX:");
    EXPECT_GT(line.size(), 300u);
    EXPECT_EQ(line.substr(line.size() - 16), "       MARINA   ");
}

}  // namespace
}  // namespace qx
