// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/PlayerView.h"

#include "game/Game.h"

namespace orvane {

void FillPlayerView(const Game& game, solver::BoardView& view)
{
    view.Reset(game.BoardWidth(), game.BoardHeight(), game.MineCount());
    for (size_t i = 0; i < game.Cells().size(); ++i) {
        const Cell& cell = game.Cells()[i];
        if (cell.State == CellState::Open)
            view.cells[i] = cell.Value;
    }
}

} // namespace orvane
