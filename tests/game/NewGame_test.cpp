// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/GameFixture.h"

#include <algorithm>
#include <set>

using namespace orvane;
using orvane::testing::GameFixture;

namespace {

std::vector<int16_t> NeighboursOf(const Cell& cell)
{
    std::vector<int16_t> list;
    cell.ForEachNeighbour([&](int16_t n) { list.push_back(n); });
    return list;
}

class NewGameTest : public GameFixture { };

TEST_F(NewGameTest, NeighboursOfNineByNineInRowMajorOrder)
{
    StartBoard(9, 9, 10, PlayMode::Classic, Level::Beginner);
    EXPECT_EQ(NeighboursOf(At(0, 0)), (std::vector<int16_t> {1, 9, 10}));
    EXPECT_EQ(At(0, 0).Neighbours[3], -1);
    EXPECT_EQ(NeighboursOf(At(8, 8)), (std::vector<int16_t> {70, 71, 79}));
    EXPECT_EQ(NeighboursOf(At(4, 0)), (std::vector<int16_t> {3, 5, 12, 13, 14}));
    EXPECT_EQ(At(4, 0).Neighbours[5], -1);
    EXPECT_EQ(NeighboursOf(At(0, 4)), (std::vector<int16_t> {27, 28, 37, 45, 46}));
    EXPECT_EQ(NeighboursOf(At(4, 4)), (std::vector<int16_t> {30, 31, 32, 39, 41, 48, 49, 50}));
}

TEST_F(NewGameTest, NeighboursOfExpertBoardUseItsThirtyColumns)
{
    StartBoard(30, 16, 99, PlayMode::Classic, Level::Expert);
    ASSERT_EQ(game.Cells().size(), 480u);
    EXPECT_EQ(NeighboursOf(At(29, 0)), (std::vector<int16_t> {28, 58, 59}));
    EXPECT_EQ(NeighboursOf(At(0, 15)), (std::vector<int16_t> {420, 421, 451}));
    EXPECT_EQ(
        NeighboursOf(At(10, 5)), (std::vector<int16_t> {129, 130, 131, 159, 161, 189, 190, 191}));
    for (const Cell& cell : game.Cells())
        EXPECT_EQ(cell.Index, &cell - game.Cells().data());
}

TEST_F(NewGameTest, ResetsCountersAndBoardForClassic)
{
    StartBoard(9, 9, 10, PlayMode::Classic, Level::Beginner);
    game.ClickCount() = 7;
    game.ElapsedSeconds() = 12;
    game.BonusButtonEnabled() = false;
    At(3, 3).State = 5;
    At(4, 4).Mark = FlagMark;
    game.NewGame(Level::Beginner);
    EXPECT_EQ(game.CurrentState(), GameState::Ready);
    EXPECT_EQ(game.FlagsLeft(), 10);
    EXPECT_EQ(game.ClickCount(), 0);
    EXPECT_EQ(game.ElapsedSeconds(), 0);
    EXPECT_TRUE(game.BonusButtonEnabled());
    EXPECT_EQ(game.LastSafeSlot, 80);
    for (size_t i = 0; i < game.Cells().size(); ++i) {
        EXPECT_EQ(game.CellOrder[i], static_cast<int16_t>(i));
        EXPECT_EQ(game.Cells()[i].State, Closed);
        EXPECT_EQ(game.Cells()[i].Mark, NoMark);
    }
}

TEST_F(NewGameTest, SameLevelKeepsTheCellsAndANewLevelRebuilds)
{
    StartBoard(9, 9, 10, PlayMode::Classic, Level::Beginner);
    const Cell* before = game.Cells().data();
    game.NewGame(Level::Beginner);
    EXPECT_EQ(game.Cells().data(), before);
    game.BoardWidth() = 16;
    game.BoardHeight() = 16;
    game.NewGame(Level::Intermediate);
    EXPECT_EQ(game.Cells().size(), 256u);
    EXPECT_EQ(game.OpenQueue.size(), 256u);
}

TEST_F(NewGameTest, TwoPlayerGameHandsTheFirstMoveOverAndPostsTheGoal)
{
    game.CurrentPlayer() = Player1;
    StartBoard(9, 9, 19, PlayMode::VsComputer, Level::Beginner);
    EXPECT_EQ(game.CurrentPlayer(), Player2);
    EXPECT_EQ(game.Message.Text, "10 Flags To WIN");
    EXPECT_EQ(game.Message.Stage, BarStage::SlideIn);
    EXPECT_FLOAT_EQ(game.Message.HoldTime, 5.0f);
    EXPECT_EQ(game.Opponent.Phase, OpponentState::Choose);
    EXPECT_EQ(game.Opponent.Target, -1);
    EXPECT_EQ(game.Opponent.BonusCountdown, -1);
    EXPECT_FALSE(game.BonusButtonEnabled());
    EXPECT_TRUE(game.RandomOpenRunning);
    EXPECT_TRUE(game.ClearMarksNextMove);
}

// Placement invariants over many seeded games on every level and on edge-case custom boards.
struct Board {
    int width, height, mines;
};

class PlacementTest : public GameFixture, public ::testing::WithParamInterface<Board> { };

TEST_P(PlacementTest, FirstCellIsSafeAndCellOrderSplitsSafeFromMines)
{
    const Board b = GetParam();
    const int cells = b.width * b.height;
    for (uint64_t seed = 1; seed <= 40; ++seed) {
        random.engine.seed(seed);
        StartBoard(b.width, b.height, b.mines);
        const auto first = static_cast<int16_t>((seed * 7919) % static_cast<uint64_t>(cells));
        const int seedsBefore = random.clockSeeds;
        game.PlaceMines(first);
        EXPECT_EQ(random.clockSeeds, seedsBefore + 1) << "every placement reseeds";

        ASSERT_EQ(game.LastSafeSlot, cells - b.mines - 1);
        EXPECT_EQ(game.CellOrder[static_cast<size_t>(game.LastSafeSlot)], first);
        std::set<int16_t> seen(game.CellOrder.begin(), game.CellOrder.end());
        EXPECT_EQ(seen.size(), static_cast<size_t>(cells)) << "a permutation of all cells";
        for (int slot = 0; slot < cells; ++slot) {
            const Cell& cell
                = game.Cells()[static_cast<size_t>(game.CellOrder[static_cast<size_t>(slot)])];
            if (slot <= game.LastSafeSlot) {
                ASSERT_NE(cell.Value, MineValue);
                EXPECT_EQ(cell.Value, game.CountAdjacentMines(cell.Index));
            } else {
                ASSERT_EQ(cell.Value, MineValue);
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Levels, PlacementTest,
    ::testing::Values(Board {9, 9, 10}, Board {16, 16, 40}, Board {30, 16, 99}, Board {9, 9, 19},
        Board {16, 16, 51}, Board {30, 16, 111}, Board {9, 9, 80}, Board {35, 25, 874},
        Board {35, 25, 1}, Board {12, 20, 120}));

TEST_F(PlacementTest, FullBoardMinusOneWinsOnTheFirstOpen)
{
    StartBoard(9, 9, 80);
    Click(4, 4);
    EXPECT_EQ(At(4, 4).State, 10) << "an eight";
    EXPECT_EQ(game.CurrentState(), GameState::Won);
    EXPECT_EQ(game.FlagsLeft(), 0);
}

TEST_F(PlacementTest, TheTopOfThePoolIsNeverDrawn)
{
    // With every draw at the top of [0, 1) the pick is LastSafeSlot - 1, never LastSafeSlot.
    StartBoard(9, 9, 1);
    random.scripted = {0.99999};
    game.PlaceMines(0);
    // Slot 80 holds cell 0 (the first cell) after step 1; pool top is slot 79 (cell 79).
    EXPECT_NE(game.Cells()[79].Value, MineValue);
    EXPECT_EQ(game.Cells()[78].Value, MineValue);
}

} // namespace
