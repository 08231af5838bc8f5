#include "render/model/Layout.h"

#include "game/Game.h"

namespace orvane {

LayoutSizes ComputeLayout(const Game& game)
{
    LayoutSizes sizes;
    // Below the counter strip, the player strip and a gap; a margin on the other sides.
    sizes.GameLeft = panel::BoardMargin;
    sizes.GameTop = panel::CounterStripHeight + panel::BoardGap + game.PlayerStripHeight;
    sizes.GameWidth = game.BoardWidth * game.CellSize;
    sizes.GameHeight = game.BoardHeight * game.CellSize;
    sizes.StatWidth = sizes.GameWidth + 2 * panel::BoardMargin;
    sizes.StatHeight = game.StatusHeight + game.PlayerStripHeight + panel::BoardGap
        + sizes.GameHeight + panel::BoardMargin;
    return sizes;
}

} // namespace orvane
