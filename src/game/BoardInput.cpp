// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/BoardInput.h"

#include "game/Game.h"

namespace orvane {

namespace {

// Gestures kept in Game::MouseGesture.
enum Gesture : int32_t {
    NoGesture = 0,
    OpenGesture = 1,
    FlagGesture = 2,
    ChordGesture = 3,
    TwoButtonChord = 4
};

// The cell under a point of the board area, or -1 outside it. The area is exactly
// BoardWidth x BoardHeight cells; a board not yet rebuilt to that size has no cell there.
int32_t CellAt(const Game& game, int x, int y)
{
    if (x < 0 || y < 0 || x >= game.BoardWidth * game.CellSize
        || y >= game.BoardHeight * game.CellSize)
        return -1;
    const int32_t index = y / game.CellSize * game.BoardWidth + x / game.CellSize;
    return static_cast<size_t>(index) < game.Cells.size() ? index : -1;
}

// Runs the rule operation of a gesture on the cell the gesture acts on.
void ApplyGesture(Game& game, int32_t gesture, CellAction action)
{
    if (static_cast<size_t>(game.PressedCell) >= game.Cells.size())
        return;
    Cell& cell = game.Cells[static_cast<size_t>(game.PressedCell)];
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

} // namespace

bool IsComputersTurn(const Game& game)
{
    return game.CurrentMode == PlayMode::VsComputer && game.CurrentPlayer == Player2
        && game.CurrentState == GameState::Playing;
}

// The toolkit keeps sending moves and the release to the area the button went down on,
// also outside it, so no mouse capture is taken or given back here.
void BoardMouseDown(Game& game, MouseButton button, int x, int y)
{
    if (IsComputersTurn(game))
        return;
    const int32_t cell = CellAt(game, x, y);
    if (cell < 0)
        return;
    // A click on the hidden board of a paused game only resumes it.
    if (game.Paused) {
        game.ResumeGame();
        return;
    }
    if (game.IgnoreNextMouseDown) {
        // The press that completes a double click must not open a cell of the new board.
        game.IgnoreNextMouseDown = false;
        return;
    }
    // A two-button chord is left as it is; the new button starts its own gesture.
    if (game.PressedCell >= 0 && game.MouseGesture != TwoButtonChord)
        ApplyGesture(game, game.MouseGesture, CellAction::Cancel);
    game.PressedCell = cell;
    game.MouseGesture = GestureFor(game.MouseGesture, button);
    ApplyGesture(game, game.MouseGesture, CellAction::Press);
}

void BoardMouseMove(Game& game, int x, int y)
{
    const int32_t cell = CellAt(game, x, y);
    if (cell < 0 || game.Paused)
        return;
    game.HoverCell = cell;
    if (game.PressedCell < 0)
        return;
    // Even on the same cell the press is laid anew, so the sunken look follows the board.
    ApplyGesture(game, game.MouseGesture, CellAction::Cancel);
    game.PressedCell = game.HoverCell;
    ApplyGesture(game, game.MouseGesture, CellAction::Press);
}

void BoardMouseUp(Game& game, MouseButton button, int x, int y)
{
    if (IsComputersTurn(game))
        return;
    // A gesture begun before the pause ends without acting on the hidden board.
    const bool inside = CellAt(game, x, y) >= 0 && !game.Paused;
    const int32_t gesture = game.MouseGesture;

    if (EndsSingleButtonGesture(gesture, button)) {
        game.MouseGesture = NoGesture;
        if (game.PressedCell < 0)
            return;
        if (inside)
            ++game.ClickCount;
        ApplyGesture(game, gesture, inside ? CellAction::Release : CellAction::Cancel);
        game.PressedCell = -1;
        return;
    }

    if (gesture != TwoButtonChord || button == MouseButton::Middle)
        return;
    // The other button of the pair is still down and carries on as a single-button gesture.
    game.MouseGesture = button == MouseButton::Left ? FlagGesture : OpenGesture;
    if (game.PressedCell < 0)
        return;
    if (inside) {
        ApplyGesture(game, TwoButtonChord, CellAction::Release);
        return;
    }
    ApplyGesture(game, TwoButtonChord, CellAction::Cancel);
    game.MouseGesture = NoGesture;
    game.PressedCell = -1;
}

void BoardDoubleClick(Game& game)
{
    if (game.CurrentState != GameState::Lost && game.CurrentState != GameState::Won)
        return;
    game.IgnoreNextMouseDown = true;
    game.Face = FaceLook::Smiling;
    game.PressedCell = -1;
    game.MouseGesture = NoGesture;
    game.NewGame(static_cast<Level>(game.CurrentLevel));
}

} // namespace orvane
