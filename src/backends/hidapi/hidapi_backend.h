// The real adaptor backend: hidapi over Linux hidraw.
#pragma once

#include <string>

#include "clone/hid_backend.h"

namespace qx {

class HidapiBackend : public HidBackend {
public:
    HidapiBackend();
    ~HidapiBackend() override;
    HidapiBackend(const HidapiBackend&) = delete;
    HidapiBackend& operator=(const HidapiBackend&) = delete;

    std::vector<HidInterfaceInfo> Enumerate() override;
    std::unique_ptr<HidDevice> Open(const std::string& path, bool* permissionDenied = nullptr) override;
    std::string LastError() const override { return lastError_; }

private:
    bool initialised_ = false;
    std::string lastError_;
};

}  // namespace qx
