// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "game/GameEvents.h"

#include <cstdint>
#include <optional>
#include <string>

namespace orvane {

class Game;

// What one input, command or frame did to the game, gathered from its events, for a
// player who hears the board instead of seeing it. The window turns it into words.
struct MoveNews {
    int32_t CellsOpened = 0;
    // The player who found a mine and moves again.
    std::optional<std::string> MineFinder;
    // The player the turn went to.
    std::optional<std::string> TurnTo;
    std::optional<GameResult> Result;
    // The two-player winner's name; the shown seconds of a Classic game.
    std::string Winner;
    int32_t Seconds = 0;

    bool Empty() const { return CellsOpened == 0 && !MineFinder && !TurnTo && !Result; }
    bool operator==(const MoveNews&) const = default;
};

// Gathers the news of the events as the session takes them. The cells opened are counted
// only when cells changed, so a frame without a move costs nothing.
class MoveNewsGatherer {
public:
    void Take(const Game& game, const GameEvent& event);
    // What the events since the last call told; the board's open cells counted afresh.
    MoveNews Finish(const Game& game);

private:
    MoveNews news_;
    int32_t openCells_ = 0;
    bool cellsChanged_ = false;
};

} // namespace orvane
