// The clone controller on its own, against the virtual radio: what it reports, that a Write's run
// spans both of its jobs, and that nothing is sent unless the window says so.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <memory>
#include <optional>
#include <vector>

#include "backups/backup_store.h"
#include "dialog_rig.h"
#include "gui/base/clone_controller.h"
#include "model/identity.h"

namespace qx {
namespace {

struct ControllerRig : test::DialogRig {
    CloneController controller{environment, radioJobs};
    std::vector<CloneKind> started;
    int progressSignals = 0;
    int writing = 0;
    std::optional<CloneOutcome> outcome;

    ControllerRig() : DialogRig("controller")
    {
        QObject::connect(&controller, &CloneController::started, [this](CloneKind kind) { started.push_back(kind); });
        QObject::connect(&controller, &CloneController::progressRangeChanged, [this] { ++progressSignals; });
        QObject::connect(&controller, &CloneController::progressStepped, [this] { ++progressSignals; });
        QObject::connect(&controller, &CloneController::writing, [this] { ++writing; });
        QObject::connect(&controller, &CloneController::finished, [this](const CloneOutcome& o) {
            EXPECT_FALSE(outcome.has_value()) << "one outcome per run";
            outcome = o;
        });
    }
    // Turns the event loop until the run's outcome is back (bounded).
    bool WaitForOutcome()
    {
        QElapsedTimer clock;
        clock.start();
        while (!outcome && clock.elapsed() < 20000) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
        return outcome.has_value();
    }
    CloneRequest WriteOf(const RadioSettings& record) const
    {
        CloneRequest request;
        request.kind = CloneKind::Write;
        request.record = record;
        request.options.modelType = record.modelType;
        request.directory = folder.Path();
        return request;
    }
};

RadioSettings UsaRecordWithMmsi(const char* mmsi)
{
    RadioSettings record{};
    ResetSettings(record, 0);
    SetMmsiText(record, mmsi);
    record.mmsiByUser = 0;
    return record;
}

TEST(CloneController, AWriteIsOneRunOverTwoJobsWithOneOutcome)
{
    ControllerRig rig;
    bool runnerIdleWhileAsked = false;
    bool runningWhileAsked = false;
    rig.controller.SetWriteQuestion([&](const std::vector<IdentityReplacement>&) {
        runnerIdleWhileAsked = !rig.radioJobs.IsRunning();
        runningWhileAsked = rig.controller.IsRunning() && rig.controller.RunningKind() == CloneKind::Write;
        return CloneController::WriteGo::Write;
    });
    ASSERT_TRUE(rig.controller.Start(rig.WriteOf(UsaRecordWithMmsi("211234567"))));
    EXPECT_TRUE(rig.controller.IsRunning());
    EXPECT_FALSE(rig.controller.Start(rig.WriteOf(UsaRecordWithMmsi("211234567"))));  // one run at a time
    ASSERT_TRUE(rig.WaitForOutcome());

    EXPECT_EQ(rig.started, std::vector<CloneKind>({CloneKind::Write}));
    EXPECT_TRUE(runnerIdleWhileAsked);
    EXPECT_TRUE(runningWhileAsked);  // between the jobs the run still goes
    EXPECT_EQ(rig.writing, 1);
    EXPECT_GT(rig.progressSignals, 0);
    EXPECT_EQ(rig.outcome->code, kResultOk);
    EXPECT_TRUE(rig.outcome->sent);
    EXPECT_FALSE(rig.controller.IsRunning());
    EXPECT_EQ(rig.controller.RunningKind(), CloneKind::None);
    EXPECT_NE(rig.radio.Contents()[kAddrMmsiPresent], 0);

    // Read brings back what was written, with no question.
    rig.outcome.reset();
    CloneRequest read;
    read.kind = CloneKind::Read;
    read.directory = rig.folder.Path();
    ASSERT_TRUE(rig.controller.Start(read));
    ASSERT_TRUE(rig.WaitForOutcome());
    EXPECT_EQ(rig.outcome->code, kResultOk);
    EXPECT_EQ(MmsiText(rig.outcome->record), "211234567");
    EXPECT_EQ(rig.writing, 1);
}

TEST(CloneController, NothingIsSentWhenTheWindowKeepsTheIdentityOrStops)
{
    for (const auto go : {CloneController::WriteGo::KeepIdentity, CloneController::WriteGo::Stop}) {
        ControllerRig rig;
        const EepromBytes before = rig.radio.Contents();
        rig.controller.SetWriteQuestion([go](const std::vector<IdentityReplacement>&) { return go; });
        ASSERT_TRUE(rig.controller.Start(rig.WriteOf(UsaRecordWithMmsi("211234567"))));
        ASSERT_TRUE(rig.WaitForOutcome());
        EXPECT_EQ(rig.outcome->code, kResultUserCancel);
        EXPECT_EQ(rig.outcome->identityKept, go == CloneController::WriteGo::KeepIdentity);
        EXPECT_FALSE(rig.outcome->sent);
        EXPECT_EQ(rig.writing, 0);
        EXPECT_EQ(rig.radio.Contents(), before);
    }
}

TEST(CloneController, WithNobodyToAskAnotherBoatsIdentityIsKept)
{
    ControllerRig rig;
    const std::string backups = rig.folder.File("backups");
    CloneRequest first = rig.WriteOf(UsaRecordWithMmsi("235012345"));
    first.backupFolder = backups;
    ASSERT_TRUE(rig.controller.Start(first));
    ASSERT_TRUE(rig.WaitForOutcome());
    ASSERT_EQ(rig.outcome->code, kResultOk) << "a radio with no MMSI is written";
    EXPECT_FALSE(rig.outcome->backup.path.empty());
    ASSERT_EQ(ListBackups(backups).size(), 1u);
    const EepromBytes written = rig.radio.Contents();

    rig.outcome.reset();
    CloneRequest second = rig.WriteOf(UsaRecordWithMmsi("211234567"));
    second.backupFolder = backups;
    ASSERT_TRUE(rig.controller.Start(second));
    ASSERT_TRUE(rig.WaitForOutcome());
    EXPECT_TRUE(rig.outcome->identityKept);
    EXPECT_FALSE(rig.outcome->sent);
    EXPECT_EQ(rig.radio.Contents(), written);
    EXPECT_EQ(ListBackups(backups).size(), 1u);  // a write that does not go keeps no backup
}

TEST(CloneController, AStopDuringTheFirstJobSendsNothingAndAsksNothing)
{
    ControllerRig rig;
    const EepromBytes before = rig.radio.Contents();
    int asked = 0;
    rig.controller.SetWriteQuestion([&](const std::vector<IdentityReplacement>&) {
        ++asked;
        return CloneController::WriteGo::Write;
    });
    ASSERT_TRUE(rig.controller.Start(rig.WriteOf(UsaRecordWithMmsi("211234567"))));
    rig.controller.Stop();
    ASSERT_TRUE(rig.WaitForOutcome());
    EXPECT_EQ(rig.outcome->code, kResultUserCancel);
    EXPECT_EQ(asked, 0);
    EXPECT_EQ(rig.radio.Contents(), before);
}

TEST(CloneController, WaitsForAnotherJobAndPassesOnlyItsOwnProgress)
{
    ControllerRig rig;
    // A service dialog's job holds the runner: no clone run starts, and its progress is not ours.
    ASSERT_TRUE(rig.radioJobs.Start(nullptr, nullptr,
                                    [](RadioJobContext& context) {
                                        context.Progress().SetRange(0, 10);
                                        context.Progress().SetPosition(5);
                                        return kResultOk;
                                    },
                                    {}));
    CloneRequest handShake;
    handShake.kind = CloneKind::HandShake;
    EXPECT_FALSE(rig.controller.Start(handShake));
    EXPECT_TRUE(rig.started.empty());
    QElapsedTimer clock;
    clock.start();
    while (rig.radioJobs.IsRunning() && clock.elapsed() < 20000)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    EXPECT_EQ(rig.progressSignals, 0);

    ASSERT_TRUE(rig.controller.Start(handShake));
    ASSERT_TRUE(rig.WaitForOutcome());
    EXPECT_EQ(rig.outcome->kind, CloneKind::HandShake);
    EXPECT_EQ(rig.outcome->code, kResultOk);
}

}  // namespace
}  // namespace qx
