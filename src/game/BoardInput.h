// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace orvane {

class Game;

enum class MouseButton { Left, Right, Middle };

// True while the computer is to move in a running "Vs Computer" game; the board and
// the status panel then leave the mouse alone.
bool IsComputersTurn(const Game& game);

// Mouse handlers of the board area BoardArea, in its pixels. A cell is acted on only when
// its button comes up; while a button is held the pressed look follows the pointer.
void BoardMouseDown(Game& game, MouseButton button, int x, int y);
void BoardMouseMove(Game& game, int x, int y);
void BoardMouseUp(Game& game, MouseButton button, int x, int y);
void BoardDoubleClick(Game& game);

} // namespace orvane
