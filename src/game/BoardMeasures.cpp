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

int32_t CountThreeBV(int32_t width, int32_t height, const std::vector<bool>& mines)
{
    const auto cells = static_cast<size_t>(width) * static_cast<size_t>(height);
    if (width <= 0 || height <= 0 || mines.size() != cells)
        return 0;
    std::vector<uint8_t> numbers(cells, 0);
    for (size_t i = 0; i < cells; ++i)
        if (mines[i])
            ForEachNeighbour(width, height, static_cast<int32_t>(i),
                [&](int32_t n) { ++numbers[static_cast<size_t>(n)]; });

    // Each opening is flooded once from its first empty cell, marking its border as
    // cleared; whatever safe cell is left unmarked needs a click of its own.
    std::vector<bool> cleared(cells, false);
    std::vector<int32_t> pending;
    int32_t clicks = 0;
    for (size_t start = 0; start < cells; ++start) {
        if (mines[start] || numbers[start] != 0 || cleared[start])
            continue;
        ++clicks;
        cleared[start] = true;
        pending.assign(1, static_cast<int32_t>(start));
        while (!pending.empty()) {
            const int32_t cell = pending.back();
            pending.pop_back();
            ForEachNeighbour(width, height, cell, [&](int32_t n) {
                const auto at = static_cast<size_t>(n);
                if (cleared[at] || mines[at])
                    return;
                cleared[at] = true;
                if (numbers[at] == 0)
                    pending.push_back(n);
            });
        }
    }
    for (size_t i = 0; i < cells; ++i)
        if (!mines[i] && !cleared[i])
            ++clicks;
    return clicks;
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

int32_t ThreeBVOf(const Game& game)
{
    if (game.CurrentState() == GameState::Ready || !game.BoardMatchesSize())
        return 0;
    std::vector<bool> mines(game.Cells().size());
    for (size_t i = 0; i < mines.size(); ++i)
        mines[i] = game.Cells()[i].Value == MineValue;
    return CountThreeBV(game.BoardWidth(), game.BoardHeight(), mines);
}

} // namespace orvane
