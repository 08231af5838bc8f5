// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/BoardInput.h"

#include "game/Game.h"
#include "game/ScreenState.h"

namespace orvane {

namespace {

// Gestures kept in ScreenState::Gesture.
enum Gesture : int32_t {
    NoGesture = 0,
    OpenGesture = 1,
    FlagGesture = 2,
    ChordGesture = 3,
    TwoButtonChord = 4
};

// The cell under a point of the board area, or -1 outside it. The area is exactly
// BoardWidth x BoardHeight cells; a board not yet rebuilt to that size has no cell there.
int32_t CellAt(const Game& game, int16_t cellSize, int x, int y)
{
    if (x < 0 || y < 0 || x >= game.BoardWidth * cellSize || y >= game.BoardHeight * cellSize)
        return -1;
    const int32_t index = y / cellSize * game.BoardWidth + x / cellSize;
    return static_cast<size_t>(index) < game.Cells.size() ? index : -1;
}

// Runs the rule operation of a gesture on the cell the gesture acts on.
void ApplyGesture(Game& game, int32_t pressedCell, int32_t gesture, CellAction action)
{
    if (static_cast<size_t>(pressedCell) >= game.Cells.size())
        return;
    Cell& cell = game.Cells[static_cast<size_t>(pressedCell)];
    switch (gesture) {
    case OpenGesture:
        game.OpenCell(cell, action);
        break;
    case FlagGesture:
        game.FlagCell(cell, action);
        break;
    case ChordGesture:
    case TwoButtonChord:
        game.ChordCell(cell, action);
        break;
    default:
        break;
    }
}

int32_t GestureFor(int32_t heldGesture, MouseButton button)
{
    if ((heldGesture == OpenGesture && button == MouseButton::Right)
        || (heldGesture == FlagGesture && button == MouseButton::Left))
        return TwoButtonChord;
    switch (button) {
    case MouseButton::Middle:
        return ChordGesture;
    case MouseButton::Left:
        return OpenGesture;
    case MouseButton::Right:
        return FlagGesture;
    }
    return NoGesture;
}

bool EndsSingleButtonGesture(int32_t gesture, MouseButton button)
{
    return (gesture == OpenGesture && button == MouseButton::Left)
        || (gesture == FlagGesture && button == MouseButton::Right)
        || (gesture == ChordGesture && button == MouseButton::Middle);
}

// A gesture held while a new board was dealt ends with the board it began on.
void ForgetPressOnEarlierBoard(const Game& game, ScreenState& screen)
{
    if (screen.PressedOnBoard == game.BoardNumber)
        return;
    screen.PressedOnBoard = game.BoardNumber;
    screen.PressedCell = -1;
    screen.Gesture = NoGesture;
}

} // namespace

// The toolkit keeps sending moves and the release to the area the button went down on,
// also outside it, so no mouse capture is taken or given back here.
void BoardMouseDown(Game& game, ScreenState& screen, MouseButton button, int x, int y)
{
    if (game.ComputerIsToMove())
        return;
    ForgetPressOnEarlierBoard(game, screen);
    const int32_t cell = CellAt(game, screen.CellSize, x, y);
    if (cell < 0)
        return;
    // A click on the hidden board of a paused game only resumes it.
    if (game.Paused) {
        game.ResumeGame();
        return;
    }
    if (screen.IgnoreNextMouseDown) {
        // The press that completes a double click must not open a cell of the new board.
        screen.IgnoreNextMouseDown = false;
        return;
    }
    // A two-button chord is left as it is; the new button starts its own gesture.
    if (screen.PressedCell >= 0 && screen.Gesture != TwoButtonChord)
        ApplyGesture(game, screen.PressedCell, screen.Gesture, CellAction::Cancel);
    screen.PressedCell = cell;
    screen.Gesture = GestureFor(screen.Gesture, button);
    ApplyGesture(game, screen.PressedCell, screen.Gesture, CellAction::Press);
}

void BoardMouseMove(Game& game, ScreenState& screen, int x, int y)
{
    const int32_t cell = CellAt(game, screen.CellSize, x, y);
    if (cell >= 0)
        screen.KeyCursorShown = false; // the mouse takes over from the keys
    if (cell < 0 || game.Paused)
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
    if (game.ComputerIsToMove())
        return;
    ForgetPressOnEarlierBoard(game, screen);
    // A gesture begun before the pause ends without acting on the hidden board.
    const bool inside = CellAt(game, screen.CellSize, x, y) >= 0 && !game.Paused;
    const int32_t gesture = screen.Gesture;

    if (EndsSingleButtonGesture(gesture, button)) {
        screen.Gesture = NoGesture;
        if (screen.PressedCell < 0)
            return;
        if (inside)
            ++game.ClickCount;
        ApplyGesture(
            game, screen.PressedCell, gesture, inside ? CellAction::Release : CellAction::Cancel);
        screen.PressedCell = -1;
        return;
    }

    if (gesture != TwoButtonChord || button == MouseButton::Middle)
        return;
    // The other button of the pair is still down and carries on as a single-button gesture.
    screen.Gesture = button == MouseButton::Left ? FlagGesture : OpenGesture;
    if (screen.PressedCell < 0)
        return;
    if (inside) {
        ApplyGesture(game, screen.PressedCell, TwoButtonChord, CellAction::Release);
        return;
    }
    ApplyGesture(game, screen.PressedCell, TwoButtonChord, CellAction::Cancel);
    screen.Gesture = NoGesture;
    screen.PressedCell = -1;
}

void BoardDoubleClick(Game& game, ScreenState& screen)
{
    if (game.CurrentState != GameState::Lost && game.CurrentState != GameState::Won)
        return;
    screen.IgnoreNextMouseDown = true;
    game.Face = FaceLook::Smiling;
    screen.PressedCell = -1;
    screen.Gesture = NoGesture;
    game.NewGame(static_cast<Level>(game.CurrentLevel));
}

} // namespace orvane
