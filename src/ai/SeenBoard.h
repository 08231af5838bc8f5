// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "game/GameTypes.h"

#include <cstdint>
#include <vector>

namespace orvane {

class Game;

// The board as a player sees it: which cells are closed, which mines were found, and
// the number each open cell shows. A closed cell's content is out of reach: the view
// reads only State and Mark (an open cell's number is its State less two).
class SeenBoard {
public:
    explicit SeenBoard(const Game& game);

    int Width() const;
    int Height() const;
    // Every mine of the board, found or not: the players are told it.
    int MineCount() const;
    int CellCount() const { return static_cast<int>(cells_.size()); }

    // Closed and not marked as a found mine: a cell a player may still open.
    bool IsOpenable(int index) const
    {
        return cells_[static_cast<size_t>(index)].IsClosedUnmarked();
    }
    bool IsFoundMine(int index) const { return cells_[static_cast<size_t>(index)].ShowsMine(); }
    bool IsOpen(int index) const
    {
        return cells_[static_cast<size_t>(index)].State == CellState::Open;
    }
    // 1..8 on an open cell showing a number, 0 on every other cell.
    int ShownNumber(int index) const
    {
        const Cell& cell = cells_[static_cast<size_t>(index)];
        return cell.IsOpenNumber() ? cell.Value : 0;
    }
    template<typename Visit> void ForEachNeighbour(int index, Visit visit) const
    {
        cells_[static_cast<size_t>(index)].ForEachNeighbour(visit);
    }
    // Cells that may still be opened in the square of the given half width around a cell,
    // cut off at the board's edges.
    int OpenableInSquare(int index, int radius) const;
    // The mines the player found, as its marks on the board show them.
    int FoundBy(PlayerIndex player) const;

private:
    const Game& game_;
    const std::vector<Cell>& cells_;
};

} // namespace orvane
