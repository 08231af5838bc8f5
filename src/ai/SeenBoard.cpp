// SPDX-License-Identifier: GPL-3.0-or-later
#include "ai/SeenBoard.h"

#include "game/Game.h"

#include <algorithm>

namespace orvane {

SeenBoard::SeenBoard(const Game& game) : game_(game), cells_(game.Cells()) { }

int SeenBoard::Width() const
{
    return game_.BoardWidth();
}

int SeenBoard::Height() const
{
    return game_.BoardHeight();
}

int SeenBoard::MineCount() const
{
    return game_.MineCount();
}

int SeenBoard::OpenableInSquare(int index, int radius) const
{
    const int x = index % Width();
    const int y = index / Width();
    int count = 0;
    for (int row = std::max(y - radius, 0); row <= std::min(y + radius, Height() - 1); ++row)
        for (int col = std::max(x - radius, 0); col <= std::min(x + radius, Width() - 1); ++col)
            count += IsOpenable(col + row * Width());
    return count;
}

int SeenBoard::FoundBy(PlayerIndex player) const
{
    const CellMark mark = player == Player1 ? CellMark::Flag : CellMark::FoundByPlayer2;
    return static_cast<int>(std::count_if(
        cells_.begin(), cells_.end(), [mark](const Cell& cell) { return cell.Mark == mark; }));
}

} // namespace orvane
