// SPDX-License-Identifier: GPL-3.0-or-later
#include "solver/MineSolver.h"
#include "solver/RevealForecast.h"
#include "support/ViewRows.h"

#include <gtest/gtest.h>

using namespace orvane::solver;
using orvane::testing::ViewOf;

namespace {

// Five closed cells in a row and two mines: of the C(4,2) = 6 layouts with the end cell
// safe, 3 leave its neighbour safe too (it shows 0: the neighbour is certainly safe) and
// 3 put a mine there (it shows 1: the neighbour is certainly a mine, no cell is safe).
TEST(RevealForecastTest, EachNumberIsWeighedByTheLayoutsThatShowIt)
{
    MineSolver solver;
    const BoardView view = ViewOf({"....."}, 2);
    RevealForecast forecast;
    ASSERT_TRUE(forecast.Forecast(view, solver.Analyse(view), 0));
    const auto& outcomes = forecast.Outcomes();
    EXPECT_DOUBLE_EQ(outcomes[0].chance, 0.5);
    EXPECT_EQ(outcomes[0].certainSafe, 1);
    EXPECT_DOUBLE_EQ(outcomes[1].chance, 0.5);
    EXPECT_EQ(outcomes[1].certainMines, 1);
    EXPECT_EQ(outcomes[1].certainSafe, 0);
    EXPECT_DOUBLE_EQ(outcomes[2].chance, 0.0);
}

// The judge sees each board that follows, with that board's own analysis: after a 0 the
// neighbour is safe, after a 1 it is a mine.
TEST(RevealForecastTest, TheJudgeSeesEachBoardThatFollows)
{
    MineSolver solver;
    const BoardView view = ViewOf({"....."}, 2);
    RevealForecast forecast;
    ASSERT_TRUE(forecast.Forecast(
        view, solver.Analyse(view), 0, [](const BoardView& after, const Analysis& analysis) {
            return 10 * after.At(0) + analysis.mineChance[1];
        }));
    EXPECT_DOUBLE_EQ(forecast.Outcomes()[0].value, 0.0);
    EXPECT_DOUBLE_EQ(forecast.Outcomes()[1].value, 11.0);
}

} // namespace
