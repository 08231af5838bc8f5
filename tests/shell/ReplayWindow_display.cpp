// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/StatisticsWindow.h"
#include "game/BoardCode.h"
#include "session/ReplayViewer.h"
#include "shell/ReplayWindow.h"
#include "support/MainWindowFixture.h"

#include <QPushButton>
#include <QTableWidget>
#include <QTimer>

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

// A won game is found in the statistics list, watched in the replay window and its board
// played again, through the list's buttons.
TEST_F(ReplayWindowTest, AGameWonIsWatchedAndPlayedAgainFromTheStatistics)
{
    // 8 x 4 with mines on cells 0 and 22; the board is opened from cell 7.
    std::vector<int16_t> order;
    for (int16_t cell = 1; cell < 32; ++cell)
        if (cell != 22 && cell != 7)
            order.push_back(cell);
    order.insert(order.end(), {7, 0, 22});
    const std::optional<std::string> code = WriteBoardCode(8, 4, order, 29, 7);
    ASSERT_TRUE(code);
    ASSERT_TRUE(form->session().PlayBoardCode(*code).Empty());
    Click(7, 0);
    for (int cell = ClosedSafeCell(); cell >= 0; cell = ClosedSafeCell())
        Click(cell % 8, cell / 8);
    ASSERT_EQ(game().CurrentState(), GameState::Won);
    const RecordedGame won = game().Recorded();

    SecondaryWindows& windows = form->windows();
    const auto chooseAndPress = [&](const char* button) {
        QTimer::singleShot(0, [&windows, button] {
            auto* list
                = windows.Statistics->findChild<QTableWidget*>(QStringLiteral("LatestGames"));
            list->selectRow(0);
            windows.Statistics->findChild<QPushButton*>(QString::fromLatin1(button))->click();
        });
        windows.RunStatistics();
    };
    chooseAndPress("WatchReplay");
    ASSERT_TRUE(QTest::qWaitForWindowExposed(windows.Replay));
    EXPECT_EQ(windows.Replay->Viewer()->Record(), won);
    EXPECT_TRUE(windows.Replay->windowTitle().startsWith(QStringLiteral("Replay \u2013 ")));
    windows.Replay->close();

    chooseAndPress("PlayBoardAgain");
    EXPECT_EQ(game().CurrentState(), GameState::Ready);
    EXPECT_EQ(game().HintCell(), 7);
    Click(7, 0);
    EXPECT_EQ(game().CellOrder(), won.Start.CellOrder);
}

} // namespace
