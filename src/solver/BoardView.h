// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

namespace orvane::solver {

// What a player sees of one cell: an open cell shows its number 0..8; a closed cell may
// hold anything; a known mine is certain (a found mine of the two-player modes). A Classic
// flag may be wrong, so it is given as a closed cell.
inline constexpr uint8_t SeenClosed = 9;
inline constexpr uint8_t SeenMine = 10;

inline bool IsOpenNumber(uint8_t seen)
{
    return seen < SeenClosed;
}

// The board as a player sees it, with the number of mines on the whole board.
struct BoardView {
    int width = 0;
    int height = 0;
    int mines = 0;              // every mine of the board, the known ones included
    std::vector<uint8_t> cells; // row-major, width * height entries

    void Reset(int boardWidth, int boardHeight, int mineCount)
    {
        width = boardWidth;
        height = boardHeight;
        mines = mineCount;
        cells.assign(
            static_cast<size_t>(boardWidth) * static_cast<size_t>(boardHeight), SeenClosed);
    }
    int CellCount() const { return static_cast<int>(cells.size()); }
    uint8_t At(int cell) const { return cells[static_cast<size_t>(cell)]; }
};

} // namespace orvane::solver
