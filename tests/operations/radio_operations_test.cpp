// The radio operations every front end calls, each rule once, against the virtual radio.
#include <gtest/gtest.h>

#include <filesystem>

#include "clone/clone_fixture.h"
#include "files/atomic_file.h"
#include "model/identity.h"
#include "model/radio_image.h"
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

TEST(WriteOperation, BacksUpTheWholeRadioBeforeTheFirstBlock)
{
    test::TempDir dir;
    OperationsRig rig;
    const EepromBytes before = HoldingMmsi("235012345");
    rig.radio.SetContents(before);
    ops::WriteRequest request{Record(0, "235012345"), 0, true, dir.File("backups"), kBackupBaseName, At(7, 10, 0, 0)};
    std::vector<std::string> stages;
    OperationContext ctx = rig.Context();
    ctx.stage = [&stages](const char* name, int) { stages.emplace_back(name); };

    const ops::FullWriteOutcome out = ops::Write(ctx, request, false);
    ASSERT_TRUE(out.Ok()) << DescribeResult(out.code);
    EXPECT_TRUE(out.sent);
    EXPECT_EQ(stages, (std::vector<std::string>{"Backing up", "Writing"}));
    std::vector<uint8_t> kept;
    ASSERT_TRUE(ReadFileBytes(out.prepared.backup.path, kept, 1 << 16));
    EXPECT_EQ(kept, std::vector<uint8_t>(before.begin(), before.end()));
    EXPECT_EQ(out.prepared.backup.eeprom, kept);
    EXPECT_TRUE(testing::Holds(rig.radio.Contents(), rig.writeImage, kCloneFirst, kCloneLast + 1));

    // Kept in memory only (the web page keeps its own), and without a backup only the
    // identity bytes are read.
    request.backupFolder.clear();
    const ops::WritePreparation inMemory = ops::PrepareWrite(ctx, request);
    ASSERT_TRUE(inMemory.Ok());
    EXPECT_EQ(inMemory.backup.eeprom.size(), static_cast<std::size_t>(kEepromSize));
    EXPECT_TRUE(inMemory.backup.path.empty());
    request.backup = false;
    rig.radio.ClearLog();
    const ops::WritePreparation identities = ops::PrepareWrite(ctx, request);
    ASSERT_TRUE(identities.Ok());
    EXPECT_TRUE(identities.backup.eeprom.empty());
    EXPECT_EQ(identities.backup.radio.mmsi, "235012345");
    EXPECT_LT(rig.radio.SentenceCount(), 10);
}

TEST(WriteOperation, NothingIsSentWithoutACompleteFirstStep)
{
    test::TempDir dir;
    OperationsRig rig;
    rig.radio.SetContents(HoldingMmsi("235012345"));
    OperationContext ctx = rig.Context();
    ops::WriteRequest request{Record(0, "235012345"), 0, true, dir.File("backups"), kBackupBaseName, At(7, 10, 0, 0)};

    // A backup that cannot be kept: the radio is read, but no block goes out.
    SetWriteFaultHookForTesting([](std::size_t) { return false; });
    const ops::FullWriteOutcome full = ops::Write(ctx, request, true);
    SetWriteFaultHookForTesting({});
    EXPECT_FALSE(full.Ok());
    EXPECT_FALSE(full.sent);
    EXPECT_NE(full.prepared.backup.problem.find("the backup could not be written"), std::string::npos);

    // A radio that goes away during the backup.
    RadioFaults faults;
    faults.unplugAfter = 30;
    rig.radio.SetFaults(faults);
    const ops::FullWriteOutcome lost = ops::Write(ctx, request, true);
    EXPECT_EQ(lost.code, kResultRadioNotDetected);
    EXPECT_FALSE(lost.sent);
    rig.radio.SetFaults({});
    rig.radio.Plug();

    // A Stop before the write's first step ends: nothing written, no backup kept.
    rig.stopEvent.Set();
    rig.radio.ClearLog();
    const ops::FullWriteOutcome stopped = ops::Write(ctx, request, true);
    rig.stopEvent.Reset();
    EXPECT_EQ(stopped.code, kResultUserCancel);
    EXPECT_FALSE(stopped.sent);
    EXPECT_TRUE(stopped.prepared.backup.path.empty());

    // A failed preparation handed on regardless sends nothing.
    rig.radio.ClearLog();
    const ops::WriteOutcome refused = ops::FinishWrite(ctx, request, lost.prepared);
    EXPECT_FALSE(refused.Ok());
    EXPECT_FALSE(refused.sent);
    EXPECT_EQ(rig.radio.SentenceCount(), 0);
}

