// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "game/GameTypes.h"
#include "session/MoveNews.h"

#include <QCoreApplication>
#include <QString>

namespace orvane {

class Game;

// The translations' context of every word a screen reader hears.
struct Accessibility {
    Q_DECLARE_TR_FUNCTIONS(Accessibility)
};

// The words a screen reader says for the board and the status area, through the
// translations ("Accessibility" context). Rows and columns are counted from 1.

// What a player sees on the cell: "closed", "flagged", "3", "empty", "mine found by P1"...
// Every cell reads "closed" while the board is hidden by the pause.
QString CellText(const Game& game, int32_t cell);
// What a move did: "7 cells opened, turn passes to A.I"; empty for no news.
QString NewsText(const MoveNews& news);
// Where the keyboard's cursor is: "row 3, column 5, closed".
QString WhereText(const Game& game, int32_t cell);

// The status area's items.
QString LeftCounterText(const Game& game);
QString RightCounterText(const Game& game);
QString FaceText(const Game& game);
QString BonusText(const Game& game);
QString PlayerPanelText(const Game& game, PlayerIndex player);

} // namespace orvane
