// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/GameFixture.h"

using namespace orvane;
using orvane::testing::GameFixture;

namespace {

class HintTest : public GameFixture {
protected:
    int HintAt(int x, int y) const { return x + y * game.BoardWidth(); }
};

// The first open shows two 1s beside (2, 0) and (2, 1): one of them is the board's only
// mine, so the mine count makes (3, 0) and (3, 1) certainly safe.
TEST_F(HintTest, MarksACertainlySafeCellAndCostsTenSeconds)
{
    LayMines({"..*.", "...."});
    Click(0, 0);
    game.ElapsedSeconds() = 5;
    game.GiveHint();
    EXPECT_TRUE(game.HintCell() == HintAt(3, 0) || game.HintCell() == HintAt(3, 1));
    EXPECT_EQ(game.Message.Stage, BarStage::Idle);
    EXPECT_EQ(game.ElapsedSeconds(), 15);
    EXPECT_EQ(game.FrameTimer.SecondsSinceMark(), 10);
    EXPECT_EQ(game.HintsUsed(), 1);

    // The next move takes the mark away.
    RightClick(3, 1);
    EXPECT_EQ(game.HintCell(), -1);
}

// A flag is no proof: the flagged (1, 0) stays one of the three closed cells beside the
// 1 at (0, 0), each a mine in a third of the layouts. The board's other mine lies in one
// of the five cells no number touches, a fifth each: the safest.
TEST_F(HintTest, WithoutASafeCellMarksTheSafestAndPostsItsChance)
{
    LayMines({".*.", "..*", "..."});
    Click(0, 0);
    RightClick(1, 0);
    game.GiveHint();
    const int hint = game.HintCell();
    EXPECT_TRUE(hint == HintAt(2, 0) || hint >= HintAt(2, 1)) << hint;
    EXPECT_EQ(game.Message.Text, "20% mine");
    EXPECT_TRUE(game.Message.AlsoInClassic);
    EXPECT_EQ(game.HintsUsed(), 1);
}

TEST_F(HintTest, NotOfferedBeforeTheFirstOpenNorInTwoPlayerGames)
{
    StartBoard(9, 9, 10);
    game.GiveHint();
    EXPECT_EQ(game.HintCell(), -1);
    LayMines({"*.", ".."}, PlayMode::VsHuman);
    game.GiveHint();
    EXPECT_EQ(game.HintCell(), -1);
    EXPECT_EQ(game.HintsUsed(), 0);
}

} // namespace
