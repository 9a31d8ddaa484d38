#include "gui/base/radio_job_runner.h"

#include <QMetaObject>
#include <QProgressBar>
#include <algorithm>

namespace qx {

// The progress sink a job writes to: every call becomes a queued signal to the UI thread.
class RadioJobRunner::Context : public RadioJobContext, public ProgressSink {
public:
    explicit Context(RadioJobRunner& runner) : runner_(runner) {}
    ProgressSink& Progress() override { return *this; }
    void Note(const QString& text) override { emit runner_.noted(text); }
    void SetRange(int minimum, int maximum) override { emit runner_.rangeChanged(minimum, maximum); }
    void SetStep(int step) override { step_ = step; }
    void Step() override { emit runner_.stepped(step_); }
    void SetPosition(int position) override { emit runner_.positionChanged(position); }

private:
    RadioJobRunner& runner_;
    int step_ = 1;  // QProgressBar has no step of its own
};

RadioJobRunner::RadioJobRunner(ManualResetEvent& stopEvent, QObject* parent) : QObject(parent), stopEvent_(stopEvent)
{
    thread_.setObjectName("radio jobs");
    worker_ = new QObject;
    worker_->moveToThread(&thread_);
    connect(&thread_, &QThread::finished, worker_, &QObject::deleteLater);

    // Signals from the worker reach these on the UI thread, in the order they were sent.
    connect(this, &RadioJobRunner::rangeChanged, this, [this](int minimum, int maximum) {
        if (bar_) bar_->setRange(minimum, maximum);
    });
    connect(this, &RadioJobRunner::positionChanged, this, [this](int position) {
        if (bar_) bar_->setValue(position);
    });
    // Past the top the bar stays full rather than wrapping to the bottom.
    connect(this, &RadioJobRunner::stepped, this, [this](int step) {
        if (bar_) bar_->setValue(std::min(bar_->value() + step, bar_->maximum()));
    });
    thread_.start();
}

RadioJobRunner::~RadioJobRunner()
{
    if (running_) {
        owner_ = nullptr;  // whoever started it may be half destroyed: no outcome now
        StopAndWait();
    }
    thread_.quit();
    thread_.wait();
}

bool RadioJobRunner::Start(QObject* owner, QProgressBar* bar, Work work, Done done)
{
    if (running_) return false;
    running_ = true;
    const quint64 job = ++job_;
    owner_ = owner;
    bar_ = bar;
    done_ = std::move(done);
    QMetaObject::invokeMethod(
        worker_, [this, job, work = std::move(work)] { RunOnWorker(job, work); }, Qt::QueuedConnection);
    emit runningChanged(true);
    return true;
}

void RadioJobRunner::RunOnWorker(quint64 job, const Work& work)
{
    CloneResult result = kResultOk;
    {
        Context context(*this);
        result = work(context);
    }
    {
        std::lock_guard<std::mutex> lock(mutex_);
        result_ = result;
        endedJob_ = job;
    }
    ended_.notify_all();
    // Queued behind every progress signal the job sent.
    QMetaObject::invokeMethod(
        this, [this, job] { Deliver(job); }, Qt::QueuedConnection);
}

void RadioJobRunner::Stop()
{
    if (running_) stopEvent_.Set();
}

void RadioJobRunner::StopAndWait()
{
    if (!running_) return;
    stopEvent_.Set();
    const quint64 job = job_;
    {
        std::unique_lock<std::mutex> lock(mutex_);
        ended_.wait(lock, [&] { return endedJob_ == job; });
    }
    Deliver(job);
}

void RadioJobRunner::Deliver(quint64 job)
{
    // The queued delivery of a job already delivered by StopAndWait finds nothing to do.
    if (!running_ || job != job_) return;
    CloneResult result;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        if (endedJob_ != job) return;
        result = result_;
    }
    running_ = false;
    bar_ = nullptr;
    Done done = std::move(done_);
    done_ = nullptr;
    // Taken first: `done` may start the next job, which brings its own owner.
    const QPointer<QObject> owner = owner_;
    owner_ = nullptr;
    emit finished(result);
    emit runningChanged(false);
    if (owner && done) done(result);
}

}  // namespace qx
