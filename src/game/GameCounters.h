// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "game/GameTypes.h"
#include "game/RecordedGame.h"

#include <cstdint>
#include <optional>

namespace orvane {

// The counters speed players compare games by, worked out from a game's record. A counter
// that means nothing for the game (a board not laid yet, a game not won, a division by
// nothing, clicks in the two-player modes, where both players click) is absent.
struct GameCounters {
    std::optional<GameResult> Result; // none while the game goes on
    std::optional<double> Seconds;    // the game clock at the end
    // The board's, once its mines are laid.
    std::optional<int32_t> ThreeBV;
    std::optional<int32_t> Openings;
    std::optional<int32_t> Islands;
    // Classic games only.
    std::optional<int32_t> Clicks;
    std::optional<int32_t> EffectiveClicks;
    std::optional<double> Correctness; // effective clicks per click
    // Won games only.
    std::optional<double> ThreeBVPerSecond;
    std::optional<double> Ioe;        // 3BV per click
    std::optional<double> Throughput; // 3BV per effective click
    std::optional<double> Rqp;        // seconds per 3BV/s: lower is better
};

// Plays the record into a fresh game, watching what each click did.
GameCounters CountGame(const RecordedGame& record);

} // namespace orvane
