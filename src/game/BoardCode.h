// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "game/GameTypes.h"
#include "game/RecordedGame.h"
#include "platform/Text.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orvane {

// A board code carries a board itself, not a seed: its size, mines, first cell and mine
// layout in a few dozen letters and digits, the last of them a check (docs/COUNTERS.md).
// Boards of 1 to 35 x 1 to 25 cells with at least one mine and one safe cell have one.

// What Game::NewGameWithLayout needs to deal a coded board.
struct BoardLayout {
    // A Classic board of the code's size and mines, counted in no score table.
    BoardSetup Setup;
    // The safe cells, the first cell last of them, then the mines: as the placement orders
    // a board around its first open.
    std::vector<int16_t> CellOrder;
    int16_t LastSafeSlot = -1;
    int16_t FirstCell = -1;
    bool operator==(const BoardLayout&) const = default;
};

struct BoardCodeReading {
    std::optional<BoardLayout> Layout;
    Text Problem; // what is wrong with the code, in plain words, when there is none
};

// The code of a laid board (a game's CellOrder and LastSafeSlot, and the cell its first
// open acted on); none when the board is too large or the first cell is not a safe one.
std::optional<std::string> WriteBoardCode(int16_t width, int16_t height,
    const std::vector<int16_t>& cellOrder, int16_t lastSafeSlot, int16_t firstCell);

// The code of a recorded game's board; none before its first open.
std::optional<std::string> BoardCodeOf(const RecordedGame& record);

// Reads a code typed or pasted: letters in either case; spaces and hyphens are skipped.
BoardCodeReading ReadBoardCode(std::string_view text);

} // namespace orvane
