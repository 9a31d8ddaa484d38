// Runs the program's radio jobs (Read, Write, Verify, HandShake, the EEPROM transfers, handset
// test mode) one at a time on one worker thread. The UI thread never waits for the radio: a
// job's progress, notes and outcome come back as queued signals, in the order the job made
// them. Whatever a job needs from the window is copied into it before it starts.
#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QThread>
#include <condition_variable>
#include <functional>
#include <mutex>

#include "clone/clone_event.h"
#include "clone/progress_sink.h"
#include "result/clone_result.h"

class QProgressBar;

namespace qx {

// What a job may use on the worker thread.
class RadioJobContext {
public:
    virtual ~RadioJobContext() = default;
    virtual ProgressSink& Progress() = 0;
    // A status text for the UI thread while the job goes on (e.g. once the radio answered).
    virtual void Note(const QString& text) = 0;
};

class RadioJobRunner : public QObject {
    Q_OBJECT

public:
    using Work = std::function<CloneResult(RadioJobContext&)>;  // on the worker thread
    using Done = std::function<void(CloneResult)>;              // on the UI thread

    // `stopEvent` is the clone runs' stop request (the clone environment's).
    explicit RadioJobRunner(ManualResetEvent& stopEvent, QObject* parent = nullptr);
    // Stops a running job and waits for it (bounded by the exchange's own time-outs).
    ~RadioJobRunner() override;

    // Starts `work` unless a job runs (then false). Its progress drives `bar` (if any); `done`
    // gets the outcome unless `owner` is gone by then.
    bool Start(QObject* owner, QProgressBar* bar, Work work, Done done);
    bool IsRunning() const { return running_; }
    // Asks the running job to stop; it ends at its next check.
    void Stop();
    // Asks the running job to stop, waits for it to end and delivers its outcome now.
    void StopAndWait();

signals:
    void noted(const QString& text);
    void finished(CloneResult result);
    // A job started (true) or its outcome was delivered (false).
    void runningChanged(bool running);
    // From the worker; the runner applies them to the job's bar on the UI thread.
    void rangeChanged(int minimum, int maximum);
    void positionChanged(int position);
    void stepped(int step);

private:
    class Worker;
    class Context;

    ManualResetEvent& stopEvent_;
    QThread thread_;
    QObject* worker_ = nullptr;  // lives on thread_

    // UI thread only.
    bool running_ = false;
    quint64 job_ = 0;
    QPointer<QObject> owner_;
    QPointer<QProgressBar> bar_;
    Done done_;

    // Shared with the worker.
    std::mutex mutex_;
    std::condition_variable ended_;
    quint64 endedJob_ = 0;
    CloneResult result_ = kResultOk;

    void RunOnWorker(quint64 job, const Work& work);
    void Deliver(quint64 job);
};

}  // namespace qx
