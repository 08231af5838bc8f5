// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstdint>
#include <span>

namespace orvane {

class Game;

// Pixel sizes of the two drawing areas, all following from the board, the cell size
// and the player strip. Positions are in the client area below the menu bar.
struct LayoutSizes {
    int32_t GameLeft = 0;
    int32_t GameTop = 0;
    int32_t GameWidth = 0;
    int32_t GameHeight = 0;
    int32_t StatWidth = 0;
    int32_t StatHeight = 0;
};

LayoutSizes ComputeLayout(const Game& game, int16_t cellSize);

// The cell size to draw the board with: the chosen one when the window then fits in
// width x height, else the largest offered size below it that fits, else the smallest
// offered size, so that a board larger than the screen stays playable.
int16_t FittingCellSize(
    const Game& game, int16_t chosen, std::span<const int16_t> offered, int width, int height);

} // namespace orvane
