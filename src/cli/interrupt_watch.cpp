#include "cli/interrupt_watch.h"

#include <pthread.h>

#include <ctime>

namespace qx::cli {

namespace {

sigset_t InterruptSet()
{
    sigset_t set;
    sigemptyset(&set);
    sigaddset(&set, SIGINT);
    return set;
}

}  // namespace

InterruptWatch::InterruptWatch(ManualResetEvent& stopEvent) : stopEvent_(stopEvent)
{
    sigset_t set = InterruptSet();
    pthread_sigmask(SIG_BLOCK, &set, &previousMask_);
    thread_ = std::thread([this] {
        sigset_t wanted = InterruptSet();
        const timespec poll{0, 50L * 1000 * 1000};
        while (!done_) {
            if (sigtimedwait(&wanted, nullptr, &poll) == SIGINT) {
                interrupted_ = true;
                stopEvent_.Set();
            }
        }
    });
}

void InterruptWatch::End()
{
    if (ended_) return;
    ended_ = true;
    done_ = true;
    thread_.join();
    sigset_t set = InterruptSet();
    const timespec none{0, 0};
    while (sigtimedwait(&set, nullptr, &none) == SIGINT) interrupted_ = true;
    pthread_sigmask(SIG_SETMASK, &previousMask_, nullptr);
}

}  // namespace qx::cli
