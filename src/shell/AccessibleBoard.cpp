// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/AccessibleBoard.h"

#include "input/BoardKeys.h"
#include "session/GameSession.h"
#include "shell/Accessibility.h"
#include "shell/AccessibleLeaf.h"
#include "shell/AccessibleTexts.h"

namespace orvane {

namespace {

const QString OpenAction = QStringLiteral("open");
const QString ChordAction = QStringLiteral("chord");
const QString FlagAction = QStringLiteral("flag");

// One board cell: its row and column, what a player sees on it, and the three clicks.
// It belongs to a board of one size; on a board of another size it is invalid.
class AccessibleCell final : public AccessibleLeaf,
                             public QAccessibleTableCellInterface,
                             public QAccessibleActionInterface {
public:
    AccessibleCell(AccessibleGame& game, int index, int width, int height) :
        AccessibleLeaf(game.Board), game_(game), index_(index), width_(width), height_(height)
    {
    }

    bool isValid() const override
    {
        const Game& g = game_.Session.game;
        return game_.Board && g.BoardWidth() == width_ && g.BoardHeight() == height_
            && g.BoardMatchesSize();
    }

    QString text(QAccessible::Text t) const override
    {
        if (!isValid())
            return {};
        if (t == QAccessible::Name)
            return CellText(game_.Session.game, index_);
        if (t == QAccessible::Description && Focused())
            return game_.LastNews;
        return {};
    }
    void setText(QAccessible::Text, const QString&) override { }
    QRect rect() const override
    {
        if (!isValid())
            return {};
        const int size = game_.Session.screen.CellSize;
        const QPoint corner
            = game_.Board->mapToGlobal(QPoint(columnIndex() * size, rowIndex() * size));
        return {corner, QSize(size, size)};
    }
    QAccessible::Role role() const override { return QAccessible::Cell; }
    QAccessible::State state() const override
    {
        QAccessible::State state;
        state.focusable = true;
        state.focused = Focused();
        state.invalid = !isValid();
        return state;
    }
    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TableCellInterface)
            return static_cast<QAccessibleTableCellInterface*>(this);
        if (type == QAccessible::ActionInterface)
            return static_cast<QAccessibleActionInterface*>(this);
        return nullptr;
    }

    bool isSelected() const override { return false; }
    QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return index_ % width_; }
    int rowIndex() const override { return index_ / width_; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override { return parent(); }

    QStringList actionNames() const override { return {OpenAction, ChordAction, FlagAction}; }
    QString localizedActionName(const QString& name) const override
    {
        if (name == OpenAction)
            return Accessibility::tr("open");
        return name == ChordAction ? Accessibility::tr("chord") : Accessibility::tr("flag");
    }
    QString localizedActionDescription(const QString& name) const override
    {
        if (name == OpenAction)
            return Accessibility::tr("opens the cell");
        return name == ChordAction
            ? Accessibility::tr("opens the neighbours of a number whose flags match it")
            : Accessibility::tr("puts a flag on the cell or takes it away");
    }
    // Each action clicks the button the mouse would, as the keys do.
    void doAction(const QString& name) override
    {
        if (!isValid())
            return;
        MouseButton button = MouseButton::Left;
        if (name == ChordAction)
            button = MouseButton::Middle;
        else if (name == FlagAction)
            button = MouseButton::Right;
        else if (name != OpenAction)
            return;
        game_.Session.ClickBoardCell(button, index_);
    }
    QStringList keyBindingsForAction(const QString& name) const override
    {
        return {name == FlagAction ? QStringLiteral("F") : QStringLiteral("Space")};
    }

private:
    bool Focused() const
    {
        return KeyCursorCell(game_.Session.game, game_.Session.screen) == index_;
    }

    AccessibleGame& game_;
    const int index_;
    const int width_;
    const int height_;
};

} // namespace

AccessibleBoard::AccessibleBoard(QWidget* board, AccessibleGame& game) :
    QAccessibleWidget(board, QAccessible::Table), game_(game)
{
}

AccessibleBoard::~AccessibleBoard()
{
    DropCells();
}

QString AccessibleBoard::text(QAccessible::Text t) const
{
    if (t == QAccessible::Name)
        return Accessibility::tr("board");
    if (t == QAccessible::Description)
        return game_.LastNews;
    return {};
}

int AccessibleBoard::childCount() const
{
    return rowCount() * columnCount();
}

QAccessibleInterface* AccessibleBoard::child(int index) const
{
    return Cell(index);
}

int AccessibleBoard::indexOfChild(const QAccessibleInterface* child) const
{
    // Every cell of this board is in the cache; one of a board gone is not.
    DropCellsOfOtherSize();
    for (const auto& [index, id] : cells_)
        if (QAccessible::accessibleInterface(id) == child)
            return index;
    return -1;
}

QAccessibleInterface* AccessibleBoard::childAt(int x, int y) const
{
    const QPoint local = widget()->mapFromGlobal(QPoint(x, y));
    const int size = game_.Session.screen.CellSize;
    if (local.x() < 0 || local.y() < 0 || size <= 0)
        return nullptr;
    return cellAt(local.y() / size, local.x() / size);
}

QAccessibleInterface* AccessibleBoard::focusChild() const
{
    return Cell(KeyCursorCell(game_.Session.game, game_.Session.screen));
}

void* AccessibleBoard::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::TableInterface)
        return static_cast<QAccessibleTableInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
}

QAccessibleInterface* AccessibleBoard::cellAt(int row, int column) const
{
    if (row < 0 || column < 0 || row >= rowCount() || column >= columnCount())
        return nullptr;
    return Cell(row * columnCount() + column);
}

QString AccessibleBoard::columnDescription(int column) const
{
    return Accessibility::tr("column %1").arg(column + 1);
}

QString AccessibleBoard::rowDescription(int row) const
{
    return Accessibility::tr("row %1").arg(row + 1);
}

int AccessibleBoard::columnCount() const
{
    return game_.Session.game.BoardMatchesSize() ? game_.Session.game.BoardWidth() : 0;
}

int AccessibleBoard::rowCount() const
{
    return game_.Session.game.BoardMatchesSize() ? game_.Session.game.BoardHeight() : 0;
}

QAccessibleInterface* AccessibleBoard::Cell(int index) const
{
    if (index < 0 || index >= childCount())
        return nullptr;
    DropCellsOfOtherSize();
    if (const auto made = cells_.find(index); made != cells_.end())
        return QAccessible::accessibleInterface(made->second);
    auto* cell = new AccessibleCell(game_, index, width_, height_);
    cells_.emplace(index, QAccessible::registerAccessibleInterface(cell));
    return cell;
}

void AccessibleBoard::DropCellsOfOtherSize() const
{
    const Game& game = game_.Session.game;
    if (game.BoardWidth() == width_ && game.BoardHeight() == height_)
        return;
    DropCells();
    width_ = game.BoardWidth();
    height_ = game.BoardHeight();
}

void AccessibleBoard::DropCells() const
{
    for (const auto& [index, id] : cells_)
        QAccessible::deleteAccessibleInterface(id);
    cells_.clear();
}

} // namespace orvane
