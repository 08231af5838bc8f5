// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "ai/ComputerPlayer.h"
#include "game/Game.h"
#include "platform/FrameClock.h"
#include "platform/Random.h"

#include <array>

namespace orvane::testing {

// Two computers at one board: each plays its own seat of a "Vs Computer" game, keeps its
// own turn and its own count to its bonus.
class ComputerSeats {
public:
    ComputerSeats(Game& game, RandomSource& random, const FrameClock& clock) :
        game_(game), seats_ {ComputerPlayer {game, random, clock, Player1},
                         ComputerPlayer {game, random, clock, Player2}}
    {
        seats_[Player1].Create();
        seats_[Player2].Create();
    }

    ComputerPlayer& At(PlayerIndex seat) { return seats_[seat]; }

    // One frame of the computer to move; Duel's frame call.
    void Frame() { seats_[game_.CurrentPlayer()].Update(); }

private:
    Game& game_;
    std::array<ComputerPlayer, 2> seats_;
};

} // namespace orvane::testing
