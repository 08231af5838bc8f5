// SPDX-License-Identifier: GPL-3.0-or-later
#include "input/BoardKeys.h"

#include "game/Game.h"
#include "input/BoardInput.h"
#include "input/ScreenState.h"

#include <algorithm>

namespace orvane {

namespace {

// Puts the cursor on the board: where it was, kept inside a board that may have shrunk
// since, or in the middle at the first use.
void ShowKeyCursor(const Game& game, ScreenState& screen)
{
    if (screen.KeyColumn < 0 || screen.KeyRow < 0) {
        screen.KeyColumn = static_cast<int16_t>(game.BoardWidth() / 2);
        screen.KeyRow = static_cast<int16_t>(game.BoardHeight() / 2);
    }
    screen.KeyColumn = static_cast<int16_t>(std::min<int>(screen.KeyColumn, game.BoardWidth() - 1));
    screen.KeyRow = static_cast<int16_t>(std::min<int>(screen.KeyRow, game.BoardHeight() - 1));
    screen.KeyCursorShown = true;
}

void MoveKeyCursor(const Game& game, ScreenState& screen, BoardKey key)
{
    const int lastColumn = game.BoardWidth() - 1;
    const int lastRow = game.BoardHeight() - 1;
    int column = screen.KeyColumn;
    int row = screen.KeyRow;
    switch (key) {
    case BoardKey::Left:
        --column;
        break;
    case BoardKey::Right:
        ++column;
        break;
    case BoardKey::Up:
        --row;
        break;
    case BoardKey::Down:
        ++row;
        break;
    case BoardKey::RowStart:
        column = 0;
        break;
    case BoardKey::RowEnd:
        column = lastColumn;
        break;
    case BoardKey::ColumnTop:
        row = 0;
        break;
    case BoardKey::ColumnBottom:
        row = lastRow;
        break;
    case BoardKey::Open:
    case BoardKey::Flag:
        break;
    }
    screen.KeyColumn = static_cast<int16_t>(std::clamp(column, 0, lastColumn));
    screen.KeyRow = static_cast<int16_t>(std::clamp(row, 0, lastRow));
}

// The mouse button whose click the key stands for on the cursor's cell.
MouseButton ButtonFor(const Game& game, const ScreenState& screen, BoardKey key)
{
    if (key == BoardKey::Flag)
        return MouseButton::Right;
    const Cell& cell = game.CellAt(KeyCursorCell(game, screen));
    return cell.IsOpenNumber() ? MouseButton::Middle : MouseButton::Left;
}

// A click on the cursor's cell, as the mouse clicks.
void ClickOnKeyCursor(Game& game, ScreenState& screen, MouseButton button)
{
    ClickCell(game, screen, button, KeyCursorCell(game, screen));
}

} // namespace

bool BoardKeysMayAct(const Game& game, const ScreenState& screen)
{
    return !game.OtherSideIsToMove() && game.BoardMatchesSize() && !game.Cells().empty()
        && screen.PressedCell < 0;
}

void BoardKeyPress(Game& game, ScreenState& screen, BoardKey key)
{
    if (!BoardKeysMayAct(game, screen))
        return;
    const bool wasShown = screen.KeyCursorShown;
    ShowKeyCursor(game, screen);
    if (game.Paused()) {
        if (!IsMoveKey(key))
            ClickOnKeyCursor(game, screen, MouseButton::Left);
        return;
    }
    if (!wasShown)
        return;
    if (IsMoveKey(key))
        MoveKeyCursor(game, screen, key);
    else
        ClickOnKeyCursor(game, screen, ButtonFor(game, screen, key));
}

int32_t KeyCursorCell(const Game& game, const ScreenState& screen)
{
    if (!screen.KeyCursorShown || screen.KeyColumn >= game.BoardWidth()
        || screen.KeyRow >= game.BoardHeight())
        return -1;
    return screen.KeyRow * game.BoardWidth() + screen.KeyColumn;
}

} // namespace orvane
