// SPDX-License-Identifier: GPL-3.0-or-later
#include "solver/MineSolver.h"

#include <algorithm>
#include <cmath>

namespace orvane::solver {

namespace {

constexpr std::array<std::array<double, 9>, 9> Choose = [] {
    std::array<std::array<double, 9>, 9> table {};
    for (size_t n = 0; n < 9; ++n) {
        table[n][0] = 1;
        for (size_t k = 1; k <= n; ++k)
            table[n][k] = table[n - 1][k - 1] + (k < n ? table[n - 1][k] : 0);
    }
    return table;
}();

constexpr double LeastEstimate = 0.001;
constexpr int EstimateRounds = 40;

} // namespace

// Counts the group's layouts; false when the search limit was reached first.
bool MineSolver::CountGroup(const Group& group)
{
    steps_ = 0;
    searchAborted_ = false;
    Descend(group, 0, 0, 1.0);
    if (searchAborted_)
        return false;
    const double* layouts = Layouts(group);
    if (std::all_of(layouts, layouts + Stride(group), [](double w) { return w == 0; }))
        consistent_ = false;
    return true;
}

// Gives the next box of the group each number of mines its rules still allow, and records
// every complete layout weighted by the ways its boxes can hold their mines.
void MineSolver::Descend(const Group& group, int depth, int mines, double weight)
{
    if (++steps_ > searchLimit_) {
        searchAborted_ = true;
        return;
    }
    if (depth == group.boxCount) {
        RecordLayout(group, mines, weight);
        return;
    }
    Box& box = boxes_[static_cast<size_t>(order_[static_cast<size_t>(group.firstInOrder + depth)])];
    int low = 0;
    int high = std::min(box.size, remainingMines_ - mines);
    for (int i = 0; i < box.ruleCount; ++i) {
        Rule& rule = rules_[static_cast<size_t>(box.rules[static_cast<size_t>(i)])];
        rule.room -= box.size;
        high = std::min(high, rule.need);
        low = std::max(low, rule.need - rule.room);
    }
    for (int value = low; value <= high && !searchAborted_; ++value) {
        for (int i = 0; i < box.ruleCount; ++i)
            rules_[static_cast<size_t>(box.rules[static_cast<size_t>(i)])].need -= value;
        box.value = value;
        Descend(group, depth + 1, mines + value,
            weight * Choose[static_cast<size_t>(box.size)][static_cast<size_t>(value)]);
        for (int i = 0; i < box.ruleCount; ++i)
            rules_[static_cast<size_t>(box.rules[static_cast<size_t>(i)])].need += value;
    }
    for (int i = 0; i < box.ruleCount; ++i)
        rules_[static_cast<size_t>(box.rules[static_cast<size_t>(i)])].room += box.size;
}

void MineSolver::RecordLayout(const Group& group, int mines, double weight)
{
    const auto m = static_cast<size_t>(mines);
    Layouts(group)[m] += weight;
    for (int nth = 0; nth < group.boxCount; ++nth) {
        const Box& box
            = boxes_[static_cast<size_t>(order_[static_cast<size_t>(group.firstInOrder + nth)])];
        BoxMines(group, nth)[m] += weight * box.value;
        BoxSafe(group, nth)[m] += weight * (box.size - box.value);
    }
}

// A group too large to count: each box's chance is fitted to its rules by repeated
// scaling, and the group's mine count is taken as that of independent cells with those
// chances. No chance is 0 or 1, so nothing here is called certain.
void MineSolver::EstimateGroup(const Group& group)
{
    const auto first = static_cast<size_t>(group.firstInOrder);
    const auto count = static_cast<size_t>(group.boxCount);
    for (size_t nth = 0; nth < count; ++nth)
        estimate_[static_cast<size_t>(order_[first + nth])] = 0.5;
    for (int round = 0; round < EstimateRounds; ++round) {
        for (size_t nth = 0; nth < count; ++nth) {
            const auto b = static_cast<size_t>(order_[first + nth]);
            const Box& box = boxes_[b];
            double logScale = 0;
            for (int i = 0; i < box.ruleCount; ++i) {
                const Rule& rule = rules_[static_cast<size_t>(box.rules[static_cast<size_t>(i)])];
                double expected = 0;
                for (int j = 0; j < rule.boxCount; ++j) {
                    const auto linked = static_cast<size_t>(rule.boxes[static_cast<size_t>(j)]);
                    expected += estimate_[linked] * boxes_[linked].size;
                }
                logScale += std::log(rule.need / expected);
            }
            estimate_[b] = std::clamp(estimate_[b] * std::exp(logScale / box.ruleCount),
                LeastEstimate, 1 - LeastEstimate);
        }
    }
    double* layouts = Layouts(group);
    std::fill(layouts, layouts + Stride(group), 0.0);
    layouts[0] = 1;
    int cellsSoFar = 0;
    for (size_t nth = 0; nth < count; ++nth) {
        const auto b = static_cast<size_t>(order_[first + nth]);
        for (int cell = 0; cell < boxes_[b].size; ++cell, ++cellsSoFar)
            for (int m = cellsSoFar + 1; m >= 0; --m)
                layouts[m]
                    = layouts[m] * (1 - estimate_[b]) + (m > 0 ? layouts[m - 1] * estimate_[b] : 0);
    }
    for (size_t nth = 0; nth < count; ++nth) {
        const Box& box = boxes_[static_cast<size_t>(order_[first + nth])];
        const double chance = estimate_[static_cast<size_t>(order_[first + nth])];
        for (size_t m = 0; m < Stride(group); ++m) {
            BoxMines(group, static_cast<int>(nth))[m] = layouts[m] * box.size * chance;
            BoxSafe(group, static_cast<int>(nth))[m] = layouts[m] * box.size * (1 - chance);
        }
    }
}

} // namespace orvane::solver
