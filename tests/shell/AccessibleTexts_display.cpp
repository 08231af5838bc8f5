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
    EXPECT_EQ(WhereText(game, Index(0, 0)), "row 1, column 1, closed");
    Click(4, 2);
    EXPECT_EQ(CellText(game, Index(4, 2)), "empty");
    game.PauseGame();
    EXPECT_EQ(CellText(game, Index(4, 2)), "closed") << "the pause hides the board";
    game.ResumeGame();
    EXPECT_EQ(LeftCounterText(game), "mines left 2");
    Click(0, 1);
    EXPECT_EQ(FaceText(game), "new game, game lost");

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
    news = {};
    news.Result = GameResult::Lost;
    EXPECT_EQ(NewsText(news), "game lost");
    news.Winner = "P2";
    EXPECT_EQ(NewsText(news), "P2 wins the game");
}

TEST_F(AccessibleTextsTest, TwoPlayersHearWhoFoundWhatAndWhoMoves)
{
    LayMines({".*..*", "**...", "....."}, PlayMode::VsHuman);
    const PlayerIndex first = game.CurrentPlayer();
    const PlayerIndex second = OtherPlayer(first);
    const auto name = [this](PlayerIndex player) {
        return QString::fromStdString(game.Players()[player].Name);
    };
    Click(1, 1);
    Click(2, 0); // a 2: the turn passes, to the player given the bonus
    game.ToggleBonus();
    EXPECT_EQ(BonusText(game), "bonus armed");
    game.ToggleBonus();
    Click(4, 0);
    EXPECT_EQ(CellText(game, Index(1, 1)), "mine found by " + name(first));
    EXPECT_EQ(CellText(game, Index(4, 0)), "mine found by " + name(second));
    EXPECT_EQ(RightCounterText(game), name(Player2) + " found 1");
    EXPECT_EQ(PlayerPanelText(game, second), name(second) + " to move");
    Click(1, 0);
    Click(0, 1);
    ASSERT_FALSE(game.IsRunning()) << "three of the four mines win";
    EXPECT_EQ(PlayerPanelText(game, second), name(second)) << "no one moves once it is won";
}

} // namespace
