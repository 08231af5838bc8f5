// SPDX-License-Identifier: GPL-3.0-or-later
// Mouse gestures on the board area of the real main window: Qt mouse events go to BoardArea
// and the game and the drawn board are checked.
#include "support/MainWindowFixture.h"
#include "support/MineLayout.h"

#include <functional>
#include <string>
#include <vector>

using namespace orvane;
using orvane::testing::ChordBoard;
using orvane::testing::MainWindowFixture;
using orvane::testing::NumberedBoard;

namespace {

class BoardGestureTest : public MainWindowFixture {
protected:
    // The board laid out from text in 22-pixel cells; closedFrame shows it before any open.
    void Lay(const std::vector<std::string>& rows)
    {
        form->session().settings.CellSize = 22;
        orvane::testing::DealLayout(game(), rows, PlayMode::Classic);
        form->session().TakeGameEvents();
        closedFrame = BoardFrame();
    }
    // Opens or flags a cell by the rules' command, without the mouse: no click is counted.
    void Act(CellGesture gesture, int x, int y)
    {
        for (const CellAction action : {CellAction::Press, CellAction::Release})
            game().ActOnCell(gesture, action, x + y * game().BoardWidth());
        form->session().TakeGameEvents();
    }

    const Cell& At(int x, int y) { return game().CellAt(x + y * game().BoardWidth()); }
    bool IsOpen(int x, int y) { return At(x, y).State == CellState::Open; }
    QRect CellRect(int x, int y)
    {
        const int size = form->session().screen.CellSize;
        return {x * size, y * size, size, size};
    }
    QPoint Centre(int x, int y) { return CellRect(x, y).center(); }

    // Whether cell (x, y) is drawn alike in two frames.
    bool SameCell(const QImage& a, const QImage& b, int x, int y)
    {
        return a.copy(CellRect(x, y)) == b.copy(CellRect(x, y));
    }

    std::vector<CellState> States() const
    {
        std::vector<CellState> states;
        for (const Cell& cell : form->game().Cells())
            states.push_back(cell.State);
        return states;
    }
    std::vector<bool> Flags() const
    {
        std::vector<bool> flags;
        for (const Cell& cell : form->game().Cells())
            flags.push_back(cell.Mark == CellMark::Flag);
        return flags;
    }

    void Press(Qt::MouseButton button, QPoint at)
    {
        QTest::mousePress(form->BoardArea, button, {}, at);
    }
    void Release(Qt::MouseButton button, QPoint at)
    {
        QTest::mouseRelease(form->BoardArea, button, {}, at);
    }
    void Click(Qt::MouseButton button, QPoint at)
    {
        Press(button, at);
        Release(button, at);
    }
    // With a button held, Qt Test sends the move to the area itself, wherever the point
    // lies, as the window system does for the area the button went down on.
    void Drag(QPoint to) { QTest::mouseMove(form->BoardArea, to); }
    // As the window system hands a double click to a widget: press, release, the second
    // press as the double-click event, release.
    void DoubleClick(QPoint at)
    {
        Click(Qt::LeftButton, at);
        QTest::mouseDClick(form->BoardArea, Qt::LeftButton, {}, at);
        Release(Qt::LeftButton, at);
    }

    QImage closedFrame;
};

TEST_F(BoardGestureTest, EveryPixelOfACellActsOnThatCell)
{
    NewBoard(7, 3, 10, 16);
    ASSERT_EQ(form->BoardArea->size(), QSize(7 * 16, 3 * 16));
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 7; ++x)
            for (const QPoint corner :
                {QPoint(0, 0), QPoint(15, 0), QPoint(0, 15), QPoint(15, 15)}) {
                const QPoint point = CellRect(x, y).topLeft() + corner;
                if (point.isNull())
                    continue; // Qt Test takes the point 0,0 for the middle of the area
                std::vector<bool> flags = Flags();
                flags[static_cast<size_t>(At(x, y).Index)].flip();
                Click(Qt::RightButton, point);
                EXPECT_EQ(Flags(), flags) << "pixel " << point.x() << "," << point.y();
            }
}

