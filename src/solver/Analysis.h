// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <vector>

namespace orvane::solver {

// What can be known about the closed cells of a board from what a player sees.
struct Analysis {
    // Some mine layout fits what is seen; when not, nothing else here is meaningful.
    bool consistent = true;
    // Every chance is exact. False when a part of the board was too large to count within
    // the search limit: its chances are then estimates, but every cell named certain below
    // still is, by exact reasoning.
    bool exact = true;
    // False when only the counting rules ran (MineSolver::SettleByCounting): the certain
    // lists hold what they settled, and no other cell's chance was worked out.
    bool complete = true;
    // Per cell: the chance of a mine; 0 on an open cell, 1 on a known mine.
    std::vector<double> mineChance;
    // Closed cells that are safe, or mines, in every layout that fits.
    std::vector<int> certainSafe;
    std::vector<int> certainMines;
    // Natural log of the number of mine layouts that fit (with every closed cell told apart).
    double logLayouts = 0;
    // Closed cells next to no open number, and the chance of a mine in each of them.
    int unconstrainedCount = 0;
    double unconstrainedChance = 0;
};

} // namespace orvane::solver
