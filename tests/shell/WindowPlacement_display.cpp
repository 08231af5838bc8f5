// SPDX-License-Identifier: GPL-3.0-or-later
// On a small screen under a window manager the main window, frame and all, stays on the
// screen whatever board it grows to, moving only as far as it must; a board too large
// at the chosen cell size is shown with smaller cells, and the player is told so once.
#include "shell/MainMenu.h"
#include "support/WindowManagerFixture.h"

#include <QAction>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include <cstdlib>
#include <functional>

using namespace orvane;
using namespace orvane::testing;

namespace {

// Every message box shown while it watches, answered with OK.
class MessageWatch {
public:
    MessageWatch()
    {
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                texts << box->text();
                box->accept();
            }
        });
        timer_.start(20);
    }
    QStringList texts;

private:
    QTimer timer_;
};

// Runs a command that resizes the window and expects the window manager to show it
// whole in the work area, moved towards an edge only until it touches that edge.
void ExpectOnScreenAfter(const QWidget& window, const std::function<void()>& resize)
{
    const QRect before = FrameOnScreen(window);
    ASSERT_FALSE(before.isEmpty());
    const QSize clientBefore = window.size();
    resize();
    // The frame grows by what the window asked for, in the screen's pixels.
    const QSize size = before.size() + (window.size() - clientBefore) * window.devicePixelRatioF();
    const QRect area = WorkArea();
    QRect after;
    const bool placed = QTest::qWaitFor([&] {
        after = FrameOnScreen(window);
        return after.size() == size && area.contains(after);
    });
    ASSERT_TRUE(placed) << "the window lies at " << after.x() << "," << after.y() << " "
                        << after.width() << "x" << after.height() << " on a screen of "
                        << area.width() << "x" << area.height();
    // On a scaled screen the window's logical pixels round to within a pixel of an edge.
    const int slack = static_cast<int>(window.devicePixelRatioF()) - 1;
    const auto touches
        = [slack](int edge, int areaEdge) { return std::abs(edge - areaEdge) <= slack; };
    if (after.left() != before.left()) {
        EXPECT_TRUE(after.left() < before.left() ? touches(after.right(), area.right())
                                                 : touches(after.left(), area.left()))
            << "moved sideways further than needed, from " << before.left() << " to "
            << after.left();
    }
    if (after.top() != before.top()) {
        EXPECT_TRUE(after.top() < before.top() ? touches(after.bottom(), area.bottom())
                                               : touches(after.top(), area.top()))
            << "moved up or down further than needed, from " << before.top() << " to "
            << after.top();
    }
}

void Press(QWidget& window, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QTest::keyClick(window.windowHandle(), key, modifiers);
}

TEST_F(UnderWindowManager, ExpertAt36PixelsStaysOnTheScreenWithSmallerCellsTellingOnce)
{
    ASSERT_EQ(WorkArea().size(), QSize(1024, 768)) << "run on a 1024x768 screen";
    MessageWatch messages;
    Press(*form, Qt::Key_5, Qt::ControlModifier);
    ASSERT_EQ(form->session().screen.CellSize, 36);

    ExpectOnScreenAfter(*form, [&] { Press(*form, Qt::Key_F5); });
    EXPECT_EQ(form->session().screen.CellSize, 27);
    EXPECT_TRUE(form->Menu->Find(QStringLiteral("Size27"))->isChecked())
        << "the menu shows the size in use";
    ASSERT_TRUE(QTest::qWaitFor([&] { return !messages.texts.isEmpty(); }));
    EXPECT_EQ(messages.texts.join('\n').toStdString(),
        "This board does not fit on the screen with the block size 2.0 x, so it is shown at "
        "1.50 x. The block size 2.0 x comes back with the next board that fits.");

    // The chosen size comes back with a board that fits; nothing is said a second time.
    Press(*form, Qt::Key_F3);
    EXPECT_EQ(form->session().screen.CellSize, 36);
    ExpectOnScreenAfter(*form, [&] { Press(*form, Qt::Key_F5); });
    // A notice would have been posted by the layout that made the board; anything still
    // posted runs here, and a message box it opens is answered before this returns.
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(messages.texts.size(), 1);
}

TEST_F(UnderWindowManager, LargestCustomBoardStaysOnTheScreen)
{
    MessageWatch messages;
    ExpectOnScreenAfter(*form, [&] { NewBoard(35, 25, 10, 36); });
    EXPECT_EQ(form->session().screen.CellSize, 22);
}

class UnderWindowManagerAtScale2 : public UnderWindowManager { };

TEST_F(UnderWindowManagerAtScale2, ExpertStaysOnTheScreen)
{
    ASSERT_EQ(form->devicePixelRatioF(), 2) << "run with QT_SCALE_FACTOR=2";
    MessageWatch messages;
    ExpectOnScreenAfter(*form, [&] { Press(*form, Qt::Key_F5); });
    EXPECT_EQ(form->session().screen.CellSize, 16);
}

} // namespace
