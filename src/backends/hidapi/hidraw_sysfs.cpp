#include "backends/hidapi/hidraw_sysfs.h"

#include <fcntl.h>
#include <linux/hidraw.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "clone/report_descriptor.h"

namespace qx {

namespace fs = std::filesystem;

namespace {

// "/dev/hidraw3" -> "/sys/class/hidraw/hidraw3/device".
fs::path SysfsDevice(const std::string& devicePath)
{
    return fs::path("/sys/class/hidraw") / fs::path(devicePath).filename() / "device";
}

std::string FirstLine(const fs::path& file)
{
    std::ifstream in(file);
    std::string line;
    std::getline(in, line);
    return line;
}

// The descriptor through the node itself, opened read-only: for systems whose sysfs hides it.
std::optional<HidReportLengths> DescriptorThroughNode(const std::string& devicePath)
{
    const int fd = ::open(devicePath.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return std::nullopt;
    std::optional<HidReportLengths> lengths;
    int size = 0;
    hidraw_report_descriptor descriptor{};
    if (::ioctl(fd, HIDIOCGRDESCSIZE, &size) == 0 && size > 0 && size <= HID_MAX_DESCRIPTOR_SIZE) {
        descriptor.size = static_cast<uint32_t>(size);
        if (::ioctl(fd, HIDIOCGRDESC, &descriptor) == 0)
            lengths = ParseReportDescriptor(descriptor.value, descriptor.size);
    }
    ::close(fd);
    return lengths;
}

}  // namespace

std::optional<HidReportLengths> HidrawDescriptorLengths(const std::string& devicePath)
{
    std::ifstream in(SysfsDevice(devicePath) / "report_descriptor", std::ios::binary);
    std::vector<uint8_t> bytes;
    if (in) {
        bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
        if (bytes.size() > HID_MAX_DESCRIPTOR_SIZE) return std::nullopt;
    }
    if (bytes.empty()) return DescriptorThroughNode(devicePath);
    return ParseReportDescriptor(bytes.data(), bytes.size());
}

bool HidrawUsbPlace(const std::string& devicePath, std::string& bus, std::string& port)
{
    std::error_code ec;
    fs::path at = fs::canonical(SysfsDevice(devicePath), ec);
    if (ec) return false;
    // Up from the HID device to the first USB device: the one with a bus number and a port path.
    for (; !at.empty() && at != at.root_path(); at = at.parent_path()) {
        if (!fs::exists(at / "busnum", ec) || !fs::exists(at / "devpath", ec)) continue;
        const std::string busNumber = FirstLine(at / "busnum");
        const std::string portPath = FirstLine(at / "devpath");
        if (busNumber.empty() || portPath.empty()) return false;
        bus = busNumber;
        port = portPath;
        return true;
    }
    return false;
}

}  // namespace qx