TEST_F(BoardGestureTest, DragCarriesThePressAlongAndOpensOnlyTheCellOfRelease)
{
    Lay(NumberedBoard);
    Press(Qt::LeftButton, Centre(1, 0));
    const QImage heldOnFirst = BoardFrame();
    EXPECT_FALSE(SameCell(heldOnFirst, closedFrame, 1, 0))
        << "the cell under the pointer is drawn sunken";
    Drag(Centre(2, 1));
    Drag(Centre(3, 1));
    const QImage heldOnLast = BoardFrame();
    EXPECT_TRUE(SameCell(heldOnLast, closedFrame, 1, 0));
    EXPECT_TRUE(SameCell(heldOnLast, closedFrame, 2, 1));
    EXPECT_FALSE(SameCell(heldOnLast, closedFrame, 3, 1));

    Release(Qt::LeftButton, Centre(3, 1));
    EXPECT_TRUE(IsOpen(3, 1));
    std::vector<CellState> othersClosed(15, CellState::Closed);
    othersClosed[static_cast<size_t>(At(3, 1).Index)] = At(3, 1).State;
    EXPECT_EQ(States(), othersClosed);
    EXPECT_EQ(game().ClickCount(), 1);
    EXPECT_EQ(game().CurrentState(), GameState::Playing);
}

TEST_F(BoardGestureTest, DragOutOfTheBoardOpensNothingAndLeavesNothingPressed)
{
    Lay(NumberedBoard);
    const QImage before = BoardFrame();
    const std::vector<CellState> states = States();
    const int w = form->BoardArea->width();
    const int h = form->BoardArea->height();
    for (const Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton})
        for (const QPoint outside :
            {QPoint(-1, 30), QPoint(w, 30), QPoint(50, -1), QPoint(50, h)}) {
            SCOPED_TRACE(::testing::Message()
                << "button " << button << " out at " << outside.x() << "," << outside.y());
            Press(button, Centre(3, 1));
            Drag(Centre(2, 1));
            // A flag target is never drawn sunken; the others are.
            if (button != Qt::RightButton) {
                EXPECT_NE(BoardFrame(), before);
            }
            Drag(outside);
            Release(button, outside);
            EXPECT_EQ(States(), states);
            EXPECT_EQ(Flags(), std::vector<bool>(15, false));
            EXPECT_EQ(form->session().screen.PressedCell, -1);
            EXPECT_EQ(form->session().screen.Gesture, BoardGesture::None);
            EXPECT_EQ(game().Face(), FaceLook::Smiling);
            EXPECT_EQ(game().ClickCount(), 0);
            EXPECT_EQ(BoardFrame(), before);
        }
}

TEST_F(BoardGestureTest, LeftAndRightTogetherChordAtTheFirstReleaseAndCountOneClick)
{
    for (const Qt::MouseButton pressedFirst : {Qt::LeftButton, Qt::RightButton})
        for (const Qt::MouseButton releasedFirst : {Qt::LeftButton, Qt::RightButton}) {
            SCOPED_TRACE(::testing::Message()
                << "pressed first " << pressedFirst << ", released first " << releasedFirst);
            const auto other = [](Qt::MouseButton b) {
                return b == Qt::LeftButton ? Qt::RightButton : Qt::LeftButton;
            };
            Lay(ChordBoard);
            Act(CellGesture::Open, 1, 1);
            ASSERT_EQ(At(1, 1).Value, 5);
            for (const QPoint mine : {QPoint(0, 0), QPoint(2, 0), QPoint(0, 2), QPoint(1, 2),
                     QPoint(2, 2), QPoint(3, 2)})
                Act(CellGesture::Flag, mine.x(), mine.y());
            const QImage before = BoardFrame();

            Press(pressedFirst, Centre(1, 1));
            Press(other(pressedFirst), Centre(1, 1));
            const QImage held = BoardFrame();
            for (const QPoint neighbour : {QPoint(1, 0), QPoint(0, 1), QPoint(2, 1)})
                EXPECT_FALSE(SameCell(held, before, neighbour.x(), neighbour.y()))
                    << "sunken neighbour";
            EXPECT_TRUE(SameCell(held, before, 3, 0));
            EXPECT_TRUE(SameCell(held, before, 3, 1));

            Release(releasedFirst, Centre(1, 1));
            EXPECT_TRUE(IsOpen(1, 0) && IsOpen(0, 1) && IsOpen(2, 1))
                << "the chord is carried out at once";
            EXPECT_EQ(At(3, 0).State, CellState::Closed);
            EXPECT_EQ(At(3, 1).State, CellState::Closed);
            EXPECT_EQ(game().ClickCount(), 0);
            const std::vector<CellState> chorded = States();

            Release(other(releasedFirst), Centre(1, 1));
            EXPECT_EQ(States(), chorded) << "the second release changes nothing";
            EXPECT_EQ(game().ClickCount(), 1);
            EXPECT_EQ(form->session().screen.PressedCell, -1);
            EXPECT_EQ(form->session().screen.Gesture, BoardGesture::None);
            EXPECT_EQ(game().CurrentState(), GameState::Playing);
        }
}

