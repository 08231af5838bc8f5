#include "render/model/Layout.h"

#include "game/Game.h"

namespace orvane {

LayoutSizes ComputeLayout(const Game& game)
{
    LayoutSizes sizes;
    // Below the 60-pixel counter strip, the player strip and a 3-pixel gap.
    sizes.GameTop = 63 + game.PlayerStripHeight;
    sizes.GameWidth = game.BoardWidth * game.CellSize;
    sizes.GameHeight = game.BoardHeight * game.CellSize;
    sizes.StatWidth = sizes.GameWidth + 12;
    sizes.StatHeight = game.StatusHeight + sizes.GameHeight + game.PlayerStripHeight + 9;
    return sizes;
}

} // namespace orvane
