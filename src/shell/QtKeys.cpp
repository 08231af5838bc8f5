// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/QtKeys.h"

#include "session/Keyboard.h"

#include <QKeyEvent>

namespace orvane {

std::optional<BoardKey> BoardKeyOf(const QKeyEvent& event)
{
    if ((event.modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
        return std::nullopt;
    switch (event.key()) {
    case Qt::Key_Left:
        return BoardKey::Left;
    case Qt::Key_Right:
        return BoardKey::Right;
    case Qt::Key_Up:
        return BoardKey::Up;
    case Qt::Key_Down:
        return BoardKey::Down;
    case Qt::Key_Home:
        return BoardKey::RowStart;
    case Qt::Key_End:
        return BoardKey::RowEnd;
    case Qt::Key_PageUp:
        return BoardKey::ColumnTop;
    case Qt::Key_PageDown:
        return BoardKey::ColumnBottom;
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return BoardKey::Open;
    case Qt::Key_F:
        return BoardKey::Flag;
    default:
        return std::nullopt;
    }
}

bool IsWhereKey(const QKeyEvent& event)
{
    return event.key() == Qt::Key_W && (event.modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
}

char GameKeyOf(const QKeyEvent& event)
{
    if (event.key() == Qt::Key_Escape)
        return EscapeKey;
    return event.text().size() == 1 ? event.text().at(0).toLatin1() : '\0';
}

} // namespace orvane
