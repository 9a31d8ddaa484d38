// The --radio choice: parsing it, and loading the virtual radio it names.
#include <gtest/gtest.h>

#include "sim/radio_option.h"
#include "support/temp_dir.h"

namespace qx {
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

TEST(RadioOption, NamesOneAdaptorBySerialOrPathOrAll)
{
    RadioOption radio;
    std::string error;
    ASSERT_TRUE(ParseRadioOption("usb", radio, error));
    EXPECT_EQ(radio.usb.kind, AdaptorSelection::Kind::Only);
    ASSERT_TRUE(ParseRadioOption("usb:0042A", radio, error));
    EXPECT_EQ(radio.kind, RadioOption::Kind::Usb);
    EXPECT_EQ(radio.usb.kind, AdaptorSelection::Kind::Serial);
    EXPECT_EQ(radio.usb.serial, "0042A");
    ASSERT_TRUE(ParseRadioOption("usb:/dev/hidraw3", radio, error));
    EXPECT_EQ(radio.usb.kind, AdaptorSelection::Kind::Path);
    EXPECT_EQ(radio.usb.path, "/dev/hidraw3");
    EXPECT_EQ(SelectionText(radio.usb), "usb:/dev/hidraw3");
    ASSERT_TRUE(ParseRadioOption("usb:all", radio, error));
    EXPECT_EQ(radio.usb.kind, AdaptorSelection::Kind::All);
    // A virtual radio's file is never taken for an adaptor, nor the other way round.
    ASSERT_TRUE(ParseRadioOption("virtual:usb:x", radio, error));
    EXPECT_EQ(radio.kind, RadioOption::Kind::Virtual);
    EXPECT_EQ(radio.file, "usb:x");
    EXPECT_FALSE(ParseRadioOption("usb:", radio, error));
    EXPECT_NE(error.find("serial number or device path"), std::string::npos);
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

TEST(RadioOption, SilentCorruptAndUnplugBecomeTheRadiosFaults)
{
    RadioOption radio;
    std::string error;
    ASSERT_TRUE(ParseRadioOption("virtual:r.bin,unplug-after=7,corrupt=3,silent", radio, error));
    const RadioFaults faults = VirtualRadioFaults(radio);
    EXPECT_EQ(faults.unplugAfter, 7);
    EXPECT_EQ(faults.badChecksum.every, 3);
    EXPECT_EQ(faults.silentAfter, 0);

    // No option: a radio that answers everything.
    ASSERT_TRUE(ParseRadioOption("virtual:r.bin", radio, error));
    const RadioFaults none = VirtualRadioFaults(radio);
    EXPECT_EQ(none.unplugAfter, -1);
    EXPECT_EQ(none.badChecksum.every, 0);
    EXPECT_EQ(none.silentAfter, -1);
}

TEST(RadioOption, LoadsTheVirtualRadiosFileAndRefusesAWrongSize)
{
    test::TempDir dir("radio-option");
    EepromBytes contents{};
    for (int i = 0; i < kEepromSize; ++i) contents[i] = static_cast<uint8_t>(i * 13);
    test::WriteAll(dir.File("radio.bin"), contents.data(), contents.size());
    test::WriteAll(dir.File("short.bin"), contents.data(), contents.size() - 1);

    RadioOption option;
    std::string error;
    ASSERT_TRUE(ParseRadioOption("virtual:" + dir.File("radio.bin") + ",silent", option, error));
    VirtualRadio radio;
    ASSERT_TRUE(LoadVirtualRadio(option, radio, error)) << error;
    EXPECT_EQ(radio.Contents(), contents);

    // A refused file leaves the radio as it was, with a message naming the file.
    ASSERT_TRUE(ParseRadioOption("virtual:" + dir.File("short.bin"), option, error));
    EXPECT_FALSE(LoadVirtualRadio(option, radio, error));
    EXPECT_EQ(error, "virtual radio file " + dir.File("short.bin") + " must hold exactly 8192 bytes");
    EXPECT_EQ(radio.Contents(), contents);

    ASSERT_TRUE(ParseRadioOption("virtual:" + dir.Path(), option, error));
    EXPECT_FALSE(LoadVirtualRadio(option, radio, error));
    EXPECT_EQ(error, "cannot read the virtual radio file " + dir.Path());
}

}  // namespace
}  // namespace qx
