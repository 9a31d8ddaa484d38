#include <gtest/gtest.h>

#include "clone_fixture.h"

namespace qx::testing {
namespace {

// A valid HandShake sentence, so that a virtual radio answers it.
const std::vector<uint8_t> kHello = [] {
    std::vector<uint8_t> s = {'$', 'T', 'E', 'K', 'P', 'C', ',', 'A', 0x14, 0xFF, 0xFF};
    s.resize(31, 0xAA);
    s.push_back(0x55);
    return s;
}();

VirtualInterface Interface(const std::string& path, VirtualRadio* radio, HidReportLengths lengths = {33, 33})
{
    VirtualInterface i;
    i.path = path, i.radio = radio, i.lengths = lengths;
    return i;
}

TEST(HidAdaptorTest, NothingPluggedIn)
{
    VirtualHidBackend backend;
    CHidAdaptor adaptor(backend);
    uint8_t buffer[32] = {};
    EXPECT_FALSE(adaptor.Discover() || adaptor.IsPresent() || adaptor.PermissionDenied());
    EXPECT_FALSE(adaptor.WriteReport(buffer, 32, 10) || adaptor.ReadReport(buffer, 32, 10));
}

TEST(HidAdaptorTest, OnlyAnInterfaceWithTheAdaptorsReportsIsEverOpened)
{
    VirtualRadio skipped, first, second;
    VirtualHidBackend backend;
    VirtualInterface otherProduct = Interface("/dev/hidraw-other", &skipped);
    otherProduct.productId = 0x5740;
    backend.AddInterface(otherProduct);
    backend.AddInterface(Interface("/dev/hidraw-narrow", &skipped, {32, 33}));  // 31-byte input payload
    backend.AddInterface(Interface("/dev/hidraw-huge", &skipped, {65, 257}));   // past the buffers
    VirtualInterface unknown = Interface("/dev/hidraw-unknown", &skipped);
    unknown.descriptorUnreadable = true;
    backend.AddInterface(unknown);
    backend.AddInterface(Interface("/dev/hidraw-first", &first));
    CHidAdaptor adaptor(backend);

    ASSERT_TRUE(adaptor.Discover());
    ASSERT_TRUE(adaptor.WriteReport(kHello.data(), kHello.size(), 100));
    EXPECT_EQ(first.SentenceCount(), 1);
    EXPECT_EQ(adaptor.OpenInterface().path, "/dev/hidraw-first");

    // A second adaptor: the program no longer knows which one is meant, and opens neither.
    backend.AddInterface(Interface("/dev/hidraw-second", &second));
    EXPECT_FALSE(adaptor.Discover());
    EXPECT_EQ(adaptor.LastDiscovery().pick.outcome, AdaptorPick::Several);
    EXPECT_EQ(adaptor.LastDiscovery().candidates.size(), 5u) << "every interface with the ID is listed";
    EXPECT_EQ(backend.OpenedPaths(), std::vector<std::string>{"/dev/hidraw-first"});

    AdaptorSelection path;
    path.kind = AdaptorSelection::Kind::Path;
    path.path = "/dev/hidraw-second";
    adaptor.SetSelection(path);
    ASSERT_TRUE(adaptor.Discover());
    ASSERT_TRUE(adaptor.WriteReport(kHello.data(), kHello.size(), 100));
    EXPECT_EQ(second.SentenceCount(), 1);
    EXPECT_EQ(skipped.SentenceCount(), 0);
}

// The node number of an unplugged adaptor goes to whatever is plugged in next.
TEST(HidAdaptorTest, AChosenAdaptorIsNeverSwappedForAnother)
{
    VirtualRadio mine, theirs;
    VirtualHidBackend backend;
    VirtualInterface chosen = Interface("/dev/hidraw1", &mine);
    chosen.serial = "A1";
    chosen.usbBus = "1";
    chosen.usbPort = "1.1";
    backend.AddInterface(chosen);
    CHidAdaptor adaptor(backend);
    const std::vector<AdaptorCandidate> listed = adaptor.Candidates();
    ASSERT_EQ(listed.size(), 1u);
    adaptor.SetSelection(ChosenAdaptor(listed[0].info));
    ASSERT_TRUE(adaptor.Discover());

    mine.Unplug();
    VirtualInterface other = Interface("/dev/hidraw1", &theirs);
    other.serial = "B2";
    other.usbBus = "1";
    other.usbPort = "1.1";
    backend.AddInterface(other);
    EXPECT_FALSE(adaptor.IsPresent());
    EXPECT_FALSE(adaptor.Discover());
    EXPECT_EQ(adaptor.LastDiscovery().pick.outcome, AdaptorPick::NoMatch);
    EXPECT_EQ(theirs.SentenceCount(), 0);

    mine.Plug();
    ASSERT_TRUE(adaptor.Discover());
    ASSERT_TRUE(adaptor.WriteReport(kHello.data(), kHello.size(), 100));
    EXPECT_EQ(mine.SentenceCount(), 1);
    EXPECT_EQ(theirs.SentenceCount(), 0);
}

TEST(AdaptorList, WhatADeviceSaysOfItselfIsShownEscaped)
{
    HidInterfaceInfo info;
    info.path = "/dev/hidraw9";
    info.serial = "\x1b]2;owned\a";
    info.product = "Badge\r";
    EXPECT_EQ(DescribeInterface(info), "/dev/hidraw9, serial \\x1b]2;owned\\x07, \"Badge\\x0d\"");
    EXPECT_TRUE(HasAdaptorShape({33, 33}));
    EXPECT_TRUE(HasAdaptorShape({65, 256}));
    EXPECT_FALSE(HasAdaptorShape({0, 0}));  // numbered reports only
    EXPECT_FALSE(HasAdaptorShape({33, 257}));
}

TEST(HidAdaptorTest, PermissionDeniedOnTheOnlyAdaptorIsRemembered)
{
    VirtualRadio radio, other;
    VirtualHidBackend backend;
    VirtualInterface locked = Interface("/dev/hidraw-locked", &radio);
    locked.permissionDenied = true;
    backend.AddInterface(locked);
    CHidAdaptor adaptor(backend);
    EXPECT_FALSE(adaptor.Discover());
    EXPECT_TRUE(adaptor.PermissionDenied());

    // A refused adaptor still counts: the one that opens may not be the one meant.
    backend.AddInterface(Interface("/dev/hidraw-open", &other));
    EXPECT_FALSE(adaptor.Discover());
    EXPECT_FALSE(adaptor.PermissionDenied());
    EXPECT_EQ(adaptor.LastDiscovery().pick.outcome, AdaptorPick::Several);
}

TEST(HidAdaptorTest, OversizePayloadRefusedWithoutTouchingTheLink)
{
    VirtualRadio radio;
    VirtualHidBackend backend(radio, {33, 256});
    CHidAdaptor adaptor(backend);
    ASSERT_TRUE(adaptor.Discover());
    std::vector<uint8_t> payload(256, 0x11);
    EXPECT_FALSE(adaptor.WriteReport(payload.data(), 256, 100));
    EXPECT_TRUE(backend.LastOutputReport().empty());
    EXPECT_TRUE(adaptor.IsPresent());

    EXPECT_TRUE(adaptor.WriteReport(payload.data(), 255, 100));
    const auto report = backend.LastOutputReport();
    EXPECT_TRUE(report.size() == 256 && report[0] == 0 && AllEqual(report, 1, 256, 0x11));
}

TEST(HidAdaptorTest, LongInputReportYieldsOnlyWhatTheDestinationHolds)
{
    VirtualRadio radio;
    VirtualHidBackend backend;
    VirtualInterface wide = Interface("/dev/hidraw-wide", &radio, {65, 65});
    wide.inputFill = 0xEE;
    backend.AddInterface(wide);
    CHidAdaptor adaptor(backend);
    ASSERT_TRUE(adaptor.Discover());

    ASSERT_TRUE(adaptor.WriteReport(kHello.data(), kHello.size(), 100));
    std::vector<uint8_t> destination(48, 0x99);
    ASSERT_TRUE(adaptor.ReadReport(destination.data(), 32, 1000));
    EXPECT_TRUE(std::equal(kHello.begin(), kHello.begin() + 7, destination.begin()));
    EXPECT_TRUE(AllEqual(destination, 32, 48, 0x99));

    // A destination longer than the payload gets zeros after it.
    ASSERT_TRUE(adaptor.WriteReport(kHello.data(), kHello.size(), 100));
    std::vector<uint8_t> large(100, 0x99);
    ASSERT_TRUE(adaptor.ReadReport(large.data(), large.size(), 1000));
    EXPECT_TRUE(large[63] == 0xEE && AllEqual(large, 64, 100, 0));
}

TEST(HidAdaptorTest, FailedTransferClosesTheLinkUntilRediscovered)
{
    VirtualRadio radio;
    VirtualHidBackend backend(radio);
    CHidAdaptor adaptor(backend);
    ASSERT_TRUE(adaptor.Discover());
    uint8_t reply[32];
    EXPECT_FALSE(adaptor.ReadReport(reply, sizeof reply, 5));  // nothing was asked
    EXPECT_FALSE(adaptor.IsPresent());
    EXPECT_FALSE(adaptor.WriteReport(kHello.data(), kHello.size(), 100));
    EXPECT_EQ(radio.SentenceCount(), 0);
    ASSERT_TRUE(adaptor.Discover());
    EXPECT_TRUE(adaptor.WriteReport(kHello.data(), kHello.size(), 100));
    EXPECT_TRUE(adaptor.ReadReport(reply, sizeof reply, 1000));

    radio.Unplug();
    EXPECT_FALSE(adaptor.IsPresent());
    EXPECT_FALSE(adaptor.WriteReport(kHello.data(), kHello.size(), 100));
    EXPECT_FALSE(adaptor.Discover());
    radio.Plug();
    EXPECT_TRUE(adaptor.Discover() && adaptor.IsPresent());
}

// The system's reason for a failure reaches the adaptor's user, and only for the failure it
// explains: a later Discover starts afresh.
TEST(HidAdaptorTest, SystemReasonForAFailureIsKeptUntilTheNextDiscover)
{
    VirtualRadio radio, other;
    VirtualHidBackend backend;
    VirtualInterface locked = Interface("/dev/hidraw-locked", &other);
    locked.permissionDenied = true;
    locked.systemReason = "Permission denied";
    backend.AddInterface(locked);
    VirtualInterface adaptorInterface = Interface("/dev/hidraw-ok", &radio);
    adaptorInterface.systemReason = "No such device";
    backend.AddInterface(adaptorInterface);
    CHidAdaptor adaptor(backend);
    AdaptorSelection ok, refused;
    ok.kind = refused.kind = AdaptorSelection::Kind::Path;
    ok.path = "/dev/hidraw-ok";
    refused.path = "/dev/hidraw-locked";

    adaptor.SetSelection(ok);
    ASSERT_TRUE(adaptor.Discover());
    EXPECT_EQ(adaptor.LastError(), "");

    radio.Unplug();
    EXPECT_FALSE(adaptor.WriteReport(kHello.data(), kHello.size(), 100));
    EXPECT_EQ(adaptor.LastError(), "sending a report: No such device");
    // Kept while the link stays closed, so that whoever shows the failure can still read it.
    uint8_t reply[32];
    EXPECT_FALSE(adaptor.ReadReport(reply, sizeof reply, 5));
    EXPECT_EQ(adaptor.LastError(), "sending a report: No such device");

    adaptor.SetSelection(refused);
    EXPECT_FALSE(adaptor.Discover());
    EXPECT_EQ(adaptor.LastError(), "Permission denied");
    adaptor.SetSelection(ok);
    radio.Plug();
    ASSERT_TRUE(adaptor.Discover());
    EXPECT_EQ(adaptor.LastError(), "");

    // A radio that merely does not answer is no system failure.
    EXPECT_FALSE(adaptor.ReadReport(reply, sizeof reply, 5));
    EXPECT_EQ(adaptor.LastError(), "");
}

}  // namespace
}  // namespace qx::testing
