// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "game/GameTypes.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace orvane {

// What a game carried over from the games before it, and what it drew: with its commands
// this is the whole game.
struct GameStart {
    BoardSetup Setup;
    // Before the deal, which passes the turn on in the two-player modes.
    PlayerIndex TurnBeforeDeal = Player1;
    std::array<PlayerData, 2> Players;
    int32_t ClicksBeforeDeal = 0;
    bool SoundOn = true;
    bool NoGuessing = false;
    // The placement at the first open: safe cells up to LastSafeSlot, the mines after it.
    std::vector<int16_t> CellOrder;
    int16_t LastSafeSlot = -1;
    bool DealtWithoutGuessing = false;
    // Every later draw of the rules from the random source, in order.
    std::vector<double> Draws;
    bool operator==(const GameStart&) const = default;
};

enum class CommandKind : uint8_t {
    ActOnCell,
    CountClick,
    PressFace,
    PressBonusButton,
    ToggleBonus,
    RandomOpen,
    ArmComputerBonus,
    Pause,
    Resume,
    Hint,
    GiveUp,
    // A new game replaced this one while it was being played: it is given up.
    EndForNewGame,
    RenamePlayer,
    ResetSeriesScores,
    SetSoundOn,
    SetNoGuessing,
    ShowGameClock,
};

// One command as the game took it, at the milliseconds since its deal.
struct Command {
    int64_t AtMilliseconds = 0;
    CommandKind Kind = CommandKind::CountClick;
    CellGesture Gesture = CellGesture::Open;
    CellAction Action = CellAction::Press;
    int32_t Value = 0; // the cell, the player, a switch's state or the clock's seconds
    std::string Text;  // a new name
    bool operator==(const Command&) const = default;
};

struct RecordedGame {
    GameStart Start;
    std::vector<Command> Commands;
    bool operator==(const RecordedGame&) const = default;
};

} // namespace orvane
