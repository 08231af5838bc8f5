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
    // Where the pointer was over the board: it changes nothing in the game.
    PointerMove,
};

// A pointer sample's place over the board, in 1/32 of a cell from the board's top-left
// corner, so that it shows at any cell size. A PointerMove command's value holds it as
// X << 16 | Y.
inline constexpr int32_t PointerStepsPerCell = 32;
struct PointerPlace {
    int32_t X = 0;
    int32_t Y = 0;
    bool operator==(const PointerPlace&) const = default;
};
inline constexpr int32_t PackPointer(PointerPlace place)
{
    return place.X << 16 | place.Y;
}
inline constexpr PointerPlace UnpackPointer(int32_t value)
{
    return {value >> 16, value & 0xFFFF};
}

// Pointer samples are kept at most once a 1/60-s frame of the game's milliseconds, stamped
// with the frame's first millisecond.
inline constexpr int64_t FrameOf(int64_t milliseconds)
{
    return milliseconds * 60 / 1000;
}
inline constexpr int64_t FrameStart(int64_t frame)
{
    return (frame * 1000 + 59) / 60;
}

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
