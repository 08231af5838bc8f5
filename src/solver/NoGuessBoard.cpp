// SPDX-License-Identifier: GPL-3.0-or-later
#include "solver/NoGuessBoard.h"

#include <algorithm>

namespace orvane::solver {

namespace {

int RandomBelow(std::mt19937_64& random, size_t n)
{
    return static_cast<int>(std::uniform_int_distribution<size_t>(0, n - 1)(random));
}

} // namespace

bool NoGuessBoard::Generate(int width, int height, int mineCount, int first,
    std::mt19937_64& random, std::vector<uint8_t>& mines)
{
    using Clock = std::chrono::steady_clock;
    const auto deadline = Clock::now() + timeLimit_;
    if (width <= 0 || height <= 0 || first < 0 || first >= width * height)
        return false;
    view_.Reset(width, height, mineCount);
    neighbours_.Resize(width, height);
    first_ = first;
    repairs_ = 0;
    plays_ = 0;
    if (!PlaceAtRandom(mineCount, random))
        return false;
    Restart();
    bool fresh = true;
    for (;;) {
        if (Play()) {
            if (fresh) {
                mines = mine_;
                return true;
            }
            Restart();
            fresh = true;
            continue;
        }
        if (Clock::now() > deadline)
            return false;
        fresh = !Repair(random);
        if (fresh) {
            Relocate(random);
            Restart();
        }
    }
}

// Mines on random cells outside the first area; false when they do not fit there.
bool NoGuessBoard::PlaceAtRandom(int mineCount, std::mt19937_64& random)
{
    mine_.assign(static_cast<size_t>(view_.CellCount()), 0);
    places_.clear();
    for (int cell = 0; cell < view_.CellCount(); ++cell)
        if (!InFirstArea(cell))
            places_.push_back(cell);
    if (mineCount < 0 || static_cast<size_t>(mineCount) > places_.size())
        return false;
    for (size_t i = 0; i < static_cast<size_t>(mineCount); ++i) {
        const size_t pick = i + static_cast<size_t>(RandomBelow(random, places_.size() - i));
        std::swap(places_[i], places_[pick]);
        mine_[static_cast<size_t>(places_[i])] = 1;
    }
    safeCells_ = view_.CellCount() - mineCount;
    return true;
}

bool NoGuessBoard::InFirstArea(int cell) const
{
    const auto area = neighbours_.Of(first_);
    return cell == first_ || std::find(area.begin(), area.end(), cell) != area.end();
}

// Play from the first cell on the current layout.
void NoGuessBoard::Restart()
{
    ++plays_;
    const auto cells = static_cast<size_t>(view_.CellCount());
    std::fill(view_.cells.begin(), view_.cells.end(), SeenClosed);
    known_.assign(cells, Unknown);
    need_.assign(cells, 0);
    unknown_.assign(cells, 0);
    pending_.clear();
    opened_ = 0;
    Open(first_);
}

// Opens every cell the numbers settle, one at a time; when they settle nothing more the
// whole analysis is asked. True when every safe cell is open.
bool NoGuessBoard::Play()
{
    for (;;) {
        while (!pending_.empty()) {
            const int cell = pending_.back();
            pending_.pop_back();
            const auto at = static_cast<size_t>(cell);
            if (unknown_[at] == 0 || (need_[at] != 0 && need_[at] != unknown_[at]))
                continue;
            const bool mines = need_[at] != 0;
            for (const int16_t n : neighbours_.Of(cell))
                if (known_[static_cast<size_t>(n)] == Unknown) {
                    if (mines)
                        SettleMine(n);
                    else
                        Open(n);
                }
        }
        if (opened_ == safeCells_)
            return true;
        const Analysis& analysis = solver_.Analyse(view_);
        if (analysis.certainSafe.empty() && analysis.certainMines.empty())
            return false;
        for (const int cell : analysis.certainMines)
            if (known_[static_cast<size_t>(cell)] == Unknown)
                SettleMine(cell);
        for (const int cell : analysis.certainSafe)
            Open(cell);
    }
}

// Opens a safe cell, and the whole area around it when it shows 0, as the game does.
void NoGuessBoard::Open(int cell)
{
    toOpen_.assign(1, cell);
    while (!toOpen_.empty()) {
        const int next = toOpen_.back();
        toOpen_.pop_back();
        const auto at = static_cast<size_t>(next);
        if (known_[at] != Unknown)
            continue;
        known_[at] = Opened;
        ++opened_;
        const int number = CountMinesAround(next);
        view_.cells[at] = static_cast<uint8_t>(number);
        need_[at] = number;
        for (const int16_t n : neighbours_.Of(next)) {
            const auto around = static_cast<size_t>(n);
            if (known_[around] == KnownMine)
                --need_[at];
            else if (known_[around] == Unknown) {
                ++unknown_[at];
                if (number == 0)
                    toOpen_.push_back(n);
            } else {
                --unknown_[around];
                Recheck(n);
            }
        }
        Recheck(next);
    }
}

void NoGuessBoard::SettleMine(int cell)
{
    known_[static_cast<size_t>(cell)] = KnownMine;
    view_.cells[static_cast<size_t>(cell)] = SeenMine;
    for (const int16_t n : neighbours_.Of(cell))
        if (known_[static_cast<size_t>(n)] == Opened) {
            --unknown_[static_cast<size_t>(n)];
            --need_[static_cast<size_t>(n)];
            Recheck(n);
        }
}

void NoGuessBoard::Recheck(int openCell)
{
    const auto at = static_cast<size_t>(openCell);
    if (unknown_[at] > 0 && (need_[at] == 0 || need_[at] == unknown_[at]))
        pending_.push_back(openCell);
}

// Stuck: pick a number with unknown cells around that is cheapest to settle, and either
// take the mines away from around it or fill its cells with mines, whichever moves
// fewer. The mines come from (or go to) unknown cells away from every open number when
// there are any, so that no other number changes.
bool NoGuessBoard::Repair(std::mt19937_64& random)
{
    ++repairs_;
    candidates_.clear();
    int cheapest = 9;
    for (int cell = 0; cell < view_.CellCount(); ++cell) {
        const auto at = static_cast<size_t>(cell);
        if (known_[at] != Opened || unknown_[at] == 0)
            continue;
        const int cost = std::min(need_[at], unknown_[at] - need_[at]);
        if (cost < cheapest) {
            cheapest = cost;
            candidates_.clear();
        }
        if (cost == cheapest)
            candidates_.push_back(cell);
    }
    if (candidates_.empty())
        return false; // the unknown cells are walled in by known mines
    const int around = candidates_[static_cast<size_t>(RandomBelow(random, candidates_.size()))];
    const auto at = static_cast<size_t>(around);
    const bool clear = need_[at] <= unknown_[at] - need_[at];
    return MoveMines(around, clear, random) || MoveMines(around, !clear, random);
}

// Clears the unknown cells around an open number of mines, or fills them, moving the
// mines to or from other unknown cells.
bool NoGuessBoard::MoveMines(int around, bool clear, std::mt19937_64& random)
{
    auto touchesOpen = [&](int cell) {
        for (const int16_t n : neighbours_.Of(cell))
            if (known_[static_cast<size_t>(n)] == Opened)
                return true;
        return false;
    };
    auto nextTo = [&](int cell) {
        const auto list = neighbours_.Of(around);
        return std::find(list.begin(), list.end(), cell) != list.end();
    };
    // Places that can take a mine (when clearing) or give one (when filling): first those
    // away from every open number, else any other unknown cell not around the number.
    places_.clear();
    for (int pass = 0; pass < 2 && places_.empty(); ++pass)
        for (int cell = 0; cell < view_.CellCount(); ++cell)
            if (known_[static_cast<size_t>(cell)] == Unknown
                && (mine_[static_cast<size_t>(cell)] != 0) != clear && !nextTo(cell)
                && (pass == 1 || !touchesOpen(cell)))
                places_.push_back(cell);
    int moves = 0;
    for (const int16_t n : neighbours_.Of(around))
        moves += known_[static_cast<size_t>(n)] == Unknown
            && (mine_[static_cast<size_t>(n)] != 0) == clear;
    if (static_cast<size_t>(moves) > places_.size())
        return false;
    for (const int16_t n : neighbours_.Of(around)) {
        if (known_[static_cast<size_t>(n)] != Unknown
            || (mine_[static_cast<size_t>(n)] != 0) != clear)
            continue;
        const auto pick = static_cast<size_t>(RandomBelow(random, places_.size()));
        SetMine(places_[pick], clear);
        places_[pick] = places_.back();
        places_.pop_back();
        SetMine(n, !clear);
    }
    return true;
}

// No number can be settled by moving unknown mines: a mine that touches an unknown cell
// (known or not) is moved to a random cell outside the first area, and play starts again
// from the first cell.
void NoGuessBoard::Relocate(std::mt19937_64& random)
{
    candidates_.clear();
    places_.clear();
    for (int cell = 0; cell < view_.CellCount(); ++cell) {
        const auto at = static_cast<size_t>(cell);
        if (mine_[at] == 0) {
            if (!InFirstArea(cell))
                places_.push_back(cell);
            continue;
        }
        const auto around = neighbours_.Of(cell);
        if (known_[at] == Unknown || std::any_of(around.begin(), around.end(), [&](int16_t n) {
                return known_[static_cast<size_t>(n)] == Unknown;
            }))
            candidates_.push_back(cell);
    }
    if (candidates_.empty() || places_.empty())
        return;
    mine_[static_cast<size_t>(
        candidates_[static_cast<size_t>(RandomBelow(random, candidates_.size()))])]
        = 0;
    mine_[static_cast<size_t>(places_[static_cast<size_t>(RandomBelow(random, places_.size()))])]
        = 1;
}

// Puts or takes a mine on an unknown cell and shows the open numbers around it anew.
void NoGuessBoard::SetMine(int cell, bool mine)
{
    mine_[static_cast<size_t>(cell)] = mine ? 1 : 0;
    const int change = mine ? 1 : -1;
    for (const int16_t n : neighbours_.Of(cell)) {
        const auto at = static_cast<size_t>(n);
        if (known_[at] != Opened)
            continue;
        view_.cells[at] = static_cast<uint8_t>(view_.cells[at] + change);
        need_[at] += change;
        Recheck(n);
    }
}

int NoGuessBoard::CountMinesAround(int cell) const
{
    int mines = 0;
    for (const int16_t n : neighbours_.Of(cell))
        mines += mine_[static_cast<size_t>(n)];
    return mines;
}

} // namespace orvane::solver
