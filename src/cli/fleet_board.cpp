#include "cli/fleet_board.h"

#include <algorithm>
#include <ostream>

namespace qx::cli {

namespace {

constexpr int kBarWidth = 20;
constexpr std::size_t kNameWidth = 16;  // characters of a unit's name shown
constexpr auto kRedrawEvery = std::chrono::milliseconds(100);

// The first `count` characters of UTF-8 text, never cutting one in two.
std::string Leading(const std::string& text, std::size_t count)
{
    std::size_t characters = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if ((byte & 0xC0) != 0x80 && characters++ == count) return text.substr(0, i);
    }
    return text;
}

}  // namespace

class FleetBoard::UnitLine : public FleetUnitProgress {
public:
    UnitLine(FleetBoard& board, std::shared_ptr<Row> row) : board_(board), row_(std::move(row)) {}
    ~UnitLine() override { board_.Remove(row_.get()); }

    void Begin(const char* label, int blocks) override
    {
        {
            std::lock_guard lock(board_.rowsMutex_);
            row_->stage = label;
            row_->total = std::max(blocks, 1);
            row_->done = 0;
            row_->step = 1;
            row_->start = Clock::now();
        }
        board_.Redraw(true);
    }
    void SetRange(int, int) override {}
    void SetStep(int step) override
    {
        std::lock_guard lock(board_.rowsMutex_);
        row_->step = step;
    }
    void Step() override
    {
        {
            std::lock_guard lock(board_.rowsMutex_);
            row_->done += row_->step;
        }
        board_.Redraw(false);
    }
    void SetPosition(int position) override
    {
        // The operations empty the bar as they end: the last state stays on screen instead.
        std::lock_guard lock(board_.rowsMutex_);
        if (position != 0 || row_->done == 0) row_->done = position;
    }

private:
    FleetBoard& board_;
    std::shared_ptr<Row> row_;
};

FleetBoard::FleetBoard(std::FILE* stream, bool enabled) : stream_(stream), enabled_(enabled) {}

FleetBoard::~FleetBoard()
{
    std::lock_guard lock(drawMutex_);
    EraseLocked();
}

std::unique_ptr<FleetUnitProgress> FleetBoard::AddUnit(const std::string& unit)
{
    auto row = std::make_shared<Row>();
    row->unit = unit;
    row->stage = "Waiting";
    row->start = Clock::now();
    {
        std::lock_guard lock(rowsMutex_);
        rows_.push_back(row);
    }
    Redraw(true);
    return std::make_unique<UnitLine>(*this, std::move(row));
}

void FleetBoard::Remove(const Row* row)
{
    {
        std::lock_guard lock(rowsMutex_);
        rows_.erase(std::remove_if(rows_.begin(), rows_.end(), [&](const auto& r) { return r.get() == row; }),
                    rows_.end());
    }
    Redraw(true);
}

void FleetBoard::Print(std::ostream& out, const std::string& line)
{
    std::lock_guard lock(drawMutex_);
    EraseLocked();
    out << line << "\n" << std::flush;
    DrawLocked();
}

void FleetBoard::Redraw(bool force)
{
    if (!enabled_) return;
    std::unique_lock lock(drawMutex_, std::defer_lock);
    if (force)
        lock.lock();
    else if (!lock.try_lock())
        return;
    if (!force && Clock::now() - lastDraw_ < kRedrawEvery) return;
    EraseLocked();
    DrawLocked();
}

void FleetBoard::EraseLocked()
{
    if (!enabled_ || drawn_ == 0) return;
    std::fprintf(stream_, "\x1b[%dA\r\x1b[J", drawn_);
    drawn_ = 0;
    std::fflush(stream_);
}

void FleetBoard::DrawLocked()
{
    if (!enabled_) return;
    std::vector<Row> rows;
    {
        std::lock_guard lock(rowsMutex_);
        for (const auto& row : rows_) rows.push_back(*row);
    }
    const Clock::time_point now = Clock::now();
    for (const Row& row : rows) {
        const int shown = std::clamp(row.done, 0, row.total);
        const int filled = shown * kBarWidth / row.total;
        const double elapsed = std::chrono::duration<double>(now - row.start).count();
        const std::string name = Leading(row.unit, kNameWidth);
        // Padding counts bytes; a name with wide characters only shifts its own line.
        std::fprintf(stream_, "%-16s %-9s [%.*s%*s] %3d/%d %3d%% %5.1f s\n", name.c_str(), row.stage.c_str(), filled,
                     "####################", kBarWidth - filled, "", shown, row.total, shown * 100 / row.total,
                     elapsed);
    }
    drawn_ = static_cast<int>(rows.size());
    lastDraw_ = now;
    std::fflush(stream_);
}

}  // namespace qx::cli
