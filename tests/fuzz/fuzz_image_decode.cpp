// A radio's EEPROM as a read gives it: the decoder, then a record that must encode again.
#include "files/clone_file.h"
#include "fuzz_input.h"
#include "model/radio_image.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    using namespace qx;
    if (size == 0) return 0;
    const int32_t modelType = data[0] % 3;
    RadioImage image = fuzz::FromBytes<RadioImage>(data + 1, size - 1);
    RadioSettings record;
    DecodeSettings(image, modelType, record);
    CloneRecordProblem(record);
    RadioImage again{};
    EncodeSettings(record, 0, again);
    return 0;
}
