// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "solver/Analysis.h"
#include "solver/BoardView.h"
#include "solver/NeighbourTable.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace orvane::solver {

// The chance of a mine in every closed cell, from what a player sees. The counting rules
// (a number whose mines are all known, or whose closed cells must all be mines) settle
// what they can; the closed cells left beside open numbers are gathered into boxes of
// cells that touch the same numbers, the boxes into groups that share no number, and each
// group's layouts are counted by a search over its boxes, per number of mines in it.
// The groups and the cells no number touches are then weighed together by the number of
// ways the remaining mines can lie, so the total mine count takes part.
// Buffers are kept between calls: once warmed on a board size it allocates nothing.
class MineSolver {
public:
    const Analysis& Analyse(const BoardView& view);
    // Only the counting rules (and the mine count's all-or-nothing): much quicker, and
    // enough whenever they settle a cell. The result is not complete.
    const Analysis& SettleByCounting(const BoardView& view);
    const Analysis& Result() const { return result_; }
    const NeighbourTable& Neighbours() const { return neighbours_; }

    // Search steps allowed for one group; past it the group's chances are estimated and the
    // result says it is not exact.
    void SetSearchLimit(long steps) { searchLimit_ = steps; }
    static constexpr long DefaultSearchLimit = 300'000;

private:
    // Safe and Mine cover both what is seen and what the counting rules found.
    enum Status : uint8_t { Open, Mine, Unknown, Safe };
    static constexpr int MaxLinks = 8;
    struct Rule {
        int need = 0; // mines still to place among its boxes
        int room = 0; // cells of its boxes not yet given a value in the search
        int boxCount = 0;
        std::array<int16_t, MaxLinks> boxes {};
    };
    struct Box {
        int size = 0;
        int ruleCount = 0;
        std::array<int16_t, MaxLinks> rules {};
        std::array<int16_t, MaxLinks> cells {};
        int nextWithSameFirstRule = -1;
        int group = -1;
        int value = 0; // mines in the box on the search's current path
    };
    struct Group {
        int firstInOrder = 0;
        int boxCount = 0;
        int cellCount = 0;
        size_t tableAt = 0; // its layout counts in table_
    };

    bool Prepare(const BoardView& view);
    bool ApplyCountingRules(const BoardView& view);
    bool Mark(int cell, Status status);
    void BuildBoxes();
    void BuildGroups();
    bool CountGroup(const Group& group);
    void Descend(const Group& group, int depth, int mines, double weight);
    void RecordLayout(const Group& group, int mines, double weight);
    void EstimateGroup(const Group& group);
    void Combine();
    void SetBoxChances(const Group& group, const std::vector<long double>& factor,
        const std::vector<uint8_t>& feasible, long double total);
    double LogChoose(int n, int k);

    // Layout counts of a group: per mine count m in 0..cellCount, the number of layouts,
    // then per box (in search order) the mines in the box and the safe cells in the box
    // summed over those layouts.
    size_t Stride(const Group& group) const { return static_cast<size_t>(group.cellCount) + 1; }
    double* Layouts(const Group& group) { return table_.data() + group.tableAt; }
    double* BoxMines(const Group& group, int nth)
    {
        return table_.data() + group.tableAt + Stride(group) * static_cast<size_t>(1 + 2 * nth);
    }
    double* BoxSafe(const Group& group, int nth)
    {
        return table_.data() + group.tableAt + Stride(group) * static_cast<size_t>(2 + 2 * nth);
    }

    NeighbourTable neighbours_;
    Analysis result_;
    long searchLimit_ = DefaultSearchLimit;
    long steps_ = 0;
    bool searchAborted_ = false;
    int remainingMines_ = 0;
    bool consistent_ = true;

    std::vector<Status> status_;
    std::vector<int> need_;          // per open cell: mines around not yet known
    std::vector<int> unknownAround_; // per open cell: closed cells around not yet settled
    std::vector<int> pending_;       // open cells whose counting rule may now settle cells
    std::vector<int> ruleOf_;        // per open cell with unsettled cells around: its rule
    std::vector<Rule> rules_;
    std::vector<Box> boxes_;
    std::vector<int> freeCells_; // unsettled cells next to no rule
    std::vector<int> firstBoxOfRule_;
    std::vector<int> order_; // boxes, group by group, each group in search order
    std::vector<Group> groups_;
    std::vector<double> table_;
    std::vector<double> estimate_; // per box: the estimated chance of a group not counted
    std::vector<double> logFactorial_;

    // Weighing the groups together (per mine count 0..remainingMines_).
    std::vector<std::vector<long double>> tail_; // weights of the later groups and free cells
    std::vector<std::vector<uint8_t>> tailFits_; // whether such a count can occur at all
    std::vector<long double> head_, nextHead_, factor_;
    std::vector<uint8_t> headFits_, nextHeadFits_, feasible_;
};

} // namespace orvane::solver
