// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "game/GameEvents.h"
#include "game/GameTypes.h"

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

namespace orvane {

class Game;

// What either player of a two-player game may see of it: no closed cell's content. A
// network host sends this, and each player's game shows it (Game::ShowNetworkGame).
namespace seen_cell {
// 0..8: an open cell and its number.
inline constexpr uint8_t Closed = 9;
inline constexpr uint8_t FoundByPlayer1 = 10;
inline constexpr uint8_t FoundByPlayer2 = 11;
inline constexpr uint8_t LastCode = FoundByPlayer2;
// Opened or found in the last move.
inline constexpr uint8_t MoveMark = 0x80;
} // namespace seen_cell

struct SeenState {
    BoardSetup Setup;
    std::vector<uint8_t> Cells; // one seen_cell code a cell, row by row
    std::array<PlayerData, 2> Players;
    PlayerIndex CurrentPlayer = Player1;
    GameState State = GameState::Ready;
    int16_t FlagsToWin = 0;
    bool BonusAwarded = false;
    std::optional<PlayerIndex> BonusOwner;
    bool BonusArmed = false;
    bool BonusButtonEnabled = false;
    uint8_t BonusRadius = 0;
    bool ShowMoveMarks = false;
    bool operator==(const SeenState&) const = default;
};

// How a game at a network host ended, told to both players.
struct SeenEnd {
    // None for a game given up, whose loser is GivenUpBy.
    std::optional<PlayerIndex> Winner;
    std::optional<PlayerIndex> GivenUpBy;
    double Seconds = 0.0;
    bool operator==(const SeenEnd&) const = default;
};

// What a move at a network host told besides the board.
struct SeenNews {
    std::vector<Sound> Sounds;
    std::vector<MessagePosted> Messages;
    std::optional<SeenEnd> Ended;
    bool operator==(const SeenNews&) const = default;
};

uint8_t SeenCode(const Cell& cell);
// A two-player game as its players see it.
SeenState SeenStateOf(const Game& game);
// Both sides hash what they see after every move: equal hashes, equal pictures.
uint64_t HashSeenState(const SeenState& seen);

} // namespace orvane
