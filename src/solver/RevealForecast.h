// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "solver/Analysis.h"
#include "solver/BoardView.h"
#include "solver/MineSolver.h"
#include "solver/NeighbourTable.h"

#include <array>
#include <functional>

namespace orvane::solver {

// What opening a closed cell would show, found by opening it in thought with each number
// it can show and analysing the board that follows. Keeps its own solver and board, so
// once warmed on a board size it allocates nothing.
class RevealForecast {
public:
    struct Outcome {
        double chance = 0;    // of showing this number, when the cell is safe
        int certainSafe = 0;  // closed cells certainly safe after it
        int certainMines = 0; // closed cells certainly mines after it
        double value = 0;     // what the judge made of the board after it
    };
    // Judges a board that follows the opening, from it and its analysis.
    using Judge = std::function<double(const BoardView& after, const Analysis& analysis)>;

    // False when a board after the opening was too large to count exactly, so that the
    // chances of the numbers are unknown. The analysis is that of the view.
    bool Forecast(
        const BoardView& view, const Analysis& analysis, int cell, const Judge& judge = {});
    // Per number 0..8; numbers the cell cannot show have chance 0.
    const std::array<Outcome, 9>& Outcomes() const { return outcomes_; }

private:
    MineSolver solver_;
    NeighbourTable neighbours_;
    BoardView trial_;
    std::array<Outcome, 9> outcomes_ {};
    std::array<double, 9> logLayouts_ {};
};

} // namespace orvane::solver
