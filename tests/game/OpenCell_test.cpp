// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/GameFixture.h"

using namespace orvane;
using orvane::testing::GameFixture;

namespace {

class OpenCellTest : public GameFixture { };

TEST_F(OpenCellTest, FirstReleaseStartsTheClockAndNeverLoses)
{
    for (uint64_t seed = 1; seed <= 20; ++seed) {
        random.engine.seed(seed);
        StartBoard(9, 9, 79);
        counter.now = 1'000'000 * static_cast<int64_t>(seed);
        game.OpenCell(At(4, 4), CellAction::Press);
        game.OpenCell(At(4, 4), CellAction::Cancel);
        EXPECT_EQ(game.CurrentState(), GameState::Ready) << "press and cancel place nothing";
        EXPECT_EQ(game.FrameTimer.MarkCount, 0);
        EXPECT_EQ(game.LastSafeSlot, 80);
        Click(4, 4);
        EXPECT_EQ(game.CurrentState(), GameState::Playing);
        EXPECT_EQ(game.FrameTimer.MarkCount, counter.now);
        EXPECT_EQ(At(4, 4).State, At(4, 4).Value + 2);
        game.FrameTimer.Start();
    }
}

TEST_F(OpenCellTest, PressAndCancelDrawTheCellSunkenAndBack)
{
    StartBoard(9, 9, 10);
    game.OpenCell(At(2, 2), CellAction::Press);
    EXPECT_EQ(At(2, 2).State, Pressed);
    EXPECT_EQ(game.Face(), FaceLook::Pressing);
    game.OpenCell(At(2, 2), CellAction::Cancel);
    EXPECT_EQ(At(2, 2).State, Closed);
    EXPECT_EQ(game.Face(), FaceLook::Smiling);

    At(3, 3).Mark = FlagMark;
    game.OpenCell(At(3, 3), CellAction::Press);
    EXPECT_EQ(At(3, 3).State, Closed) << "a flagged cell is not pressed";
    EXPECT_EQ(game.Face(), FaceLook::Pressing);
}

TEST_F(OpenCellTest, FloodOpensTheConnectedRegionAndItsBorderOnly)
{
    LayMines({".....", ".....", "***..", ".....", "*...."});
    At(4, 0).Mark = FlagMark; // a flag inside the region stops the flood there
    Click(0, 0);
    // Rows 0 and 1 are the region (empty, or numbered on the mine row's border).
    EXPECT_EQ(At(0, 0).State, OpenEmpty);
    EXPECT_EQ(At(3, 0).State, OpenEmpty);
    EXPECT_EQ(At(4, 0).State, Closed);
    EXPECT_EQ(At(4, 0).Mark, FlagMark);
    EXPECT_EQ(At(0, 1).State, 2 + 2);
    EXPECT_EQ(At(1, 1).State, 2 + 3);
    EXPECT_EQ(At(3, 1).State, 2 + 1);
    EXPECT_EQ(At(4, 1).State, OpenEmpty);
    // The region continues down the right-hand side, around the mines.
    EXPECT_EQ(At(4, 2).State, OpenEmpty);
    EXPECT_EQ(At(3, 2).State, 2 + 1);
    // Nothing beyond a numbered cell or under a mine.
    EXPECT_EQ(At(0, 2).State, Closed);
    EXPECT_EQ(At(0, 3).State, Closed);
    EXPECT_EQ(At(0, 4).State, Closed);
    EXPECT_EQ(platform.sounds, (std::vector<std::string> {"\\Open.wav"}));
    EXPECT_EQ(game.CurrentState(), GameState::Playing);
}

TEST_F(OpenCellTest, PressedCellsStopTheFlood)
{
    // (5, 0) stays closed behind the mine, so the flood cannot win the game.
    LayMines({"....*.", "......", "......"});
    At(2, 1).State = Pressed;
    game.OpenCell(At(0, 0), CellAction::Release); // released without its own press
    EXPECT_EQ(At(0, 0).State, Closed) << "an unpressed closed cell does not open";
    game.OpenCell(At(0, 0), CellAction::Press);
    game.OpenCell(At(0, 0), CellAction::Release);
    EXPECT_EQ(At(0, 0).State, OpenEmpty);
    EXPECT_EQ(At(2, 1).State, Pressed);
}

TEST_F(OpenCellTest, OneCellRegionClicksAndLargerRegionSweeps)
{
    LayMines({"*.*.*", ".....", "*...*", ".....", "*.*.*"});
    Click(2, 2); // empty, every neighbour numbered
    EXPECT_EQ(At(2, 2).State, OpenEmpty);
    EXPECT_EQ(game.OpenQueueLength, 1);
    EXPECT_EQ(CountState(Closed), 25 - 9);
    EXPECT_EQ(platform.sounds, (std::vector<std::string> {"CLICK"}));

    LayMines({"*...*.", "......", "......"});
    Click(2, 2);
    EXPECT_GT(game.OpenQueueLength, 1);
    EXPECT_EQ(platform.sounds, (std::vector<std::string> {"\\Open.wav"}));
}

TEST_F(OpenCellTest, NumberedCellClicksAndSoundOffIsSilent)
{
    LayMines({"*...*.", "......", "......"});
    Click(1, 1);
    EXPECT_EQ(At(1, 1).State, 2 + 1);
    EXPECT_EQ(platform.sounds, (std::vector<std::string> {"CLICK"}));

    game.SoundOn() = false;
    platform.sounds.clear();
    Click(2, 2);
    RightClick(5, 0);
    Click(0, 0); // the mine: a loss, still silent
    EXPECT_EQ(game.CurrentState(), GameState::Lost);
    EXPECT_TRUE(platform.sounds.empty());
}

TEST_F(OpenCellTest, NothingHappensAfterTheGameEnds)
{
    for (GameState end : {GameState::Lost, GameState::Won}) {
        LayMines({"*....", "....."});
        game.CurrentState() = end;
        game.Face() = FaceLook::Lost;
        game.OpenCell(At(3, 0), CellAction::Press);
        EXPECT_EQ(At(3, 0).State, Closed);
        game.OpenCell(At(3, 0), CellAction::Release);
        game.FlagCell(At(3, 0), CellAction::Release);
        game.ChordCell(At(3, 0), CellAction::Press);
        EXPECT_EQ(CountState(Closed), 10);
        EXPECT_EQ(At(3, 0).Mark, NoMark);
        EXPECT_EQ(game.Face(), FaceLook::Lost) << "not even the face changes";
        EXPECT_TRUE(platform.sounds.empty());
    }
}

TEST_F(OpenCellTest, ReleaseOnAFlaggedCellWhileReadyStartsTheGameWithoutOpening)
{
    StartBoard(9, 9, 10);
    RightClick(4, 4);
    EXPECT_EQ(game.CurrentState(), GameState::Ready) << "a flag starts nothing";
    Click(4, 4);
    EXPECT_EQ(game.CurrentState(), GameState::Playing);
    EXPECT_EQ(At(4, 4).State, Closed);
    EXPECT_NE(At(4, 4).Value, MineValue) << "the flagged first cell is spared";
}

TEST_F(OpenCellTest, MoveMarksClearAtTheNextClassicMove)
{
    LayMines({"*....", ".....", "....*"});
    game.ShowMoveMarks() = true;
    At(1, 1).MoveMark = 1;
    Click(3, 1);
    EXPECT_FALSE(game.ShowMoveMarks());
    EXPECT_EQ(At(1, 1).MoveMark, 0);
}

} // namespace
