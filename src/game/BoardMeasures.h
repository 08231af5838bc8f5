// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstdint>
#include <optional>
#include <vector>

namespace orvane {

class Game;

// How much work a board asks and how well it was played.
struct BoardMeasures {
    int32_t ThreeBV = 0;           // least left clicks that clear the board without flags
    double ThreeBVPerSecond = 0.0; // 0 when no time has passed
    double Ioe = 0.0;              // ThreeBV per click; 0 without clicks
};

// The regions of a board's safe cells, which decide how much work it asks.
struct BoardRegions {
    int32_t Openings = 0;    // connected regions of empty cells
    int32_t Islands = 0;     // connected groups of numbered cells on no opening's border
    int32_t LoneNumbers = 0; // numbered cells on no opening's border
    // Of those, the ones already cleared: openings whose cells and border are all open,
    // and open lone numbers.
    int32_t OpeningsCleared = 0;
    int32_t LoneNumbersCleared = 0;
    // The least left clicks that clear the board without flags: each opening takes one
    // click with its numbered border, and each lone number one more.
    int32_t ThreeBV() const { return Openings + LoneNumbers; }
    // The part of the 3BV the clicks so far have done.
    int32_t ThreeBVDone() const { return OpeningsCleared + LoneNumbersCleared; }
};

// The regions of a width x height board (row-major mine layout); all 0 when the layout
// does not match the size. With the cells' open states (row-major too) the cleared
// regions are counted as well.
BoardRegions FindRegions(int32_t width, int32_t height, const std::vector<bool>& mines,
    const std::vector<bool>& open = {});

BoardMeasures MeasureBoard(int32_t threeBV, double seconds, int32_t clicks);

// The regions of the game's board and those its open cells have cleared; none before its
// mines are placed.
std::optional<BoardRegions> RegionsOf(const Game& game);

// The 3BV of the game's board; 0 before its mines are placed.
int32_t ThreeBVOf(const Game& game);

} // namespace orvane
