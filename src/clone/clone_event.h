// A manual-reset event: the stop event of the clone operations.
#pragma once

#include <condition_variable>
#include <mutex>

namespace qx {

class ManualResetEvent {
public:
    explicit ManualResetEvent(bool initiallySet = false) : set_(initiallySet) {}
    void Set();
    void Reset();
    bool IsSet() const;
    // True when the event is (or becomes) set within the time-out.
    bool Wait(int timeoutMs) const;

private:
    mutable std::mutex mutex_;
    mutable std::condition_variable changed_;
    bool set_;
};

}  // namespace qx
