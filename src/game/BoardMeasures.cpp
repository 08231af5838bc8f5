// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/BoardMeasures.h"

#include "game/Game.h"

#include <algorithm>

namespace orvane {

namespace {

template<typename Visit>
void ForEachNeighbour(int32_t width, int32_t height, int32_t index, Visit visit)
{
    const int32_t x = index % width;
    const int32_t y = index / width;
    for (int32_t ny = std::max(y - 1, 0); ny <= std::min(y + 1, height - 1); ++ny)
        for (int32_t nx = std::max(x - 1, 0); nx <= std::min(x + 1, width - 1); ++nx)
            if (nx != x || ny != y)
                visit(nx + ny * width);
}

} // namespace

BoardRegions FindRegions(
    int32_t width, int32_t height, const std::vector<bool>& mines, const std::vector<bool>& open)
{
    const auto cells = static_cast<size_t>(width) * static_cast<size_t>(height);
    if (width <= 0 || height <= 0 || mines.size() != cells)
        return {};
    const bool knowsOpen = open.size() == cells;
    const auto isOpen = [&](size_t at) { return knowsOpen && open[at]; };
    std::vector<uint8_t> numbers(cells, 0);
    for (size_t i = 0; i < cells; ++i)
        if (mines[i])
            ForEachNeighbour(width, height, static_cast<int32_t>(i),
                [&](int32_t n) { ++numbers[static_cast<size_t>(n)]; });

    // Floods the safe cells around a start cell, on from those `spreads` admits, marking
    // each reached once; true when the start and every safe cell next to a cell it spread
    // from are open. (A number between two openings is reached from the first only, but
    // belongs to the borders of both.)
    std::vector<bool> reached(cells, false);
    std::vector<int32_t> pending;
    const auto flood = [&](size_t start, auto spreads) {
        bool allOpen = isOpen(start);
        reached[start] = true;
        pending.assign(1, static_cast<int32_t>(start));
        while (!pending.empty()) {
            const int32_t cell = pending.back();
            pending.pop_back();
            ForEachNeighbour(width, height, cell, [&](int32_t n) {
                const auto at = static_cast<size_t>(n);
                if (mines[at])
                    return;
                allOpen = allOpen && isOpen(at);
                if (reached[at])
                    return;
                reached[at] = true;
                if (spreads(at))
                    pending.push_back(n);
            });
        }
        return allOpen;
    };
    const auto safe = [&](size_t at) { return !mines[at]; };
    const auto empty = [&](size_t at) { return !mines[at] && numbers[at] == 0; };

    // Each opening floods once from its first empty cell and takes its numbered border;
    // the numbers left are lone, and touching ones make an island.
    BoardRegions regions;
    for (size_t start = 0; start < cells; ++start) {
        if (!empty(start) || reached[start])
            continue;
        ++regions.Openings;
        regions.OpeningsCleared += flood(start, empty);
    }
    for (size_t i = 0; i < cells; ++i) {
        regions.LoneNumbers += safe(i) && !reached[i];
        regions.LoneNumbersCleared += safe(i) && !reached[i] && isOpen(i);
    }
    for (size_t start = 0; start < cells; ++start) {
        if (!safe(start) || reached[start])
            continue;
        ++regions.Islands;
        flood(start, safe);
    }
    return regions;
}

BoardMeasures MeasureBoard(int32_t threeBV, double seconds, int32_t clicks)
{
    BoardMeasures measures;
    measures.ThreeBV = threeBV;
    if (seconds > 0.0)
        measures.ThreeBVPerSecond = threeBV / seconds;
    if (clicks > 0)
        measures.Ioe = static_cast<double>(threeBV) / clicks;
    return measures;
}

std::optional<BoardRegions> RegionsOf(const Game& game)
{
    if (game.CurrentState() == GameState::Ready || !game.BoardMatchesSize())
        return std::nullopt;
    std::vector<bool> mines(game.Cells().size());
    std::vector<bool> open(game.Cells().size());
    for (size_t i = 0; i < mines.size(); ++i) {
        mines[i] = game.Cells()[i].Value == MineValue;
        open[i] = game.Cells()[i].State == CellState::Open;
    }
    return FindRegions(game.BoardWidth(), game.BoardHeight(), mines, open);
}

int32_t ThreeBVOf(const Game& game)
{
    const std::optional<BoardRegions> regions = RegionsOf(game);
    return regions ? regions->ThreeBV() : 0;
}

} // namespace orvane
