// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "solver/BoardView.h"
#include "solver/EndgameSearch.h"
#include "solver/MineSolver.h"
#include "solver/RevealForecast.h"

#include <utility>
#include <vector>

namespace orvane::bench {

using solver::Analysis;
using solver::BoardView;
using solver::MineSolver;
using solver::NeighbourTable;
using solver::RevealForecast;

// The solver's first Classic player, kept as it was for the benchmark to measure the
// present player against. It plays from what it sees: every cell certain to be safe, and
// when there is none, a guess. With few layouts left the guess is the best play found by trying
// them all; before that it is the cell that best joins a good chance to survive with a
// good chance that its number settles a cell, so that play goes on without a guess.
class ReferencePlayer {
public:
    // The first cell to open: a corner, where the first open most often clears an area.
    static int FirstCell(int width, int height);
    // The cells to open next: all the certainly safe ones, or else one guess. Empty when
    // nothing is left to open or what is seen fits no layout.
    const std::vector<int>& NextCells(const BoardView& view);

private:
    // Guesses opened in thought: those within this share of the best chance to survive,
    // at most so many, of which at most so many free cells.
    static constexpr double CandidateSafety = 0.9;
    static constexpr int MaxCandidates = 12;
    static constexpr int MaxFreeCandidates = 4;
    // What a chance that the number settles a cell is worth beside the chance to survive.
    static constexpr double ProgressWeight = 0.2;

    int BestGuess(const BoardView& view, const Analysis& analysis);
    bool TouchesNumber(const BoardView& view, int cell) const;

    MineSolver solver_;
    RevealForecast forecast_;
    solver::EndgameSearch endgame_;
    std::vector<int> next_;
    std::vector<std::pair<double, int>> ranked_;
};

} // namespace orvane::bench
