// SPDX-License-Identifier: GPL-3.0-or-later
#include "solver/MineSolver.h"

namespace orvane::solver {

const Analysis& MineSolver::Analyse(const BoardView& view)
{
    consistent_ = Prepare(view) && ApplyCountingRules(view);
    if (consistent_) {
        BuildBoxes();
        BuildGroups();
        for (const Group& group : groups_)
            if (!CountGroup(group)) {
                EstimateGroup(group);
                result_.exact = false;
            }
        if (consistent_)
            Combine();
    }
    result_.consistent = consistent_;
    return result_;
}

const Analysis& MineSolver::SettleByCounting(const BoardView& view)
{
    result_.consistent = Prepare(view) && ApplyCountingRules(view);
    result_.complete = false;
    return result_;
}

// False for a view whose cells do not match its size, which fits no layout.
bool MineSolver::Prepare(const BoardView& view)
{
    const bool wellFormed = view.width > 0 && view.height > 0
        && view.cells.size() == static_cast<size_t>(view.width) * static_cast<size_t>(view.height);
    if (wellFormed)
        neighbours_.Resize(view.width, view.height);
    const auto cells = wellFormed ? view.cells.size() : 0;
    status_.assign(cells, Unknown);
    need_.assign(cells, 0);
    unknownAround_.assign(cells, 0);
    ruleOf_.assign(cells, -1);
    pending_.clear();
    result_.consistent = true;
    result_.exact = true;
    result_.complete = true;
    result_.mineChance.assign(cells, 0.0);
    result_.certainSafe.clear();
    result_.certainMines.clear();
    result_.logLayouts = 0;
    result_.unconstrainedCount = 0;
    result_.unconstrainedChance = 0;
    return wellFormed;
}

// A number all of whose mines are placed makes its other closed cells safe; a number
// with as many closed cells as mines still missing makes them all mines. Each settled
// cell may settle the numbers around it in turn. Then the same for the whole board: no
// mine left, or as many mines left as closed cells.
bool MineSolver::ApplyCountingRules(const BoardView& view)
{
    const int cells = view.CellCount();
    for (int cell = 0; cell < cells; ++cell) {
        const uint8_t seen = view.At(cell);
        if (IsOpenNumber(seen))
            status_[static_cast<size_t>(cell)] = Open;
        else if (seen == SeenMine) {
            status_[static_cast<size_t>(cell)] = Mine;
            result_.mineChance[static_cast<size_t>(cell)] = 1.0;
        }
    }
    int minesLeft = view.mines;
    for (int cell = 0; cell < cells; ++cell) {
        const auto at = static_cast<size_t>(cell);
        if (status_[at] == Mine)
            --minesLeft;
        if (status_[at] != Open)
            continue;
        int mines = 0, unknown = 0;
        for (const int16_t n : neighbours_.Of(cell)) {
            mines += status_[static_cast<size_t>(n)] == Mine;
            unknown += status_[static_cast<size_t>(n)] == Unknown;
        }
        need_[at] = view.At(cell) - mines;
        unknownAround_[at] = unknown;
        if (need_[at] < 0 || need_[at] > unknown)
            return false;
        if (unknown > 0 && (need_[at] == 0 || need_[at] == unknown))
            pending_.push_back(cell);
    }
    while (!pending_.empty()) {
        const int cell = pending_.back();
        pending_.pop_back();
        const auto at = static_cast<size_t>(cell);
        if (unknownAround_[at] == 0)
            continue;
        const Status settled = need_[at] == 0 ? Safe : Mine;
        for (const int16_t n : neighbours_.Of(cell))
            if (status_[static_cast<size_t>(n)] == Unknown && !Mark(n, settled))
                return false;
    }
    minesLeft -= static_cast<int>(result_.certainMines.size());
    int unknownCells = 0;
    for (const Status status : status_)
        unknownCells += status == Unknown;
    if (minesLeft < 0 || minesLeft > unknownCells)
        return false;
    if (unknownCells > 0 && (minesLeft == 0 || minesLeft == unknownCells)) {
        const Status settled = minesLeft == 0 ? Safe : Mine;
        for (int cell = 0; cell < cells; ++cell)
            if (status_[static_cast<size_t>(cell)] == Unknown && !Mark(cell, settled))
                return false;
        minesLeft = 0;
    }
    remainingMines_ = minesLeft;
    return true;
}

// Settles a closed cell and updates the numbers around it; false when one of them can no
// longer be met.
bool MineSolver::Mark(int cell, Status status)
{
    status_[static_cast<size_t>(cell)] = status;
    (status == Mine ? result_.certainMines : result_.certainSafe).push_back(cell);
    result_.mineChance[static_cast<size_t>(cell)] = status == Mine ? 1.0 : 0.0;
    for (const int16_t n : neighbours_.Of(cell)) {
        const auto at = static_cast<size_t>(n);
        if (status_[at] != Open)
            continue;
        --unknownAround_[at];
        need_[at] -= status == Mine;
        if (need_[at] < 0 || need_[at] > unknownAround_[at])
            return false;
        if (unknownAround_[at] > 0 && (need_[at] == 0 || need_[at] == unknownAround_[at]))
            pending_.push_back(n);
    }
    return true;
}

// Every open number with unsettled cells around becomes a rule; the unsettled cells that
// touch exactly the same rules form one box.
void MineSolver::BuildBoxes()
{
    rules_.clear();
    boxes_.clear();
    freeCells_.clear();
    const int cells = static_cast<int>(status_.size());
    for (int cell = 0; cell < cells; ++cell) {
        const auto at = static_cast<size_t>(cell);
        if (status_[at] == Open && unknownAround_[at] > 0) {
            ruleOf_[at] = static_cast<int>(rules_.size());
            rules_.push_back(Rule {need_[at], 0, 0, {}});
        }
    }
    firstBoxOfRule_.assign(rules_.size(), -1);
    for (int cell = 0; cell < cells; ++cell) {
        if (status_[static_cast<size_t>(cell)] != Unknown)
            continue;
        // Neighbours come in rising order and rules are numbered in cell order, so the
        // list of rules comes out sorted.
        Box touching;
        for (const int16_t n : neighbours_.Of(cell))
            if (const int rule = ruleOf_[static_cast<size_t>(n)]; rule >= 0)
                touching.rules[static_cast<size_t>(touching.ruleCount++)]
                    = static_cast<int16_t>(rule);
        if (touching.ruleCount == 0) {
            freeCells_.push_back(cell);
            continue;
        }
        int& first = firstBoxOfRule_[static_cast<size_t>(touching.rules[0])];
        int found = first;
        while (found >= 0
            && (boxes_[static_cast<size_t>(found)].ruleCount != touching.ruleCount
                || boxes_[static_cast<size_t>(found)].rules != touching.rules))
            found = boxes_[static_cast<size_t>(found)].nextWithSameFirstRule;
        if (found < 0) {
            touching.nextWithSameFirstRule = first;
            found = first = static_cast<int>(boxes_.size());
            boxes_.push_back(touching);
        }
        Box& box = boxes_[static_cast<size_t>(found)];
        box.cells[static_cast<size_t>(box.size++)] = static_cast<int16_t>(cell);
    }
    for (size_t b = 0; b < boxes_.size(); ++b) {
        const Box& box = boxes_[b];
        for (int i = 0; i < box.ruleCount; ++i) {
            Rule& rule = rules_[static_cast<size_t>(box.rules[static_cast<size_t>(i)])];
            rule.boxes[static_cast<size_t>(rule.boxCount++)] = static_cast<int16_t>(b);
            rule.room += box.size;
        }
    }
}

// Boxes linked through shared rules form a group; each group is searched in the order it
// was reached, so that its rules are completed early.
void MineSolver::BuildGroups()
{
    groups_.clear();
    order_.clear();
    size_t tableSize = 0;
    for (size_t start = 0; start < boxes_.size(); ++start) {
        if (boxes_[start].group >= 0)
            continue;
        Group group;
        group.firstInOrder = static_cast<int>(order_.size());
        const int id = static_cast<int>(groups_.size());
        boxes_[start].group = id;
        order_.push_back(static_cast<int>(start));
        for (size_t next = order_.size() - 1; next < order_.size(); ++next) {
            const Box& box = boxes_[static_cast<size_t>(order_[next])];
            group.cellCount += box.size;
            for (int i = 0; i < box.ruleCount; ++i) {
                const Rule& rule = rules_[static_cast<size_t>(box.rules[static_cast<size_t>(i)])];
                for (int j = 0; j < rule.boxCount; ++j) {
                    const int16_t linked = rule.boxes[static_cast<size_t>(j)];
                    if (boxes_[static_cast<size_t>(linked)].group < 0) {
                        boxes_[static_cast<size_t>(linked)].group = id;
                        order_.push_back(linked);
                    }
                }
            }
        }
        group.boxCount = static_cast<int>(order_.size()) - group.firstInOrder;
        group.tableAt = tableSize;
        tableSize += Stride(group) * static_cast<size_t>(1 + 2 * group.boxCount);
        groups_.push_back(group);
    }
    table_.assign(tableSize, 0.0);
    estimate_.resize(boxes_.size());
}

} // namespace orvane::solver
