// The HID report descriptor a device hands us.
#include "clone/report_descriptor.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    qx::ParseReportDescriptor(data, size);
    return 0;
}
