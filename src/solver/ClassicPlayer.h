#pragma once
#include "solver/BoardView.h"
#include "solver/MineSolver.h"

#include <vector>

namespace orvane::solver {

// Plays a Classic game from what it sees: every cell certain to be safe, and when there
// is none, the guess most likely to survive and to lead on.
class ClassicPlayer {
public:
    // The first cell to open: a corner, where the first open most often clears an area.
    static int FirstCell(int width, int height);
    // The cells to open next: all the certainly safe ones, or else one guess. Empty when
    // nothing is left to open or what is seen fits no layout.
    const std::vector<int>& NextCells(const BoardView& view);

private:
    int BestGuess(const BoardView& view, const Analysis& analysis);

    MineSolver solver_;
    std::vector<int> next_;
};

} // namespace orvane::solver
