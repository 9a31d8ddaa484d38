// Running one exchange with the radio from a service dialog without freezing the window:
// the clone call runs on a worker thread while the dialog's thread keeps its event loop
// turning, and the progress bar is driven on the dialog's thread.
#pragma once

#include <QPointer>
#include <QProgressBar>
#include <functional>

#include "clone/clone_result.h"
#include "clone/progress_sink.h"

namespace qx {

// Progress of a clone run shown on a QProgressBar. Calls from the bar's own thread act at
// once; calls from a worker are queued to the bar's thread in order, so the worker never
// waits for the window (and can always be joined).
class ProgressBarSink : public ProgressSink {
public:
    explicit ProgressBarSink(QProgressBar* bar = nullptr) : bar_(bar) {}
    void Attach(QProgressBar* bar) { bar_ = bar; }
    void SetRange(int minimum, int maximum) override;
    void SetStep(int step) override;
    void Step() override;
    void SetPosition(int position) override;

private:
    QPointer<QProgressBar> bar_;
    int step_ = 1;  // QProgressBar has no step of its own; read and written by the run's thread

    void post(std::function<void(QProgressBar&)> action);
};

// Runs `work` on a worker thread and returns its result; the calling (UI) thread spins a
// local event loop meanwhile, so the window paints and progress appears. The work must end
// by itself (every clone exchange is bounded by its time-outs).
CloneResult RunOffUiThread(const std::function<CloneResult()>& work);

}  // namespace qx
