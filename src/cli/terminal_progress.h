// The command line's progress sink: a one-line bar on stderr when stderr is a terminal
// (blocks done of blocks total, percent, elapsed time), silence otherwise.
#pragma once

#include <chrono>
#include <cstdio>
#include <string>

#include "clone/progress_sink.h"

namespace qx::cli {

class TerminalProgress : public ProgressSink {
public:
    // `enabled` false gives a sink that only counts.
    TerminalProgress(std::FILE* stream, bool enabled);
    ~TerminalProgress() override;

    // Starts a new bar; the clone operations' ranges are one short of their block count,
    // so the total comes from the caller.
    void Begin(const std::string& label, int totalBlocks);
    // Ends the bar's line (also done by SetPosition(0) after steps and by the destructor).
    void End();

    void SetRange(int minimum, int maximum) override;
    void SetStep(int step) override;
    void Step() override;
    void SetPosition(int position) override;

    int Steps() const { return done_; }
    static bool StreamIsTerminal(std::FILE* stream);

private:
    std::FILE* stream_;
    bool enabled_;
    bool open_ = false;
    std::string label_;
    int total_ = 0;
    int done_ = 0;
    int step_ = 1;
    std::chrono::steady_clock::time_point start_;

    void Draw();
};

}  // namespace qx::cli
