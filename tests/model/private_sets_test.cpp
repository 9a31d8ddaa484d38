#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "model/private_sets.h"

namespace qx {
namespace {

bool IsZero(const void* bytes, std::size_t size)
{
    const auto* p = static_cast<const unsigned char*>(bytes);
    for (std::size_t i = 0; i < size; ++i)
        if (p[i] != 0) return false;
    return true;
}

std::vector<std::string> PrivateNames(const RadioSettings& record)
{
    std::vector<std::string> names;
    for (int i = 0; i < PrivateChannelCount(record); ++i)
        names.push_back(ChannelName(record.channels[kPrivateBlock + i]));
    return names;
}

class PrivateSetsTest : public ::testing::Test {
protected:
    void SetUp() override { std::memset(&record, 0xA5, sizeof record); }
    RadioSettings record;
};

TEST(PrivateSets, NamesAndRows)
{
    const char* names[] = {"All", "UK", "Denmark", "Finland", "Norway", "Sweden", "Holland", "Belgium", "None"};
    const size_t counts[] = {28, 2, 5, 6, 6, 6, 2, 2, 0};
    for (int i = 0; i < kPrivateSetCount; ++i) {
        EXPECT_STREQ(PrivateSetName(i), names[i]);
        std::vector<ChannelPlanRow> rows = PrivateSetRows(i);
        EXPECT_EQ(rows.size(), counts[i]) << names[i];
        for (size_t r = 0; r < rows.size(); ++r) {
            EXPECT_EQ(rows[r].row, r);
            EXPECT_EQ(rows[r].attribute, 0);
        }
    }
    EXPECT_STREQ(PrivateSetName(-1), "");
    EXPECT_STREQ(PrivateSetName(9), "");
    EXPECT_TRUE(PrivateSetRows(9).empty());
    EXPECT_TRUE(PrivateSetRows(-1).empty());
}

TEST_F(PrivateSetsTest, UkFillsTwoEntriesAndClearsTheRestOfTheBlock)
{
    RadioSettings before = record;
    LoadPrivateSet(1, record);
    EXPECT_EQ(PrivateNames(record), (std::vector<std::string>{"M1", "M2"}));
    const ChannelEntry& m1 = record.channels[kPrivateBlock];
    EXPECT_EQ(UsageText(m1), "MARINA");
    EXPECT_EQ(m1.usageCode, 33);
    EXPECT_DOUBLE_EQ(m1.txMHz, 157.85);
    EXPECT_DOUBLE_EQ(record.channels[kPrivateBlock + 1].rxMHz, 161.425);
    EXPECT_EQ(m1.inUse, 1);

    // Every byte but name, usage, frequencies and inUse is zero; nothing outside the block moves.
    ChannelEntry rest = m1;
    std::memset(rest.name, 0, sizeof rest.name);
    std::memset(rest.usageText, 0, sizeof rest.usageText);
    rest.usageCode = 0;
    rest.txMHz = rest.rxMHz = 0;
    rest.inUse = 0;
    EXPECT_TRUE(IsZero(&rest, sizeof rest));
    EXPECT_TRUE(IsZero(&record.channels[kPrivateBlock + 2], sizeof(ChannelEntry) * 98));
    EXPECT_EQ(std::memcmp(&record, &before, offsetof(RadioSettings, channels) + sizeof(ChannelEntry) * kPrivateBlock),
              0);
    EXPECT_EQ(
        std::memcmp(&record.reservedA388, &before.reservedA388, sizeof record - offsetof(RadioSettings, reservedA388)),
        0);
}

TEST_F(PrivateSetsTest, AllListsTwentyEightChannelsInOrder)
{
    LoadPrivateSet(0, record);
    EXPECT_EQ(
        PrivateNames(record),
        (std::vector<std::string>{"31", "37", "96", "F1", "F2", "F3", "L1", "L2", "L3", "M1", "M2", "A0", "A1", "A2",
                                  "A3", "A4", "A5", "A6", "C0", "C1", "C2", "C3", "C4", "C5", "C6", "C7", "C8", "C9"}));
    const ChannelEntry& first = record.channels[kPrivateBlock];
    EXPECT_DOUBLE_EQ(first.txMHz, 157.75);
    EXPECT_DOUBLE_EQ(first.rxMHz, 162.15);
    EXPECT_EQ(FormatWizardLine(first), "31 Tx=157.7500 Rx=162.1500        MARINA   ");
    EXPECT_EQ(UsageText(record.channels[kPrivateBlock + 11]), "COAST GUARD");
    EXPECT_EQ(FormatWizardLine(record.channels[kPrivateBlock + 27]), "C9 Tx=155.9750 Rx=155.9750     COAST GUARD ");
}

TEST_F(PrivateSetsTest, NoneOutOfRangeAndASecondSetReplaceTheBlock)
{
    for (int index : {kPrivateSetNone, 9, -1, 1000}) {
        LoadPrivateSet(0, record);
        LoadPrivateSet(index, record);
        EXPECT_TRUE(IsZero(&record.channels[kPrivateBlock], sizeof(ChannelEntry) * 100)) << index;
    }
    LoadPrivateSet(0, record);
    LoadPrivateSet(7, record);
    EXPECT_EQ(PrivateNames(record), (std::vector<std::string>{"31", "96"}));
    EXPECT_TRUE(IsZero(&record.channels[kPrivateBlock + 2], sizeof(ChannelEntry) * 98));
}

}  // namespace
}  // namespace qx
