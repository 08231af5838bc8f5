// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "solver/BoardView.h"
#include "solver/MineSolver.h"
#include "solver/NeighbourTable.h"

#include <chrono>
#include <cstdint>
#include <random>
#include <vector>

namespace orvane::solver {

// Lays out mines so that a player can clear the board from the first opened cell by
// reasoning alone, the total mine count included: the first cell and its neighbours
// hold no mine, so the first open clears an area. A random layout is played by a
// reasoning player; where it gets stuck, mines next to the numbers it is stuck on are
// moved away from them (or onto them) so that one of those numbers settles its cells,
// and play goes on from there. A board that got through after such moves is played once
// more from the first cell, since a moved mine changes numbers seen earlier; only a board
// cleared in one go is given out.
class NoGuessBoard {
public:
    // Fills mines (per cell, 1 for a mine, row-major); false when no layout was found in
    // time, or none can exist because the mines do not fit beside the first cell's area.
    bool Generate(int width, int height, int mineCount, int first, std::mt19937_64& random,
        std::vector<uint8_t>& mines);

    void SetTimeLimit(std::chrono::microseconds limit) { timeLimit_ = limit; }
    static constexpr std::chrono::microseconds DefaultTimeLimit {1'000'000};
    // Moves of mines made for the last board, and plays from the first cell.
    int Repairs() const { return repairs_; }
    int Plays() const { return plays_; }

private:
    enum Knowledge : uint8_t { Unknown, Opened, KnownMine };

    bool PlaceAtRandom(int mineCount, std::mt19937_64& random);
    bool InFirstArea(int cell) const;
    void Restart();
    bool Play();
    void Open(int cell);
    void SettleMine(int cell);
    void Recheck(int openCell);
    bool Repair(std::mt19937_64& random);
    bool MoveMines(int around, bool clear, std::mt19937_64& random);
    void Relocate(std::mt19937_64& random);
    void SetMine(int cell, bool mine);
    int CountMinesAround(int cell) const;

    MineSolver solver_;
    NeighbourTable neighbours_;
    BoardView view_;
    int first_ = 0;
    int safeCells_ = 0;
    int opened_ = 0;
    int repairs_ = 0;
    int plays_ = 0;
    std::chrono::microseconds timeLimit_ = DefaultTimeLimit;
    std::vector<uint8_t> mine_;
    std::vector<Knowledge> known_;
    std::vector<int> need_;    // per opened cell: mines around not yet known
    std::vector<int> unknown_; // per opened cell: cells around not yet known
    std::vector<int> pending_; // opened cells whose number may settle its cells
    std::vector<int> toOpen_;
    std::vector<int> candidates_;
    std::vector<int> places_;
};

} // namespace orvane::solver
