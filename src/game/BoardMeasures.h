// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstdint>
#include <vector>

namespace orvane {

class Game;

// How much work a board asks and how well it was played.
struct BoardMeasures {
    int32_t ThreeBV = 0;           // least left clicks that clear the board without flags
    double ThreeBVPerSecond = 0.0; // 0 when no time has passed
    double Ioe = 0.0;              // ThreeBV per click; 0 without clicks
};

// The least left clicks that clear a width x height board (row-major mine layout) without
// flags: each opening (a connected region of empty cells with its numbered border) takes
// one click, and each numbered cell on no opening's border one more.
int32_t CountThreeBV(int32_t width, int32_t height, const std::vector<bool>& mines);

BoardMeasures MeasureBoard(int32_t threeBV, double seconds, int32_t clicks);

// The 3BV of the game's board; 0 before its mines are placed.
int32_t ThreeBVOf(const Game& game);

} // namespace orvane
