// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstdint>

namespace orvane {

class Game;

// What the status area's two counters show. Read from the game whenever the area is
// drawn, inside a loop pass or not (a dialog moved over the window repaints it), so
// they never depend on what a pass has done to the game's fields.
struct CounterValues {
    int32_t Left = 0;
    int32_t Right = 0;

    bool operator==(const CounterValues&) const = default;
};

// In Classic the flags left and the seconds played; in the two-player modes each
// player's finds. Three digits each: 0 to 999.
CounterValues ShownCounters(const Game& game);

} // namespace orvane