TEST(WriteOperation, ReplacingAnotherBoatsMmsiNeedsForce)
{
    test::TempDir dir;
    OperationsRig rig;
    rig.radio.SetContents(HoldingMmsi("235012345"));
    OperationContext ctx = rig.Context();
    ops::WriteRequest request{Record(0, "211234567"), 0, true, dir.File("backups"), kBackupBaseName, At(7, 10, 0, 0)};

    const ops::FullWriteOutcome refused = ops::Write(ctx, request, false);
    EXPECT_TRUE(refused.refused);
    EXPECT_FALSE(refused.sent);
    ASSERT_EQ(refused.prepared.replaced.size(), 1u);
    EXPECT_EQ(refused.prepared.replaced[0].held, "235012345");
    EXPECT_EQ(refused.prepared.replaced[0].written, "211234567");
    EXPECT_FALSE(refused.prepared.backup.path.empty()) << "the backup is kept all the same";
    EXPECT_EQ(ImageIdentities(rig.Eeprom()).mmsi, "235012345");

    const ops::FullWriteOutcome forced = ops::Write(ctx, request, true);
    ASSERT_TRUE(forced.Ok());
    EXPECT_EQ(ImageIdentities(rig.Eeprom()).mmsi, "211234567");
}

TEST(ReadAndVerifyOperations, ReadWhatWasWrittenAndCompareAsTheRadioHoldsIt)
{
    test::TempDir dir;
    OperationsRig rig;
    for (int32_t model : {0, 1}) {
        OperationContext ctx = rig.Context(model);
        const RadioSettings record = Record(model, "211234567");
        ops::WriteRequest request{record, 0, false, {}, kBackupBaseName, At(7, 10, 0, 0)};
        ASSERT_TRUE(ops::Write(ctx, request, true).Ok());

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

TEST(RestoreOperation, BacksUpFirstAndAsksBeforeReplacingAnIdentity)
{
    test::TempDir dir;
    OperationsRig rig;
    const EepromBytes before = HoldingMmsi("235012345");
    rig.radio.SetContents(before);
    const EepromBytes dumpBytes = HoldingMmsi("211234567");
    const std::vector<uint8_t> dump(dumpBytes.begin(), dumpBytes.end());
    OperationContext ctx = rig.Context();

    const ops::WritePreparation prepared = ops::PrepareRestore(ctx, dump, dir.File("backups"), At(7, 11, 0, 0));
    ASSERT_TRUE(prepared.Ok());
    ASSERT_EQ(prepared.replaced.size(), 1u);
    EXPECT_EQ(prepared.replaced[0].held, "235012345");
    std::vector<uint8_t> kept;
    ASSERT_TRUE(ReadFileBytes(prepared.backup.path, kept, 1 << 16));
    EXPECT_EQ(kept, std::vector<uint8_t>(before.begin(), before.end()));

    ASSERT_TRUE(ops::FinishRestore(ctx, dump, prepared).Ok());
    EXPECT_EQ(rig.Eeprom(), dump);

    // Without a complete backup nothing is restored (nor written).
    rig.radio.ClearLog();
    EXPECT_FALSE(ops::FinishRestore(ctx, dump, ops::WritePreparation{}).Ok());
    EXPECT_FALSE(ops::FinishWrite(ctx, ops::WriteRequest{}, ops::WritePreparation{}).sent);
    EXPECT_EQ(rig.radio.SentenceCount(), 0);
}

}  // namespace
}  // namespace qx
