// Where a clone operation reports its progress: a progress bar, a terminal bar, a recorder.
#pragma once

namespace qx {

class ProgressSink {
public:
    virtual ~ProgressSink() = default;
    virtual void SetRange(int minimum, int maximum) = 0;
    virtual void SetStep(int step) = 0;
    virtual void Step() = 0;
    virtual void SetPosition(int position) = 0;
};

// For a run nobody watches.
class NoProgress final : public ProgressSink {
public:
    void SetRange(int, int) override {}
    void SetStep(int) override {}
    void Step() override {}
    void SetPosition(int) override {}
};

}  // namespace qx
