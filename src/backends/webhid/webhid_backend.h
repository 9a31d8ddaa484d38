// The clone adaptor in a web browser: WebHID's promises awaited under Asyncify, so that the
// core's synchronous calls drive the browser's device unchanged. The JavaScript half is
// webhid_glue.js, which keeps the devices the user granted and their queues of input reports.
#pragma once

#include <string>

#include "clone/hid_backend.h"

namespace qx {

class WebHidBackend : public HidBackend {
public:
    // Only the devices the page was granted are listed: the browser's chooser is the page's
    // business, not the adaptor link's.
    std::vector<HidInterfaceInfo> Enumerate() override;
    std::unique_ptr<HidDevice> Open(const std::string& path, bool* permissionDenied = nullptr) override;
    std::string LastError() const override { return lastError_; }

private:
    std::string lastError_;
};

// "webhid:N" for the glue's device number N; -1 for any other path.
int WebHidDeviceNumber(const std::string& path);

}  // namespace qx
