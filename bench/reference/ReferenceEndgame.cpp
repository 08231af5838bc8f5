// SPDX-License-Identifier: GPL-3.0-or-later
#include "reference/ReferenceEndgame.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>

namespace orvane::bench {

using solver::IsOpenNumber;
using solver::SeenClosed;
using solver::SeenMine;

int ReferenceEndgame::BestCell(
    const BoardView& view, const Analysis& analysis, const NeighbourTable& neighbours)
{
    if (!analysis.complete || !analysis.exact || !analysis.consistent
        || analysis.logLayouts > std::log(static_cast<double>(MaxLayouts)))
        return -1;
    if (!ListLayouts(view, analysis, neighbours))
        return -1;
    known_.clear();
    steps_ = 0;
    overflow_ = false;
    Layouts all(layouts_.size());
    uint64_t mineSomewhere = 0, mineEverywhere = ~uint64_t {0};
    for (size_t i = 0; i < all.size(); ++i) {
        all[i] = static_cast<uint16_t>(i);
        mineSomewhere |= layouts_[i];
        mineEverywhere &= layouts_[i];
    }
    size_t chosen = 0;
    winChance_ = BestGuess(all, mineSomewhere & ~mineEverywhere, chosen);
    return overflow_ || winChance_ <= 0 ? -1 : cells_[chosen];
}

bool ReferenceEndgame::ListLayouts(
    const BoardView& view, const Analysis& analysis, const NeighbourTable& neighbours)
{
    cells_.clear();
    mine_.assign(static_cast<size_t>(view.CellCount()), false);
    for (const int cell : analysis.certainMines)
        mine_[static_cast<size_t>(cell)] = true;
    int minesLeft = view.mines;
    for (int cell = 0; cell < view.CellCount(); ++cell) {
        if (view.At(cell) == SeenMine)
            mine_[static_cast<size_t>(cell)] = true;
        if (mine_[static_cast<size_t>(cell)])
            --minesLeft;
        else if (view.At(cell) == SeenClosed)
            cells_.push_back(cell);
    }
    if (cells_.size() > MaxCells)
        return false;
    auto listed = [&](int cell) {
        const auto at = std::lower_bound(cells_.begin(), cells_.end(), cell);
        return at != cells_.end() && *at == cell ? static_cast<int>(at - cells_.begin()) : -1;
    };
    const size_t count = cells_.size();
    around_.assign(count, 0);
    minesAround_.assign(count, 0);
    countsOf_.assign(count, {});
    counts_.clear();
    for (size_t i = 0; i < count; ++i)
        for (const int16_t n : neighbours.Of(cells_[i])) {
            const int j = listed(n);
            if (j >= 0)
                around_[i] |= uint64_t {1} << j;
            else
                minesAround_[i] += mine_[static_cast<size_t>(n)] ? 1 : 0;
        }
    for (int cell = 0; cell < view.CellCount(); ++cell) {
        if (!IsOpenNumber(view.At(cell)))
            continue;
        Count c {0, view.At(cell)};
        for (const int16_t n : neighbours.Of(cell)) {
            const int j = listed(n);
            if (j >= 0)
                c.cells |= uint64_t {1} << j;
            else
                c.need -= mine_[static_cast<size_t>(n)] ? 1 : 0;
        }
        if (c.cells == 0)
            continue;
        for (uint64_t bits = c.cells; bits != 0; bits &= bits - 1)
            countsOf_[static_cast<size_t>(std::countr_zero(bits))].push_back(
                static_cast<int>(counts_.size()));
        counts_.push_back(c);
    }
    need_.resize(counts_.size());
    room_.resize(counts_.size());
    for (size_t c = 0; c < counts_.size(); ++c) {
        need_[c] = counts_[c].need;
        room_[c] = std::popcount(counts_[c].cells);
    }
    // Cells that share a count are decided one after another, so that each count is
    // complete early and a dead end shows soon; cells next to no count come last.
    order_.clear();
    uint64_t ordered = 0;
    auto take = [&](size_t i) {
        order_.push_back(i);
        ordered |= uint64_t {1} << i;
    };
    for (size_t start = 0; start < count; ++start) {
        if ((ordered >> start & 1U) != 0 || countsOf_[start].empty())
            continue;
        take(start);
        for (size_t k = order_.size() - 1; k < order_.size(); ++k)
            for (const int c : countsOf_[order_[k]])
                for (uint64_t bits = counts_[static_cast<size_t>(c)].cells & ~ordered; bits != 0;
                     bits &= bits - 1)
                    take(static_cast<size_t>(std::countr_zero(bits)));
    }
    for (size_t i = 0; i < count; ++i)
        if ((ordered >> i & 1U) == 0)
            take(i);
    layouts_.clear();
    overflow_ = false;
    steps_ = 0;
    Extend(0, minesLeft, 0);
    return !overflow_ && !layouts_.empty();
}

// Lists the layouts by deciding the cells in order, each count kept within reach.
void ReferenceEndgame::Extend(size_t next, int minesLeft, uint64_t layout)
{
    if (overflow_ || ++steps_ > MaxSteps) {
        overflow_ = true;
        return;
    }
    if (next == cells_.size()) {
        if (minesLeft != 0)
            return;
        if (layouts_.size() == static_cast<size_t>(MaxLayouts)) {
            overflow_ = true;
            return;
        }
        layouts_.push_back(layout);
        return;
    }
    if (minesLeft < 0 || minesLeft > static_cast<int>(cells_.size() - next))
        return;
    const size_t cell = order_[next];
    for (int mine = 0; mine <= 1; ++mine) {
        bool fits = true;
        for (const int c : countsOf_[cell]) {
            need_[static_cast<size_t>(c)] -= mine;
            --room_[static_cast<size_t>(c)];
            fits = fits && need_[static_cast<size_t>(c)] >= 0
                && need_[static_cast<size_t>(c)] <= room_[static_cast<size_t>(c)];
        }
        if (fits)
            Extend(next + 1, minesLeft - mine, layout | (uint64_t {mine == 1} << cell));
        for (const int c : countsOf_[cell]) {
            need_[static_cast<size_t>(c)] += mine;
            ++room_[static_cast<size_t>(c)];
        }
    }
}

int ReferenceEndgame::NumberAt(size_t cell, uint64_t layout) const
{
    return minesAround_[cell] + std::popcount(layout & around_[cell]);
}

// The chance to win from here with best play.
double ReferenceEndgame::Win(const Layouts& fitting)
{
    if (fitting.size() == 1)
        return 1;
    steps_ += static_cast<long>(fitting.size());
    if (steps_ > MaxSteps) {
        overflow_ = true;
        return 0;
    }
    if (const auto found = known_.find(fitting); found != known_.end())
        return found->second;
    // A cell safe in every layout whose number still tells them apart is opened first.
    uint64_t mineSomewhere = 0, mineEverywhere = ~uint64_t {0};
    for (const uint16_t i : fitting) {
        mineSomewhere |= layouts_[i];
        mineEverywhere &= layouts_[i];
    }
    const uint64_t everSafe = ~mineSomewhere;
    for (size_t cell = 0; cell < cells_.size(); ++cell) {
        if ((everSafe >> cell & 1U) == 0)
            continue;
        const int first = NumberAt(cell, layouts_[fitting[0]]);
        const bool tells = std::any_of(fitting.begin(), fitting.end(),
            [&](uint16_t i) { return NumberAt(cell, layouts_[i]) != first; });
        if (tells) {
            const double win = Split(fitting, cell);
            known_.emplace(fitting, win);
            return win;
        }
    }
    size_t chosen = 0;
    const double best = BestGuess(fitting, mineSomewhere & ~mineEverywhere, chosen);
    known_.emplace(fitting, best);
    return best;
}

// The best guess among the cells that hold a mine in some layouts but not in all: the
// safer cells first, stopping when no guess left can beat the best. Its chance to win, and
// the cell in chosen.
double ReferenceEndgame::BestGuess(const Layouts& fitting, uint64_t mixed, size_t& chosen)
{
    std::array<std::pair<int, size_t>, MaxCells> guesses {};
    size_t guessCount = 0;
    for (size_t cell = 0; cell < cells_.size(); ++cell)
        if ((mixed >> cell & 1U) != 0) {
            int safe = 0;
            for (const uint16_t i : fitting)
                safe += (layouts_[i] >> cell & 1U) == 0;
            guesses[guessCount++] = {safe, cell};
        }
    std::stable_sort(guesses.begin(), guesses.begin() + static_cast<long>(guessCount),
        [](const auto& a, const auto& b) { return a.first > b.first; });
    double best = 0;
    for (size_t g = 0; g < guessCount && !overflow_; ++g) {
        if (static_cast<double>(guesses[g].first) <= best * static_cast<double>(fitting.size()))
            break;
        const double win = Split(fitting, guesses[g].second);
        if (win > best) {
            best = win;
            chosen = guesses[g].second;
        }
    }
    return best;
}

// Opens the cell: the layouts where it is safe, split by the number it shows.
double ReferenceEndgame::Split(const Layouts& fitting, size_t cell)
{
    std::array<Layouts, 9> shown;
    for (const uint16_t i : fitting)
        if ((layouts_[i] >> cell & 1U) == 0)
            shown[static_cast<size_t>(NumberAt(cell, layouts_[i]))].push_back(i);
    double win = 0;
    for (const Layouts& part : shown)
        if (!part.empty())
            win += static_cast<double>(part.size()) * Win(part);
    return win / static_cast<double>(fitting.size());
}

} // namespace orvane::bench
