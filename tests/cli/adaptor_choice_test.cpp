// Several devices with the adaptor's USB ID, in this process: which one a command takes, what
// it prints when it cannot tell, and that a device that is no adaptor is never opened.
#include <gtest/gtest.h>

#include <sstream>

#include "../support/records.h"
#include "../support/temp_dir.h"
#include "cli/backup_commands.h"
#include "cli/commands.h"
#include "cli/fleet_command.h"
#include "files/atomic_file.h"
#include "fleet/fleet_run.h"
#include "sim/virtual_adaptor.h"

namespace qx::cli {
namespace {

// Every session gets its own backend object over the one set of devices.
class SharedBackend : public HidBackend {
public:
    explicit SharedBackend(VirtualHidBackend& devices) : devices_(devices) {}
    std::vector<HidInterfaceInfo> Enumerate() override { return devices_.Enumerate(); }
    std::unique_ptr<HidDevice> Open(const std::string& path, bool* denied) override
    {
        return devices_.Open(path, denied);
    }
    std::string LastError() const override { return devices_.LastError(); }

private:
    VirtualHidBackend& devices_;
};

VirtualInterface Device(const std::string& path, const std::string& serial, const std::string& product,
                        const std::string& port, VirtualRadio* radio)
{
    VirtualInterface device;
    device.path = path;
    device.serial = serial;
    device.product = product;
    device.usbBus = "1";
    device.usbPort = port;
    device.radio = radio;
    return device;
}

class AdaptorChoice : public ::testing::Test {
protected:
    void SetUp() override
    {
        // The adaptors' locks in a folder of this run's own.
        ::setenv("XDG_RUNTIME_DIR", runtime.Path().c_str(), 1);
        devices.AddInterface(Device("/dev/hidraw1", "A1", "USB HID Clone", "1.1", &radioA));
        devices.AddInterface(Device("/dev/hidraw2", "B2", "USB HID Clone", "1.2", &radioB));
        // A name badge with the same generic ID: its reports are nothing like the adaptor's.
        VirtualInterface badge = Device("/dev/hidraw3", "", "LED Badge", "1.3", nullptr);
        badge.lengths = {9, 9};
        devices.AddInterface(badge);
        VirtualInterface locked = Device("/dev/hidraw4", "C3", "USB HID Clone", "1.4", &radioC);
        locked.permissionDenied = true;
        locked.systemReason = "Permission denied";
        devices.AddInterface(locked);
    }

    test::TempDir runtime{"adaptor-locks"};
    int Run(const std::string& radio, const std::function<int(Context&)>& command)
    {
        out.str("");
        err.str("");
        Context ctx{RadioOption{}, out, err, false};
        std::string error;
        EXPECT_TRUE(ParseRadioOption(radio, ctx.radio, error)) << error;
        ctx.radio.fast = true;
        ctx.usbBackend = [this] { return std::make_unique<SharedBackend>(devices); };
        return command(ctx);
    }
    int HandShake(const std::string& radio) { return Run(radio, CmdHandShake); }
    bool BadgeOpened() const
    {
        const std::vector<std::string> opened = devices.OpenedPaths();
        return std::find(opened.begin(), opened.end(), "/dev/hidraw3") != opened.end();
    }

    static constexpr const char* kList =
        "  /dev/hidraw1, serial A1, \"USB HID Clone\", bus 1, port 1.1\n"
        "  /dev/hidraw2, serial B2, \"USB HID Clone\", bus 1, port 1.2\n"
        "  /dev/hidraw3, no serial number, \"LED Badge\", bus 1, port 1.3: not a clone adaptor\n"
        "  /dev/hidraw4, serial C3, \"USB HID Clone\", bus 1, port 1.4: may not be opened by this user\n";

