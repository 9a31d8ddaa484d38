// The terminal of a fleet run with several units at once: one line per running unit with its
// stage and progress, redrawn in place on stderr when stderr is a terminal, and the result
// lines printed above it as units end.
#pragma once

#include <chrono>
#include <cstdio>
#include <iosfwd>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "fleet/fleet_run.h"

namespace qx::cli {

class FleetBoard {
public:
    // `enabled` false: nothing is drawn, result lines are only printed.
    FleetBoard(std::FILE* stream, bool enabled);
    ~FleetBoard();
    FleetBoard(const FleetBoard&) = delete;
    FleetBoard& operator=(const FleetBoard&) = delete;

    // A line for a unit, there until the returned object goes.
    std::unique_ptr<FleetUnitProgress> AddUnit(const std::string& unit);
    // Prints one line on `out` above the board. Safe from any thread.
    void Print(std::ostream& out, const std::string& line);

private:
    class UnitLine;
    struct Row {
        std::string unit;
        std::string stage;
        int total = 1;
        int done = 0;
        int step = 1;
        std::chrono::steady_clock::time_point start;
    };
    using Clock = std::chrono::steady_clock;

    std::FILE* stream_;
    bool enabled_;
    std::mutex rowsMutex_;  // the rows; held only for moments
    std::vector<std::shared_ptr<Row>> rows_;
    std::mutex drawMutex_;  // the terminal; a stalled output blocks only what prints
    int drawn_ = 0;         // lines of the board now on screen
    Clock::time_point lastDraw_{};

    void Remove(const Row* row);
    // Redraws unless it was done a moment ago (`force`: anyway). A unit's step never waits for
    // the terminal: when another thread is drawing, the step is shown by the next redraw.
    void Redraw(bool force);
    void EraseLocked();
    void DrawLocked();
};

}  // namespace qx::cli
