// SPDX-License-Identifier: GPL-3.0-or-later
#include "solver/MineSolver.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace orvane::solver {

// The groups and the free cells (next to no number) share the mines left. A way for the
// groups to hold s mines in all counts as many layouts as the free cells can hold the
// other mines: C(free cells, mines left - s). Each group's counts are weighed by the
// counts of all other groups and the free cells together: the groups before it (the
// head) and those after it with the free cells (the tail), each kept per mine count.
// Whether a mine count can occur at all is carried beside the weights as a yes or no, so
// that no cell is called certain because a weight was too small to show.
void MineSolver::Combine()
{
    const int minesLeft = remainingMines_;
    const int freeCount = static_cast<int>(freeCells_.size());
    const auto span = static_cast<size_t>(minesLeft) + 1;
    const size_t groupCount = groups_.size();

    double logScale = 0;
    for (const Group& group : groups_) {
        double* block = Layouts(group);
        const double top = *std::max_element(block, block + Stride(group));
        const size_t size = Stride(group) * static_cast<size_t>(1 + 2 * group.boxCount);
        for (size_t i = 0; i < size; ++i)
            block[i] /= top;
        logScale += std::log(top);
    }

    // Never shrunk, so that the rows keep their room for the next board.
    if (tail_.size() <= groupCount) {
        tail_.resize(groupCount + 1);
        tailFits_.resize(groupCount + 1);
    }
    for (size_t g = 0; g <= groupCount; ++g) {
        tail_[g].assign(span, 0);
        tailFits_[g].assign(span, 0);
    }
    double topLog = -std::numeric_limits<double>::infinity();
    for (int inGroups = 0; inGroups <= minesLeft; ++inGroups)
        if (minesLeft - inGroups <= freeCount)
            topLog = std::max(topLog, LogChoose(freeCount, minesLeft - inGroups));
    for (int inGroups = 0; inGroups <= minesLeft; ++inGroups)
        if (minesLeft - inGroups <= freeCount) {
            const auto at = static_cast<size_t>(inGroups);
            tail_[groupCount][at] = std::exp(
                static_cast<long double>(LogChoose(freeCount, minesLeft - inGroups) - topLog));
            tailFits_[groupCount][at] = 1;
        }
    for (size_t g = groupCount; g-- > 0;) {
        const double* layouts = Layouts(groups_[g]);
        const size_t length = std::min(Stride(groups_[g]), span);
        for (size_t x = 0; x < span; ++x) {
            long double sum = 0;
            uint8_t fits = 0;
            for (size_t c = 0; c < length && x + c < span; ++c)
                if (layouts[c] != 0) {
                    sum += layouts[c] * tail_[g + 1][x + c];
                    fits |= tailFits_[g + 1][x + c];
                }
            tail_[g][x] = sum;
            tailFits_[g][x] = fits;
        }
    }
    const long double total = tail_[0][0];
    if (tailFits_[0][0] == 0 || !(total > 0)) {
        consistent_ = false;
        return;
    }

    head_.assign(span, 0);
    headFits_.assign(span, 0);
    head_[0] = 1;
    headFits_[0] = 1;
    size_t headLength = 1;
    for (size_t g = 0; g < groupCount; ++g) {
        const double* layouts = Layouts(groups_[g]);
        const size_t length = std::min(Stride(groups_[g]), span);
        factor_.assign(length, 0);
        feasible_.assign(length, 0);
        for (size_t m = 0; m < length; ++m) {
            if (layouts[m] == 0)
                continue;
            for (size_t a = 0; a < headLength && m + a < span; ++a) {
                factor_[m] += head_[a] * tail_[g + 1][m + a];
                feasible_[m] |= headFits_[a] & tailFits_[g + 1][m + a];
            }
        }
        SetBoxChances(groups_[g], factor_, feasible_, total);

        const size_t nextLength = std::min(headLength + length - 1, span);
        nextHead_.assign(span, 0);
        nextHeadFits_.assign(span, 0);
        for (size_t a = 0; a < headLength; ++a)
            for (size_t c = 0; c < length && a + c < span; ++c)
                if (layouts[c] != 0) {
                    nextHead_[a + c] += head_[a] * layouts[c];
                    nextHeadFits_[a + c] |= headFits_[a];
                }
        std::swap(head_, nextHead_);
        std::swap(headFits_, nextHeadFits_);
        headLength = nextLength;
    }

    result_.unconstrainedCount = freeCount;
    if (freeCount > 0) {
        long double freeMines = 0;
        bool canHoldMine = false, canBeSafe = false;
        for (size_t s = 0; s < headLength; ++s) {
            const int left = minesLeft - static_cast<int>(s);
            freeMines += head_[s] * tail_[groupCount][s] * left;
            if (headFits_[s] != 0 && tailFits_[groupCount][s] != 0) {
                canHoldMine |= left > 0;
                canBeSafe |= left < freeCount;
            }
        }
        double chance = std::clamp(static_cast<double>(freeMines / total / freeCount), 0.0, 1.0);
        if (!canHoldMine)
            chance = 0;
        else if (!canBeSafe)
            chance = 1;
        result_.unconstrainedChance = chance;
        for (const int cell : freeCells_) {
            result_.mineChance[static_cast<size_t>(cell)] = chance;
            if (!canHoldMine)
                result_.certainSafe.push_back(cell);
            else if (!canBeSafe)
                result_.certainMines.push_back(cell);
        }
    }
    result_.logLayouts = static_cast<double>(std::log(total)) + logScale + topLog;
}

void MineSolver::SetBoxChances(const Group& group, const std::vector<long double>& factor,
    const std::vector<uint8_t>& feasible, long double total)
{
    for (int nth = 0; nth < group.boxCount; ++nth) {
        const Box& box
            = boxes_[static_cast<size_t>(order_[static_cast<size_t>(group.firstInOrder + nth)])];
        const double* mines = BoxMines(group, nth);
        const double* safe = BoxSafe(group, nth);
        long double expected = 0;
        bool canHoldMine = false, canBeSafe = false;
        for (size_t m = 0; m < factor.size(); ++m) {
            expected += mines[m] * factor[m];
            if (feasible[m] != 0) {
                canHoldMine |= mines[m] > 0;
                canBeSafe |= safe[m] > 0;
            }
        }
        double chance = std::clamp(static_cast<double>(expected / total / box.size), 0.0, 1.0);
        if (!canHoldMine)
            chance = 0;
        else if (!canBeSafe)
            chance = 1;
        for (int i = 0; i < box.size; ++i) {
            const int cell = box.cells[static_cast<size_t>(i)];
            result_.mineChance[static_cast<size_t>(cell)] = chance;
            if (!canHoldMine)
                result_.certainSafe.push_back(cell);
            else if (!canBeSafe)
                result_.certainMines.push_back(cell);
        }
    }
}

double MineSolver::LogChoose(int n, int k)
{
    while (logFactorial_.size() <= static_cast<size_t>(n))
        logFactorial_.push_back(std::lgamma(static_cast<double>(logFactorial_.size()) + 1));
    return logFactorial_[static_cast<size_t>(n)] - logFactorial_[static_cast<size_t>(k)]
        - logFactorial_[static_cast<size_t>(n - k)];
}

} // namespace orvane::solver
