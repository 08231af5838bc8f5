// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "render/gl/RenderState.h"

namespace orvane {

class Game;
struct ScreenState;

// Draws one frame of the status area in its own context (which must be current): the
// counter strip with both counters, the face and bonus buttons, in the two-player modes
// the player strip with the pulsing active panel, names, scores and the message bar, and
// the frame around the board. Reads the game and the view's animated state and changes
// nothing: what the counters show is settled by the loop's frame step.
void DrawStatus(const Game& game, const ScreenState& screen, const RenderState& render,
    int statusWidth, int boardWidth, int boardHeight);

} // namespace orvane