    VirtualRadio radioA, radioB, radioC;
    VirtualHidBackend devices;
    std::ostringstream out, err;
};

TEST_F(AdaptorChoice, SeveralAdaptorsAndNoChoiceStopWithTheList)
{
    EXPECT_EQ(HandShake("usb"), kExitUsage);
    EXPECT_EQ(err.str(),
              std::string("3 clone adaptors are connected: choose one with --radio usb:SERIAL or --radio usb:PATH\n") +
                  kList);
    EXPECT_TRUE(devices.OpenedPaths().empty());
    EXPECT_EQ(radioA.SentenceCount() + radioB.SentenceCount(), 0);

    // A write stops the same way, before any backup or byte.
    test::TempDir dir{"adaptor-choice"};
    RadioSettings record = test::EuropeWithChannels(1);
    WriteFileAtomically(dir.File("boat.dat"), &record, sizeof record);
    EXPECT_EQ(Run("usb",
                  [&](Context& c) {
                      return CmdWrite(c, dir.File("boat.dat"), false, {true, ""}, false, false);
                  }),
              kExitUsage);
    EXPECT_TRUE(devices.OpenedPaths().empty());
}

TEST_F(AdaptorChoice, ASerialNumberOrAPathPicksOne)
{
    EXPECT_EQ(HandShake("usb:B2"), kExitOk) << err.str();
    EXPECT_EQ(out.str(), "HandShake OK.\n");
    EXPECT_EQ(radioB.SentenceCount(), 1);
    EXPECT_EQ(radioA.SentenceCount(), 0);

    EXPECT_EQ(HandShake("usb:/dev/hidraw1"), kExitOk) << err.str();
    EXPECT_EQ(radioA.SentenceCount(), 1);
    EXPECT_EQ(radioB.SentenceCount(), 1);

    // The one refused to this user says so, and is not swapped for one that opens.
    EXPECT_EQ(HandShake("usb:C3"), kExitFailed);
    EXPECT_NE(err.str().find("udev rule 70-qx720-clone.rules"), std::string::npos) << err.str();
    EXPECT_EQ(radioA.SentenceCount() + radioB.SentenceCount(), 2);

    EXPECT_EQ(HandShake("usb:Z9"), kExitFailed);
    EXPECT_EQ(err.str(), std::string("Radio is not detected!\nno clone adaptor with the serial number Z9 is "
                                     "connected\n") +
                             kList);
    EXPECT_EQ(HandShake("usb:/dev/hidraw3"), kExitFailed);
    EXPECT_EQ(err.str().rfind("Radio is not detected!\n/dev/hidraw3 is not a clone adaptor\n", 0), 0u) << err.str();

    EXPECT_EQ(HandShake("usb:all"), kExitUsage);
    EXPECT_EQ(err.str().rfind("--radio usb:all is for qx720 fleet", 0), 0u) << err.str();
    EXPECT_FALSE(BadgeOpened());
}

TEST_F(AdaptorChoice, TwoAdaptorsWithOneSerialNumberAreToldApartByPath)
{
    VirtualRadio twin;
    devices.AddInterface(Device("/dev/hidraw5", "A1", "USB HID Clone", "2", &twin));
    EXPECT_EQ(HandShake("usb:A1"), kExitUsage);
    EXPECT_EQ(err.str().rfind("2 clone adaptors have the serial number A1: choose one with --radio usb:PATH\n", 0), 0u)
        << err.str();
    EXPECT_EQ(HandShake("usb:/dev/hidraw5"), kExitOk);
    EXPECT_EQ(twin.SentenceCount(), 1);
    EXPECT_EQ(radioA.SentenceCount(), 0);
}

TEST_F(AdaptorChoice, DoctorListsEveryDeviceAndOpensOnlyAdaptors)
{
    EXPECT_EQ(Run("usb", CmdDoctor), kExitFailed);  // one adaptor refuses this user
    std::string text = out.str();
    text = text.substr(0, text.rfind("udev rule"));  // the machine's own rule comes last
    const std::string expected =
        "Clone adaptors 0483:5750: 3 found (choose one with --radio usb:SERIAL or --radio usb:PATH)\n"
        "/dev/hidraw1, serial A1, \"USB HID Clone\", bus 1, port 1.1: clone adaptor\n"
        "  Permission: read and write allowed\n"
        "/dev/hidraw2, serial B2, \"USB HID Clone\", bus 1, port 1.2: clone adaptor\n"
        "  Permission: read and write allowed\n"
        "/dev/hidraw3, no serial number, \"LED Badge\", bus 1, port 1.3: not a clone adaptor\n"
        "  Permission: read and write allowed; never opened: its reports do not fit the clone link\n"
        "/dev/hidraw4, serial C3, \"USB HID Clone\", bus 1, port 1.4: clone adaptor\n"
        "  Permission: denied (";
    EXPECT_EQ(text.substr(0, expected.size()), expected) << text;
    EXPECT_NE(text.find("unplug and replug this adaptor)\n"), std::string::npos);
    EXPECT_FALSE(BadgeOpened());
    EXPECT_EQ(radioA.SentenceCount() + radioB.SentenceCount() + radioC.SentenceCount(), 0);
}

TEST_F(AdaptorChoice, AFleetOnEveryAdaptorGivesEachUnitTheNextFreeOne)
{
    test::TempDir dir{"adaptor-fleet"};
    RadioSettings templ = test::EuropeWithChannels(1);
    WriteFileAtomically(dir.File("t.dat"), &templ, sizeof templ);
    const std::string units = "unit,mmsi\nX,235000001\nY,235000002\nZ,235000003\n";
    WriteFileAtomically(dir.File("units.csv"), units.data(), units.size());
    FleetArguments args;
    args.templateFile = dir.File("t.dat");
    args.unitsFile = dir.File("units.csv");
    args.logFile = dir.File("log.csv");
    args.backupDir = dir.File("backups");
    args.yes = true;
    args.jobs = 4;
    std::istringstream in;

    EXPECT_EQ(Run("usb:all", [&](Context& c) { return CmdFleet(c, args, in); }), kExitFailed);
    // The refused adaptor is left out; X and Y go at once to A and B; Z comes to a radio that
    // now holds X's or Y's MMSI, and is refused.
    EXPECT_NE(err.str().find("warning: left out: /dev/hidraw4"), std::string::npos) << err.str();
    EXPECT_NE(out.str().find("X: OK\n"), std::string::npos) << out.str();
    EXPECT_NE(out.str().find("Y: OK\n"), std::string::npos) << out.str();
    EXPECT_NE(out.str().find("Z: REFUSED the radio holds MMSI 23500000"), std::string::npos) << out.str();
    EXPECT_NE(out.str().find("2 ok, 0 failed, 1 refused, 0 skipped\n"), std::string::npos);
    auto mmsiOf = [](const VirtualRadio& radio) {
        const EepromBytes e = radio.Contents();
        return EepromMmsi(std::vector<uint8_t>(e.begin(), e.end()));
    };
    EXPECT_NE(mmsiOf(radioA), mmsiOf(radioB));
    EXPECT_EQ(radioC.SentenceCount(), 0);
    EXPECT_FALSE(BadgeOpened());

    // Without usb:all, several adaptors stop the run before any radio.
    EXPECT_EQ(Run("usb", [&](Context& c) { return CmdFleet(c, args, in); }), kExitUsage);
    EXPECT_NE(err.str().find("3 clone adaptors are connected"), std::string::npos) << err.str();
    EXPECT_NE(err.str().find("Nothing was touched."), std::string::npos);
}

}  // namespace
}  // namespace qx::cli
