// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "ai/SeenBoard.h"
#include "solver/Analysis.h"
#include "solver/BoardView.h"
#include "solver/MineSolver.h"
#include "solver/RevealForecast.h"

#include <vector>

namespace orvane::bench {

// The Strong computer's choice as it first was, kept for the benchmark to measure the
// present one against. It chooses from what a player sees and the mine count:
// a mine certain from the numbers when there is one; else, when it may, its bonus on the
// square that holds the most mines by their chances; else the cell most likely to hold a
// mine, where a miss would pass the turn. Among cells nearly as likely the one whose
// opening, should it be safe, makes the fewest cells certain for the other player wins.
// Buffers are kept between calls: once warmed on a board size it allocates nothing.
class ReferenceStrongChoice {
public:
    struct Pick {
        int cell = -1;         // -1 when what is seen fits no layout
        bool useBonus = false; // arm the bonus and open the square around the cell
    };

    // bonusRadius: the half width of the bonus square when the bonus may be armed now,
    // else 0.
    Pick Choose(const SeenBoard& board, int bonusRadius);

    // What one cell made certain for the other player by a miss costs, in chances of a
    // find.
    static constexpr double RevealWeight = 1.0;

    // Guesses weighed by what they reveal: those within this share of the best chance,
    // at most so many, of which at most one cell beside no number (such cells are alike).
    static constexpr double NearTie = 0.85;
    static constexpr int MaxWeighed = 6;
    // A certain safe cell tells the other player less than a certain mine, which is a find.
    static constexpr double SafeCellWeight = 0.1;
    // The bonus waits while a single guess is at least even odds: a find keeps the turn,
    // and with it the bonus for later.
    static constexpr double BonusWaitsAbove = 0.5;

private:
    void See(const SeenBoard& board);
    int CertainMine(const SeenBoard& board, const solver::Analysis& analysis) const;
    void RankGuesses(const SeenBoard& board, const solver::Analysis& analysis);
    int BestGuess(const solver::Analysis& analysis);
    double RevealedToOther(const solver::Analysis& analysis, int cell);
    int RichestSquare(const SeenBoard& board, const solver::Analysis& analysis, int radius) const;

    solver::BoardView view_;
    solver::MineSolver solver_;
    solver::RevealForecast forecast_;
    // Openable cells by chance of a mine, most likely first; free: next to no number.
    struct Ranked {
        double chance;
        int closedAround;
        int cell;
        bool free;
    };
    std::vector<Ranked> ranked_;
};

} // namespace orvane::bench
