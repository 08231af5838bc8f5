// SPDX-License-Identifier: GPL-3.0-or-later
// The board and status area as assistive technology finds them in the real main window.
#include "support/MainWindowFixture.h"

#include <QAccessible>

using namespace orvane;
using namespace orvane::testing;

namespace {

class AccessibleAreasTest : public MainWindowFixture {
protected:
    QAccessibleInterface* Board() { return QAccessible::queryAccessibleInterface(form->BoardArea); }
    QAccessibleInterface* CellAt(int row, int column)
    {
        return Board()->tableInterface()->cellAt(row, column);
    }
    void Do(int row, int column, const QString& action)
    {
        CellAt(row, column)->actionInterface()->doAction(action);
        form->session().TakeGameEvents();
    }
};

// A board wider than high, so that a row and a column mixed up show.
TEST_F(AccessibleAreasTest, CellsAreFoundByRowAndColumnAndPlayedByTheirActions)
{
    ASSERT_EQ(CellAt(0, 0)->text(QAccessible::Name), "closed") << "a cell of the board before";
    NewLayout({"*....", ".....", "....*"}, 16);
    ASSERT_EQ(Board()->tableInterface()->rowCount(), 3);
    ASSERT_EQ(Board()->tableInterface()->columnCount(), 5);
    QAccessibleInterface* corner = CellAt(2, 4);
    EXPECT_EQ(corner->tableCellInterface()->rowIndex(), 2);
    EXPECT_EQ(corner->tableCellInterface()->columnIndex(), 4);
    const QPoint middle = corner->rect().center();
    EXPECT_EQ(Board()->childAt(middle.x(), middle.y()), corner);

    Do(1, 1, "open");
    Do(0, 0, "flag");
    EXPECT_EQ(CellAt(1, 1)->text(QAccessible::Name), "1");
    EXPECT_EQ(CellAt(0, 0)->text(QAccessible::Name), "flagged");
    EXPECT_EQ(CellAt(0, 2)->text(QAccessible::Name), "closed");
    Do(1, 1, "chord");
    EXPECT_EQ(CellAt(0, 2)->text(QAccessible::Name), "empty");
    EXPECT_EQ(CellAt(2, 3)->text(QAccessible::Name), "1");
}

TEST_F(AccessibleAreasTest, TwoPlayersStatusTellsBothPanelsAndTheNewsLast)
{
    NewLayout({"*....", ".....", "....*"}, 16, PlayMode::VsHuman);
    QAccessibleInterface* status = QAccessible::queryAccessibleInterface(form->StatusArea);
    ASSERT_EQ(status->childCount(), 7);
    const PlayerIndex first = game().CurrentPlayer();
    const QString firstName = QString::fromStdString(game().Players()[first].Name);
    EXPECT_EQ(status->child(4 + first)->text(QAccessible::Name), firstName + " to move");
    EXPECT_EQ(status->child(6)->role(), QAccessible::Notification);
    EXPECT_EQ(status->indexOfChild(status->child(6)), 6);

    QAccessibleInterface* panel = status->child(4);
    NewLayout({"*....", ".....", "....*"}, 16);
    ASSERT_EQ(status->childCount(), 5);
    EXPECT_EQ(status->indexOfChild(panel), -1) << "Classic shows no panels";
    EXPECT_EQ(status->indexOfChild(status->child(4)), 4);
}

} // namespace
