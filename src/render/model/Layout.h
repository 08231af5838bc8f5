#pragma once
#include <cstdint>

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

LayoutSizes ComputeLayout(const Game& game);

} // namespace orvane
