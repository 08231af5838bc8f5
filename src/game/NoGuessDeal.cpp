// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/Game.h"

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
    random_.SeedFromClock();
    std::mt19937_64 engine = EngineFrom(random_);
    std::vector<uint8_t> mines;
    solver::NoGuessBoard generator;
    if (!generator.Generate(BoardWidth(), BoardHeight(), MineCount(), first, engine, mines)) {
        Tell(NoGuessDealFailed {});
        return false;
    }

    // The cell order the rules keep: safe cells first, the mines after lastSafeSlot_.
    int16_t slot = 0;
    for (size_t i = 0; i < cells_.size(); ++i)
        if (mines[i] == 0)
            cellOrder_[static_cast<size_t>(slot++)] = static_cast<int16_t>(i);
    lastSafeSlot_ = static_cast<int16_t>(slot - 1);
    for (size_t i = 0; i < cells_.size(); ++i)
        if (mines[i] != 0) {
            cellOrder_[static_cast<size_t>(slot++)] = static_cast<int16_t>(i);
            cells_[i].Value = MineValue;
        }
    for (int16_t safe = 0; safe <= lastSafeSlot_; ++safe) {
        const int16_t index = cellOrder_[static_cast<size_t>(safe)];
        cells_[static_cast<size_t>(index)].Value = CountAdjacentMines(index);
    }
    dealtWithoutGuessing_ = true;
    return true;
}

} // namespace orvane
