// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/Game.h"

#include "platform/Platform.h"
#include "platform/Random.h"
#include "solver/NoGuessBoard.h"

#include <cstdint>
#include <random>
#include <vector>

namespace orvane {

namespace {

// The generator runs on an engine of its own, seeded from the game's one random source,
// so a fixed source still deals the same board.
std::mt19937_64 EngineFrom(RandomSource& random)
{
    constexpr double Scale = 4294967296.0; // 2^32
    const auto high = static_cast<uint64_t>(random.NextReal() * Scale);
    const auto low = static_cast<uint64_t>(random.NextReal() * Scale);
    return std::mt19937_64((high << 32U) | low);
}

} // namespace

bool Game::PlaceMinesWithoutGuess(int16_t first)
{
    random.SeedFromClock();
    std::mt19937_64 engine = EngineFrom(random);
    std::vector<uint8_t> mines;
    solver::NoGuessBoard generator;
    if (!generator.Generate(BoardWidth, BoardHeight, MineCount, first, engine, mines)) {
        platform.ShowMessage("No board that can be cleared without guessing was found for "
                             "this many mines on this board. This game is dealt as usual, "
                             "and a guess may be needed.",
            MessageIcon::Information);
        return false;
    }

    // The cell order the rules keep: safe cells first, the mines after LastSafeSlot.
    int16_t slot = 0;
    for (size_t i = 0; i < Cells.size(); ++i)
        if (mines[i] == 0)
            CellOrder[static_cast<size_t>(slot++)] = static_cast<int16_t>(i);
    LastSafeSlot = static_cast<int16_t>(slot - 1);
    for (size_t i = 0; i < Cells.size(); ++i)
        if (mines[i] != 0) {
            CellOrder[static_cast<size_t>(slot++)] = static_cast<int16_t>(i);
            Cells[i].Value = MineValue;
        }
    for (int16_t safe = 0; safe <= LastSafeSlot; ++safe) {
        const int16_t index = CellOrder[static_cast<size_t>(safe)];
        Cells[static_cast<size_t>(index)].Value = CountAdjacentMines(index);
    }
    DealtWithoutGuessing = true;
    return true;
}

} // namespace orvane
