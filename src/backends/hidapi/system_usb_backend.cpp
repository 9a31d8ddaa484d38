// On the desktop the system's USB HID backend is hidapi.
#include "backends/hidapi/hidapi_backend.h"
#include "backends/radio_stack.h"

namespace qx {

std::unique_ptr<HidBackend> MakeSystemUsbBackend() { return std::make_unique<HidapiBackend>(); }

}  // namespace qx
