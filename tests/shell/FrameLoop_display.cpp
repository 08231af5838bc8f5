// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/MainWindowFixture.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>

using namespace orvane;
using orvane::testing::MainWindowFixture;

namespace {

// The real main window's loop: what it draws and when its clock runs.
class FrameLoopTest : public MainWindowFixture {
protected:
    void SetUp() override
    {
        MainWindowFixture::SetUp();
        // An expert board: no first open wins the game and stops the clock at once.
        NewBoard(30, 16, 99, 22);
        // The window system shows the new size on its own time, and each area draws
        // again when it does: only then does the picture stand still.
        ASSERT_TRUE(QTest::qWaitFor([this] { return form->PGame->DrawNow(); }));
        RunPasses(300);
    }

    void RunPasses(int milliseconds)
    {
        QElapsedTimer timer;
        timer.start();
        while (timer.elapsed() < milliseconds)
            form->RunLoopPass();
    }
    struct Frames {
        int board, status;
    };
    // Frames each area draws during the given time of loop passes.
    Frames FramesDuring(int milliseconds)
    {
        const Frames before {form->PGame->FramesDrawn, form->PStat->FramesDrawn};
        RunPasses(milliseconds);
        return {form->PGame->FramesDrawn - before.board, form->PStat->FramesDrawn - before.status};
    }
    void StartClock()
    {
        QTest::mouseClick(form->PGame, Qt::LeftButton, {}, QPoint(11, 11));
        ASSERT_EQ(game().CurrentState, GameState::Playing);
        RunPasses(100);
    }
};

TEST_F(FrameLoopTest, StaticScreenDrawsNothing)
{
    const Frames frames = FramesDuring(1000);
    EXPECT_EQ(frames.board, 0);
    EXPECT_EQ(frames.status, 0);
}

TEST_F(FrameLoopTest, ClockTickRedrawsTheStatusAreaOnly)
{
    StartClock();
    const Frames frames = FramesDuring(1300);
    EXPECT_EQ(frames.board, 0);
    EXPECT_GE(frames.status, 1);
    EXPECT_LE(frames.status, 2) << "once a second";
    EXPECT_GE(game().ElapsedSeconds, 1);
}

TEST_F(FrameLoopTest, MouseRedrawsTheAreasWhosePictureItChanges)
{
    QTest::mouseMove(form->PGame, QPoint(100, 100));
    Frames frames = FramesDuring(100);
    EXPECT_EQ(frames.board + frames.status, 0) << "hovering over the board changes nothing";

    QTest::mousePress(form->PGame, Qt::LeftButton, {}, QPoint(100, 100));
    frames = FramesDuring(100);
    EXPECT_EQ(frames.board, 1) << "the pressed cell";
    EXPECT_EQ(frames.status, 1) << "the face opens its mouth";

    QTest::mouseMove(form->PGame, QPoint(150, 100));
    frames = FramesDuring(100);
    EXPECT_EQ(frames.board, 1) << "the press moves to the next cell";
    EXPECT_EQ(frames.status, 0);
    QTest::mouseRelease(form->PGame, Qt::LeftButton, {}, QPoint(150, 100));
}

TEST_F(FrameLoopTest, OpenMenuHoldsTheClock)
{
    StartClock();
    QMenu* menu = form->menuBar()->actions().first()->menu();
    menu->popup(form->mapToGlobal(QPoint(0, 0)));
    ASSERT_TRUE(QTest::qWaitFor([] { return QApplication::activePopupWidget() != nullptr; }));
    RunPasses(1500);
    menu->close();
    RunPasses(300);
    EXPECT_EQ(game().ElapsedSeconds, 0);
}

TEST_F(FrameLoopTest, MessageBoxHoldsTheClock)
{
    StartClock();
    QTimer::singleShot(1500, [] {
        if (QWidget* box = QApplication::activeModalWidget())
            box->close();
    });
    game().platform.ShowMessage("Held", MessageIcon::Information);
    RunPasses(300);
    EXPECT_EQ(game().ElapsedSeconds, 0);
}

} // namespace
