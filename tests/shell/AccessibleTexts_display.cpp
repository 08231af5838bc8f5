// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/AccessibleTexts.h"
#include "support/GameFixture.h"

using namespace orvane;
using orvane::testing::GameFixture;

namespace {

class AccessibleTextsTest : public GameFixture { };

TEST_F(AccessibleTextsTest, CellsReadAsThePlayerSeesThem)
{
    LayMines({".*...", "**...", "....."});
    Click(2, 0);
    RightClick(1, 0);
    EXPECT_EQ(CellText(game, Index(2, 0)), "2");
    EXPECT_EQ(CellText(game, Index(1, 0)), "flagged");
    EXPECT_EQ(CellText(game, Index(0, 0)), "closed");
    EXPECT_EQ(WhereText(game, Index(2, 0)), "row 1, column 3, 2");
    Click(4, 2);
    EXPECT_EQ(CellText(game, Index(4, 2)), "empty");
    EXPECT_EQ(LeftCounterText(game), "mines left 2");

    LayMines({".*...", "**...", "....."}, PlayMode::VsHuman);
    Click(1, 1);
    const PlayerIndex finder = At(1, 1).Mark == CellMark::Flag ? Player1 : Player2;
    EXPECT_EQ(CellText(game, Index(1, 1)),
        QString("mine found by %1").arg(game.Players()[finder].Name.c_str()));
    EXPECT_EQ(PlayerPanelText(game, finder),
        QString("%1 to move").arg(game.Players()[finder].Name.c_str()));
}

TEST_F(AccessibleTextsTest, NewsTellsWhatTheMoveDid)
{
    MoveNews news;
    news.CellsOpened = 7;
    news.TurnTo = "A.I";
    EXPECT_EQ(NewsText(news), "7 cells opened, turn passes to A.I");
    news = {};
    news.CellsOpened = 1;
    news.Result = GameResult::Won;
    news.Seconds = 42;
    EXPECT_EQ(NewsText(news), "1 cell opened, game won in 42 seconds");
    news = {};
    news.MineFinder = "P1";
    EXPECT_EQ(NewsText(news), "mine found, P1 moves again");
}

} // namespace
