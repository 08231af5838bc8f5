// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstdint>

namespace orvane {

// What a held mouse button does on the board: the middle button chords; left and right
// held together chord as well, and the button that stays down carries on alone.
enum class BoardGesture : uint8_t { None, Open, Flag, Chord, TwoButtonChord };
// The status area's buttons.
enum class StatusTarget : uint8_t { None, Face, Bonus };

// What the screen, the mouse and the keyboard keep from one event to the next, apart from
// the rules: the cell size the board is drawn with, what the mouse points at and holds
// down, and the keyboard's cell.
struct ScreenState {
    // The player's chosen size, or a smaller one when the board would not fit the screen.
    int16_t CellSize = 22;

    // The board area: the cell a held button acts on, the gesture it makes, and the board
    // it began on (a new board ends it).
    int32_t PressedCell = -1;
    BoardGesture Gesture = BoardGesture::None;
    uint32_t PressedOnBoard = 0;
    // The press that completes a double click on a finished board must not open a cell.
    bool IgnoreNextMouseDown = false;
    // The keyboard's cell, by column and row so that it keeps its place on a board of
    // another size; -1 until the first board key. A board key shows it, the mouse moving
    // over the board hides it.
    int16_t KeyColumn = -1;
    int16_t KeyRow = -1;
    bool KeyCursorShown = false;
    // The cell under the mouse pointer as it last moved; -1 off the board.
    int32_t PointerCell = -1;

    // The status area: the button under the pointer, the one held down, and the pointer.
    StatusTarget HoverTarget = StatusTarget::None;
    StatusTarget PressedTarget = StatusTarget::None;
    bool FaceDown = false;
    int32_t MouseX = 0;
    int32_t MouseY = 0;
};

} // namespace orvane
