// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "render/model/Canvas.h"

namespace orvane::art {

// A sea mine: dark grey ball with spikes and a red dot. Its ball has radius 1 in its own
// units; scaleX and scaleY give pixels per unit, so a stretched picture can still show
// it round. The spikes reach 1.5 units from the centre.
void PaintMine(Canvas& canvas, Point centre, double scaleX, double scaleY);

} // namespace orvane::art
