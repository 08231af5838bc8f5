// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "support/GameFixture.h"

#include <string>
#include <utility>
#include <vector>

namespace orvane::testing {

// A game fixture for the rule tests: the board as the player sees it, and how often each
// result was told to the scores.
class RulesFixture : public GameFixture {
protected:
    // State and Mark of every cell: all a player can see of the board.
    std::vector<std::pair<CellState, CellMark>> Board() const
    {
        std::vector<std::pair<CellState, CellMark>> seen;
        for (const Cell& cell : game.Cells())
            seen.emplace_back(cell.State, cell.Mark);
        return seen;
    }

    static std::vector<std::string> Repeated(size_t times, const std::string& sound)
    {
        return std::vector<std::string>(times, sound);
    }

    int ClassicResults(GameResult result) const
    {
        int n = 0;
        for (const GameEnded& ended : Told<GameEnded>())
            n += ended.Mode == PlayMode::Classic && ended.Result == result;
        return n;
    }
    int classicLosses() const { return ClassicResults(GameResult::Lost); }
    int classicWins() const { return ClassicResults(GameResult::Won); }
    int twoPlayerResults() const { return static_cast<int>(Told<SeriesPointWon>().size()); }
};

} // namespace orvane::testing
