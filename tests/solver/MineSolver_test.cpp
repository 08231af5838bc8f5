// SPDX-License-Identifier: GPL-3.0-or-later
#include "solver/MineSolver.h"
#include "support/BruteForceChances.h"
#include "support/ViewRows.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

using namespace orvane::solver;
using orvane::testing::CountEveryLayout;
using orvane::testing::ViewOf;

namespace {

class MineSolverTest : public ::testing::Test {
protected:
    MineSolver solver;

    double Chance(const BoardView& view, int x, int y)
    {
        return solver.Result().mineChance[static_cast<size_t>(x + y * view.width)];
    }
    static std::vector<int> Sorted(std::vector<int> cells)
    {
        std::sort(cells.begin(), cells.end());
        return cells;
    }
};

TEST_F(MineSolverTest, NumbersAloneSettleTheRowUnderOneTwoOne)
{
    const BoardView view = ViewOf({"121", "..."}, 2);
    const Analysis& result = solver.Analyse(view);
    EXPECT_TRUE(result.exact);
    EXPECT_EQ(Sorted(result.certainMines), (std::vector<int> {3, 5}));
    EXPECT_EQ(result.certainSafe, (std::vector<int> {4}));
}

// A 1 between two closed cells, and two cells no number touches: the mines left decide.
TEST_F(MineSolverTest, TheMineCountSettlesCellsNoNumberTouches)
{
    const BoardView oneMine = ViewOf({".1..."}, 1);
    EXPECT_EQ(Sorted(solver.Analyse(oneMine).certainSafe), (std::vector<int> {3, 4}));
    EXPECT_DOUBLE_EQ(Chance(oneMine, 0, 0), 0.5);

    const BoardView threeMines = ViewOf({".1..."}, 3);
    EXPECT_EQ(Sorted(solver.Analyse(threeMines).certainMines), (std::vector<int> {3, 4}));
}

// Two 1s over cells A B C (A+B = 1, B+C = 1): either B alone or A and C, with four free
// cells to take the rest of 3 mines: C(4,2) = 6 layouts with B, C(4,1) = 4 with A and C.
TEST_F(MineSolverTest, LayoutsAreWeighedByTheWaysTheFreeCellsTakeTheRest)
{
    const BoardView view = ViewOf({".1.1....."}, 3);
    const Analysis& result = solver.Analyse(view);
    EXPECT_NEAR(Chance(view, 2, 0), 0.6, 1e-12);
    EXPECT_NEAR(Chance(view, 0, 0), 0.4, 1e-12);
    EXPECT_NEAR(Chance(view, 4, 0), 0.4, 1e-12);
    EXPECT_NEAR(result.unconstrainedChance, 0.4, 1e-12);
    EXPECT_EQ(result.unconstrainedCount, 4);
    EXPECT_NEAR(result.logLayouts, std::log(10.0), 1e-12);
    EXPECT_TRUE(result.certainSafe.empty() && result.certainMines.empty());
}

TEST_F(MineSolverTest, NumbersThatCannotAllBeMetAreInconsistent)
{
    EXPECT_FALSE(solver.Analyse(ViewOf({"3."}, 1)).consistent);
    EXPECT_FALSE(solver.Analyse(ViewOf({".1.1."}, 3)).consistent);
    EXPECT_FALSE(solver.Analyse(ViewOf({"1..", "..."}, 0)).consistent);
}

TEST_F(MineSolverTest, ChancesMatchEveryLayoutCountedOnSmallViews)
{
    std::mt19937_64 engine(19);
    for (int position = 0; position < 300; ++position) {
        const BoardView view = orvane::testing::RandomSmallView(engine, 14);
        const auto counted = CountEveryLayout(view);
        const Analysis& result = solver.Analyse(view);
        ASSERT_TRUE(result.consistent);
        ASSERT_TRUE(result.exact);
        EXPECT_NEAR(result.logLayouts, std::log(static_cast<double>(counted.layouts)), 1e-9);
        std::vector<int> safe, mines;
        for (int cell = 0; cell < view.CellCount(); ++cell) {
            const double chance = counted.chance[static_cast<size_t>(cell)];
            ASSERT_NEAR(result.mineChance[static_cast<size_t>(cell)], chance, 1e-9)
                << "position " << position << ", cell " << cell;
            if (view.At(cell) == SeenClosed && (chance == 0 || chance == 1))
                (chance == 0 ? safe : mines).push_back(cell);
        }
        EXPECT_EQ(Sorted(result.certainSafe), safe) << "position " << position;
        EXPECT_EQ(Sorted(result.certainMines), mines) << "position " << position;
    }
}

// A wide open field of closed cells between scattered numbers, searched with a limit too
// small to count it: chances are estimates strictly between 0 and 1 and near the counted
// ones, and only the cells the counting rules settle are called certain.
TEST_F(MineSolverTest, PastTheSearchLimitChancesAreEstimatesAndNothingElseIsCertain)
{
    const BoardView view = ViewOf(
        {"..........", ".3..2...1.", "..........", ".2..4...2.", "..........", "0........."}, 20);
    MineSolver counting;
    const std::vector<double> counted = counting.Analyse(view).mineChance;
    solver.SetSearchLimit(5);
    const Analysis& result = solver.Analyse(view);
    for (int cell = 0; cell < view.CellCount(); ++cell)
        EXPECT_NEAR(
            result.mineChance[static_cast<size_t>(cell)], counted[static_cast<size_t>(cell)], 0.2)
            << "cell " << cell;
    EXPECT_TRUE(result.consistent);
    EXPECT_FALSE(result.exact);
    const std::vector<int> besideTheZero {40, 41, 51};
    EXPECT_EQ(Sorted(result.certainSafe), besideTheZero);
    for (int cell = 0; cell < view.CellCount(); ++cell)
        if (view.At(cell) == SeenClosed
            && std::find(besideTheZero.begin(), besideTheZero.end(), cell) == besideTheZero.end()) {
            EXPECT_GT(result.mineChance[static_cast<size_t>(cell)], 0.0);
            EXPECT_LT(result.mineChance[static_cast<size_t>(cell)], 1.0);
        }
}

} // namespace
