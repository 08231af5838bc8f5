// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/PlayerView.h"
#include "solver/MineSolver.h"
#include "support/GameFixture.h"

using namespace orvane;
using orvane::testing::GameFixture;

namespace {

class NoGuessDealTest : public GameFixture {
protected:
    NoGuessDealTest() { game.SetNoGuessing(true); }

    solver::BoardView Seen() const
    {
        solver::BoardView view;
        FillPlayerView(game, view);
        return view;
    }
};

// The first open clears an area, and from there certain cells alone win the game.
TEST_F(NoGuessDealTest, FirstOpenClearsAnAreaAndReasoningWins)
{
    StartBoard(30, 16, 99, PlayMode::Classic, Level::Expert);
    Click(0, 0);
    ASSERT_TRUE(game.DealtWithoutGuessing());
    EXPECT_TRUE(At(0, 0).IsOpenEmpty());
    EXPECT_GE(game.Cells().size() - static_cast<size_t>(CountState(CellState::Closed)), 4U);

    solver::MineSolver solver;
    while (game.CurrentState() == GameState::Playing) {
        const auto& safe = solver.Analyse(Seen()).certainSafe;
        ASSERT_FALSE(safe.empty()) << "a guess was needed";
        for (int cell : safe)
            Click(cell % game.BoardWidth(), cell / game.BoardWidth());
    }
    EXPECT_EQ(game.CurrentState(), GameState::Won);
    EXPECT_TRUE(Told<NoGuessDealFailed>().empty());
}

// Mines that cannot all lie outside the first cell's area: the player is told, and the
// board is dealt as usual with only the first cell kept safe.
TEST_F(NoGuessDealTest, TooDenseABoardIsDealtAsUsualAndSaysSo)
{
    StartBoard(5, 5, 20);
    Click(2, 2);
    EXPECT_FALSE(game.DealtWithoutGuessing());
    EXPECT_EQ(game.CurrentState(), GameState::Playing);
    EXPECT_TRUE(IsOpen(2, 2));
    EXPECT_EQ(Told<NoGuessDealFailed>().size(), 1U);
}

TEST_F(NoGuessDealTest, TwoPlayerBoardsAreDealtAsUsual)
{
    StartBoard(16, 16, 51, PlayMode::VsHuman);
    Click(8, 8);
    EXPECT_FALSE(game.DealtWithoutGuessing());
    EXPECT_TRUE(Told<NoGuessDealFailed>().empty());
}

} // namespace
