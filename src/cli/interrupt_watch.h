// Ctrl-C during a radio operation: signals the stop event instead of killing the program, so
// the operation ends at its next stop check and the virtual radio is still saved.
#pragma once

#include <atomic>
#include <csignal>
#include <thread>

#include "clone/clone_event.h"

namespace qx::cli {

class InterruptWatch {
public:
    // Blocks SIGINT in the calling thread (and in every thread it starts later) and watches
    // for it on a thread of its own.
    explicit InterruptWatch(ManualResetEvent& stopEvent);
    // Ends the watch (once): takes a Ctrl-C still pending, then lets SIGINT through again.
    void End();
    ~InterruptWatch() { End(); }
    InterruptWatch(const InterruptWatch&) = delete;
    InterruptWatch& operator=(const InterruptWatch&) = delete;

    bool Interrupted() const { return interrupted_; }

private:
    ManualResetEvent& stopEvent_;
    sigset_t previousMask_{};
    std::atomic<bool> done_{false};
    bool ended_ = false;
    std::atomic<bool> interrupted_{false};
    std::thread thread_;
};

}  // namespace qx::cli
