// SPDX-License-Identifier: GPL-3.0-or-later
#include "solver/ClassicPlayer.h"
#include "solver/EndgameSearch.h"
#include "solver/MineSolver.h"
#include "support/ViewRows.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace orvane::solver;
using orvane::testing::ViewOf;

namespace {

TEST(ClassicPlayerTest, OpensEveryCertainlySafeCellBeforeAnyGuess)
{
    ClassicPlayer player;
    std::vector<int> next = player.NextCells(ViewOf({"1*1....", "......."}, 5));
    std::sort(next.begin(), next.end());
    EXPECT_EQ(next, (std::vector<int> {3, 7, 8, 9, 10}));
}

// Cells under a 3 are risky, the free cells far less so: information is not worth more
// than a tenth of the best chance to survive.
TEST(ClassicPlayerTest, GuessesAmongTheSafestCells)
{
    MineSolver solver;
    const auto view
        = ViewOf({"..........", ".3........", "..........", "..........", ".........."}, 6);
    const Analysis& analysis = solver.Analyse(view);
    double safest = 0;
    for (const double chance : analysis.mineChance)
        safest = std::max(safest, 1 - chance);
    ClassicPlayer player;
    const std::vector<int>& next = player.NextCells(view);
    ASSERT_EQ(next.size(), 1U);
    EXPECT_GE(1 - analysis.mineChance[static_cast<size_t>(next[0])], 0.9 * safest);
}

// Five mines among the 21 closed cells (2106 layouts, past the endgame search). Best play,
// found by trying every order of guesses over all layouts, wins 58.1 % when it opens the
// inner cell beside the closed corner (18) and 53.4 % from that corner (24), which shows
// 0 more often and so scores best without looking one guess further.
TEST(ClassicPlayerTest, LooksOneGuessFurtherThanTheChanceToSettleACell)
{
    ClassicPlayer player;
    const std::vector<int>& next
        = player.NextCells(ViewOf({"1...1", ".....", ".....", ".....", "1...."}, 5));
    EXPECT_EQ(next, std::vector<int> {18});
}

// Six mines, 1044 layouts. Best play wins 74.7 % when it opens 21, the safest cell (8 %
// a mine), and 71.3 % from 8 (9 %), whose number more often settles a cell. What follows a
// guess counts only as often as the guess is survived, and a settled cell counts for more
// than any guess it spares; weighed otherwise, 8 looks the better.
TEST(ClassicPlayerTest, WeighsWhatFollowsAGuessByTheChanceToSurviveIt)
{
    ClassicPlayer player;
    const std::vector<int>& next
        = player.NextCells(ViewOf({"1...10", "....21", "...1..", "....2.", "......"}, 6));
    EXPECT_EQ(next, std::vector<int> {21});
}

TEST(ClassicPlayerTest, AViewThatFitsNoLayoutGetsNoMove)
{
    ClassicPlayer player;
    EXPECT_TRUE(player.NextCells(ViewOf({"3."}, 1)).empty());
}

// Three closed cells in a row, one mine: each is a mine one time in three, but an end
// cell that is safe tells where the mine is (a 1 beside it, or a 0 that opens the middle),
// while the middle one shows 1 either way and leaves a coin toss.
TEST(EndgameSearchTest, PrefersTheGuessThatTellsTheRest)
{
    MineSolver solver;
    const BoardView view = ViewOf({"..."}, 1);
    EndgameSearch search;
    const int cell = search.BestCell(view, solver.Analyse(view), solver.Neighbours());
    EXPECT_TRUE(cell == 0 || cell == 2) << cell;
    EXPECT_DOUBLE_EQ(search.WinChance(), 2.0 / 3.0);
}

TEST(EndgameSearchTest, TwoSeparateCoinTossesWinOnceInFour)
{
    MineSolver solver;
    const BoardView view = ViewOf({".101.", ".101."}, 2);
    EndgameSearch search;
    EXPECT_GE(search.BestCell(view, solver.Analyse(view), solver.Neighbours()), 0);
    EXPECT_DOUBLE_EQ(search.WinChance(), 0.25);
}

} // namespace
