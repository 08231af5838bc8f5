// SPDX-License-Identifier: GPL-3.0-or-later
#include "reference/ReferenceStrongChoice.h"

#include <algorithm>
#include <utility>

namespace orvane::bench {

ReferenceStrongChoice::Pick ReferenceStrongChoice::Choose(const SeenBoard& board, int bonusRadius)
{
    See(board);
    // The counting rules alone settle most certain mines, at a fraction of the cost.
    const solver::Analysis* analysis = &solver_.SettleByCounting(view_);
    if (analysis->consistent && CertainMine(board, *analysis) < 0)
        analysis = &solver_.Analyse(view_);
    if (!analysis->consistent)
        return {};
    if (const int mine = CertainMine(board, *analysis); mine >= 0)
        return {mine, false};
    RankGuesses(board, *analysis);
    if (ranked_.empty())
        return {};
    if (bonusRadius > 0 && ranked_.front().chance < BonusWaitsAbove)
        if (const int centre = RichestSquare(board, *analysis, bonusRadius); centre >= 0)
            return {centre, true};
    return {BestGuess(*analysis), false};
}

void ReferenceStrongChoice::See(const SeenBoard& board)
{
    view_.Reset(board.Width(), board.Height(), board.MineCount());
    for (int i = 0; i < board.CellCount(); ++i) {
        if (board.IsFoundMine(i))
            view_.cells[static_cast<size_t>(i)] = solver::SeenMine;
        else if (board.IsOpen(i))
            view_.cells[static_cast<size_t>(i)] = static_cast<uint8_t>(board.ShownNumber(i));
    }
}

int ReferenceStrongChoice::CertainMine(
    const SeenBoard& board, const solver::Analysis& analysis) const
{
    for (const int cell : analysis.certainMines)
        if (board.IsOpenable(cell))
            return cell;
    return -1;
}

// Most likely first; among equals the cell with more closed neighbours (its number
// settles less, and it less often shows 0 and floods), then the lower index.
void ReferenceStrongChoice::RankGuesses(const SeenBoard& board, const solver::Analysis& analysis)
{
    ranked_.clear();
    for (int cell = 0; cell < board.CellCount(); ++cell) {
        if (!board.IsOpenable(cell))
            continue;
        int closed = 0;
        bool free = true;
        board.ForEachNeighbour(cell, [&](int n) {
            closed += board.IsOpenable(n);
            free = free && !board.IsOpen(n);
        });
        ranked_.push_back({analysis.mineChance[static_cast<size_t>(cell)], closed, cell, free});
    }
    std::sort(ranked_.begin(), ranked_.end(), [](const Ranked& a, const Ranked& b) {
        if (a.chance != b.chance)
            return a.chance > b.chance;
        if (a.closedAround != b.closedAround)
            return a.closedAround > b.closedAround;
        return a.cell < b.cell;
    });
}

// The chance of a find less what a miss hands the other player, over the near ties.
int ReferenceStrongChoice::BestGuess(const solver::Analysis& analysis)
{
    const Ranked& likeliest = ranked_.front();
    if (!analysis.exact)
        return likeliest.cell;
    int best = likeliest.cell;
    double bestScore = -1e300;
    int weighed = 0;
    bool freeWeighed = false;
    for (const Ranked& guess : ranked_) {
        if (guess.chance < likeliest.chance * NearTie || weighed == MaxWeighed)
            break;
        if (guess.free && std::exchange(freeWeighed, true))
            continue;
        ++weighed;
        const double score = guess.chance
            - RevealWeight * (1 - guess.chance) * RevealedToOther(analysis, guess.cell);
        if (score > bestScore) {
            bestScore = score;
            best = guess.cell;
        }
    }
    return best;
}

// The cells a safe opening of the cell would make certain that are not certain now,
// averaged over the numbers it may show; 0 when that cannot be worked out exactly.
double ReferenceStrongChoice::RevealedToOther(const solver::Analysis& analysis, int cell)
{
    if (!forecast_.Forecast(view_, analysis, cell))
        return 0;
    const auto safeBefore = static_cast<int>(analysis.certainSafe.size());
    double revealed = 0;
    for (const solver::RevealForecast::Outcome& outcome : forecast_.Outcomes()) {
        const int newSafe = std::max(outcome.certainSafe - safeBefore, 0);
        revealed += outcome.chance * (outcome.certainMines + SafeCellWeight * newSafe);
    }
    return revealed;
}

// The cell whose square, cut at the board's edges, holds the most mines by the sum of its
// openable cells' chances; the lowest index among equals. Like a player's click, the
// centre may be any cell: the bonus opens the square around it.
int ReferenceStrongChoice::RichestSquare(
    const SeenBoard& board, const solver::Analysis& analysis, int radius) const
{
    const int width = board.Width();
    const int height = board.Height();
    int best = -1;
    double bestMines = 0;
    for (int centre = 0; centre < board.CellCount(); ++centre) {
        const int x = centre % width;
        const int y = centre / width;
        double mines = 0;
        for (int row = std::max(y - radius, 0); row <= std::min(y + radius, height - 1); ++row)
            for (int col = std::max(x - radius, 0); col <= std::min(x + radius, width - 1); ++col)
                if (const int cell = col + row * width; board.IsOpenable(cell))
                    mines += analysis.mineChance[static_cast<size_t>(cell)];
        if (mines > bestMines) {
            bestMines = mines;
            best = centre;
        }
    }
    return best;
}

} // namespace orvane::bench
