// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/MainMenu.h"
#include "support/FakeCounter.h"
#include "support/MainWindowFixture.h"

#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>

using namespace orvane;
using orvane::testing::FakeCounter;
using orvane::testing::MainWindowFixture;

namespace {

// The real main window's loop, on a clock the test moves: what it draws and when its clock
// runs. Sleeps pass their time on it, as the real sleep's would; waiting for a message
// passes none.
class FrameLoopTest : public MainWindowFixture {
protected:
    FakeCounter time;
    CounterSource* Time() override { return &time; }

    void SetUp() override
    {
        time.sleepsPassTime = true;
        MainWindowFixture::SetUp();
        // An expert board: no first open wins the game and stops the clock at once.
        NewBoard(30, 16, 99, 22);
        // The window system shows the new size on its own time, and each area draws
        // again when it does: only then does the picture stand still.
        ASSERT_TRUE(QTest::qWaitFor([this] { return form->BoardArea->DrawNow(); }));
        ASSERT_TRUE(QTest::qWaitFor([this] {
            const Frames frames = FramesDuring(1);
            return frames.board + frames.status == 0;
        }));
    }

    void RunPasses(int passes)
    {
        for (int pass = 0; pass < passes; ++pass)
            form->RunLoopPass();
    }
    struct Frames {
        int board, status;
    };
    // Frames each area draws during the given number of loop passes.
    Frames FramesDuring(int passes)
    {
        const Frames before {form->BoardArea->FramesDrawn, form->StatusArea->FramesDrawn};
        RunPasses(passes);
        return {form->BoardArea->FramesDrawn - before.board,
            form->StatusArea->FramesDrawn - before.status};
    }
    void StartClock()
    {
        QTest::mouseClick(form->BoardArea, Qt::LeftButton, {}, QPoint(11, 11));
        ASSERT_EQ(game().CurrentState(), GameState::Playing);
        RunPasses(2);
    }
    void OpenGameMenu()
    {
        QMenu* menu = form->menuBar()->actions().first()->menu();
        menu->popup(form->mapToGlobal(QPoint(0, 0)));
        ASSERT_TRUE(QTest::qWaitFor([] { return QApplication::activePopupWidget() != nullptr; }));
    }
    static constexpr int64_t Second = 1'000'000;
};

TEST_F(FrameLoopTest, StaticScreenDrawsNothing)
{
    for (int pass = 0; pass < 3; ++pass) {
        time.now += Second;
        const Frames frames = FramesDuring(1);
        EXPECT_EQ(frames.board, 0);
        EXPECT_EQ(frames.status, 0);
    }
}

TEST_F(FrameLoopTest, ClockTickRedrawsTheStatusAreaOnly)
{
    StartClock();
    time.now += Second;
    // The pass that finds the second shows it in the next.
    Frames frames = FramesDuring(2);
    EXPECT_EQ(frames.board, 0);
    EXPECT_EQ(frames.status, 1);
    EXPECT_EQ(game().ElapsedSeconds(), 1);
    frames = FramesDuring(2);
    EXPECT_EQ(frames.board + frames.status, 0) << "nothing until the next second";
}

TEST_F(FrameLoopTest, MouseRedrawsTheAreasWhosePictureItChanges)
{
    QTest::mouseMove(form->BoardArea, QPoint(100, 100));
    Frames frames = FramesDuring(2);
    EXPECT_EQ(frames.board + frames.status, 0) << "hovering over the board changes nothing";

    QTest::mousePress(form->BoardArea, Qt::LeftButton, {}, QPoint(100, 100));
    frames = FramesDuring(2);
    EXPECT_EQ(frames.board, 1) << "the pressed cell";
    EXPECT_EQ(frames.status, 1) << "the face opens its mouth";

    QTest::mouseMove(form->BoardArea, QPoint(150, 100));
    frames = FramesDuring(2);
    EXPECT_EQ(frames.board, 1) << "the press moves to the next cell";
    EXPECT_EQ(frames.status, 0);
    QTest::mouseRelease(form->BoardArea, Qt::LeftButton, {}, QPoint(150, 100));
}

// The game clock runs through a held menu and a message box, and shows the time played
// as soon as the window is back.
TEST_F(FrameLoopTest, GameClockRunsThroughMenusAndMessageBoxes)
{
    StartClock();
    OpenGameMenu();
    RunPasses(40); // a frame's sleep each: 1.3 s
    QApplication::activePopupWidget()->close();
    QTimer::singleShot(0, [this] {
        time.now += Second;
        if (QWidget* box = QApplication::activeModalWidget())
            box->close();
    });
    form->session().platform.ShowMessage("Held", MessageIcon::Information);
    RunPasses(1);
    EXPECT_EQ(game().ElapsedSeconds(), 2) << "a held clock would show 0";
}

// A level chosen in a menu held open for seconds starts at once, and the next key acts in
// the next pass: no pass sleeps away the time the menu was open.
TEST_F(FrameLoopTest, CommandFromAHeldMenuAndTheNextKeyActAtOnce)
{
    OpenGameMenu();
    RunPasses(45); // 1.5 s
    form->Menu->Find(QStringLiteral("Expert"))->trigger();
    QApplication::activePopupWidget()->close();
    const size_t heldSleeps = time.sleeps.size();
    form->RunLoopPass();
    QTest::keyClick(form.get(), Qt::Key_F3);
    form->RunLoopPass();
    EXPECT_EQ(game().BoardWidth(), 9) << "F3 gave the beginner board";
    for (size_t sleep = heldSleeps; sleep < time.sleeps.size(); ++sleep)
        EXPECT_LE(time.sleeps[sleep], 34) << "no sleep is longer than a frame";
    EXPECT_GE(form->session().clock.FrameTime, 0.0);
}

// A quiet pass waits for messages, and handles a key that arrives meanwhile.
TEST_F(FrameLoopTest, KeyArrivingDuringAQuietWaitIsHandledInIt)
{
    QTimer::singleShot(50, [this] { QTest::keyClick(form.get(), Qt::Key_F4); });
    form->RunLoopPass();
    EXPECT_EQ(game().BoardWidth(), 16);
}

// Paused, the board shows no cell's content and the clock stands; P resumes, and so does a
// click on the board, which opens nothing.
TEST_F(FrameLoopTest, PauseHidesTheBoardAndStopsTheClockUntilPOrAClick)
{
    const QImage closed = BoardFrame();
    StartClock();
    const QImage playing = BoardFrame();
    QTest::keyClick(form.get(), Qt::Key_P);
    ASSERT_TRUE(game().Paused());
    time.now += 2 * Second;
    RunPasses(2);
    EXPECT_EQ(game().ElapsedSeconds(), 0);
    const QImage paused = BoardFrame();
    EXPECT_NE(paused, playing);
    // Away from the pause sign in the middle, the board is the closed board of a new game,
    // where the open corner showed its number.
    const QRect corner(0, 0, 3 * 22, 3 * 22);
    EXPECT_NE(playing.copy(corner), closed.copy(corner));
    EXPECT_EQ(paused.copy(corner), closed.copy(corner));

    QTest::keyClick(form.get(), Qt::Key_P);
    EXPECT_FALSE(game().Paused());
    EXPECT_EQ(BoardFrame(), playing);

    form->Menu->Find(QStringLiteral("Pause"))->trigger();
    ASSERT_TRUE(game().Paused());
    const int clicks = game().ClickCount();
    QTest::mouseClick(form->BoardArea, Qt::LeftButton, {}, QPoint(300, 300));
    EXPECT_FALSE(game().Paused());
    EXPECT_EQ(game().ClickCount(), clicks);
    EXPECT_EQ(BoardFrame(), playing);
}

TEST_F(FrameLoopTest, MinimisingOrLeavingForAnotherProgramPauses)
{
    StartClock();
    form->showMinimized();
    EXPECT_TRUE(game().Paused());
    form->showNormal();
    game().ResumeGame();
    emit qApp->applicationStateChanged(Qt::ApplicationInactive);
    EXPECT_TRUE(game().Paused());
}

// The bonus button of a two-player game is unavailable until a bonus is earned, and is
// drawn as a held one.
TEST_F(FrameLoopTest, UnavailableBonusButtonIsDrawnPressed)
{
    const QRect bonus(form->StatusArea->width() / 2 - 17, 6, 34, 14);
    game().PressBonusButton(true);
    const QImage pressed = StatusFrame().copy(bonus);
    game().PressBonusButton(false);
    ASSERT_NE(StatusFrame().copy(bonus), pressed);
    NewBoard(30, 16, 99, 22, PlayMode::VsHuman);
    ASSERT_FALSE(game().BonusButtonEnabled());
    EXPECT_EQ(StatusFrame().copy(bonus), pressed);
}

} // namespace
