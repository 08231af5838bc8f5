// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/ReplayViewer.h"
#include "shell/ReplayWindow.h"
#include "support/MainWindowFixture.h"

using namespace orvane;
using orvane::testing::MainWindowFixture;

namespace {

using ReplayWindowTest = MainWindowFixture;

// The replay draws with the main window's context and pictures: at the moment a game
// stands in the main window, both boards are the same picture.
TEST_F(ReplayWindowTest, ShowsTheBoardAsTheMainWindowDrewIt)
{
    NewLayout({"*.......", "........", "......*.", "........"}, 22);
    Click(7, 0);
    Act(CellGesture::Open, CellAction::Press, 0, 3);
    const QImage played = BoardFrame();

    ReplayWindow replay(*form->StatusArea, form->render(), form->session().screen, form.get());
    replay.Show(ReplayFile {game().Recorded(), {"Tester"}, 0});
    replay.Viewer()->Pause();
    replay.Viewer()->End();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&replay));
    ASSERT_TRUE(QTest::qWaitFor([&] { return replay.BoardArea->DrawNow(); }));
    const QImage shown = replay.BoardArea->grabFramebuffer().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(shown, played);
    EXPECT_EQ(replay.windowTitle(), QStringLiteral("Replay \u2013 Tester"));
    // The main window's frames draw as before.
    EXPECT_EQ(BoardFrame(), played);
}

} // namespace
