// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "solver/BoardView.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <numeric>
#include <random>
#include <vector>

namespace orvane::testing {

// Every mine layout of the closed cells that fits a view, tried one by one (at most about
// twenty closed cells): per cell, the share of fitting layouts with a mine there.
struct CountedChances {
    uint64_t layouts = 0;
    std::vector<double> chance; // per cell; 0 on open cells, 1 on known mines
};

inline CountedChances CountEveryLayout(const solver::BoardView& view)
{
    using solver::SeenClosed;
    using solver::SeenMine;
    std::vector<int> closed;
    int knownMines = 0;
    for (int cell = 0; cell < view.CellCount(); ++cell) {
        if (view.At(cell) == SeenClosed)
            closed.push_back(cell);
        knownMines += view.At(cell) == SeenMine;
    }
    struct Count {
        uint32_t around; // closed neighbours, as bits of the closed list
        int mines;
    };
    std::vector<Count> counts;
    for (int cell = 0; cell < view.CellCount(); ++cell) {
        if (!solver::IsOpenNumber(view.At(cell)))
            continue;
        Count count {0, view.At(cell)};
        const int x = cell % view.width, y = cell / view.width;
        for (int ny = y - 1; ny <= y + 1; ++ny)
            for (int nx = x - 1; nx <= x + 1; ++nx) {
                if (nx < 0 || ny < 0 || nx >= view.width || ny >= view.height
                    || (nx == x && ny == y))
                    continue;
                const int n = nx + ny * view.width;
                count.mines -= view.At(n) == SeenMine;
                const auto at = std::find(closed.begin(), closed.end(), n);
                if (at != closed.end())
                    count.around |= 1U << (at - closed.begin());
            }
        counts.push_back(count);
    }
    CountedChances result;
    result.chance.assign(static_cast<size_t>(view.CellCount()), 0.0);
    std::vector<uint64_t> minesAt(closed.size(), 0);
    const int left = view.mines - knownMines;
    const auto width = static_cast<int>(closed.size());
    if (left >= 0 && left <= width) {
        const uint64_t end = uint64_t {1} << width;
        for (uint64_t layout = 0; layout < end; ++layout) {
            if (std::popcount(layout) != left)
                continue;
            const bool fits = std::all_of(counts.begin(), counts.end(),
                [&](const Count& c) { return std::popcount(layout & c.around) == c.mines; });
            if (!fits)
                continue;
            ++result.layouts;
            for (size_t i = 0; i < closed.size(); ++i)
                minesAt[i] += (layout >> i) & 1U;
        }
    }
    for (int cell = 0; cell < view.CellCount(); ++cell)
        result.chance[static_cast<size_t>(cell)] = view.At(cell) == SeenMine ? 1.0 : 0.0;
    for (size_t i = 0; i < closed.size() && result.layouts > 0; ++i)
        result.chance[static_cast<size_t>(closed[i])]
            = static_cast<double>(minesAt[i]) / static_cast<double>(result.layouts);
    return result;
}

// A view a player could have of a small random board: a random subset of the safe cells
// open (each showing its number), some mines shown as found, and at most maxClosed cells
// closed.
inline solver::BoardView RandomSmallView(std::mt19937_64& engine, int maxClosed)
{
    auto below = [&](int n) { return static_cast<int>(engine() % static_cast<uint64_t>(n)); };
    solver::BoardView view;
    const int width = 3 + below(6), height = 2 + below(6);
    const int cells = width * height;
    view.Reset(width, height, 1 + below(std::max(1, cells / 3)));
    std::vector<int> order(static_cast<size_t>(cells));
    std::iota(order.begin(), order.end(), 0);
    std::shuffle(order.begin(), order.end(), engine);
    std::vector<bool> mine(static_cast<size_t>(cells), false);
    for (int i = 0; i < view.mines; ++i)
        mine[static_cast<size_t>(order[static_cast<size_t>(i)])] = true;
    std::shuffle(order.begin(), order.end(), engine);
    const int closedWanted = below(maxClosed + 1);
    int closed = cells;
    for (const int cell : order) {
        if (closed <= closedWanted)
            break;
        const int x = cell % width, y = cell / width;
        if (mine[static_cast<size_t>(cell)]) {
            if (below(3) != 0)
                continue;
            view.cells[static_cast<size_t>(cell)] = solver::SeenMine;
        } else {
            uint8_t around = 0;
            for (int ny = std::max(y - 1, 0); ny <= std::min(y + 1, height - 1); ++ny)
                for (int nx = std::max(x - 1, 0); nx <= std::min(x + 1, width - 1); ++nx)
                    around += mine[static_cast<size_t>(nx + ny * width)] ? 1 : 0;
            view.cells[static_cast<size_t>(cell)] = around;
        }
        --closed;
    }
    // When every safe cell was opened, the mines kept closed may still be too many: the
    // cells left closed are all mines then, shown as found.
    for (const int cell : order)
        if (closed > maxClosed && view.At(cell) == solver::SeenClosed) {
            view.cells[static_cast<size_t>(cell)] = solver::SeenMine;
            --closed;
        }
    return view;
}

} // namespace orvane::testing
