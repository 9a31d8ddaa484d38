#include "cli/terminal_progress.h"

#include <unistd.h>

#include <algorithm>

namespace qx::cli {

TerminalProgress::TerminalProgress(std::FILE* stream, bool enabled) : stream_(stream), enabled_(enabled) {}

TerminalProgress::~TerminalProgress() { End(); }

bool TerminalProgress::StreamIsTerminal(std::FILE* stream) { return ::isatty(::fileno(stream)) == 1; }

void TerminalProgress::Begin(const std::string& label, int totalBlocks)
{
    End();
    label_ = label;
    total_ = std::max(totalBlocks, 1);
    done_ = 0;
    step_ = 1;
    start_ = std::chrono::steady_clock::now();
    open_ = true;
    Draw();
}

void TerminalProgress::End()
{
    if (!open_) return;
    open_ = false;
    if (enabled_) {
        std::fputc('\n', stream_);
        std::fflush(stream_);
    }
}

void TerminalProgress::SetRange(int, int) {}

void TerminalProgress::SetStep(int step) { step_ = step; }

void TerminalProgress::Step()
{
    done_ += step_;
    Draw();
}

void TerminalProgress::SetPosition(int position)
{
    // The operations empty the bar when they end; keep the last state on screen instead.
    if (position == 0 && done_ > 0)
        End();
    else
        done_ = position;
}

void TerminalProgress::Draw()
{
    if (!enabled_ || !open_) return;
    constexpr int kWidth = 30;
    int shown = std::clamp(done_, 0, total_);
    int percent = shown * 100 / total_;
    int filled = shown * kWidth / total_;
    double elapsed = std::chrono::duration<double>(std::chrono::steady_clock::now() - start_).count();
    std::fprintf(stream_, "\r%-8s [%.*s%*s] %3d/%d blocks %3d%% %5.1f s", label_.c_str(), filled,
                 "##############################", kWidth - filled, "", shown, total_, percent, elapsed);
    std::fflush(stream_);
}

}  // namespace qx::cli
