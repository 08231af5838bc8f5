#pragma once
#include "render/gl/RenderState.h"

namespace orvane {

class Game;

// Draws one frame of the board area in its own context (which must be current): the
// cells in the theme's tint, flags, move marks, the computer's pointer and, after a loss,
// the spinning glow over missed mines, the crosses over false flags and the exploded mine.
// Reads the game and changes nothing but the glow's angle.
void DrawBoard(const Game& game, RenderState& render);

} // namespace orvane
