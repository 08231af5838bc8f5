// SPDX-License-Identifier: GPL-3.0-or-later
#include "solver/MineSolver.h"
#include "solver/NoGuessBoard.h"

#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <random>
#include <vector>

using namespace orvane::solver;

namespace {

// A board being cleared: the mines, and what a player who opened cells on it sees.
class Clearing {
public:
    Clearing(int width, int height, const std::vector<uint8_t>& mines) : mines_(mines)
    {
        view.Reset(width, height, 0);
        for (const uint8_t mine : mines)
            view.mines += mine;
    }

    // Opens a cell, and the area around it when it shows 0; false on a mine.
    bool Open(int start)
    {
        std::vector<int> next {start};
        while (!next.empty()) {
            const int cell = next.back();
            next.pop_back();
            if (view.At(cell) != SeenClosed)
                continue;
            if (mines_[static_cast<size_t>(cell)] != 0)
                return false;
            uint8_t around = 0;
            ForEachNeighbour(cell, [&](int n) { around += mines_[static_cast<size_t>(n)]; });
            view.cells[static_cast<size_t>(cell)] = around;
            if (around == 0)
                ForEachNeighbour(cell, [&](int n) { next.push_back(n); });
        }
        return true;
    }
    bool Cleared() const
    {
        int open = 0;
        for (const uint8_t seen : view.cells)
            open += IsOpenNumber(seen);
        return open + view.mines == view.CellCount();
    }
    template<typename Visit> void ForEachNeighbour(int cell, Visit visit) const
    {
        const int x = cell % view.width, y = cell / view.width;
        for (int ny = y - 1; ny <= y + 1; ++ny)
            for (int nx = x - 1; nx <= x + 1; ++nx)
                if (nx >= 0 && ny >= 0 && nx < view.width && ny < view.height
                    && (nx != x || ny != y))
                    visit(nx + ny * view.width);
    }

    BoardView view;

private:
    const std::vector<uint8_t>& mines_;
};

class NoGuessBoardTest : public ::testing::Test {
protected:
    NoGuessBoard maker;
    std::mt19937_64 random {20};
    std::vector<uint8_t> mines;

    void Make(int width, int height, int mineCount, int first)
    {
        ASSERT_TRUE(maker.Generate(width, height, mineCount, first, random, mines));
        ASSERT_EQ(mines.size(), static_cast<size_t>(width * height));
        int placed = 0;
        for (const uint8_t mine : mines)
            placed += mine;
        ASSERT_EQ(placed, mineCount);
        ASSERT_EQ(mines[static_cast<size_t>(first)], 0);
        Clearing(width, height, mines).ForEachNeighbour(first, [&](int n) {
            ASSERT_EQ(mines[static_cast<size_t>(n)], 0) << n;
        });
    }

    // A board from a random first cell, cleared by opening the solver's certainly safe
    // cells (by the counting rules when they find some, else by the whole analysis).
    void MakeAndClear(int width, int height, int mineCount, int board)
    {
        const int first = static_cast<int>(random() % static_cast<uint64_t>(width * height));
        Make(width, height, mineCount, first);
        Clearing clearing(width, height, mines);
        ASSERT_TRUE(clearing.Open(first));
        while (!clearing.Cleared()) {
            const Analysis* analysis = &solver.SettleByCounting(clearing.view);
            if (analysis->certainSafe.empty())
                analysis = &solver.Analyse(clearing.view);
            ASSERT_FALSE(analysis->certainSafe.empty())
                << "board " << board << " with " << mineCount << " mines needs a guess";
            for (const int cell : analysis->certainSafe)
                ASSERT_TRUE(clearing.Open(cell));
        }
    }
    MineSolver solver;
};

// Every layout of the mines on all cells but the first is listed; after each step only
// those that show the same numbers stay. A closed cell without a mine in any of them is
// opened; the board must be cleared before no such cell is left.
TEST_F(NoGuessBoardTest, SmallBoardsClearByTryingEveryLayout)
{
    for (int board = 0; board < 12; ++board) {
        const int width = 5 + board % 2, height = 4 + board % 3 / 2;
        const int mineCount = 5 + board % 3, first = static_cast<int>(random() % 20);
        Make(width, height, mineCount, first);
        Clearing clearing(width, height, mines);
        ASSERT_TRUE(clearing.Open(first));
        const int cells = width * height;
        std::vector<uint32_t> fitting;
        for (uint32_t layout = (1U << mineCount) - 1; layout < (1U << cells);) {
            if ((layout >> first & 1U) == 0)
                fitting.push_back(layout);
            const uint32_t low = layout & -layout, up = layout + low;
            layout = up | (((layout ^ up) >> 2) / low);
        }
        while (!clearing.Cleared()) {
            std::erase_if(fitting, [&](uint32_t layout) {
                for (int cell = 0; cell < cells; ++cell) {
                    if (!IsOpenNumber(clearing.view.At(cell)))
                        continue;
                    int around = 0;
                    clearing.ForEachNeighbour(cell, [&](int n) { around += layout >> n & 1U; });
                    if ((layout >> cell & 1U) != 0 || around != clearing.view.At(cell))
                        return true;
                }
                return false;
            });
            uint32_t anyMine = 0;
            for (const uint32_t layout : fitting)
                anyMine |= layout;
            int opened = 0;
            for (int cell = 0; cell < cells; ++cell)
                if (clearing.view.At(cell) == SeenClosed && (anyMine >> cell & 1U) == 0) {
                    ASSERT_TRUE(clearing.Open(cell));
                    ++opened;
                }
            ASSERT_GT(opened, 0) << "board " << board << " needs a guess";
        }
    }
}

TEST_F(NoGuessBoardTest, ExpertBoardsClearWithTheSolversCertainCells)
{
    for (int board = 0; board < 1000 && !HasFatalFailure(); ++board)
        MakeAndClear(30, 16, board % 4 == 3 ? 140 : 99, board);
}

// Most of these boards are repaired. One of the first hundred of this seed needs a guess
// when it is given out straight after its repair: a moved mine changed a number that the
// play before the repair had already reasoned from.
TEST_F(NoGuessBoardTest, RepairedBoardsClearFromTheFirstCell)
{
    random.seed(5);
    for (int board = 0; board < 100 && !HasFatalFailure(); ++board)
        MakeAndClear(9, 9, 15, board);
}

TEST_F(NoGuessBoardTest, MinesThatDoNotFitBesideTheFirstAreaAreRefused)
{
    EXPECT_FALSE(maker.Generate(9, 9, 73, 40, random, mines));
    EXPECT_TRUE(maker.Generate(9, 9, 72, 40, random, mines));
}

} // namespace
