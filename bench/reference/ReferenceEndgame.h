// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "solver/Analysis.h"
#include "solver/BoardView.h"
#include "solver/NeighbourTable.h"

#include <cstdint>
#include <map>
#include <vector>

namespace orvane::bench {

using solver::Analysis;
using solver::BoardView;
using solver::NeighbourTable;

// The first player's best play at the end of a game (see ReferencePlayer), kept as it was.
// Best play when only a few layouts still fit: every layout is listed, and every order of
// guesses is tried, each cell's number splitting the layouts, to find the cell to open
// that wins most often. Cells safe in every layout are opened on the way for nothing.
class ReferenceEndgame {
public:
    // The cell that wins most often, or -1 when too many layouts or cells are left or the
    // search grew past its limit. The analysis is that of the view, complete and exact.
    int BestCell(const BoardView& view, const Analysis& analysis, const NeighbourTable& neighbours);
    double WinChance() const { return winChance_; }

    static constexpr int MaxLayouts = 1000;
    static constexpr int MaxCells = 64;
    // Steps of the listing, and layouts looked at over all positions of one search (which
    // also bounds what it keeps).
    static constexpr long MaxSteps = 400'000;

private:
    using Layouts = std::vector<uint16_t>; // indices into layouts_, rising
    bool ListLayouts(
        const BoardView& view, const Analysis& analysis, const NeighbourTable& neighbours);
    void Extend(size_t next, int minesLeft, uint64_t layout);
    double Win(const Layouts& fitting);
    double BestGuess(const Layouts& fitting, uint64_t mixed, size_t& chosen);
    double Split(const Layouts& fitting, size_t cell);
    int NumberAt(size_t cell, uint64_t layout) const;

    struct Count {
        uint64_t cells = 0; // closed cells around, as bits
        int need = 0;       // mines among them
    };
    std::vector<bool> mine_;                 // per board cell: a known or settled mine
    std::vector<int> cells_;                 // the closed cells not yet settled
    std::vector<uint64_t> around_;           // per listed cell: its listed neighbours, as bits
    std::vector<int> minesAround_;           // per listed cell: mines known around it
    std::vector<Count> counts_;              // the open numbers next to listed cells
    std::vector<std::vector<int>> countsOf_; // per listed cell: the counts it takes part in
    std::vector<int> need_;                  // during listing: mines each count still needs
    std::vector<int> room_;                  // during listing: its cells not yet decided
    std::vector<size_t> order_;              // listed cells in the order they are decided
    std::vector<uint64_t> layouts_;
    std::map<Layouts, double> known_;
    long steps_ = 0;
    bool overflow_ = false;
    double winChance_ = 0;
};

} // namespace orvane::bench
