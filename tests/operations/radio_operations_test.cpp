// The radio operations every front end calls, each rule once, against the virtual radio.
#include <gtest/gtest.h>

#include <filesystem>

#include "clone/clone_fixture.h"
#include "files/atomic_file.h"
#include "model/identity.h"
#include "model/radio_image.h"
#include "operations/radio_gate.h"
#include "operations/radio_operations.h"
#include "reports/verify_report.h"
#include "support/temp_dir.h"

namespace qx {
namespace {

namespace fs = std::filesystem;

LocalTime At(int day, int hour, int minute, int second) { return LocalTime{2026, 12, day, hour, minute, second, 0}; }

// The suites' EEPROMs are filled with 0xA5 around the MMSI.
EepromBytes HoldingMmsi(const std::string& mmsi) { return testing::HoldingMmsi(mmsi, 0xA5); }

RadioSettings Record(int32_t model, const std::string& mmsi)
{
    RadioSettings record{};
    ResetSettings(record, model);
    record.mmsiByUser = mmsi.empty() ? 1 : 0;
    SetMmsiText(record, mmsi);
    return record;
}

struct OperationsRig : testing::CloneRig {
    OperationContext Context(int32_t model = 0)
    {
        options.modelType = model;
        return OperationContext{environment, &options, &progress, {}};
    }
    std::vector<uint8_t> Eeprom() const
    {
        const EepromBytes bytes = radio.Contents();
        return {bytes.begin(), bytes.end()};
    }
};

TEST(BackUpRadio, KeepsTheWholeEepromInANewFileAndNeverReplacesOne)
{
    test::TempDir dir;
    testing::CloneRig rig;
    const EepromBytes contents = HoldingMmsi("235012345");
    rig.radio.SetContents(contents);
    ModelConfig config{};
    const OperationContext run{rig.environment, &config, &rig.progress, {}};
    const std::string folder = dir.File("new/backups");

    BackupResult first = BackUpRadio(run, folder, At(7, 9, 5, 1));
    ASSERT_EQ(first.result, kResultOk) << first.problem;
    EXPECT_EQ(first.path, folder + "/qx720-backup-20261207-090501.bin");
    std::vector<uint8_t> kept;
    ASSERT_TRUE(ReadFileBytes(first.path, kept, 1 << 16));
    EXPECT_EQ(kept, std::vector<uint8_t>(contents.begin(), contents.end()));

    BackupResult second = BackUpRadio(run, folder, At(7, 9, 5, 1));
    ASSERT_EQ(second.result, kResultOk);
    EXPECT_EQ(second.path, folder + "/qx720-backup-20261207-090501-2.bin");

    // A folder that cannot be made: the radio is not even asked.
    rig.radio.ClearLog();
    test::WriteAll(dir.File("file"), "x", 1);
    BackupResult refused = BackUpRadio(run, dir.File("file/backups"), At(7, 9, 5, 2));
    EXPECT_EQ(refused.result, kResultOpenFileError);
    EXPECT_NE(refused.problem.find("cannot create the folder"), std::string::npos);
    EXPECT_EQ(rig.radio.SentenceCount(), 0);

    // A full disk: the backup is reported lost, and leaves nothing behind.
    SetWriteFaultHookForTesting([](std::size_t) { return false; });
    BackupResult full = BackUpRadio(run, folder, At(7, 9, 5, 3));
    SetWriteFaultHookForTesting({});
    EXPECT_NE(full.result, kResultOk);
    EXPECT_EQ(full.problem,
              folder + "/qx720-backup-20261207-090503.bin: the backup could not be written: No space left on device");
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 2);

    // A radio that goes away: no file at all.
    RadioFaults faults;
    faults.unplugAfter = 30;
    rig.radio.SetFaults(faults);
    BackupResult lost = BackUpRadio(run, folder, At(7, 9, 6, 0));
    EXPECT_NE(lost.result, kResultOk);
    EXPECT_TRUE(lost.path.empty());
    EXPECT_FALSE(fs::exists(folder + "/qx720-backup-20261207-090600.bin"));
}

TEST(ReadAndVerifyOperations, ReadWhatWasWrittenAndCompareAsTheRadioHoldsIt)
{
    test::TempDir dir;
    OperationsRig rig;
    for (int32_t model : {0, 1}) {
        OperationContext ctx = rig.Context(model);
        const RadioSettings record = Record(model, "211234567");
        ops::BackupPlan plan;
        plan.kind = ops::BackupKind::None;
        ASSERT_TRUE(ops::ChangeRadio(ctx, ops::RadioChange::Record(record, 0), plan, ops::Consent::Replace()).Ok());

        const ops::ReadOutcome read = ops::Read(ctx);
        ASSERT_TRUE(read.Ok());
        EXPECT_EQ(MmsiText(read.record), "211234567");
        EXPECT_TRUE(read.fileCheckProblem.empty()) << read.fileCheckProblem;
        EXPECT_EQ(ops::ReadBack(ctx).differences, 0);

        // A Europe record's channel table is compared as the radio keeps it.
        const std::string report = dir.File("Verify" + std::to_string(model) + ".txt");
        const ops::VerifyOutcome same = ops::Verify(ctx, ops::VerifyRequest{record, report, At(7, 10, 1, 0)});
        ASSERT_TRUE(same.Ok());
        EXPECT_EQ(same.comparison, 0) << same.reportText;
        EXPECT_TRUE(fs::exists(report));
        EXPECT_FALSE(same.reportText.empty());

        RadioSettings other = record;
        other.txStep = record.txStep == 1 ? 2 : 1;
        const ops::VerifyOutcome differs = ops::Verify(ctx, ops::VerifyRequest{other, {}, At(7, 10, 1, 0)});
        ASSERT_TRUE(differs.Ok());
        EXPECT_NE(differs.comparison, 0);
        const ops::VerifyOutcome nowhere = ops::Verify(
            ctx, ops::VerifyRequest{record, dir.File("missing/Verify.txt"), At(7, 10, 1, 0)});
        EXPECT_EQ(nowhere.comparison, kVerifyReportFailed);
    }
}

TEST(ReadAndVerifyOperations, FailuresCarryTheAdaptorsReason)
{
    OperationsRig rig;
    rig.radio.Unplug();
    const ops::ReadOutcome read = ops::Read(rig.Context());
    EXPECT_EQ(read.code, kResultRadioNotDetected);
    EXPECT_EQ(MmsiText(read.record), "") << "a failed read gives no record";
    EXPECT_EQ(ops::HandShake(rig.Context()).code, kResultRadioNotDetected);
    rig.radio.Plug();
    EXPECT_TRUE(ops::HandShake(rig.Context()).Ok());
    EXPECT_TRUE(ops::HandShake(rig.Context()).reason.empty());
}

}  // namespace
}  // namespace qx
