// SPDX-License-Identifier: GPL-3.0-or-later
#include "input/BoardInput.h"

#include "game/Game.h"
#include "input/ScreenState.h"

namespace orvane {

namespace {

// The cell under a point of the board area, or -1 outside it. The area is exactly
// BoardWidth x BoardHeight cells; a board not yet rebuilt to that size has no cell there.
int32_t CellAt(const Game& game, int16_t cellSize, int x, int y)
{
    if (x < 0 || y < 0 || x >= game.BoardWidth() * cellSize || y >= game.BoardHeight() * cellSize)
        return -1;
    const int32_t index = y / cellSize * game.BoardWidth() + x / cellSize;
    return static_cast<size_t>(index) < game.Cells().size() ? index : -1;
}

// Runs the rule command of a gesture on the cell the gesture acts on.
void ApplyGesture(Game& game, int32_t pressedCell, BoardGesture gesture, CellAction action)
{
    switch (gesture) {
    case BoardGesture::Open:
        game.ActOnCell(CellGesture::Open, action, pressedCell);
        break;
    case BoardGesture::Flag:
        game.ActOnCell(CellGesture::Flag, action, pressedCell);
        break;
    case BoardGesture::Chord:
    case BoardGesture::TwoButtonChord:
        game.ActOnCell(CellGesture::Chord, action, pressedCell);
        break;
    case BoardGesture::None:
        break;
    }
}

BoardGesture GestureFor(BoardGesture heldGesture, MouseButton button)
{
    if ((heldGesture == BoardGesture::Open && button == MouseButton::Right)
        || (heldGesture == BoardGesture::Flag && button == MouseButton::Left))
        return BoardGesture::TwoButtonChord;
    switch (button) {
    case MouseButton::Middle:
        return BoardGesture::Chord;
    case MouseButton::Left:
        return BoardGesture::Open;
    case MouseButton::Right:
        return BoardGesture::Flag;
    }
    return BoardGesture::None;
}

bool EndsSingleButtonGesture(BoardGesture gesture, MouseButton button)
{
    return (gesture == BoardGesture::Open && button == MouseButton::Left)
        || (gesture == BoardGesture::Flag && button == MouseButton::Right)
        || (gesture == BoardGesture::Chord && button == MouseButton::Middle);
}

// A gesture held while a new board was dealt ends with the board it began on.
void ForgetPressOnEarlierBoard(const Game& game, ScreenState& screen)
{
    if (screen.PressedOnBoard == game.BoardNumber())
        return;
    screen.PressedOnBoard = game.BoardNumber();
    screen.PressedCell = -1;
    screen.Gesture = BoardGesture::None;
}

void PressCell(Game& game, ScreenState& screen, MouseButton button, int32_t cell)
{
    if (game.OtherSideIsToMove())
        return;
    ForgetPressOnEarlierBoard(game, screen);
    if (cell < 0)
        return;
    // A click on the hidden board of a paused game only resumes it.
    if (game.Paused()) {
        game.ResumeGame();
        return;
    }
    if (screen.IgnoreNextMouseDown) {
        // The press that completes a double click must not open a cell of the new board.
        screen.IgnoreNextMouseDown = false;
        return;
    }
    // A two-button chord is left as it is; the new button starts its own gesture.
    if (screen.PressedCell >= 0 && screen.Gesture != BoardGesture::TwoButtonChord)
        ApplyGesture(game, screen.PressedCell, screen.Gesture, CellAction::Cancel);
    screen.PressedCell = cell;
    screen.Gesture = GestureFor(screen.Gesture, button);
    ApplyGesture(game, screen.PressedCell, screen.Gesture, CellAction::Press);
}

// The button comes up over a cell of the board (inside) or elsewhere.
void ReleaseButton(Game& game, ScreenState& screen, MouseButton button, bool overCell)
{
    if (game.OtherSideIsToMove())
        return;
    ForgetPressOnEarlierBoard(game, screen);
    // A gesture begun before the pause ends without acting on the hidden board.
    const bool inside = overCell && !game.Paused();
    const BoardGesture gesture = screen.Gesture;

    if (EndsSingleButtonGesture(gesture, button)) {
        screen.Gesture = BoardGesture::None;
        if (screen.PressedCell < 0)
            return;
        if (inside)
            game.CountClick();
        ApplyGesture(
            game, screen.PressedCell, gesture, inside ? CellAction::Release : CellAction::Cancel);
        screen.PressedCell = -1;
        return;
    }

    if (gesture != BoardGesture::TwoButtonChord || button == MouseButton::Middle)
        return;
    // The other button of the pair is still down and carries on as a single-button gesture.
    screen.Gesture = button == MouseButton::Left ? BoardGesture::Flag : BoardGesture::Open;
    if (screen.PressedCell < 0)
        return;
    if (inside) {
        ApplyGesture(game, screen.PressedCell, BoardGesture::TwoButtonChord, CellAction::Release);
        return;
    }
    ApplyGesture(game, screen.PressedCell, BoardGesture::TwoButtonChord, CellAction::Cancel);
    screen.Gesture = BoardGesture::None;
    screen.PressedCell = -1;
}

} // namespace

// The toolkit keeps sending moves and the release to the area the button went down on,
// also outside it, so no mouse capture is taken or given back here.
void BoardMouseDown(Game& game, ScreenState& screen, MouseButton button, int x, int y)
{
    PressCell(game, screen, button, CellAt(game, screen.CellSize, x, y));
}

void BoardMouseMove(Game& game, ScreenState& screen, int x, int y)
{
    if (screen.CellSize > 0)
        game.MovePointer(
            {x * PointerStepsPerCell / screen.CellSize, y * PointerStepsPerCell / screen.CellSize});
    const int32_t cell = CellAt(game, screen.CellSize, x, y);
    screen.PointerCell = cell;
    if (cell >= 0)
        screen.KeyCursorShown = false; // the mouse takes over from the keys
    if (cell < 0 || game.Paused())
        return;
    ForgetPressOnEarlierBoard(game, screen);
    if (screen.PressedCell < 0)
        return;
    // Even on the same cell the press is laid anew, so the sunken look follows the board.
    ApplyGesture(game, screen.PressedCell, screen.Gesture, CellAction::Cancel);
    screen.PressedCell = cell;
    ApplyGesture(game, screen.PressedCell, screen.Gesture, CellAction::Press);
}

void BoardMouseUp(Game& game, ScreenState& screen, MouseButton button, int x, int y)
{
    ReleaseButton(game, screen, button, CellAt(game, screen.CellSize, x, y) >= 0);
}

void ClickCell(Game& game, ScreenState& screen, MouseButton button, int32_t cell)
{
    PressCell(game, screen, button, cell);
    ReleaseButton(game, screen, button, cell >= 0);
}

void BoardDoubleClick(Game& game, ScreenState& screen)
{
    if (game.CurrentState() != GameState::Lost && game.CurrentState() != GameState::Won)
        return;
    screen.IgnoreNextMouseDown = true;
    screen.PressedCell = -1;
    screen.Gesture = BoardGesture::None;
    game.Restart();
}

} // namespace orvane
