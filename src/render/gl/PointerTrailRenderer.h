// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "render/model/TrailPoint.h"

#include <span>

namespace orvane {

class Game;

// Draws a replayed pointer over a board frame just drawn (its context current): the way
// it came as a line that fades with age, and a small arrow where it is now, the last point.
void DrawPointerTrail(const Game& game, std::span<const TrailPoint> trail);

} // namespace orvane
