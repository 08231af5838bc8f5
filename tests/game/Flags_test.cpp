// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/RulesFixture.h"

using namespace orvane;
using orvane::testing::RulesFixture;

namespace {

// (1, 1) shows 2 for the mines at (0, 0) and (0, 2); every safe cell is a number, so no
// open floods and each plays the click.
const std::vector<std::string> TwoMinesLeft {"*..*", "....", "*..*"};

// (1, 1) shows 3 for the row of mines above it; (3, 0), (3, 1) and (4, 0) are safe, and
// every safe cell around (1, 1) is a number.
const std::vector<std::string> ThreeMinesAbove {"***..", "....*"};

class FlagsTest : public RulesFixture {
protected:
    void ClickEach(std::initializer_list<std::pair<int, int>> cells)
    {
        for (auto [x, y] : cells)
            Click(x, y);
    }
    // (1, 1) and the neighbours below it open: (1, 0), (2, 0) and (2, 1) are its three
    // closed neighbours besides the two mines.
    void OpenAroundTwo()
    {
        LayMines(TwoMinesLeft);
        ClickEach({{1, 1}, {0, 1}, {1, 2}, {2, 2}});
    }
};

TEST_F(FlagsTest, RightClickFlagsUntilNoFlagIsLeftAndAlwaysUnflags)
{
    LayMines(TwoMinesLeft);
    for (auto [x, y] : {std::pair {0, 0}, {3, 0}, {0, 2}, {3, 2}})
        RightClick(x, y);
    EXPECT_EQ(game.FlagsLeft(), 0);
    EXPECT_EQ(sounds, Repeated(4, "\\flag.wav"));

    sounds.clear();
    RightClick(1, 0);
    EXPECT_EQ(At(1, 0).Mark, CellMark::None) << "no flag left to place";
    EXPECT_EQ(game.FlagsLeft(), 0);
    RightClick(3, 2);
    EXPECT_EQ(At(3, 2).Mark, CellMark::None) << "a flag comes off also with none left";
    EXPECT_EQ(At(3, 2).State, CellState::Closed);
    EXPECT_EQ(game.FlagsLeft(), 1);
    EXPECT_TRUE(sounds.empty());
    EXPECT_EQ(game.Face(), FaceLook::Smiling);
}

TEST_F(FlagsTest, FlaggingPlacesNoMinesAndStartsNoClock)
{
    StartBoard(9, 9, 10);
    counter.now = 5'000'000;
    RightClick(4, 4);
    RightClick(0, 0);
    RightClick(4, 4);
    EXPECT_EQ(game.CurrentState(), GameState::Ready);
    EXPECT_EQ(clock.MarkCount, 0);
    EXPECT_EQ(game.LastSafeSlot(), 80);
    EXPECT_EQ(random.clockSeeds, 0);
    for (const Cell& cell : game.Cells())
        EXPECT_NE(cell.Value, MineValue);
    EXPECT_EQ(game.FlagsLeft(), 9);
}

TEST_F(FlagsTest, ChordWithMatchingFlagsOpensTheOtherClosedNeighbours)
{
    OpenAroundTwo();
    RightClick(0, 0);
    RightClick(0, 2);
    sounds.clear();
    Chord(1, 1);
    EXPECT_TRUE(IsOpen(1, 0));
    EXPECT_TRUE(IsOpen(2, 0));
    EXPECT_TRUE(IsOpen(2, 1));
    EXPECT_EQ(At(3, 1).State, CellState::Closed) << "not a neighbour";
    EXPECT_EQ(At(0, 0).Mark, CellMark::Flag);
    EXPECT_EQ(game.FlagsLeft(), 2);
    EXPECT_EQ(game.CurrentState(), GameState::Playing);
    EXPECT_EQ(sounds, Repeated(3, "CLICK"));
    EXPECT_EQ(game.Face(), FaceLook::Smiling);
}

TEST_F(FlagsTest, ChordOnAWrongFlagLosesAtTheMineAndUnpressesTheRest)
{
    // (1, 1) shows 2 for (0, 0) and (1, 0); the flag on (0, 2) is wrong, so the chord
    // opens the mine (1, 0) first while (2, 0), (2, 1) and (1, 2) still wait pressed.
    LayMines({"**..", "....", "...*"});
    ClickEach({{1, 1}, {0, 1}, {2, 2}});
    RightClick(0, 0);
    RightClick(0, 2);
    sounds.clear();
    Chord(1, 1);
    EXPECT_EQ(game.CurrentState(), GameState::Lost);
    EXPECT_EQ(At(1, 0).Mark, CellMark::ExplodedMine);
    EXPECT_EQ(At(2, 0).State, CellState::Closed);
    EXPECT_EQ(At(2, 1).State, CellState::Closed);
    EXPECT_EQ(CountState(CellState::Pressed), 0);
    EXPECT_EQ(sounds, std::vector<std::string> {"\\Loose.wav"});
    EXPECT_EQ(classicLosses(), 1);
}

TEST_F(FlagsTest, ChordWithoutFlagsFlagsExactlyAsManyClosedNeighboursAsTheNumber)
{
    // With two flags already spent on safe cells, only the first two of the three get one.
    for (bool flagsSpentElsewhere : {false, true}) {
        LayMines(ThreeMinesAbove);
        ClickEach({{0, 1}, {1, 1}, {2, 1}});
        if (flagsSpentElsewhere) {
            RightClick(3, 0);
            RightClick(3, 1);
        }
        sounds.clear();
        Chord(1, 1);
        EXPECT_EQ(At(0, 0).Mark, CellMark::Flag);
        EXPECT_EQ(At(1, 0).Mark, CellMark::Flag);
        EXPECT_EQ(At(2, 0).Mark, flagsSpentElsewhere ? CellMark::None : CellMark::Flag);
        EXPECT_EQ(game.FlagsLeft(), flagsSpentElsewhere ? 0 : 1);
        EXPECT_EQ(sounds, Repeated(flagsSpentElsewhere ? 2 : 3, "\\flag.wav"));
        EXPECT_EQ(CountState(CellState::Closed), 7) << "nothing opened, nothing left pressed";
        EXPECT_EQ(game.CurrentState(), GameState::Playing);
    }
}

TEST_F(FlagsTest, ChordThatNeitherMatchesNorCoversTheNumberIsRefused)
{
    // A 2 with one flag and two closed neighbours; then a 2 with no flag and four.
    for (bool oneFlag : {true, false}) {
        LayMines(TwoMinesLeft);
        ClickEach({{1, 1}, {0, 1}, {2, 1}, {1, 2}, {2, 2}});
        if (oneFlag) {
            Click(2, 0);
            RightClick(0, 0);
        }
        sounds.clear();
        const auto before = Board();
        const int32_t flagsLeft = game.FlagsLeft();
        Chord(1, 1);
        EXPECT_EQ(sounds, std::vector<std::string> {"\\FlagErr.wav"});
        EXPECT_EQ(Board(), before);
        EXPECT_EQ(game.FlagsLeft(), flagsLeft);
        EXPECT_EQ(game.Face(), FaceLook::Smiling);
    }
}

TEST_F(FlagsTest, RightClickOnAnOpenNumberWithItsMineFlaggedChords)
{
    LayMines(TwoMinesLeft);
    Click(1, 0); // a 1 for the mine at (0, 0)
    RightClick(0, 0);
    sounds.clear();
    RightClick(1, 0);
    EXPECT_TRUE(IsOpen(2, 0));
    EXPECT_TRUE(IsOpen(0, 1));
    EXPECT_TRUE(IsOpen(1, 1));
    EXPECT_TRUE(IsOpen(2, 1));
    EXPECT_EQ(At(3, 1).State, CellState::Closed);
    EXPECT_EQ(game.FlagsLeft(), 3);
    EXPECT_EQ(sounds, Repeated(4, "CLICK"));
    EXPECT_EQ(game.Face(), FaceLook::Smiling);
}

TEST_F(FlagsTest, TwoPlayerModesHaveNoFlagsAndTheChordOnlyPressesAndRestores)
{
    for (PlayMode mode : {PlayMode::VsHuman, PlayMode::VsComputer}) {
        LayMines(TwoMinesLeft, mode);
        Click(1, 1); // Player2 begins, opens the 2 and passes the turn
        Click(0, 0); // Player1 finds a mine and keeps the turn
        ASSERT_EQ(game.CurrentPlayer(), Player1);
        ASSERT_EQ(At(0, 0).Mark, CellMark::Flag);
        sounds.clear();
        Act(CellGesture::Flag, CellAction::Press, 3, 0);
        EXPECT_EQ(game.Face(), FaceLook::Smiling) << "the right button does nothing at all";
        Act(CellGesture::Flag, CellAction::Release, 3, 0);
        RightClick(0, 0);
        EXPECT_EQ(At(3, 0).Mark, CellMark::None);
        EXPECT_EQ(At(0, 0).Mark, CellMark::Flag);

        const auto before = Board();
        Act(CellGesture::Chord, CellAction::Press, 1, 1);
        EXPECT_EQ(game.Face(), FaceLook::Pressing);
        EXPECT_EQ(CountState(CellState::Pressed), 7) << "every closed neighbour but the found mine";
        EXPECT_EQ(At(0, 0).State, CellState::Closed);
        Act(CellGesture::Chord, CellAction::Release, 1, 1);
        EXPECT_EQ(Board(), before);

        Act(CellGesture::Chord, CellAction::Press, 3, 1);
        EXPECT_EQ(CountState(CellState::Pressed), 6)
            << "a closed cell is pressed with its neighbours";
        Act(CellGesture::Chord, CellAction::Cancel, 3, 1);
        EXPECT_EQ(Board(), before);

        EXPECT_EQ(game.Face(), FaceLook::Smiling);
        EXPECT_EQ(game.CurrentPlayer(), Player1);
        EXPECT_EQ(game.Players()[Player1].MinesFound, 1);
        EXPECT_EQ(game.Players()[Player2].MinesFound, 0);
        EXPECT_TRUE(sounds.empty());
    }
}

} // namespace
