#include "solver/ClassicPlayer.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace orvane::solver {

int ClassicPlayer::FirstCell(int /*width*/, int /*height*/)
{
    return 0;
}

const std::vector<int>& ClassicPlayer::NextCells(const BoardView& view)
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

int ClassicPlayer::BestGuess(const BoardView& view, const Analysis& analysis)
{
    const NeighbourTable& neighbours = solver_.Neighbours();
    ranked_.clear();
    double bestChance = 1;
    for (int cell = 0; cell < view.CellCount(); ++cell) {
        if (view.At(cell) != SeenClosed)
            continue;
        const double chance = analysis.mineChance[static_cast<size_t>(cell)];
        if (chance >= 1)
            continue;
        int closed = 0;
        for (const int16_t n : neighbours.Of(cell))
            closed += view.At(n) == SeenClosed;
        bestChance = std::min(bestChance, chance);
        ranked_.emplace_back(chance + closed * 1e-6, cell);
    }
    if (ranked_.empty())
        return -1;
    std::sort(ranked_.begin(), ranked_.end());
    if (useEndgame) {
        const int cell = endgame_.BestCell(view, analysis, neighbours);
        if (cell >= 0)
            return cell;
    }
    if (variant == 0 || !analysis.exact)
        return ranked_.front().second;
    const double bestSafety = 1 - bestChance;
    int best = -1;
    double bestScore = -1;
    int taken = 0, free = 0;
    for (const auto& [rank, cell] : ranked_) {
        const double chance = analysis.mineChance[static_cast<size_t>(cell)];
        if (1 - chance < bestSafety * margin || taken >= maxCandidates)
            break;
        bool touchesNumber = false;
        for (const int16_t n : neighbours.Of(cell))
            touchesNumber |= IsOpenNumber(view.At(n));
        if (!touchesNumber && free++ >= maxFree)
            continue;
        ++taken;
        const Outcome outcome = Evaluate(cell, view, analysis);
        double score = 0;
        if (variant == 1)
            score = (1 - chance) * outcome.nextSafety;
        else if (variant == 2)
            score = (1 - chance) * (1 + progressWeight * outcome.progress);
        else
            score = (1 - chance) * outcome.nextSafety * (1 + 0.05 * outcome.progress);
        if (score > bestScore) {
            bestScore = score;
            best = cell;
        }
    }
    return best >= 0 ? best : ranked_.front().second;
}

// Opens the cell in thought with each number it can show: how likely each is (by the
// layouts that fit it), and what the board would then offer.
ClassicPlayer::Outcome ClassicPlayer::Evaluate(
    int cell, const BoardView& view, const Analysis& analysis)
{
    trial_ = view;
    for (const int mine : analysis.certainMines)
        trial_.cells[static_cast<size_t>(mine)] = SeenMine;
    int minesAround = 0, closedAround = 0;
    for (const int16_t n : solver_.Neighbours().Of(cell)) {
        minesAround += trial_.At(n) == SeenMine;
        closedAround += trial_.At(n) == SeenClosed;
    }
    std::array<double, 9> logLayouts {};
    std::array<Outcome, 9> shown {};
    std::array<bool, 9> fits {};
    double topLog = -1e300;
    for (int number = minesAround; number <= minesAround + closedAround; ++number) {
        trial_.cells[static_cast<size_t>(cell)] = static_cast<uint8_t>(number);
        const Analysis& after = trialSolver_.Analyse(trial_);
        if (!after.consistent)
            continue;
        const auto at = static_cast<size_t>(number);
        fits[at] = true;
        logLayouts[at] = after.logLayouts;
        topLog = std::max(topLog, after.logLayouts);
        if (!after.certainSafe.empty()) {
            shown[at] = Outcome {1, 1};
            continue;
        }
        double safest = 0;
        for (int other = 0; other < trial_.CellCount(); ++other)
            if (trial_.At(other) == SeenClosed)
                safest = std::max(safest, 1 - after.mineChance[static_cast<size_t>(other)]);
        shown[at] = Outcome {0, safest};
    }
    Outcome expected;
    double total = 0;
    for (size_t number = 0; number < 9; ++number) {
        if (!fits[number])
            continue;
        const double weight = std::exp(logLayouts[number] - topLog);
        total += weight;
        expected.progress += weight * shown[number].progress;
        expected.nextSafety += weight * shown[number].nextSafety;
    }
    if (total > 0) {
        expected.progress /= total;
        expected.nextSafety /= total;
    }
    return expected;
}

} // namespace orvane::solver
