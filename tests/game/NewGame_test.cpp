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

// A lost game leaves clicks, seconds, a flag, open cells and the bonus button off behind it.
TEST_F(NewGameTest, ResetsCountersAndBoardForClassic)
{
    StartBoard(9, 9, 10, PlayMode::Classic, Level::Beginner);
    RightClick(0, 0);
    Click(4, 4);
    for (int i = 0; i < 7; ++i)
        game.CountClick();
    counter.now += 12 * counter.frequency;
    clock.Tick();
    game.ShowGameClock();
    const auto mine = std::find_if(game.Cells().begin(), game.Cells().end(),
        [](const Cell& c) { return c.Value == MineValue && c.Mark == CellMark::None; });
    Click(mine->Index % 9, mine->Index / 9);
    ASSERT_EQ(game.CurrentState(), GameState::Lost);
    ASSERT_EQ(game.ClickCount(), 7);
    ASSERT_EQ(game.ElapsedSeconds(), 12);
    ASSERT_FALSE(game.BonusButtonEnabled());

    game.Restart();
    EXPECT_EQ(game.CurrentState(), GameState::Ready);
    EXPECT_EQ(game.FlagsLeft(), 10);
    EXPECT_EQ(game.ClickCount(), 0);
    EXPECT_EQ(game.ElapsedSeconds(), 0);
    EXPECT_TRUE(game.BonusButtonEnabled());
    EXPECT_EQ(game.LastSafeSlot(), 80);
    for (size_t i = 0; i < game.Cells().size(); ++i) {
        EXPECT_EQ(game.CellOrder()[i], static_cast<int16_t>(i));
        EXPECT_EQ(game.Cells()[i].State, CellState::Closed);
        EXPECT_EQ(game.Cells()[i].Mark, CellMark::None);
    }
}

// The rebuilt board's flood reaches every one of its safe cells.
TEST_F(NewGameTest, SameLevelKeepsTheCellsAndANewLevelRebuilds)
{
    StartBoard(9, 9, 10, PlayMode::Classic, Level::Beginner);
    const Cell* before = game.Cells().data();
    game.Restart();
    EXPECT_EQ(game.Cells().data(), before);
    StartBoard(16, 16, 1, PlayMode::Classic, Level::Intermediate);
    EXPECT_EQ(game.Cells().size(), 256u);
    Click(0, 0);
    EXPECT_EQ(game.CurrentState(), GameState::Won);
    EXPECT_EQ(CountState(CellState::Open), 255);
}

TEST_F(NewGameTest, TwoPlayerGameHandsTheFirstMoveOverAndPostsTheGoal)
{
    ASSERT_EQ(game.CurrentPlayer(), Player1);
    StartBoard(9, 9, 19, PlayMode::VsComputer, Level::Beginner);
    EXPECT_EQ(game.CurrentPlayer(), Player2);
    const auto posted = Told<MessagePosted>();
    ASSERT_EQ(posted.size(), 1U);
    EXPECT_EQ(posted[0].Text, "10 Flags To WIN");
    EXPECT_FLOAT_EQ(posted[0].SlideTime, 1.0f);
    EXPECT_FLOAT_EQ(posted[0].HoldTime, 5.0f);
    EXPECT_EQ(Told<TwoPlayerGameStarted>(), std::vector<TwoPlayerGameStarted> {{6}});
    EXPECT_FALSE(game.BonusButtonEnabled());
    EXPECT_FALSE(game.BonusOwner().has_value());
    EXPECT_EQ(game.ComputerBonusDelay(), -1);
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
        Click(first % b.width, first / b.width);
        EXPECT_EQ(random.clockSeeds, seedsBefore + 1) << "every placement reseeds";

        const auto& order = game.CellOrder();
        ASSERT_EQ(game.LastSafeSlot(), cells - b.mines - 1);
        EXPECT_EQ(order[static_cast<size_t>(game.LastSafeSlot())], first);
        std::set<int16_t> seen(order.begin(), order.end());
        EXPECT_EQ(seen.size(), static_cast<size_t>(cells)) << "a permutation of all cells";
        for (int slot = 0; slot < cells; ++slot) {
            const Cell& cell = game.CellAt(order[static_cast<size_t>(slot)]);
            if (slot <= game.LastSafeSlot()) {
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
    EXPECT_TRUE(IsOpen(4, 4));
    EXPECT_EQ(At(4, 4).Value, 8);
    EXPECT_EQ(game.CurrentState(), GameState::Won);
    EXPECT_EQ(game.FlagsLeft(), 0);
}

TEST_F(PlacementTest, TheTopOfThePoolIsNeverDrawn)
{
    // With every draw at the top of [0, 1) the pick is LastSafeSlot - 1, never LastSafeSlot.
    StartBoard(9, 9, 1);
    random.scripted = {0.99999};
    Click(0, 0);
    // Slot 80 holds cell 0 (the first cell) after step 1; pool top is slot 79 (cell 79).
    EXPECT_NE(At(7, 8).Value, MineValue);
    EXPECT_EQ(At(6, 8).Value, MineValue);
}

} // namespace
