// SPDX-License-Identifier: GPL-3.0-or-later
#include "reference/ReferencePlayer.h"

#include <algorithm>

namespace orvane::bench {

using solver::IsOpenNumber;
using solver::RevealForecast;
using solver::SeenClosed;

int ReferencePlayer::FirstCell(int /*width*/, int /*height*/)
{
    return 0;
}

const std::vector<int>& ReferencePlayer::NextCells(const BoardView& view)
{
    next_.clear();
    const Analysis* analysis = &solver_.SettleByCounting(view);
    if (analysis->consistent && analysis->certainSafe.empty())
        analysis = &solver_.Analyse(view);
    if (!analysis->consistent)
        return next_;
    if (!analysis->certainSafe.empty()) {
        next_ = analysis->certainSafe;
        return next_;
    }
    const int guess = BestGuess(view, *analysis);
    if (guess >= 0)
        next_.push_back(guess);
    return next_;
}

// The closed cells are ranked by their chance of a mine (fewer closed neighbours first
// among equals: such a cell more often shows 0 and opens an area). The safest few are
// opened in thought, a few free cells (no number beside them) standing for all free
// cells, whose chances are alike. Weighing the chance that the number settles a cell
// against the chance to survive won about one game in a hundred more on Expert than the
// safest cell alone; also weighing the best chance to survive the next guess did not
// win more.
int ReferencePlayer::BestGuess(const BoardView& view, const Analysis& analysis)
{
    if (const int cell = endgame_.BestCell(view, analysis, solver_.Neighbours()); cell >= 0)
        return cell;
    ranked_.clear();
    for (int cell = 0; cell < view.CellCount(); ++cell) {
        const double chance = analysis.mineChance[static_cast<size_t>(cell)];
        if (view.At(cell) != SeenClosed || chance >= 1)
            continue;
        int closed = 0;
        for (const int16_t n : solver_.Neighbours().Of(cell))
            closed += view.At(n) == SeenClosed;
        ranked_.emplace_back(chance + closed * 1e-9, cell);
    }
    if (ranked_.empty())
        return -1;
    std::sort(ranked_.begin(), ranked_.end());
    const int safest = ranked_.front().second;
    if (!analysis.exact)
        return safest;
    const double bestSafety = 1 - analysis.mineChance[static_cast<size_t>(safest)];
    int best = safest;
    double bestScore = -1;
    int tried = 0, freeTried = 0;
    for (const auto& [rank, cell] : ranked_) {
        const double safety = 1 - analysis.mineChance[static_cast<size_t>(cell)];
        if (safety < bestSafety * CandidateSafety || tried == MaxCandidates)
            break;
        if (!TouchesNumber(view, cell) && freeTried++ == MaxFreeCandidates)
            continue;
        ++tried;
        if (!forecast_.Forecast(view, analysis, cell))
            continue;
        double progress = 0;
        for (const RevealForecast::Outcome& outcome : forecast_.Outcomes())
            progress += outcome.certainSafe > 0 ? outcome.chance : 0;
        const double score = safety * (1 + ProgressWeight * progress);
        if (score > bestScore) {
            bestScore = score;
            best = cell;
        }
    }
    return best;
}

bool ReferencePlayer::TouchesNumber(const BoardView& view, int cell) const
{
    const auto around = solver_.Neighbours().Of(cell);
    return std::any_of(
        around.begin(), around.end(), [&](int16_t n) { return IsOpenNumber(view.At(n)); });
}

} // namespace orvane::bench
