// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "support/GameFixture.h"

#include <string>
#include <utility>
#include <vector>

namespace orvane::testing {

// A game fixture for the rule tests: cells shown open as a player left them, the board
// as the player sees it, and how often each result was handed on to the scores.
class RulesFixture : public GameFixture {
protected:
    RulesFixture()
    {
        game.OnClassicLoss = [this] { ++classicLosses; };
        game.OnClassicWin = [this] { ++classicWins; };
        game.OnTwoPlayerResult = [this] { ++twoPlayerResults; };
    }

    void ShowOpen(int x, int y) { At(x, y).State = static_cast<uint8_t>(At(x, y).Value + 2); }
    bool IsOpen(int x, int y) { return At(x, y).State == At(x, y).Value + 2; }

    // State and Mark of every cell: all a player can see of the board.
    std::vector<std::pair<uint8_t, uint8_t>> Board() const
    {
        std::vector<std::pair<uint8_t, uint8_t>> seen;
        for (const Cell& cell : game.Cells())
            seen.emplace_back(cell.State, cell.Mark);
        return seen;
    }

    static std::vector<std::string> Repeated(size_t times, const std::string& sound)
    {
        return std::vector<std::string>(times, sound);
    }

    int classicLosses = 0;
    int classicWins = 0;
    int twoPlayerResults = 0;
};

} // namespace orvane::testing
