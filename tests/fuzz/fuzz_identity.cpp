// Identity texts as typed or loaded, and frequencies from files, through their encoders.
#include <string_view>

#include "fuzz_input.h"
#include "model/frequency.h"
#include "model/identity.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    using namespace qx;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    IsValidId(text);
    AtoiValue(text);
    if (auto packed = PackAtis(text)) UnpackAtis(*packed);
    if (auto packed = PackMmsi(text)) UnpackMmsi(*packed);
    UnpackAtis(fuzz::FromBytes<IdentityBytes>(data, size));
    UnpackMmsi(fuzz::FromBytes<IdentityBytes>(data, size));

    const double mhz = fuzz::FromBytes<double>(data, size);
    const int32_t step = size > sizeof(double) ? static_cast<int8_t>(data[sizeof(double)]) : 0;
    TxFromWord(TxWord(mhz, step), step);
    RxFromWord(RxWord(mhz, step), step);
    const auto word = fuzz::FromBytes<uint16_t>(data, size);
    PlanTxText(word);
    PlanRxText(word);
    return 0;
}
