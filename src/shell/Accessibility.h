// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "session/MoveNews.h"

#include <QPointer>
#include <QString>
#include <QWidget>

namespace orvane {

class GameSession;

// What the accessible board and status area read: the session, and the words of the last
// move or of the last where-key.
struct AccessibleGame {
    GameSession& Session;
    QPointer<QWidget> Board;
    QPointer<QWidget> Status;
    QString LastNews;
};

// The main window's board and status area for assistive technology. Qt makes their
// accessible objects only when assistive technology asks, through the factory installed
// here; with none active, telling news costs one question.
class GameAccessibility {
public:
    GameAccessibility(GameSession& session, QWidget& board, QWidget& status);
    ~GameAccessibility();
    GameAccessibility(const GameAccessibility&) = delete;
    GameAccessibility& operator=(const GameAccessibility&) = delete;

    // After the session took the game's events: the cursor's cell focused when it moved,
    // the news told as the status area's and the focused cell's description.
    void AfterEvents(const MoveNews& news);
    // Tells the row, column and look of the keyboard's cell the same way.
    void TellWhere();

private:
    void Tell(const QString& text);

    AccessibleGame game_;
    int32_t focusedCell_ = -1;
};

} // namespace orvane
