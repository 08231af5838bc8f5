#include "solver/ClassicPlayer.h"

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
    int best = -1;
    double bestChance = 2;
    int bestClosed = 9;
    const NeighbourTable& neighbours = solver_.Neighbours();
    for (int cell = 0; cell < view.CellCount(); ++cell) {
        if (view.At(cell) != SeenClosed)
            continue;
        const double chance = analysis.mineChance[static_cast<size_t>(cell)];
        if (chance >= 1)
            continue;
        int closed = 0;
        for (const int16_t n : neighbours.Of(cell))
            closed += view.At(n) == SeenClosed;
        if (chance < bestChance - 1e-9 || (chance < bestChance + 1e-9 && closed < bestClosed)) {
            best = cell;
            bestChance = chance;
            bestClosed = closed;
        }
    }
    return best;
}

} // namespace orvane::solver
