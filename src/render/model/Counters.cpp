// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/model/Counters.h"

#include "game/Game.h"

#include <algorithm>

namespace orvane {

namespace {
constexpr int32_t MostShown = 999;
}

CounterValues ShownCounters(const Game& game)
{
    const bool twoPlayer = game.IsTwoPlayer();
    const int32_t left = twoPlayer ? game.Players()[Player1].MinesFound : game.FlagsLeft();
    const int32_t right = twoPlayer ? game.Players()[Player2].MinesFound : game.ElapsedSeconds();
    return {std::clamp(left, 0, MostShown), std::clamp(right, 0, MostShown)};
}

} // namespace orvane