TEST_F(BoardGestureTest, DoubleClickOnALostBoardStartsANewOneAndOpensNothingOfIt)
{
    Lay(NumberedBoard);
    Click(Qt::LeftButton, Centre(0, 0));
    ASSERT_EQ(game().CurrentState(), GameState::Lost);
    ASSERT_NE(BoardFrame(), closedFrame);

    DoubleClick(Centre(1, 1));
    EXPECT_EQ(game().CurrentState(), GameState::Ready);
    EXPECT_EQ(States(), std::vector<CellState>(15, CellState::Closed));
    EXPECT_EQ(game().ClickCount(), 0);
    EXPECT_EQ(game().Face(), FaceLook::Smiling);
    EXPECT_EQ(BoardFrame(), closedFrame);

    // Only the press that completed the double click was swallowed.
    Click(Qt::LeftButton, Centre(1, 1));
    EXPECT_NE(game().CurrentState(), GameState::Ready);
    EXPECT_NE(At(1, 1).State, CellState::Closed);
    EXPECT_EQ(game().ClickCount(), 1);
}

TEST_F(BoardGestureTest, DoubleClickOnARunningBoardIsTwoClicks)
{
    Lay(NumberedBoard);
    DoubleClick(Centre(1, 0));
    EXPECT_EQ(game().CurrentState(), GameState::Playing);
    EXPECT_TRUE(IsOpen(1, 0));
    EXPECT_EQ(game().ClickCount(), 2);
}

TEST_F(BoardGestureTest, ClickCountCountsEveryCompletedGestureInsideTheBoard)
{
    Lay(NumberedBoard);
    const QPoint number = Centre(1, 0);
    const QPoint closed = Centre(3, 1);
    const QPoint outside(-1, 5);
    struct Step {
        const char* what;
        std::function<void()> gesture;
        int clicks;
    };
    const Step steps[] = {
        {"open a cell", [&] { Click(Qt::LeftButton, number); }, 1},
        {"left click on the open cell", [&] { Click(Qt::LeftButton, number); }, 1},
        {"flag", [&] { Click(Qt::RightButton, closed); }, 1},
        {"unflag", [&] { Click(Qt::RightButton, closed); }, 1},
        {"middle click on the number", [&] { Click(Qt::MiddleButton, number); }, 1},
        {"left drag out",
            [&] {
                Press(Qt::LeftButton, closed);
                Drag(outside);
                Release(Qt::LeftButton, outside);
            },
            0},
        {"left and right, one released after the other",
            [&] {
                Press(Qt::LeftButton, number);
                Press(Qt::RightButton, number);
                Release(Qt::LeftButton, number);
                Release(Qt::RightButton, number);
            },
            1},
        {"double click on the number", [&] { DoubleClick(number); }, 2},
    };
    int expected = 0;
    for (const Step& step : steps) {
        step.gesture();
        expected += step.clicks;
        EXPECT_EQ(game().ClickCount(), expected) << step.what;
    }
    EXPECT_EQ(game().CurrentState(), GameState::Playing);
}

} // namespace
