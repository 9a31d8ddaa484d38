#include <gtest/gtest.h>

#include <vector>

#include "clone/report_descriptor.h"

namespace qx {
namespace {

std::optional<HidReportLengths> Parse(const std::vector<uint8_t>& d)
{
    return ParseReportDescriptor(d.data(), d.size());
}

bool Lengths(const std::vector<uint8_t>& d, int input, int output)
{
    auto sizes = Parse(d);
    return sizes && sizes->input == input && sizes->output == output;
}

TEST(ReportDescriptorTest, RealDescriptors)
{
    // Vendor-defined page, 64 bytes each way, no report IDs.
    EXPECT_TRUE(Lengths({0x06, 0x00, 0xFF, 0x09, 0x01, 0xA1, 0x01,              // page FF00, usage, collection
                         0x09, 0x01, 0x15, 0x00, 0x26, 0xFF, 0x00, 0x75, 0x08,  // usage, logical 0..255, 8 bits
                         0x95, 0x40, 0x81, 0x02,                                // 64 of them: Input
                         0x09, 0x02, 0x15, 0x00, 0x26, 0xFF, 0x00, 0x75, 0x08, 0x95, 0x40, 0x91, 0x02,  // Output
                         0xC0},
                        65, 65));
    // 32 bytes each way, globals given once, a two-byte count, and a Feature report that is no transfer.
    EXPECT_TRUE(Lengths({0x06, 0xA0, 0xFF, 0x09, 0x01, 0xA1, 0x01, 0x15, 0x80, 0x25, 0x7F, 0x75, 0x08, 0x96, 0x20,
                         0x00, 0x09, 0x03, 0x81, 0x02, 0x09, 0x04, 0x91, 0x02, 0x09, 0x05, 0xB1, 0x02, 0xC0},
                        33, 33));
    // A keyboard whose reports are all numbered: nothing under report ID 0.
    EXPECT_TRUE(Lengths({0x05, 0x01, 0x09, 0x06, 0xA1, 0x01, 0x85, 0x01,  // report ID 1
                         0x05, 0x07, 0x19, 0xE0, 0x29, 0xE7, 0x15, 0x00, 0x25, 0x01,
                         0x75, 0x01, 0x95, 0x08, 0x81, 0x02,                          // 8 modifier bits in
                         0x95, 0x05, 0x05, 0x08, 0x19, 0x01, 0x29, 0x05, 0x91, 0x02,  // 5 LEDs out
                         0x95, 0x01, 0x75, 0x03, 0x91, 0x01, 0xC0,                    // padding
                         0x85, 0x02, 0x75, 0x08, 0x95, 0x10, 0x81, 0x02},             // report ID 2 in
                        0, 0));
}

TEST(ReportDescriptorTest, BitFieldsPushPopAndLongItems)
{
    EXPECT_TRUE(Lengths({0x75, 0x01, 0x95, 0x03, 0x81, 0x02,  // 3 bits in
                         0xA4,                                // Push
                         0x75, 0x08, 0x95, 0x04, 0x91, 0x02,  // 4 bytes out
                         0xB4,                                // Pop: back to 3 x 1 bit
                         0x91, 0x02,                          // 3 more bits out
                         0xFE, 0x02, 0x10, 0xAA, 0xBB},       // a long item, skipped
                        2, 6));
}

TEST(ReportDescriptorTest, MalformedDescriptorsAreRefused)
{
    EXPECT_FALSE(Parse({0x75, 0x08, 0x26, 0xFF}));  // item data cut short
    EXPECT_FALSE(Parse({0xB4}));                    // Pop without Push
    EXPECT_FALSE(Parse({0xFE, 0x05, 0x10, 0x00}));  // long item cut short
    // Sizes whose product would overflow any sum.
    EXPECT_FALSE(Parse({0x77, 0xFF, 0xFF, 0xFF, 0xFF, 0x97, 0xFF, 0xFF, 0xFF, 0xFF, 0x81, 0x02}));
    EXPECT_TRUE(Lengths({}, 0, 0));
}

}  // namespace
}  // namespace qx
