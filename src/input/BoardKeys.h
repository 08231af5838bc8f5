// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstdint>

namespace orvane {

class Game;
struct ScreenState;

// The keys that play the board: moving the keyboard's cell, and acting on it.
enum class BoardKey {
    Left,
    Right,
    Up,
    Down,
    RowStart,
    RowEnd,
    ColumnTop,
    ColumnBottom,
    Open, // opens a closed cell, chords on an open number
    Flag  // what the right button does
};

inline bool IsMoveKey(BoardKey key)
{
    return key != BoardKey::Open && key != BoardKey::Flag;
}

// Plays the board from the keyboard. The first key after the cursor was hidden only shows
// it, where it last was (at the start in the board's middle), so the player sees where the
// next key acts. Acting on the cell is a press and a release of the matching mouse button
// on it, so the mouse's rules, sounds and click count hold. Nothing happens while the
// computer is to move or a mouse button is held on the board; on a paused board the
// acting keys resume the game as a click does, and the moving keys do nothing.
void BoardKeyPress(Game& game, ScreenState& screen, BoardKey key);

// Whether a board key may act now: not while the other side is to move, a mouse button
// is held on the board or the board is being laid out.
bool BoardKeysMayAct(const Game& game, const ScreenState& screen);

// The cell the keyboard's cursor is drawn on, or -1 while it is hidden.
int32_t KeyCursorCell(const Game& game, const ScreenState& screen);

} // namespace orvane
