// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/PlayerView.h"

#include "game/Game.h"

namespace orvane {

void FillPlayerView(const Game& game, solver::BoardView& view)
{
    view.Reset(game.BoardWidth, game.BoardHeight, game.MineCount);
    for (size_t i = 0; i < game.Cells.size(); ++i) {
        const uint8_t state = game.Cells[i].State;
        if (state >= OpenEmpty && state <= OpenEight)
            view.cells[i] = static_cast<uint8_t>(state - OpenEmpty);
    }
}

} // namespace orvane
