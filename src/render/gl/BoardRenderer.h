// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "render/gl/RenderState.h"

#include <cstdint>

namespace orvane {

class Game;

// Draws one frame of the board area in its own context (which must be current): the
// cells in the theme's tint (or, while shown, in the tint of their chance of a mine, the
// certain ones marked), flags, move marks, the computer's pointer and, after a loss,
// the spinning glow over missed mines, the crosses over false flags and the exploded mine,
// and frames on the hint's cell and on the keyboard's cell (-1 for none).
// Reads the game and the view's animated state and changes nothing.
void DrawBoard(const Game& game, const RenderState& render, int32_t keyCursorCell);

} // namespace orvane
