// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "game/GameTypes.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

namespace orvane {
class Game;
}

namespace orvane::testing {

// What must hold of a game after every input, whatever the input was. Before() takes
// a snapshot ahead of one input; After() checks the game against the rules and against
// that snapshot, and names the first rule broken (empty when all hold).
class GameInvariants {
public:
    void Before(const Game& game);
    // results: how many times the game handed a result to the scores during the input.
    std::string After(const Game& game, int results) const;

private:
    struct Snapshot {
        GameState State = GameState::Ready;
        PlayerIndex Player = Player1;
        std::array<int32_t, 2> Found {};
        std::array<int32_t, 2> Scores {};
        int32_t OpenCells = 0;
        bool BonusSpent = false;
        size_t CellCount = 0;
        int16_t Width = 0;
        PlayMode Mode = PlayMode::Classic;
    };
    static Snapshot Take(const Game& game);

    Snapshot before_;
};

} // namespace orvane::testing
