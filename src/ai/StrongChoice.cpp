// SPDX-License-Identifier: GPL-3.0-or-later
#include "ai/StrongChoice.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

namespace orvane {

using solver::SeenClosed;
using solver::SeenMine;

namespace {

template<typename Visit> void ForEachAround(const solver::BoardView& view, int cell, Visit visit)
{
    const int x = cell % view.width;
    const int y = cell / view.width;
    for (int ny = std::max(y - 1, 0); ny <= std::min(y + 1, view.height - 1); ++ny)
        for (int nx = std::max(x - 1, 0); nx <= std::min(x + 1, view.width - 1); ++nx)
            if (nx != x || ny != y)
                visit(nx + ny * view.width);
}

} // namespace

StrongChoice::Pick StrongChoice::Choose(
    const SeenBoard& board, PlayerIndex me, int bonusRadius, bool mayArm)
{
    See(board);
    const solver::Analysis& analysis = solver_.Analyse(view_);
    if (!analysis.consistent)
        return {};
    // The game is won by finding more than half of the mines; the bonus goes to the other
    // player when one first finds half of that.
    findsToWin_ = board.MineCount() / 2 + 1;
    bonusThreshold_ = findsToWin_ / 2;
    const Score score {board.FoundBy(me), board.FoundBy(OtherPlayer(me))};
    int centre = -1;
    bonusWorth_ = BestSquare(board, analysis, bonusRadius, centre);
    for (Ply& ply : plies_)
        ply.solver.SetSearchLimit(LookAheadSearchLimit);

    int certainMine = -1;
    for (const int cell : analysis.certainMines)
        if (board.IsOpenable(cell)) {
            certainMine = cell;
            break;
        }
    const bool findHandsOverBonus = std::max(score.mover, score.other) < bonusThreshold_
        && score.mover + 1 == bonusThreshold_;
    if (certainMine >= 0 && !findHandsOverBonus)
        return {certainMine, false};
    if (mayArm && certainMine < 0 && centre >= 0) {
        double likeliest = 0;
        for (int cell = 0; cell < board.CellCount(); ++cell)
            if (board.IsOpenable(cell))
                likeliest = std::max(likeliest, analysis.mineChance[static_cast<size_t>(cell)]);
        if (likeliest < BonusWaitsAbove)
            return {centre, true};
    }
    int chosen = -1;
    BestMove(Plies, view_, analysis, 0, score, certainMine < 0, &chosen);
    if (chosen >= 0)
        return {chosen, false};
    // No move weighed: only cells certainly safe whose opening floods are left.
    for (int cell = 0; cell < board.CellCount(); ++cell)
        if (board.IsOpenable(cell))
            return {cell, false};
    return {};
}

void StrongChoice::See(const SeenBoard& board)
{
    view_.Reset(board.Width(), board.Height(), board.MineCount());
    for (int i = 0; i < board.CellCount(); ++i) {
        if (board.IsFoundMine(i))
            view_.cells[static_cast<size_t>(i)] = SeenMine;
        else if (board.IsOpen(i))
            view_.cells[static_cast<size_t>(i)] = static_cast<uint8_t>(board.ShownNumber(i));
    }
}

// What finding so many mines at once is worth to the player to move: the mines, less the
// bonus they hand the other player when they are the first to reach the threshold.
double StrongChoice::FindsWorth(int mines, Score score) const
{
    const bool handsOverBonus = mines > 0 && std::max(score.mover, score.other) < bonusThreshold_
        && score.mover + mines >= bonusThreshold_;
    return mines - (handsOverBonus ? bonusWorth_ : 0);
}

// The value of a turn, for the player to move, without looking further: the certain
// mines it takes, the likeliest guess after them, and the cells newly certainly safe.
double StrongChoice::TurnValue(const solver::BoardView& view, const solver::Analysis& analysis,
    int safeBefore, Score score) const
{
    int mines = 0;
    for (const int cell : analysis.certainMines)
        mines += view.At(cell) == SeenClosed;
    double likeliest = 0;
    for (int cell = 0; cell < view.CellCount(); ++cell) {
        const double chance = analysis.mineChance[static_cast<size_t>(cell)];
        if (view.At(cell) == SeenClosed && chance < 1)
            likeliest = std::max(likeliest, chance);
    }
    const int newSafe = std::max(static_cast<int>(analysis.certainSafe.size()) - safeBefore, 0);
    return FindsWorth(mines, score) + likeliest + SafeCellWeight * newSafe;
}

// The best value, for the player to move, over the moves weighed; the certain mines are
// taken first unless takeCertain is false (then taking one is one of the moves).
double StrongChoice::BestMove(int plies, const solver::BoardView& view,
    const solver::Analysis& analysis, int safeBefore, Score score, bool takeCertain, int* chosen)
{
    if (plies == 0)
        return TurnValue(view, analysis, safeBefore, score);
    Ply& ply = plies_[static_cast<size_t>(plies)];
    ply.view = view;
    int mines = 0;
    if (takeCertain)
        for (const int cell : analysis.certainMines)
            if (ply.view.At(cell) == SeenClosed) {
                ply.view.cells[static_cast<size_t>(cell)] = SeenMine;
                ++mines;
            }
    const double taken = FindsWorth(mines, score);
    score.mover += mines;
    ListMoves(ply, analysis, takeCertain);
    double best = -std::numeric_limits<double>::infinity();
    for (const int cell : ply.moves) {
        const double value = OpenValue(plies, ply, analysis, cell, score);
        if (value > best) {
            best = value;
            if (chosen)
                *chosen = cell;
        }
    }
    return ply.moves.empty() ? taken : taken + best;
}

// The likeliest cells, most likely first; among equals the one with more closed
// neighbours (its number settles less, and less often shows 0 and floods), then the
// lower index. Then a certain mine when it is not taken anyway, and a quiet safe cell.
void StrongChoice::ListMoves(Ply& ply, const solver::Analysis& analysis, bool takeCertain) const
{
    const solver::BoardView& view = ply.view;
    ply.ranked.clear();
    for (int cell = 0; cell < view.CellCount(); ++cell) {
        const double chance = analysis.mineChance[static_cast<size_t>(cell)];
        if (view.At(cell) != SeenClosed || chance <= 0 || chance >= 1)
            continue;
        int closed = 0;
        bool free = true;
        ForEachAround(view, cell, [&](int n) {
            closed += view.At(n) == SeenClosed;
            free = free && !solver::IsOpenNumber(view.At(n));
        });
        ply.ranked.push_back({chance, closed, cell, free});
    }
    std::sort(ply.ranked.begin(), ply.ranked.end(), [](const Ranked& a, const Ranked& b) {
        if (a.chance != b.chance)
            return a.chance > b.chance;
        if (a.closedAround != b.closedAround)
            return a.closedAround > b.closedAround;
        return a.cell < b.cell;
    });
    ply.moves.clear();
    bool freeWeighed = false;
    for (const Ranked& guess : ply.ranked) {
        if (guess.chance < ply.ranked.front().chance * NearTie
            || static_cast<int>(ply.moves.size()) == MaxWeighed)
            break;
        if (guess.free && std::exchange(freeWeighed, true))
            continue;
        ply.moves.push_back(guess.cell);
    }
    if (!takeCertain)
        for (const int cell : analysis.certainMines)
            if (view.At(cell) == SeenClosed) {
                ply.moves.push_back(cell);
                break;
            }
    if (const int pass = QuietSafeCell(view, analysis); pass >= 0)
        ply.moves.push_back(pass);
}

// The value, for the player to move, of opening the cell: a mine is a find and the same
// player moves again; a number hands the turn to the other player, each number weighed by
// its share of the layouts.
double StrongChoice::OpenValue(
    int plies, Ply& ply, const solver::Analysis& analysis, int cell, Score score)
{
    const auto at = static_cast<size_t>(cell);
    const double chance = analysis.mineChance[at];
    const auto safeNow = static_cast<int>(analysis.certainSafe.size());
    double found = 0;
    if (chance > 0) {
        ply.view.cells[at] = SeenMine;
        const solver::Analysis& after = ply.solver.Analyse(ply.view);
        found = FindsWorth(1, score);
        if (after.consistent)
            found += BestMove(
                plies - 1, ply.view, after, safeNow, {score.mover + 1, score.other}, true, nullptr);
    }
    std::array<double, 9> logLayouts {}, values {};
    std::array<bool, 9> fits {};
    double topLog = -std::numeric_limits<double>::infinity();
    int minesAround = 0, closedAround = 0;
    ForEachAround(ply.view, cell, [&](int n) {
        minesAround += ply.view.At(n) == SeenMine;
        closedAround += ply.view.At(n) == SeenClosed;
    });
    for (int number = minesAround; number <= minesAround + closedAround && chance < 1; ++number) {
        ply.view.cells[at] = static_cast<uint8_t>(number);
        const solver::Analysis& after = ply.solver.Analyse(ply.view);
        if (!after.consistent)
            continue;
        const auto n = static_cast<size_t>(number);
        fits[n] = true;
        logLayouts[n] = after.logLayouts;
        topLog = std::max(topLog, after.logLayouts);
        values[n] = -BestMove(
            plies - 1, ply.view, after, safeNow, {score.other, score.mover}, true, nullptr);
    }
    ply.view.cells[at] = SeenClosed;
    double weights = 0, missed = 0;
    for (size_t n = 0; n < values.size(); ++n)
        if (fits[n]) {
            const double weight = std::exp(logLayouts[n] - topLog);
            weights += weight;
            missed += weight * values[n];
        }
    return chance * found + (weights > 0 ? (1 - chance) * missed / weights : 0);
}

// The closed cell certainly safe whose opening tells least: the fewest unsettled cells
// around it (none: its number is known beforehand). A 0 is left alone: it would flood.
int StrongChoice::QuietSafeCell(
    const solver::BoardView& view, const solver::Analysis& analysis) const
{
    int best = -1;
    int bestUnsettled = 9;
    for (const int cell : analysis.certainSafe) {
        if (view.At(cell) != SeenClosed)
            continue;
        int unsettled = 0, mines = 0;
        ForEachAround(view, cell, [&](int n) {
            const double chance = analysis.mineChance[static_cast<size_t>(n)];
            if (view.At(n) == SeenMine || (view.At(n) == SeenClosed && chance >= 1))
                ++mines;
            else if (view.At(n) == SeenClosed)
                unsettled += chance > 0;
        });
        if ((unsettled > 0 || mines > 0) && unsettled < bestUnsettled) {
            best = cell;
            bestUnsettled = unsettled;
        }
    }
    return best;
}

// The square whose openable cells hold the most mines by their chances, less the share of
// the mines just outside it that its numbers would show the other player. Its worth, and
// its centre (any cell, as a player's click: the bonus opens the square around it).
double StrongChoice::BestSquare(
    const SeenBoard& board, const solver::Analysis& analysis, int radius, int& centre) const
{
    const int width = board.Width();
    const int height = board.Height();
    centre = -1;
    double best = 0;
    for (int middle = 0; middle < board.CellCount(); ++middle) {
        const int x = middle % width;
        const int y = middle / width;
        double mines = 0;
        for (int row = std::max(y - radius - 1, 0); row <= std::min(y + radius + 1, height - 1);
             ++row)
            for (int col = std::max(x - radius - 1, 0); col <= std::min(x + radius + 1, width - 1);
                 ++col)
                if (const int cell = col + row * width; board.IsOpenable(cell)) {
                    const bool inside = std::abs(row - y) <= radius && std::abs(col - x) <= radius;
                    mines += (inside ? 1 : -BonusLeak)
                        * analysis.mineChance[static_cast<size_t>(cell)];
                }
        if (mines > best) {
            best = mines;
            centre = middle;
        }
    }
    return best;
}

} // namespace orvane
