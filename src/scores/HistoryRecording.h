// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "game/GameEvents.h"
#include "scores/History.h"

#include <cstdint>

namespace orvane {

// The history's row of an ended game, ended at playedAt (seconds since 1970), with the
// counters worked out from its record.
GameRecord RecordOfGame(const GameEnded& ended, int64_t playedAt);

} // namespace orvane
