// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstdint>

namespace orvane {

class Game;
struct ScreenState;

enum class MouseButton { Left, Right, Middle };

// Mouse handlers of the board area, in its pixels. A cell is acted on only when its button
// comes up; while a button is held the pressed look follows the pointer.
void BoardMouseDown(Game& game, ScreenState& screen, MouseButton button, int x, int y);
// A move also gives the game the pointer's place, which it keeps with a game being played.
void BoardMouseMove(Game& game, ScreenState& screen, int x, int y);
void BoardMouseUp(Game& game, ScreenState& screen, MouseButton button, int x, int y);
void BoardDoubleClick(Game& game, ScreenState& screen);

// A click of the button on a cell, as a press and a release there: what the board keys do.
void ClickCell(Game& game, ScreenState& screen, MouseButton button, int32_t cell);

} // namespace orvane
