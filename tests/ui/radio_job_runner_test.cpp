// The radio job runner: order of what comes back, stopping, and an owner that has gone.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QProgressBar>
#include <memory>

#include "gui/base/radio_job_runner.h"

namespace qx {
namespace {

void WaitIdle(const RadioJobRunner& runner)
{
    while (runner.IsRunning()) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

TEST(RadioJobRunner, ProgressNotesAndOutcomeArriveInOrderOnTheUiThread)
{
    ManualResetEvent stop;
    RadioJobRunner runner(stop);
    QProgressBar bar;
    QStringList seen;
    QObject::connect(&runner, &RadioJobRunner::noted, [&](const QString& text) { seen << "note " + text; });
    QObject::connect(&bar, &QProgressBar::valueChanged, [&](int v) { seen << QString("bar %1").arg(v); });
    QObject owner;
    const auto* uiThread = QThread::currentThread();
    const QThread* workThread = nullptr;
    ASSERT_TRUE(runner.Start(
        &owner, &bar,
        [&](RadioJobContext& context) {
            workThread = QThread::currentThread();
            context.Progress().SetRange(0, 5);
            context.Progress().SetStep(2);
            context.Note("shaken");
            for (int i = 0; i < 4; ++i) context.Progress().Step();  // stays full past the top
            return kResultWriteError;
        },
        [&](CloneResult result) {
            EXPECT_EQ(QThread::currentThread(), uiThread);
            seen << QString("done %1").arg(result);
        }));
    EXPECT_TRUE(runner.IsRunning());
    // One job at a time.
    EXPECT_FALSE(runner.Start(
        &owner, nullptr, [](RadioJobContext&) { return kResultOk; }, nullptr));
    WaitIdle(runner);
    EXPECT_NE(workThread, uiThread);
    // A fresh bar starts below its range (-1); the fourth step finds it full already.
    EXPECT_EQ(seen, QStringList({"note shaken", "bar 1", "bar 3", "bar 5", QString("done %1").arg(kResultWriteError)}));
}

TEST(RadioJobRunner, StopAndWaitDeliversTheOutcomeAtOnceAndOnlyOnce)
{
    ManualResetEvent stop;
    RadioJobRunner runner(stop);
    QObject owner;
    int delivered = 0;
    CloneResult outcome = kResultOk;
    ASSERT_TRUE(runner.Start(
        &owner, nullptr, [&](RadioJobContext&) { return stop.Wait(10000) ? kResultUserCancel : kResultTimeOut; },
        [&](CloneResult result) {
            ++delivered;
            outcome = result;
        }));
    runner.StopAndWait();
    EXPECT_FALSE(runner.IsRunning());
    EXPECT_EQ(delivered, 1);
    EXPECT_EQ(outcome, kResultUserCancel);
    // The queued delivery that follows finds nothing left to do.
    QCoreApplication::processEvents();
    EXPECT_EQ(delivered, 1);
}

TEST(RadioJobRunner, AnOwnerGoneBeforeTheOutcomeGetsNothing)
{
    ManualResetEvent stop;
    RadioJobRunner runner(stop);
    auto owner = std::make_unique<QObject>();
    bool delivered = false;
    int finished = 0;
    QObject::connect(&runner, &RadioJobRunner::finished, [&] { ++finished; });
    ASSERT_TRUE(runner.Start(
        owner.get(), nullptr, [&](RadioJobContext&) { return stop.Wait(10000) ? kResultUserCancel : kResultOk; },
        [&](CloneResult) { delivered = true; }));
    owner.reset();
    runner.Stop();
    WaitIdle(runner);
    EXPECT_FALSE(delivered);
    EXPECT_EQ(finished, 1);
    // The runner takes the next job.
    stop.Reset();
    QObject next;
    EXPECT_TRUE(runner.Start(
        &next, nullptr, [](RadioJobContext&) { return kResultOk; }, [](CloneResult) {}));
    WaitIdle(runner);
}

}  // namespace
}  // namespace qx
