// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "game/GameEvents.h"
#include "scores/History.h"

#include <cstddef>
#include <cstdint>

namespace orvane {

// The most characters of an opponent's name the history keeps.
inline constexpr std::size_t MostOpponentCharacters = 20;

// A game played at a network host is of its own kind: the game's mode is Vs Human.
HistoryMode HistoryModeOf(const GameEnded& ended);

// The history's row of an ended game, ended at playedAt (seconds since 1970), with the
// counters worked out from its record; a network game's record is not a whole game, so
// it has none, only the opponent's name.
GameRecord RecordOfGame(const GameEnded& ended, int64_t playedAt);

} // namespace orvane
