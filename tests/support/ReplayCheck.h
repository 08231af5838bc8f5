// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "game/Game.h"
#include "game/RecordedGame.h"

#include <cstdint>
#include <string>
#include <vector>

namespace orvane::testing {

// Who plays a game for the replay check: random input through the input layer (mouse,
// keys, the status buttons, pauses, hints and time passing), the solver player opening
// what it knows is safe, or two computers at a two-player board.
enum class ReplayPlayer { Random, Solver, Computers };

// Everything a game showed of itself: what a player sees and the counters.
struct SeenGame {
    std::vector<Cell> Cells;
    GameState State = GameState::Ready;
    PlayerIndex CurrentPlayer = Player1;
    std::array<PlayerData, 2> Players;
    int32_t FlagsLeft = 0, ElapsedSeconds = 0, ClickCount = 0, HintCell = -1, HintsUsed = 0;
    FaceLook Face = FaceLook::Smiling;
    bool BonusButtonEnabled = false, BonusButtonDown = false, BonusArmed = false,
         BonusSpent = false, ShowMoveMarks = false, Paused = false, NoGuessBoard = false;
    bool operator==(const SeenGame&) const = default;
};
SeenGame SeeGame(const Game& game);

// One game played to its end (or given up after its inputs ran out): its record, every
// event it told from its deal to its end, and how it ended.
struct PlayedGame {
    RecordedGame Record;
    std::vector<GameEvent> Events;
    SeenGame End;
};

// The board of a seed: every level in turn, and a small custom one; two-player boards with
// their odd mines.
BoardSetup BoardOfSeed(PlayMode mode, uint64_t seed);

PlayedGame PlayOneGame(const BoardSetup& setup, ReplayPlayer player, uint64_t seed);

// Writes the record to a replay file's bytes, reads it back (exactly the record), plays it
// into a fresh game and compares: the same end, the same events (the
// history's row among them), and not one draw from the random source. Empty when they
// agree, else what differs.
std::string ReplayDiffers(const PlayedGame& played);

} // namespace orvane::testing
