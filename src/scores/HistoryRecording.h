// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "game/GameTypes.h"
#include "scores/History.h"

#include <cstdint>

namespace orvane {

class Game;

// The game on the board as the history keeps it, ended now with result. The mode is the
// one it started in and the mines are those on the board: a mode or level command has
// already changed both settings when its new game gives this one up. The two-player
// modes count clicks of both players together, so there they are kept as none.
GameRecord RecordOfGame(const Game& game, GameResult result, int64_t playedAt);

// Keeps every game that ends in the history for the rest of the run; the history must
// live as long.
void ConnectHistory(Game& game, History& history);

} // namespace orvane
