// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/GameFixture.h"

using namespace orvane;
using orvane::testing::GameFixture;

namespace {

class HintTest : public GameFixture { };

// The first open shows two 1s beside (2, 0) and (2, 1): one of them is the board's only
// mine, so the mine count makes (3, 0) and (3, 1) certainly safe.
TEST_F(HintTest, MarksACertainlySafeCellAndCostsTenSeconds)
{
    LayMines({"..*.", "...."});
    Click(0, 0);
    counter.now += 5 * counter.frequency;
    clock.Tick();
    game.ShowGameClock();
    ASSERT_EQ(game.ElapsedSeconds(), 5);
    game.GiveHint();
    TakeEvents();
    EXPECT_TRUE(game.HintCell() == Index(3, 0) || game.HintCell() == Index(3, 1));
    EXPECT_TRUE(Messages().empty());
    EXPECT_EQ(game.ElapsedSeconds(), 15);
    EXPECT_EQ(clock.SecondsSinceMark(), 15);
    EXPECT_EQ(game.HintsUsed(), 1);

    // The next move takes the mark away; the next game counts its hints afresh.
    RightClick(3, 1);
    EXPECT_EQ(game.HintCell(), -1);
    StartBoard(9, 9, 10);
    EXPECT_EQ(game.HintsUsed(), 0);
}

// A flag on the certainly safe (3, 0) is a mistake the hint does not repeat: it points at
// the safe cell left unflagged.
TEST_F(HintTest, PrefersASafeCellWithoutAFlag)
{
    LayMines({"..*.", "...."});
    Click(0, 0);
    RightClick(3, 0);
    game.GiveHint();
    EXPECT_EQ(game.HintCell(), Index(3, 1));
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
    TakeEvents();
    const int hint = game.HintCell();
    EXPECT_TRUE(hint == Index(2, 0) || hint >= Index(2, 1)) << hint;
    const auto posted = Told<MessagePosted>();
    ASSERT_EQ(posted.size(), 1U);
    EXPECT_EQ(posted[0].Text, "20% mine");
    EXPECT_TRUE(posted[0].AlsoInClassic);
    EXPECT_EQ(game.HintsUsed(), 1);
}

TEST_F(HintTest, NotOfferedBeforeTheFirstOpenNorWhilePausedNorInTwoPlayerGames)
{
    StartBoard(9, 9, 10);
    game.GiveHint();
    EXPECT_EQ(game.HintCell(), -1);
    LayMines({"..*.", "...."});
    Click(0, 0);
    game.PauseGame();
    game.GiveHint();
    EXPECT_EQ(game.HintCell(), -1);
    game.ResumeGame();
    LayMines({"*.", ".."}, PlayMode::VsHuman);
    Click(1, 1);
    ASSERT_EQ(game.CurrentState(), GameState::Playing);
    game.GiveHint();
    EXPECT_EQ(game.HintCell(), -1);
    EXPECT_EQ(game.HintsUsed(), 0);
}

} // namespace
