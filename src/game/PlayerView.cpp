// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/PlayerView.h"

#include "game/Game.h"

#include <algorithm>
#include <cmath>

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

long ChancePercent(double chance, bool certain)
{
    const long percent = std::lround(chance * 100.0);
    return certain ? percent : std::clamp(percent, 1L, 99L);
}

} // namespace orvane
