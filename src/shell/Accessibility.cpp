// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/Accessibility.h"

#include "input/BoardKeys.h"
#include "session/GameSession.h"
#include "shell/AccessibleBoard.h"
#include "shell/AccessibleStatus.h"
#include "shell/AccessibleTexts.h"

#include <QAccessible>
#include <QVariant>

namespace orvane {

namespace {

// The areas carry the game they show, for the factory Qt asks when assistive technology
// first wants an area's object.
constexpr const char* GameProperty = "orvaneAccessibleGame";

QAccessibleInterface* MakeAccessibleArea(const QString&, QObject* object)
{
    auto* area = qobject_cast<QWidget*>(object);
    if (!area)
        return nullptr;
    auto* game = static_cast<AccessibleGame*>(area->property(GameProperty).value<void*>());
    if (!game)
        return nullptr;
    if (area == game->Board)
        return new AccessibleBoard(area, *game);
    return new AccessibleStatus(area, *game);
}

AccessibleBoard* BoardOf(QWidget* area)
{
    return dynamic_cast<AccessibleBoard*>(QAccessible::queryAccessibleInterface(area));
}

void SendEvent(QAccessibleInterface* target, QAccessible::Event type)
{
    if (!target)
        return;
    QAccessibleEvent event(target, type);
    QAccessible::updateAccessibility(&event);
}

} // namespace

GameAccessibility::GameAccessibility(GameSession& session, QWidget& board, QWidget& status) :
    game_ {session, &board, &status, {}}
{
    static const bool installed = [] {
        QAccessible::installFactory(MakeAccessibleArea);
        return true;
    }();
    (void)installed;
    for (QWidget* area : {&board, &status}) {
        area->setProperty(GameProperty, QVariant::fromValue(static_cast<void*>(&game_)));
        // An object Qt made for the area before it carried its game is made again.
        if (QAccessible::isActive())
            QAccessible::deleteAccessibleInterface(
                QAccessible::uniqueId(QAccessible::queryAccessibleInterface(area)));
    }
}

GameAccessibility::~GameAccessibility()
{
    for (QWidget* area : {game_.Board.data(), game_.Status.data()}) {
        if (area)
            area->setProperty(GameProperty, QVariant());
    }
}

void GameAccessibility::AfterEvents(const MoveNews& news)
{
    if (!QAccessible::isActive())
        return;
    AccessibleBoard* board = BoardOf(game_.Board);
    if (!board)
        return;
    board->DropCellsOfOtherSize();
    const int32_t cursor = KeyCursorCell(game_.Session.game, game_.Session.screen);
    if (cursor != focusedCell_) {
        focusedCell_ = cursor;
        SendEvent(board->Cell(cursor), QAccessible::Focus);
    }
    if (!news.Empty())
        Tell(NewsText(news));
}

void GameAccessibility::TellWhere()
{
    if (QAccessible::isActive())
        Tell(
            WhereText(game_.Session.game, KeyCursorCell(game_.Session.game, game_.Session.screen)));
}

// A screen reader hears a changed description of the status area, and of the focused cell.
void GameAccessibility::Tell(const QString& text)
{
    game_.LastNews = text;
    QAccessibleInterface* status = QAccessible::queryAccessibleInterface(game_.Status);
    SendEvent(status, QAccessible::DescriptionChanged);
    // This toolkit's description events carry the object, not the words, so a screen reader
    // that speaks the words an event brings hears the news from the notification showing.
    if (auto* statusArea = dynamic_cast<AccessibleStatus*>(status))
        SendEvent(statusArea->News(), QAccessible::ObjectShow);
    if (AccessibleBoard* board = BoardOf(game_.Board))
        SendEvent(board->Cell(focusedCell_), QAccessible::DescriptionChanged);
}

} // namespace orvane
