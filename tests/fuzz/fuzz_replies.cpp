// Replies from a radio that says anything: each 32 bytes of the input are the next reply.
// The clone operations must end with a defined code, never read past what they were given.
#include <memory>
#include <vector>

#include "clone/hid_adaptor.h"
#include "clone/pc_clone.h"
#include "files/model_config.h"
#include "fuzz_input.h"

namespace {

using namespace qx;

class ScriptedDevice : public HidDevice {
public:
    ScriptedDevice(const uint8_t* data, std::size_t size) : bytes_(data, data + size) {}
    bool ReadAttributes(uint16_t& vendorId, uint16_t& productId) override
    {
        vendorId = static_cast<uint16_t>(kAdaptorVendorId);
        productId = static_cast<uint16_t>(kAdaptorProductId);
        return true;
    }
    HidReportLengths ReportLengths() override { return {33, 33}; }
    HidIo WriteReport(const uint8_t*, std::size_t, int) override
    {
        pending_ = true;
        return HidIo::Done;
    }
    HidIo ReadReport(uint8_t* report, std::size_t length, int) override
    {
        // A reply only once a command was sent, so that emptying the queue takes nothing.
        if (!pending_ || next_ >= bytes_.size()) return HidIo::TimedOut;
        pending_ = false;
        report[0] = 0;
        for (std::size_t i = 1; i < length; ++i) report[i] = next_ < bytes_.size() ? bytes_[next_++] : 0;
        return HidIo::Done;
    }

private:
    std::vector<uint8_t> bytes_;
    std::size_t next_ = 0;
    bool pending_ = false;
};

class ScriptedBackend : public HidBackend {
public:
    ScriptedBackend(const uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    std::vector<HidInterfaceInfo> Enumerate() override
    {
        HidInterfaceInfo info;
        info.path = "scripted";
        info.vendorId = static_cast<uint16_t>(kAdaptorVendorId);
        info.productId = static_cast<uint16_t>(kAdaptorProductId);
        info.descriptorLengths = HidReportLengths{33, 33};
        return {info};
    }
    std::unique_ptr<HidDevice> Open(const std::string&, bool* denied) override
    {
        if (denied != nullptr) *denied = false;
        return std::make_unique<ScriptedDevice>(data_, size_);
    }

private:
    const uint8_t* data_;
    std::size_t size_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    if (size == 0) return 0;
    const bool write = (data[0] & 1) != 0;
    ScriptedBackend backend(data + 1, size - 1);
    CHidAdaptor adaptor(backend);
    adaptor.Discover();
    ManualResetEvent stop;
    auto writeImage = std::make_unique<RadioImage>();
    auto readImage = std::make_unique<RadioImage>();
    int32_t adjustMode = 0;
    CloneEnvironment environment{adaptor, stop, *writeImage, *readImage, adjustMode, SystemLocalTime, {0, 0, 0}};
    auto settings = std::make_unique<RadioSettings>();
    ResetSettings(*settings, 1);
    ModelConfig options;
    ResetModelConfig(options);
    options.modelType = 1;
    NoProgress progress;
    CPcClone clone(environment, CloneBinding{settings.get(), &options, &progress, {}});
    const CloneResult result = write ? clone.WriteRadio() : clone.ReadRadio();
    if (result > kResultParameterError) __builtin_trap();
    return 0;
}
