// SPDX-License-Identifier: GPL-3.0-or-later
#include "input/BoardInput.h"
#include "input/StatusInput.h"

#include "support/RulesFixture.h"

using namespace orvane;
using orvane::testing::ChordBoard;
using orvane::testing::NumberedBoard;
using orvane::testing::RulesFixture;

namespace {

class BoardInputTest : public RulesFixture {
protected:
    // The middle of a cell in the board area's pixels; -1 or the board size lie outside.
    int Px(int column) const { return column * screen.CellSize + screen.CellSize / 2; }
    // The mouse's handlers, each followed by taking what the rules told.
    void Down(MouseButton button, int x, int y)
    {
        BoardMouseDown(game, screen, button, Px(x), Px(y));
        TakeEvents();
    }
    void Move(int x, int y)
    {
        BoardMouseMove(game, screen, Px(x), Px(y));
        TakeEvents();
    }
    void Up(MouseButton button, int x, int y)
    {
        BoardMouseUp(game, screen, button, Px(x), Px(y));
        TakeEvents();
    }
    void ClickOn(MouseButton button, int x, int y)
    {
        Down(button, x, y);
        Up(button, x, y);
    }
    void DoubleClick()
    {
        BoardDoubleClick(game, screen);
        TakeEvents();
    }

    // The chord board with (1, 1) open and its mines flagged, all but the first
    // wrongFlagsLeftOff of the bottom row: the fixture's own commands, which count no click.
    void SetUpChord(int wrongFlagsLeftOff = 0)
    {
        LayMines(ChordBoard);
        Click(1, 1);
        ASSERT_EQ(At(1, 1).Value, 5);
        for (int x = 0; x < 4; ++x)
            for (int y = 0; y < 3; ++y)
                if (At(x, y).Value == MineValue && !(y == 2 && x < wrongFlagsLeftOff))
                    RightClick(x, y);
        sounds.clear();
    }
    void ExpectChordAreaOpen(bool open)
    {
        EXPECT_EQ(IsOpen(1, 0) && IsOpen(0, 1) && IsOpen(2, 1), open);
        EXPECT_EQ(At(3, 0).State, CellState::Closed);
        EXPECT_EQ(At(3, 1).State, CellState::Closed);
    }
    void ExpectNoGesture()
    {
        EXPECT_EQ(screen.Gesture, BoardGesture::None);
        EXPECT_EQ(screen.PressedCell, -1);
        EXPECT_EQ(CountState(CellState::Pressed), 0);
    }
};

TEST_F(BoardInputTest, PressFollowsThePointerAndOnlyTheLastCellOpens)
{
    LayMines(NumberedBoard);
    Down(MouseButton::Left, 1, 1);
    EXPECT_EQ(At(1, 1).State, CellState::Pressed);
    EXPECT_EQ(game.Face(), FaceLook::Pressing);
    EXPECT_EQ(screen.Gesture, BoardGesture::Open);

    Move(3, 1);
    EXPECT_EQ(At(1, 1).State, CellState::Closed);
    EXPECT_EQ(At(3, 1).State, CellState::Pressed);
    EXPECT_EQ(screen.PressedCell, Index(3, 1));

    Up(MouseButton::Left, 3, 1);
    EXPECT_TRUE(IsOpen(3, 1));
    EXPECT_EQ(At(1, 1).State, CellState::Closed);
    EXPECT_EQ(CountState(CellState::Closed), 14);
    EXPECT_EQ(game.ClickCount(), 1);
    EXPECT_EQ(game.Face(), FaceLook::Smiling);
    ExpectNoGesture();
}

TEST_F(BoardInputTest, ReleaseActsOnThePressedCellNotOnThePointOfRelease)
{
    LayMines(NumberedBoard);
    Down(MouseButton::Left, 1, 1);
    Up(MouseButton::Left, 3, 1);
    EXPECT_TRUE(IsOpen(1, 1));
    EXPECT_EQ(At(3, 1).State, CellState::Closed);
}

TEST_F(BoardInputTest, ReleaseOutsideTheBoardOpensNothingAndLeavesNothingPressed)
{
    LayMines(NumberedBoard);
    Down(MouseButton::Left, 1, 1);
    Move(3, 1);
    BoardMouseMove(game, screen, -3, Px(1));
    EXPECT_EQ(At(3, 1).State, CellState::Pressed) << "moves outside the board are not followed";

    Up(MouseButton::Left, 5, 1);
    EXPECT_EQ(CountState(CellState::Closed), 15);
    EXPECT_EQ(game.ClickCount(), 0);
    EXPECT_EQ(game.Face(), FaceLook::Smiling);
    EXPECT_EQ(game.CurrentState(), GameState::Ready) << "not even the first open";
    ExpectNoGesture();
}

TEST_F(BoardInputTest, PressOutsideTheBoardIsIgnoredAndKeepsASwallowPending)
{
    LayMines(NumberedBoard);
    Click(0, 0); // a mine: the game is lost
    DoubleClick();
    ASSERT_TRUE(screen.IgnoreNextMouseDown);
    BoardMouseDown(game, screen, MouseButton::Left, Px(1), game.BoardHeight() * screen.CellSize);
    BoardMouseDown(game, screen, MouseButton::Left, -1, Px(1));
    EXPECT_TRUE(screen.IgnoreNextMouseDown);
    ExpectNoGesture();

    Down(MouseButton::Left, 1, 1);
    EXPECT_FALSE(screen.IgnoreNextMouseDown);
    ExpectNoGesture();
}

TEST_F(BoardInputTest, ANewButtonCancelsTheHeldOneAndStartsItsOwnGesture)
{
    LayMines(NumberedBoard);
    Down(MouseButton::Left, 1, 1);
    Down(MouseButton::Middle, 3, 1);
    EXPECT_EQ(At(1, 1).State, CellState::Closed);
    EXPECT_EQ(screen.Gesture, BoardGesture::Chord);
    EXPECT_EQ(At(3, 1).State, CellState::Pressed);
    EXPECT_EQ(At(3, 0).State, CellState::Pressed) << "the chord area is pressed with the cell";
}

TEST_F(BoardInputTest, AThirdButtonDuringATwoButtonChordLeavesTheChordAreaAsItIs)
{
    SetUpChord();
    Down(MouseButton::Left, 1, 1);
    Down(MouseButton::Right, 1, 1);
    Down(MouseButton::Middle, 3, 1);
    EXPECT_EQ(screen.Gesture, BoardGesture::Chord);
    EXPECT_EQ(screen.PressedCell, Index(3, 1));
    EXPECT_EQ(At(1, 0).State, CellState::Pressed);
    EXPECT_EQ(At(3, 0).State, CellState::Pressed);
}

TEST_F(BoardInputTest, LeftUpFirstCarriesOutTheChordAndTheRightUpCountsTheClick)
{
    SetUpChord();
    Down(MouseButton::Left, 1, 1);
    Down(MouseButton::Right, 1, 1);
    EXPECT_EQ(screen.Gesture, BoardGesture::TwoButtonChord);
    EXPECT_EQ(CountState(CellState::Pressed), 3);

    Up(MouseButton::Left, 1, 1);
    ExpectChordAreaOpen(true);
    EXPECT_EQ(screen.Gesture, BoardGesture::Flag);
    EXPECT_EQ(screen.PressedCell, Index(1, 1));
    EXPECT_EQ(game.ClickCount(), 0);

    Up(MouseButton::Right, 1, 1);
    EXPECT_EQ(game.ClickCount(), 1);
    EXPECT_EQ(game.CurrentState(), GameState::Playing);
    ExpectNoGesture();
}

TEST_F(BoardInputTest, TheRightClickLeftAfterAChordChordsOnceMore)
{
    SetUpChord(1); // four flags on a five: every chord on it fails
    Down(MouseButton::Left, 1, 1);
    Down(MouseButton::Right, 1, 1);
    Up(MouseButton::Left, 1, 1);
    EXPECT_EQ(sounds, std::vector<std::string> {"\\FlagErr.wav"});
    Up(MouseButton::Right, 1, 1);
    EXPECT_EQ(sounds, (std::vector<std::string> {"\\FlagErr.wav", "\\FlagErr.wav"}));
    ExpectChordAreaOpen(false);
    ExpectNoGesture();
}

TEST_F(BoardInputTest, RightUpFirstCarriesOutTheChordAndTheLeftUpOpensNothing)
{
    SetUpChord();
    Down(MouseButton::Right, 1, 1);
    Down(MouseButton::Left, 1, 1);
    EXPECT_EQ(screen.Gesture, BoardGesture::TwoButtonChord);
    Up(MouseButton::Right, 1, 1);
    ExpectChordAreaOpen(true);
    EXPECT_EQ(screen.Gesture, BoardGesture::Open);
    EXPECT_EQ(game.ClickCount(), 0);

    const auto before = Board();
    Up(MouseButton::Left, 1, 1);
    EXPECT_EQ(Board(), before);
    EXPECT_EQ(game.ClickCount(), 1);
    ExpectNoGesture();
}

TEST_F(BoardInputTest, AChordReleasedOutsideIsCancelledAndTheOtherButtonDoesNothing)
{
    SetUpChord();
    Down(MouseButton::Left, 1, 1);
    Down(MouseButton::Right, 1, 1);
    Up(MouseButton::Left, -1, 1);
    ExpectChordAreaOpen(false);
    ExpectNoGesture();
    Up(MouseButton::Right, 1, 1);
    EXPECT_EQ(game.ClickCount(), 0);
    ExpectChordAreaOpen(false);
}

TEST_F(BoardInputTest, MiddleButtonChordsAndCountsOneClick)
{
    SetUpChord();
    Down(MouseButton::Middle, 3, 1);
    Move(1, 1);
    EXPECT_EQ(At(3, 1).State, CellState::Closed);
    EXPECT_EQ(CountState(CellState::Pressed), 3);
    Up(MouseButton::Middle, 1, 1);
    ExpectChordAreaOpen(true);
    EXPECT_EQ(game.ClickCount(), 1);
    ExpectNoGesture();
}

TEST_F(BoardInputTest, EveryCompletedSingleButtonGestureInsideCountsOneClick)
{
    LayMines(ChordBoard);
    Click(1, 1);
    ClickOn(MouseButton::Right, 3, 0);
    EXPECT_EQ(At(3, 0).Mark, CellMark::Flag);
    ClickOn(MouseButton::Right, 3, 0);
    EXPECT_EQ(At(3, 0).Mark, CellMark::None);
    ClickOn(MouseButton::Left, 1, 1); // on an open cell
    EXPECT_EQ(game.ClickCount(), 3);

    Down(MouseButton::Left, 3, 0);
    Up(MouseButton::Left, 4, 0);
    Up(MouseButton::Right, 3, 0); // no gesture of that button
    EXPECT_EQ(game.ClickCount(), 3);
    EXPECT_EQ(At(3, 0).State, CellState::Closed);
}

TEST_F(BoardInputTest, DoubleClickOnAFinishedBoardStartsANewOneWithoutOpening)
{
    LayMines(NumberedBoard);
    ClickOn(MouseButton::Left, 0, 0);
    ASSERT_EQ(game.CurrentState(), GameState::Lost);

    // The window system's order for the second click: double click, press, release.
    DoubleClick();
    EXPECT_EQ(game.CurrentState(), GameState::Ready);
    EXPECT_EQ(game.Face(), FaceLook::Smiling);
    EXPECT_TRUE(screen.IgnoreNextMouseDown);
    ClickOn(MouseButton::Left, 1, 1);
    EXPECT_EQ(CountState(CellState::Closed), 15);
    EXPECT_EQ(game.CurrentState(), GameState::Ready);
    EXPECT_EQ(game.ClickCount(), 0);
    ExpectNoGesture();

    ClickOn(MouseButton::Left, 1, 1);
    EXPECT_EQ(game.CurrentState(), GameState::Playing);
    EXPECT_EQ(game.ClickCount(), 1);
}

TEST_F(BoardInputTest, DoubleClickOnAWonBoardStartsANewOneAndOnARunningOneNothing)
{
    LayMines(NumberedBoard);
    ClickOn(MouseButton::Left, 1, 1);
    DoubleClick();
    EXPECT_EQ(game.CurrentState(), GameState::Playing);
    EXPECT_FALSE(screen.IgnoreNextMouseDown);
    EXPECT_TRUE(IsOpen(1, 1));

    for (auto [x, y] : {std::pair {1, 0}, {3, 0}, {0, 1}, {2, 1}, {3, 1}, {4, 1}, {1, 2}, {3, 2}})
        Click(x, y);
    ASSERT_EQ(game.CurrentState(), GameState::Won);
    ASSERT_EQ(game.Face(), FaceLook::Won);
    DoubleClick();
    EXPECT_EQ(game.CurrentState(), GameState::Ready);
    EXPECT_EQ(game.Face(), FaceLook::Smiling);
    EXPECT_EQ(At(1, 1).State, CellState::Closed);
}

TEST_F(BoardInputTest, ComputersTurnIgnoresPressAndReleaseButNotMoves)
{
    LayMines(NumberedBoard, PlayMode::VsComputer);
    ASSERT_EQ(game.CurrentPlayer(), Player2);
    Click(0, 0); // the computer finds a mine and moves again
    ASSERT_TRUE(game.ComputerIsToMove());
    Down(MouseButton::Left, 1, 1);
    ExpectNoGesture();
    Move(3, 1);

    // A gesture begun on the player's own turn is not ended by the board while the computer moves.
    Click(1, 0); // the computer opens a number: the player's turn
    Down(MouseButton::Left, 1, 1);
    Click(3, 0); // the player's move by another hand: the computer's turn
    ASSERT_TRUE(game.ComputerIsToMove());
    Up(MouseButton::Left, 1, 1);
    EXPECT_EQ(At(1, 1).State, CellState::Pressed);
    EXPECT_EQ(game.ClickCount(), 0);
}

TEST_F(BoardInputTest, ComputerToMoveBeforeTheFirstOpenDoesNotBlockTheBoard)
{
    StartBoard(5, 3, 4, PlayMode::VsComputer);
    ASSERT_EQ(game.CurrentPlayer(), Player2);
    ASSERT_EQ(game.CurrentState(), GameState::Ready);
    ClickOn(MouseButton::Left, 2, 1);
    EXPECT_EQ(game.CurrentState(), GameState::Playing);
    EXPECT_EQ(game.ClickCount(), 1);
    EXPECT_NE(At(2, 1).State, CellState::Closed);
}

} // namespace

