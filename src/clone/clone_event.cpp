#include "clone/clone_event.h"

#include <chrono>

#ifdef __EMSCRIPTEN__
#include <emscripten.h>
#endif

namespace qx {

void ManualResetEvent::Set()
{
    {
        std::lock_guard lock(mutex_);
        set_ = true;
    }
    changed_.notify_all();
}

void ManualResetEvent::Reset()
{
    std::lock_guard lock(mutex_);
    set_ = false;
}

bool ManualResetEvent::IsSet() const
{
    std::lock_guard lock(mutex_);
    return set_;
}

bool ManualResetEvent::Wait(int timeoutMs) const
{
#ifdef __EMSCRIPTEN__
    // The browser's one thread: nothing could set the event while this thread spins, so the
    // wait hands the page its turn (a Stop click sets the event meanwhile). Asyncify resumes
    // the clone run afterwards.
    if (timeoutMs > 0 && !IsSet()) emscripten_sleep(static_cast<unsigned>(timeoutMs));
    return IsSet();
#else
    std::unique_lock lock(mutex_);
    if (timeoutMs <= 0) return set_;
    // A steady deadline, so that spurious wake-ups never stretch the wait.
    return changed_.wait_for(lock, std::chrono::milliseconds(timeoutMs), [this] { return set_; });
#endif
}

}  // namespace qx
