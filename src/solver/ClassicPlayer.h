#pragma once
#include "solver/BoardView.h"
#include "solver/EndgameSearch.h"
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

    int variant = 0;
    double margin = 0.9;
    int maxCandidates = 12;
    int maxFree = 4;
    double progressWeight = 0.1;
    bool useEndgame = false;

private:
    struct Outcome {
        double progress = 0;   // chance that its number settles a cell
        double nextSafety = 0; // the safest cell's chance to be safe afterwards (1 when settled)
    };
    int BestGuess(const BoardView& view, const Analysis& analysis);
    Outcome Evaluate(int cell, const BoardView& view, const Analysis& analysis);

    MineSolver solver_;
    MineSolver trialSolver_;
    EndgameSearch endgame_;
    BoardView trial_;
    std::vector<int> next_;
    std::vector<std::pair<double, int>> ranked_;
};

} // namespace orvane::solver
