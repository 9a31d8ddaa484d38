// The tool's own helpers, in process.
#include <gtest/gtest.h>

#include "channels/channel_csv.h"
#include "cli/radio_option.h"
#include "cli/record_view.h"

namespace qx::cli {
namespace {

TEST(RadioOption, ParsesUsbAndVirtualOptions)
{
    RadioOption radio;
    std::string error;
    ASSERT_TRUE(ParseRadioOption("usb", radio, error));
    EXPECT_EQ(radio.kind, RadioOption::Kind::Usb);

    ASSERT_TRUE(ParseRadioOption("virtual:/tmp/r.bin,unplug-after=30,corrupt=4,silent,fast", radio, error));
    EXPECT_EQ(radio.kind, RadioOption::Kind::Virtual);
    EXPECT_EQ(radio.file, "/tmp/r.bin");
    EXPECT_EQ(radio.unplugAfter, 30);
    EXPECT_EQ(radio.corruptEvery, 4);
    EXPECT_TRUE(radio.silent);
    EXPECT_TRUE(radio.fast);

    ASSERT_TRUE(ParseRadioOption("virtual:r.bin", radio, error));
    EXPECT_EQ(radio.unplugAfter, -1);
    EXPECT_EQ(radio.corruptEvery, 0);
    EXPECT_FALSE(radio.silent);
    EXPECT_FALSE(radio.fast);
}

TEST(RadioOption, RefusesWhatItDoesNotKnow)
{
    RadioOption radio;
    std::string error;
    for (const char* text :
         {"", "USB", "hid", "virtual:", "virtual:r.bin,", "virtual:r.bin,silent=1", "virtual:r.bin,fast=1",
          "virtual:r.bin,unplug-after", "virtual:r.bin,unplug-after=-1", "virtual:r.bin,unplug-after=3x",
          "virtual:r.bin,corrupt=0", "virtual:r.bin,corrupt=99999999999"}) {
        error.clear();
        EXPECT_FALSE(ParseRadioOption(text, radio, error)) << text;
        EXPECT_FALSE(error.empty()) << text;
    }
}

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

}  // namespace
}  // namespace qx::cli
