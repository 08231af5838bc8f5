// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/RulesFixture.h"

using namespace orvane;
using orvane::testing::NumberedBoard;
using orvane::testing::RulesFixture;

namespace {

class OpenCellTest : public RulesFixture {
protected:
    // The number an open cell shows (0 when empty), or -1 while it is not open.
    int Shown(int x, int y) const { return IsOpen(x, y) ? At(x, y).Value : -1; }
    int CountOpenEmpty() const
    {
        int n = 0;
        for (const Cell& c : game.Cells())
            n += c.IsOpenEmpty();
        return n;
    }
};

TEST_F(OpenCellTest, FirstReleaseStartsTheClockAndNeverLoses)
{
    for (uint64_t seed = 1; seed <= 20; ++seed) {
        random.engine.seed(seed);
        StartBoard(9, 9, 79);
        counter.now = 1'000'000 * static_cast<int64_t>(seed);
        Act(CellGesture::Open, CellAction::Press, 4, 4);
        Act(CellGesture::Open, CellAction::Cancel, 4, 4);
        EXPECT_EQ(game.CurrentState(), GameState::Ready) << "press and cancel place nothing";
        EXPECT_EQ(clock.MarkCount, 0);
        EXPECT_EQ(game.LastSafeSlot(), 80);
        Click(4, 4);
        EXPECT_EQ(game.CurrentState(), GameState::Playing);
        EXPECT_EQ(clock.MarkCount, counter.now);
        EXPECT_TRUE(IsOpen(4, 4));
        clock.Start();
    }
}

TEST_F(OpenCellTest, PressAndCancelDrawTheCellSunkenAndBack)
{
    StartBoard(9, 9, 10);
    Act(CellGesture::Open, CellAction::Press, 2, 2);
    EXPECT_EQ(At(2, 2).State, CellState::Pressed);
    EXPECT_EQ(game.Face(), FaceLook::Pressing);
    Act(CellGesture::Open, CellAction::Cancel, 2, 2);
    EXPECT_EQ(At(2, 2).State, CellState::Closed);
    EXPECT_EQ(game.Face(), FaceLook::Smiling);

    RightClick(3, 3);
    Act(CellGesture::Open, CellAction::Press, 3, 3);
    EXPECT_EQ(At(3, 3).State, CellState::Closed) << "a flagged cell is not pressed";
    EXPECT_EQ(game.Face(), FaceLook::Pressing);
}

TEST_F(OpenCellTest, FloodOpensTheConnectedRegionAndItsBorderOnly)
{
    LayMines({".....", ".....", "***..", ".....", "*...."});
    RightClick(4, 0); // a flag inside the region stops the flood there
    sounds.clear();
    Click(0, 0);
    // Rows 0 and 1 are the region (empty, or numbered on the mine row's border).
    EXPECT_EQ(Shown(0, 0), 0);
    EXPECT_EQ(Shown(3, 0), 0);
    EXPECT_EQ(At(4, 0).State, CellState::Closed);
    EXPECT_EQ(At(4, 0).Mark, CellMark::Flag);
    EXPECT_EQ(Shown(0, 1), 2);
    EXPECT_EQ(Shown(1, 1), 3);
    EXPECT_EQ(Shown(3, 1), 1);
    EXPECT_EQ(Shown(4, 1), 0);
    // The region continues down the right-hand side, around the mines.
    EXPECT_EQ(Shown(4, 2), 0);
    EXPECT_EQ(Shown(3, 2), 1);
    // Nothing beyond a numbered cell or under a mine.
    EXPECT_EQ(At(0, 2).State, CellState::Closed);
    EXPECT_EQ(At(0, 3).State, CellState::Closed);
    EXPECT_EQ(At(0, 4).State, CellState::Closed);
    EXPECT_EQ(sounds, (std::vector<std::string> {"\\Open.wav"}));
    EXPECT_EQ(game.CurrentState(), GameState::Playing);
}

TEST_F(OpenCellTest, PressedCellsStopTheFlood)
{
    // (5, 0) stays closed behind the mine, so the flood cannot win the game.
    LayMines({"....*.", "......", "......"});
    Act(CellGesture::Open, CellAction::Press, 2, 1);
    Act(CellGesture::Open, CellAction::Release, 0, 0); // released without its own press
    EXPECT_EQ(At(0, 0).State, CellState::Closed) << "an unpressed closed cell does not open";
    Click(0, 0);
    EXPECT_EQ(Shown(0, 0), 0);
    EXPECT_EQ(At(2, 1).State, CellState::Pressed);
}

TEST_F(OpenCellTest, OneCellRegionClicksAndLargerRegionSweeps)
{
    LayMines({"*.*.*", ".....", "*...*", ".....", "*.*.*"});
    Click(2, 2); // empty, every neighbour numbered
    EXPECT_EQ(Shown(2, 2), 0);
    EXPECT_EQ(CountState(CellState::Closed), 25 - 9);
    EXPECT_EQ(sounds, (std::vector<std::string> {"CLICK"}));

    LayMines({"*...*.", "......", "......"});
    Click(2, 2);
    EXPECT_GT(CountOpenEmpty(), 1);
    EXPECT_EQ(sounds, (std::vector<std::string> {"\\Open.wav"}));
}

TEST_F(OpenCellTest, NumberedCellClicksAndSoundOffIsSilent)
{
    LayMines({"*...*.", "......", "......"});
    Click(1, 1);
    EXPECT_EQ(Shown(1, 1), 1);
    EXPECT_EQ(sounds, (std::vector<std::string> {"CLICK"}));

    game.SetSoundOn(false);
    sounds.clear();
    Click(2, 2);
    RightClick(5, 0);
    Click(0, 0); // the mine: a loss, still silent
    EXPECT_EQ(game.CurrentState(), GameState::Lost);
    EXPECT_TRUE(sounds.empty());
}

// A loss on the first open leaves the safe cells closed; a win opens them all.
TEST_F(OpenCellTest, NothingHappensAfterTheGameEnds)
{
    for (const int firstX : {0, 4}) {
        LayMines({"*...."});
        Click(firstX, 0);
        ASSERT_EQ(game.CurrentState(), firstX == 0 ? GameState::Lost : GameState::Won);
        const auto before = Board();
        const FaceLook face = game.Face();
        sounds.clear();
        for (const int x : {0, 3}) {
            Act(CellGesture::Open, CellAction::Press, x, 0);
            EXPECT_EQ(Board(), before) << "not even pressed";
            Act(CellGesture::Open, CellAction::Release, x, 0);
            RightClick(x, 0);
            Act(CellGesture::Chord, CellAction::Press, x, 0);
        }
        EXPECT_EQ(Board(), before);
        EXPECT_EQ(game.Face(), face) << "not even the face changes";
        EXPECT_TRUE(sounds.empty());
    }
}

TEST_F(OpenCellTest, ReleaseOnAFlaggedCellWhileReadyStartsTheGameWithoutOpening)
{
    StartBoard(9, 9, 10);
    RightClick(4, 4);
    EXPECT_EQ(game.CurrentState(), GameState::Ready) << "a flag starts nothing";
    Click(4, 4);
    EXPECT_EQ(game.CurrentState(), GameState::Playing);
    EXPECT_EQ(At(4, 4).State, CellState::Closed);
    EXPECT_NE(At(4, 4).Value, MineValue) << "the flagged first cell is spared";
}

// The random open marks the cells it opened until the next move.
TEST_F(OpenCellTest, MoveMarksClearAtTheNextClassicMove)
{
    LayMines(NumberedBoard);
    Click(2, 1);
    // The safe cells in slot order: (1, 0), (3, 0), (0, 1), ...; 14 cells are drawn from.
    random.scripted = {0.5 / 14, 1.5 / 14, 2.5 / 14};
    game.RandomOpen();
    TakeEvents();
    ASSERT_TRUE(game.ShowMoveMarks());
    ASSERT_TRUE(At(1, 0).MoveMark && At(3, 0).MoveMark && At(0, 1).MoveMark);
    Click(4, 1);
    EXPECT_FALSE(game.ShowMoveMarks());
    for (const Cell& cell : game.Cells())
        EXPECT_FALSE(cell.MoveMark) << cell.Index;
}

} // namespace
