// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "solver/BoardView.h"

namespace orvane {

class Game;

// The board as the player sees it, for the solver: the open numbers, and every other cell
// closed. A flag may be wrong, so a flagged cell is as closed as any other.
void FillPlayerView(const Game& game, solver::BoardView& view);

// A chance of a mine in whole percent, as the player reads it: a cell that is not certain
// never reads 0 % or 100 %.
long ChancePercent(double chance, bool certain);

} // namespace orvane
