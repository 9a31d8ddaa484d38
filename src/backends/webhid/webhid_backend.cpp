#include "backends/webhid/webhid_backend.h"

#include "backends/radio_stack.h"

#include <emscripten.h>

#include <array>
#include <cstdlib>

namespace qx {

// The bodies are JavaScript, whose operators clang-format would split.
// clang-format off
// The awaited calls: each returns to the core only when WebHID's promise has settled or its
// time-out has run, while the browser goes on painting and handling clicks (the Stop button).
EM_ASYNC_JS(int, qx_hid_enumerate, (), { return await Module.qxHid.enumerate(); });
EM_ASYNC_JS(int, qx_hid_open, (int number), { return await Module.qxHid.open(number); });
EM_ASYNC_JS(int, qx_hid_send, (int number, const uint8_t* report, int length, int timeoutMs),
            { return await Module.qxHid.send(number, HEAPU8.slice(report, report + length), timeoutMs); });
EM_ASYNC_JS(int, qx_hid_receive, (int number, uint8_t* report, int length, int timeoutMs), {
    const bytes = await Module.qxHid.receive(number, timeoutMs);
    if (!(bytes instanceof Uint8Array)) return bytes;
    HEAPU8.fill(0, report, report + length);
    HEAPU8.set(bytes.subarray(0, length), report);
    return 0;
});

// The quick ones, answered from what the glue already holds.
EM_JS(int, qx_hid_number, (int index), { return Module.qxHid.listed[index].number; });
EM_JS(int, qx_hid_listed_int, (int index, int field), { return Module.qxHid.listedInt(index, field); });
EM_JS(void, qx_hid_listed_text, (int index, int field, char* text, int capacity),
      { stringToUTF8(Module.qxHid.listedText(index, field), text, capacity); });
EM_JS(int, qx_hid_present, (int number), { return Module.qxHid.present(number) ? 1 : 0; });
EM_JS(int, qx_hid_length, (int number, int output), { return Module.qxHid.reportLength(number, output !== 0); });
EM_JS(int, qx_hid_id, (int number, int product), { return Module.qxHid.deviceId(number, product !== 0); });
EM_JS(void, qx_hid_discard, (int number), { Module.qxHid.discard(number); });
EM_JS(void, qx_hid_error, (int number, char* text, int capacity),
      { stringToUTF8(Module.qxHid.lastError(number), text, capacity); });
// clang-format on

namespace {

enum ListedField { kVendor = 0, kProduct = 1, kInputLength = 2, kOutputLength = 3 };
enum ListedText { kProductName = 0, kSerial = 1 };
enum OpenOutcome { kOpened = 0, kOpenFailed = 1, kOpenDenied = 2 };

std::string DeviceError(int number)
{
    std::array<char, 256> text{};
    qx_hid_error(number, text.data(), static_cast<int>(text.size()));
    return text.data();
}

HidIo ToIo(int code)
{
    if (code == 0) return HidIo::Done;
    return code == 1 ? HidIo::TimedOut : HidIo::Failed;
}

class WebHidDevice : public HidDevice {
public:
    explicit WebHidDevice(int number) : number_(number) {}

    bool ReadAttributes(uint16_t& vendorId, uint16_t& productId) override
    {
        if (qx_hid_present(number_) == 0) return false;
        // The glue lists a device by its number; its IDs do not change while it is plugged in.
        vendorId = static_cast<uint16_t>(qx_hid_id(number_, 0));
        productId = static_cast<uint16_t>(qx_hid_id(number_, 1));
        return true;
    }

    HidReportLengths ReportLengths() override { return {qx_hid_length(number_, 0), qx_hid_length(number_, 1)}; }

    HidIo WriteReport(const uint8_t* report, std::size_t length, int timeoutMs) override
    {
        return ToIo(qx_hid_send(number_, report, static_cast<int>(length), timeoutMs));
    }

    HidIo ReadReport(uint8_t* report, std::size_t length, int timeoutMs) override
    {
        return ToIo(qx_hid_receive(number_, report, static_cast<int>(length), timeoutMs));
    }

    // WebHID hands reports over as events: what is queued is dropped without waiting.
    void DiscardInput() override { qx_hid_discard(number_); }

    std::string LastError() const override { return DeviceError(number_); }

private:
    int number_;
};

}  // namespace

int WebHidDeviceNumber(const std::string& path)
{
    constexpr std::string_view prefix = "webhid:";
    if (path.rfind(prefix, 0) != 0 || path.size() == prefix.size()) return -1;
    char* end = nullptr;
    const long number = std::strtol(path.c_str() + prefix.size(), &end, 10);
    if (*end != '\0' || number < 0 || number > 1'000'000) return -1;
    return static_cast<int>(number);
}

std::vector<HidInterfaceInfo> WebHidBackend::Enumerate()
{
    std::vector<HidInterfaceInfo> list;
    const int count = qx_hid_enumerate();
    for (int i = 0; i < count; ++i) {
        HidInterfaceInfo info;
        info.path = "webhid:" + std::to_string(qx_hid_number(i));
        info.vendorId = static_cast<uint16_t>(qx_hid_listed_int(i, kVendor));
        info.productId = static_cast<uint16_t>(qx_hid_listed_int(i, kProduct));
        std::array<char, 256> text{};
        qx_hid_listed_text(i, kProductName, text.data(), static_cast<int>(text.size()));
        info.product = text.data();
        qx_hid_listed_text(i, kSerial, text.data(), static_cast<int>(text.size()));
        info.serial = text.data();
        const HidReportLengths lengths{qx_hid_listed_int(i, kInputLength), qx_hid_listed_int(i, kOutputLength)};
        if (lengths.input > 0 && lengths.output > 0) info.descriptorLengths = lengths;
        // The browser has asked the user already; whether the system lets it open the device
        // shows only when it tries.
        info.access = HidAccess::Unknown;
        list.push_back(info);
    }
    return list;
}

std::unique_ptr<HidDevice> WebHidBackend::Open(const std::string& path, bool* permissionDenied)
{
    if (permissionDenied != nullptr) *permissionDenied = false;
    const int number = WebHidDeviceNumber(path);
    if (number < 0) {
        lastError_ = "not a WebHID device";
        return nullptr;
    }
    const int outcome = qx_hid_open(number);
    if (outcome == kOpened) {
        lastError_.clear();
        return std::make_unique<WebHidDevice>(number);
    }
    lastError_ = DeviceError(number);
    if (permissionDenied != nullptr) *permissionDenied = outcome == kOpenDenied;
    return nullptr;
}

std::unique_ptr<HidBackend> MakeSystemUsbBackend() { return std::make_unique<WebHidBackend>(); }

}  // namespace qx
