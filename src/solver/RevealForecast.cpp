// SPDX-License-Identifier: GPL-3.0-or-later
#include "solver/RevealForecast.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace orvane::solver {

// Each number's chance is its share of the layouts that leave the cell safe.
bool RevealForecast::Forecast(
    const BoardView& view, const Analysis& analysis, int cell, const Judge& judge)
{
    outcomes_.fill(Outcome {});
    if (view.At(cell) != SeenClosed)
        return false;
    trial_ = view;
    for (const int mine : analysis.certainMines)
        trial_.cells[static_cast<size_t>(mine)] = SeenMine;
    int minesAround = 0, closedAround = 0;
    neighbours_.Resize(view.width, view.height);
    for (const int16_t n : neighbours_.Of(cell)) {
        minesAround += trial_.At(n) == SeenMine;
        closedAround += trial_.At(n) == SeenClosed;
    }
    double topLog = -std::numeric_limits<double>::infinity();
    for (int number = minesAround; number <= minesAround + closedAround; ++number) {
        trial_.cells[static_cast<size_t>(cell)] = static_cast<uint8_t>(number);
        const Analysis& after = solver_.Analyse(trial_);
        if (!after.consistent)
            continue;
        if (!after.exact)
            return false;
        Outcome& outcome = outcomes_[static_cast<size_t>(number)];
        outcome.certainSafe = static_cast<int>(after.certainSafe.size());
        outcome.certainMines = static_cast<int>(after.certainMines.size());
        if (judge)
            outcome.value = judge(trial_, after);
        logLayouts_[static_cast<size_t>(number)] = after.logLayouts;
        topLog = std::max(topLog, after.logLayouts);
        outcome.chance = 1; // marks a number that fits, weighed below
    }
    double total = 0;
    for (size_t number = 0; number < outcomes_.size(); ++number)
        if (outcomes_[number].chance > 0) {
            outcomes_[number].chance = std::exp(logLayouts_[number] - topLog);
            total += outcomes_[number].chance;
        }
    for (Outcome& outcome : outcomes_)
        outcome.chance /= total;
    return total > 0;
}

} // namespace orvane::solver
