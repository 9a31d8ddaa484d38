// A clone file's bytes through everything that trusts a loaded record: the check, the
// encoder a Write uses, the checksum, the reports.
#include "files/clone_file.h"
#include "fuzz_input.h"
#include "model/checksum.h"
#include "model/radio_image.h"
#include "reports/freq_table.h"
#include "reports/verify_report.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    using namespace qx;
    const auto record = fuzz::FromBytes<RadioSettings>(data, size);
    CloneRecordProblem(record);
    if (!CheckCloneRecord(record)) return 0;
    SettingsChecksum(record);
    RadioImage image{};
    EncodeSettings(record, 1, image);
    const LocalTime time{2026, 1, 2, 3, 4, 5, 6};
    FreqTableText(record, time);
    int flags = 0;
    const bool europe = IsEuropeModel(record);
    VerifyReportText(AsTheRadioHoldsIt(record, europe), record, europe, time, &flags);
    return 0;
}
