// SPDX-License-Identifier: GPL-3.0-or-later
// Hand-played games on one board, each counter worked out by hand. The board
//     *2*10
//     13220
//     01*10
// has two openings (the right two columns with their border, and the 0 at the bottom
// left with its three numbers) and the two lone 2s at the top and the middle, which touch:
// one island, and 3BV = 2 openings + 2 lone numbers = 4.
#include "game/GameCounters.h"
#include "input/BoardInput.h"
#include "support/GameFixture.h"

using namespace orvane;
using namespace orvane::testing;

namespace {

class GameCountersTest : public GameFixture {
protected:
    GameCountersTest() { LayMines({"*.*..", ".....", "..*.."}); }

    // Every click comes half a second after the one before; the clock starts at the first.
    void Press(MouseButton button, int x, int y)
    {
        ClickCell(game, screen, button, Index(x, y));
        counter.now += counter.frequency / 2;
    }
    void Left(int x, int y) { Press(MouseButton::Left, x, y); }
    void Right(int x, int y) { Press(MouseButton::Right, x, y); }
    void Middle(int x, int y) { Press(MouseButton::Middle, x, y); }

    // Counts the game played, checks what every game on the board shares and its result,
    // time and clicks, and gives the counters for the rest.
    GameCounters ExpectPlayed(std::optional<GameResult> result, std::optional<double> seconds,
        int32_t clicks, int32_t effectiveClicks) const
    {
        const GameCounters counted = CountGame(game.Recorded());
        EXPECT_EQ(counted.ThreeBV, 4);
        EXPECT_EQ(counted.Openings, 2);
        EXPECT_EQ(counted.Islands, 1);
        EXPECT_EQ(counted.Result, result);
        EXPECT_EQ(counted.Seconds, seconds);
        EXPECT_EQ(counted.Clicks, clicks);
        EXPECT_EQ(counted.EffectiveClicks, effectiveClicks);
        return counted;
    }
};

TEST_F(GameCountersTest, WonWithATwoButtonChord)
{
    Left(4, 0);  // opens the right opening
    Left(0, 2);  // opens the bottom-left opening
    Left(1, 0);  // the lone 2
    Right(2, 0); // flags on mines that stay
    Right(2, 2);
    // Both buttons on the 2 at (3, 1): its two flags are there, so (2, 1) opens and wins
    // on the first button's release, before the game counts the click.
    const int x = 3 * screen.CellSize + 1;
    const int y = 1 * screen.CellSize + 1;
    BoardMouseDown(game, screen, MouseButton::Left, x, y);
    BoardMouseDown(game, screen, MouseButton::Right, x, y);
    BoardMouseUp(game, screen, MouseButton::Left, x, y);
    BoardMouseUp(game, screen, MouseButton::Right, x, y);
    ASSERT_EQ(game.CurrentState(), GameState::Won);

    // 6 clicks, all effective, the last 2.5 s after the first.
    const GameCounters counted = ExpectPlayed(GameResult::Won, 2.5, 6, 6);
    EXPECT_EQ(counted.Correctness, 1.0);
    EXPECT_EQ(counted.ThreeBVPerSecond, 1.6);       // 4 / 2.5
    EXPECT_DOUBLE_EQ(counted.Ioe.value(), 4.0 / 6); // 3BV / clicks
    EXPECT_DOUBLE_EQ(counted.Throughput.value(), 4.0 / 6);
    EXPECT_DOUBLE_EQ(counted.Rqp.value(), 2.5 / 1.6); // time / 3BV/s
}

TEST_F(GameCountersTest, AFlagTakenOffMakesNoClickEffective)
{
    Left(4, 0);  // effective
    Right(1, 0); // a flag on a safe cell, taken off again: neither is effective
    Right(1, 0);
    Right(2, 0); // a flag on the mine, taken off: not effective
    Right(2, 0);
    Right(2, 0); // put back and kept: effective
    Left(0, 2);  // effective
    Left(1, 0);  // effective
    Left(2, 1);  // effective, and wins 4 s after the first click
    ASSERT_EQ(game.CurrentState(), GameState::Won);

    const GameCounters counted = ExpectPlayed(GameResult::Won, 4.0, 9, 5);
    EXPECT_DOUBLE_EQ(counted.Correctness.value(), 5.0 / 9);
    EXPECT_DOUBLE_EQ(counted.Throughput.value(), 0.8); // 4 / 5
    EXPECT_EQ(counted.ThreeBVPerSecond, 1.0);
    EXPECT_EQ(counted.Rqp, 4.0);
}

TEST_F(GameCountersTest, ClicksOnAnOpenNumberThatOpenNothingAreWasted)
{
    Left(4, 0);   // effective
    Left(3, 1);   // a left click on the open 2: wasted
    Middle(3, 1); // a chord on it without flags and three closed cells around: wasted
    Left(0, 2);
    Left(1, 0);
    Right(2, 0);
    Right(2, 2);
    Middle(3, 1); // now with both flags: opens (2, 1) and wins
    ASSERT_EQ(game.CurrentState(), GameState::Won);

    const GameCounters counted = ExpectPlayed(GameResult::Won, 3.5, 8, 6);
    EXPECT_EQ(counted.Correctness, 0.75);
    EXPECT_EQ(counted.Ioe, 0.5); // 4 / 8
}

TEST_F(GameCountersTest, ALostGameHasNoPaceCounters)
{
    Left(4, 0);  // effective
    Right(2, 2); // a flag kept on a mine: effective
    Right(1, 0); // a flag kept on a safe cell: not effective
    Right(2, 0); // a flag on a mine, taken off for good: not effective
    Right(2, 0);
    Left(0, 0); // on a mine: lost, nothing opened
    ASSERT_EQ(game.CurrentState(), GameState::Lost);

    const GameCounters counted = ExpectPlayed(GameResult::Lost, 2.5, 6, 2);
    EXPECT_DOUBLE_EQ(counted.Correctness.value(), 1.0 / 3);
    EXPECT_FALSE(counted.ThreeBVPerSecond || counted.Ioe || counted.Throughput || counted.Rqp);
}

TEST_F(GameCountersTest, AGameNotBegunHasOnlyItsClicks)
{
    Right(0, 0);
    const GameCounters counted = CountGame(game.Recorded());
    EXPECT_FALSE(counted.Result || counted.Seconds || counted.ThreeBV || counted.Islands);
    EXPECT_EQ(counted.Clicks, 1);
    EXPECT_EQ(counted.EffectiveClicks, 0);
}

} // namespace
