#pragma once
#include "render/gl/RenderState.h"

namespace orvane {

class Game;

// Draws one frame of the status area in its own context (which must be current): the
// counter strip with both counters, the face and bonus buttons, in the two-player modes
// the player strip with the pulsing active panel, names, scores and the message bar, and
// the frame around the board. Besides the pulse it writes what the counters show: the
// players' finds replace the flag count and the clock in the two-player modes, and both
// counters are clamped to 999.
void DrawStatus(Game& game, RenderState& render, int statusWidth, int boardWidth, int boardHeight);

} // namespace orvane
