// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "solver/BoardView.h"

namespace orvane {

class Game;

// The board as the player sees it, for the solver: the open numbers, and every other cell
// closed. A flag may be wrong, so a flagged cell is as closed as any other.
void FillPlayerView(const Game& game, solver::BoardView& view);

} // namespace orvane
