#include "gui/dialogs/radio_exchange.h"

#include <QEventLoop>
#include <QThread>
#include <algorithm>
#include <thread>

namespace qx {

void ProgressBarSink::post(std::function<void(QProgressBar&)> action)
{
    QProgressBar* bar = bar_.data();
    if (bar == nullptr) return;
    if (QThread::currentThread() == bar->thread()) {
        action(*bar);
        return;
    }
    // The bar is the context: should it be gone by the time the call arrives, Qt drops it.
    QMetaObject::invokeMethod(bar, [bar, action = std::move(action)] { action(*bar); },
                              Qt::QueuedConnection);
}

void ProgressBarSink::SetRange(int minimum, int maximum)
{
    post([minimum, maximum](QProgressBar& bar) { bar.setRange(minimum, maximum); });
}

void ProgressBarSink::SetStep(int step)
{
    step_ = step;
}

void ProgressBarSink::Step()
{
    const int step = step_;
    // Past the top the bar stays full rather than wrapping to the bottom.
    post([step](QProgressBar& bar) { bar.setValue(std::min(bar.maximum(), bar.value() + step)); });
}

void ProgressBarSink::SetPosition(int position)
{
    post([position](QProgressBar& bar) { bar.setValue(position); });
}

CloneResult RunOffUiThread(const std::function<CloneResult()>& work)
{
    CloneResult result = kResultOk;
    QEventLoop loop;
    std::thread worker([&] {
        result = work();
        // Queued behind every progress call the work posted, so the bar is up to date
        // when the loop ends.
        QMetaObject::invokeMethod(&loop, &QEventLoop::quit, Qt::QueuedConnection);
    });
    // The loop ends early only when the application quits; the worker never waits for this
    // thread, so joining is then still bounded by the exchange's own time-outs.
    loop.exec();
    worker.join();
    return result;
}

}  // namespace qx
