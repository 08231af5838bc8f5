// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "ai/ComputerPlayer.h"
#include "game/Game.h"
#include "platform/Random.h"

#include <array>

namespace orvane::testing {

// Two computers at one board, for "Vs Computer" games between them (with Duel's Rival
// Computer): each seat has a computer of its own strength, and the seat to move runs one
// frame on the game's one opponent state. The rules count down the bonus only for
// Player2; a computer in Player1's seat gets the same count, drawn the same way, when
// the bonus goes to it, and each seat keeps its own count.
class ComputerSeats {
public:
    explicit ComputerSeats(Game& game) : game_(game) { seats_[Player1].Create(); }

    ComputerPlayer& At(PlayerIndex seat) { return seats_[seat]; }

    // One frame of the computer to move; Duel's frame call.
    void Frame()
    {
        const PlayerIndex mover = game_.CurrentPlayer();
        if (!game_.BonusAwarded())
            countdown_ = {-1, -1};
        const bool awarded = game_.BonusAwarded();
        game_.Opponent.BonusCountdown = countdown_[mover];
        seats_[mover].Update();
        countdown_[mover] = game_.Opponent.BonusCountdown;
        if (!awarded && game_.BonusAwarded()) {
            const PlayerIndex owner = game_.BonusOwner() == Player1 ? Player1 : Player2;
            countdown_[mover] = -1;
            countdown_[owner] = owner == Player2 ? game_.Opponent.BonusCountdown
                                                 : 1 + RandomBelow(game_.random, 5);
        }
    }

private:
    Game& game_;
    std::array<ComputerPlayer, 2> seats_ {ComputerPlayer {game_}, ComputerPlayer {game_}};
    std::array<int32_t, 2> countdown_ {-1, -1};
};

} // namespace orvane::testing