namespace {

using PauseTest = BoardInputTest;

TEST_F(PauseTest, OnlyAGameBeingPlayedPausesAndABoardClickOnlyResumesIt)
{
    LayMines(NumberedBoard);
    game.PauseGame();
    EXPECT_FALSE(game.Paused()) << "nothing to hide before the first open";

    Click(1, 0);
    Down(MouseButton::Left, 0, 0);
    game.PauseGame();
    ASSERT_TRUE(game.Paused());
    Up(MouseButton::Left, 0, 0);
    EXPECT_EQ(game.ClickCount(), 0) << "a gesture begun before the pause acts on nothing";
    EXPECT_EQ(At(0, 0).State, CellState::Closed);
    const auto before = Board();

    ClickOn(MouseButton::Left, 2, 2);
    EXPECT_FALSE(game.Paused());
    EXPECT_EQ(Board(), before) << "the resuming click opens nothing";
    EXPECT_EQ(game.ClickCount(), 0);
}

TEST_F(PauseTest, ANewGameEndsThePauseAndTheBonusButtonCannotBePressed)
{
    LayMines(NumberedBoard);
    Click(1, 0);
    game.PauseGame();
    StatusMouseMove(game, screen, 100, 10, 200); // over the bonus button
    ASSERT_EQ(screen.HoverTarget, StatusTarget::Bonus);
    StatusMouseDown(game, screen, MouseButton::Left);
    EXPECT_FALSE(game.BonusButtonDown()) << "a random open would move on a hidden board";
    game.Restart();
    EXPECT_FALSE(game.Paused());
}

} // namespace
