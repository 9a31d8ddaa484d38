#include <gtest/gtest.h>

#include <vector>

#include "clone/report_descriptor.h"

namespace qx {
namespace {

std::optional<HidReportLengths> Parse(const std::vector<uint8_t>& d) { return ParseReportDescriptor(d.data(), d.size()); }

// Vendor-defined page, 64 bytes in and 64 bytes out, no report IDs.
const std::vector<uint8_t> kVendor64 = {
    0x06, 0x00, 0xFF,  // Usage Page (Vendor Defined 0xFF00)
    0x09, 0x01,        // Usage (0x01)
    0xA1, 0x01,        // Collection (Application)
    0x09, 0x01,        //   Usage (0x01)
    0x15, 0x00,        //   Logical Minimum (0)
    0x26, 0xFF, 0x00,  //   Logical Maximum (255)
    0x75, 0x08,        //   Report Size (8)
    0x95, 0x40,        //   Report Count (64)
    0x81, 0x02,        //   Input (Data, Var, Abs)
    0x09, 0x02,        //   Usage (0x02)
    0x15, 0x00,        //   Logical Minimum (0)
    0x26, 0xFF, 0x00,  //   Logical Maximum (255)
    0x75, 0x08,        //   Report Size (8)
    0x95, 0x40,        //   Report Count (64)
    0x91, 0x02,        //   Output (Data, Var, Abs)
    0xC0,              // End Collection
};

// 32 bytes each way, the globals given once, counts in 2-byte items.
const std::vector<uint8_t> kVendor32 = {
    0x06, 0xA0, 0xFF,        // Usage Page (Vendor Defined 0xFFA0)
    0x09, 0x01,              // Usage (0x01)
    0xA1, 0x01,              // Collection (Application)
    0x15, 0x80,              //   Logical Minimum (-128)
    0x25, 0x7F,              //   Logical Maximum (127)
    0x75, 0x08,              //   Report Size (8)
    0x96, 0x20, 0x00,        //   Report Count (32)
    0x09, 0x03,              //   Usage (0x03)
    0x81, 0x02,              //   Input (Data, Var, Abs)
    0x09, 0x04,              //   Usage (0x04)
    0x91, 0x02,              //   Output (Data, Var, Abs)
    0x09, 0x05,              //   Usage (0x05)
    0xB1, 0x02,              //   Feature (Data, Var, Abs): not a transfer report
    0xC0,                    // End Collection
};

// A keyboard-style descriptor whose reports are all numbered.
const std::vector<uint8_t> kWithReportIds = {
    0x05, 0x01,  // Usage Page (Generic Desktop)
    0x09, 0x06,  // Usage (Keyboard)
    0xA1, 0x01,  // Collection (Application)
    0x85, 0x01,  //   Report ID (1)
    0x05, 0x07,  //   Usage Page (Keyboard)
    0x19, 0xE0, 0x29, 0xE7,  // Usage Minimum/Maximum
    0x15, 0x00, 0x25, 0x01,  // Logical Minimum (0), Maximum (1)
    0x75, 0x01,  //   Report Size (1)
    0x95, 0x08,  //   Report Count (8)
    0x81, 0x02,  //   Input (Data, Var, Abs)
    0x95, 0x05,  //   Report Count (5)
    0x05, 0x08,  //   Usage Page (LEDs)
    0x19, 0x01, 0x29, 0x05,
    0x91, 0x02,  //   Output (Data, Var, Abs)
    0x95, 0x01, 0x75, 0x03,
    0x91, 0x01,  //   Output (Const): padding
    0xC0,
    0x85, 0x02,  // Report ID (2)
    0x75, 0x08, 0x95, 0x10,
    0x81, 0x02,  // Input: 16 bytes
};

TEST(ReportDescriptorTest, VendorDefinedReports)
{
    auto sizes = Parse(kVendor64);
    ASSERT_TRUE(sizes);
    EXPECT_EQ(sizes->input, 65);
    EXPECT_EQ(sizes->output, 65);

    sizes = Parse(kVendor32);
    ASSERT_TRUE(sizes);
    EXPECT_EQ(sizes->input, 33);
    EXPECT_EQ(sizes->output, 33);
}

TEST(ReportDescriptorTest, NumberedReportsLeaveReportIdZeroEmpty)
{
    auto sizes = Parse(kWithReportIds);
    ASSERT_TRUE(sizes);
    EXPECT_EQ(sizes->input, 0);
    EXPECT_EQ(sizes->output, 0);
}

TEST(ReportDescriptorTest, BitFieldsRoundUpAndPushPopRestoresGlobals)
{
    const std::vector<uint8_t> d = {
        0x75, 0x01, 0x95, 0x03, 0x81, 0x02,  // 3 bits in
        0xA4,                                // Push
        0x75, 0x08, 0x95, 0x04, 0x91, 0x02,  // 4 bytes out
        0xB4,                                // Pop: back to 3 x 1 bit
        0x91, 0x02,                          // 3 more bits out
        0xFE, 0x02, 0x10, 0xAA, 0xBB,        // a long item, skipped
    };
    auto sizes = Parse(d);
    ASSERT_TRUE(sizes);
    EXPECT_EQ(sizes->input, 2);
    EXPECT_EQ(sizes->output, 6);
}

TEST(ReportDescriptorTest, MalformedDescriptorsAreRefused)
{
    for (std::size_t cut = 1; cut < kVendor64.size(); ++cut) {
        std::vector<uint8_t> truncated(kVendor64.begin(), kVendor64.begin() + cut);
        // Cuts between items parse (as fewer reports); cuts inside an item must not.
        auto sizes = Parse(truncated);
        if (sizes) {
            EXPECT_LE(sizes->input, 65);
        }
    }
    EXPECT_FALSE(Parse({0x26, 0xFF}));              // data cut short
    EXPECT_FALSE(Parse({0xB4}));                    // Pop without Push
    EXPECT_FALSE(Parse({0xFE, 0x05, 0x10, 0x00}));  // long item cut short
    // Sizes that would overflow any sum.
    EXPECT_FALSE(Parse({0x77, 0xFF, 0xFF, 0xFF, 0xFF, 0x97, 0xFF, 0xFF, 0xFF, 0xFF, 0x81, 0x02}));
    EXPECT_TRUE(Parse({}));
}

}  // namespace
}  // namespace qx
