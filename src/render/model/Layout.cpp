// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/model/Layout.h"
#include "input/PanelLayout.h"

#include "game/Game.h"

#include <algorithm>

namespace orvane {

LayoutSizes ComputeLayout(const Game& game, int16_t cellSize)
{
    LayoutSizes sizes;
    // Below the counter strip, the player strip and a gap; a margin on the other sides.
    sizes.GameLeft = panel::BoardMargin;
    const int32_t playerStrip = panel::PlayerStripHeight(game.CurrentMode());
    sizes.GameTop = panel::CounterStripHeight + panel::BoardGap + playerStrip;
    sizes.GameWidth = game.BoardWidth() * cellSize;
    sizes.GameHeight = game.BoardHeight() * cellSize;
    sizes.StatWidth = sizes.GameWidth + 2 * panel::BoardMargin;
    sizes.StatHeight = panel::CounterStripHeight + playerStrip + panel::BoardGap + sizes.GameHeight
        + panel::BoardMargin;
    return sizes;
}

int16_t FittingCellSize(
    const Game& game, int16_t chosen, std::span<const int16_t> offered, int width, int height)
{
    const auto fits = [&](int16_t size) {
        const LayoutSizes sizes = ComputeLayout(game, size);
        return sizes.StatWidth <= width && sizes.StatHeight <= height;
    };
    if (fits(chosen))
        return chosen;
    int16_t best = 0;
    int16_t smallest = chosen;
    for (const int16_t size : offered) {
        smallest = std::min(smallest, size);
        if (size < chosen && size > best && fits(size))
            best = size;
    }
    return best > 0 ? best : smallest;
}

} // namespace orvane
