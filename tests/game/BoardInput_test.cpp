// SPDX-License-Identifier: GPL-3.0-or-later
#include "input/BoardInput.h"
#include "input/StatusInput.h"

#include "support/GameFixture.h"

using namespace orvane;
using orvane::testing::ChordBoard;
using orvane::testing::GameFixture;
using orvane::testing::NumberedBoard;

namespace {

class BoardInputTest : public GameFixture {
protected:
    // The middle of a cell in the board area's pixels; -1 or the board size lie outside.
    int Px(int column) const { return column * screen.CellSize + screen.CellSize / 2; }
    void Down(MouseButton button, int x, int y)
    {
        BoardMouseDown(game, screen, button, Px(x), Px(y));
    }
    void Move(int x, int y) { BoardMouseMove(game, screen, Px(x), Px(y)); }
    void Up(MouseButton button, int x, int y) { BoardMouseUp(game, screen, button, Px(x), Px(y)); }
    void ClickOn(MouseButton button, int x, int y)
    {
        Down(button, x, y);
        Up(button, x, y);
    }

    int32_t IndexOf(int x, int y) const { return x + y * game.BoardWidth(); }
    bool IsOpen(int x, int y) { return At(x, y).State == At(x, y).Value + 2; }
    std::vector<uint8_t> States() const
    {
        std::vector<uint8_t> states;
        for (const Cell& cell : game.Cells())
            states.push_back(cell.State);
        return states;
    }

    // The chord board with its mines flagged (all but wrongFlagsLeftOff of them) and (1, 1) open.
    void SetUpChord(int wrongFlagsLeftOff = 0)
    {
        LayMines(ChordBoard);
        for (int x = 0; x < 4; ++x)
            for (int y = 0; y < 3; ++y)
                if (At(x, y).Value == MineValue && !(y == 2 && x < wrongFlagsLeftOff))
                    At(x, y).Mark = FlagMark;
        At(1, 1).State = static_cast<uint8_t>(At(1, 1).Value + 2);
        ASSERT_EQ(At(1, 1).Value, 5);
    }
    void ExpectChordAreaOpen(bool open)
    {
        EXPECT_EQ(IsOpen(1, 0) && IsOpen(0, 1) && IsOpen(2, 1), open);
        EXPECT_EQ(At(3, 0).State, Closed);
        EXPECT_EQ(At(3, 1).State, Closed);
    }
    void ExpectNoGesture()
    {
        EXPECT_EQ(screen.Gesture, 0);
        EXPECT_EQ(screen.PressedCell, -1);
        EXPECT_EQ(CountState(Pressed), 0);
    }
};

TEST_F(BoardInputTest, PressFollowsThePointerAndOnlyTheLastCellOpens)
{
    LayMines(NumberedBoard);
    Down(MouseButton::Left, 1, 1);
    EXPECT_EQ(At(1, 1).State, Pressed);
    EXPECT_EQ(game.Face(), FaceLook::Pressing);
    EXPECT_EQ(screen.Gesture, 1);

    Move(3, 1);
    EXPECT_EQ(At(1, 1).State, Closed);
    EXPECT_EQ(At(3, 1).State, Pressed);
    EXPECT_EQ(screen.PressedCell, IndexOf(3, 1));

    Up(MouseButton::Left, 3, 1);
    EXPECT_TRUE(IsOpen(3, 1));
    EXPECT_EQ(At(1, 1).State, Closed);
    EXPECT_EQ(CountState(Closed), 14);
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
    EXPECT_EQ(At(3, 1).State, Closed);
}

TEST_F(BoardInputTest, ReleaseOutsideTheBoardOpensNothingAndLeavesNothingPressed)
{
    LayMines(NumberedBoard);
    Down(MouseButton::Left, 1, 1);
    Move(3, 1);
    BoardMouseMove(game, screen, -3, Px(1));
    EXPECT_EQ(At(3, 1).State, Pressed) << "moves outside the board are not followed";

    Up(MouseButton::Left, 5, 1);
    EXPECT_EQ(CountState(Closed), 15);
    EXPECT_EQ(game.ClickCount(), 0);
    EXPECT_EQ(game.Face(), FaceLook::Smiling);
    EXPECT_EQ(game.CurrentState(), GameState::Playing);
    ExpectNoGesture();
}

TEST_F(BoardInputTest, PressOutsideTheBoardIsIgnoredAndKeepsASwallowPending)
{
    LayMines(NumberedBoard);
    screen.IgnoreNextMouseDown = true;
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
    EXPECT_EQ(At(1, 1).State, Closed);
    EXPECT_EQ(screen.Gesture, 3);
    EXPECT_EQ(At(3, 1).State, Pressed);
    EXPECT_EQ(At(3, 0).State, Pressed) << "the chord area is pressed with the cell";
}

TEST_F(BoardInputTest, AThirdButtonDuringATwoButtonChordLeavesTheChordAreaAsItIs)
{
    SetUpChord();
    Down(MouseButton::Left, 1, 1);
    Down(MouseButton::Right, 1, 1);
    Down(MouseButton::Middle, 3, 1);
    EXPECT_EQ(screen.Gesture, 3);
    EXPECT_EQ(screen.PressedCell, IndexOf(3, 1));
    EXPECT_EQ(At(1, 0).State, Pressed);
    EXPECT_EQ(At(3, 0).State, Pressed);
}

TEST_F(BoardInputTest, LeftUpFirstCarriesOutTheChordAndTheRightUpCountsTheClick)
{
    SetUpChord();
    Down(MouseButton::Left, 1, 1);
    Down(MouseButton::Right, 1, 1);
    EXPECT_EQ(screen.Gesture, 4);
    EXPECT_EQ(CountState(Pressed), 3);

    Up(MouseButton::Left, 1, 1);
    ExpectChordAreaOpen(true);
    EXPECT_EQ(screen.Gesture, 2);
    EXPECT_EQ(screen.PressedCell, IndexOf(1, 1));
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
    EXPECT_EQ(platform.sounds, std::vector<std::string> {"\\FlagErr.wav"});
    Up(MouseButton::Right, 1, 1);
    EXPECT_EQ(platform.sounds, (std::vector<std::string> {"\\FlagErr.wav", "\\FlagErr.wav"}));
    ExpectChordAreaOpen(false);
    ExpectNoGesture();
}

TEST_F(BoardInputTest, RightUpFirstCarriesOutTheChordAndTheLeftUpOpensNothing)
{
    SetUpChord();
    Down(MouseButton::Right, 1, 1);
    Down(MouseButton::Left, 1, 1);
    EXPECT_EQ(screen.Gesture, 4);
    Up(MouseButton::Right, 1, 1);
    ExpectChordAreaOpen(true);
    EXPECT_EQ(screen.Gesture, 1);
    EXPECT_EQ(game.ClickCount(), 0);

    const auto before = States();
    Up(MouseButton::Left, 1, 1);
    EXPECT_EQ(States(), before);
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
    EXPECT_EQ(At(3, 1).State, Closed);
    EXPECT_EQ(CountState(Pressed), 3);
    Up(MouseButton::Middle, 1, 1);
    ExpectChordAreaOpen(true);
    EXPECT_EQ(game.ClickCount(), 1);
    ExpectNoGesture();
}

TEST_F(BoardInputTest, EveryCompletedSingleButtonGestureInsideCountsOneClick)
{
    SetUpChord();
    ClickOn(MouseButton::Right, 3, 0);
    EXPECT_EQ(At(3, 0).Mark, FlagMark);
    ClickOn(MouseButton::Right, 3, 0);
    EXPECT_EQ(At(3, 0).Mark, NoMark);
    ClickOn(MouseButton::Left, 1, 1); // on an open cell
    EXPECT_EQ(game.ClickCount(), 3);

    Down(MouseButton::Left, 3, 0);
    Up(MouseButton::Left, 4, 0);
    Up(MouseButton::Right, 3, 0); // no gesture of that button
    EXPECT_EQ(game.ClickCount(), 3);
    EXPECT_EQ(At(3, 0).State, Closed);
}

TEST_F(BoardInputTest, DoubleClickOnAFinishedBoardStartsANewOneWithoutOpening)
{
    LayMines(NumberedBoard);
    ClickOn(MouseButton::Left, 0, 0);
    ASSERT_EQ(game.CurrentState(), GameState::Lost);

    // The window system's order for the second click: double click, press, release.
    BoardDoubleClick(game, screen);
    EXPECT_EQ(game.CurrentState(), GameState::Ready);
    EXPECT_EQ(game.Face(), FaceLook::Smiling);
    EXPECT_TRUE(screen.IgnoreNextMouseDown);
    ClickOn(MouseButton::Left, 1, 1);
    EXPECT_EQ(CountState(Closed), 15);
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
    BoardDoubleClick(game, screen);
    EXPECT_EQ(game.CurrentState(), GameState::Playing);
    EXPECT_FALSE(screen.IgnoreNextMouseDown);
    EXPECT_TRUE(IsOpen(1, 1));

    game.CurrentState() = GameState::Won;
    game.Face() = FaceLook::Won;
    BoardDoubleClick(game, screen);
    EXPECT_EQ(game.CurrentState(), GameState::Ready);
    EXPECT_EQ(game.Face(), FaceLook::Smiling);
    EXPECT_EQ(At(1, 1).State, Closed);
}

TEST_F(BoardInputTest, ComputersTurnIgnoresPressAndReleaseButNotMoves)
{
    LayMines(NumberedBoard, PlayMode::VsComputer);
    game.CurrentPlayer() = Player2;
    Down(MouseButton::Left, 1, 1);
    ExpectNoGesture();
    Move(3, 1);

    // A gesture begun on the player's own turn is not ended by the board while the computer moves.
    game.CurrentPlayer() = Player1;
    Down(MouseButton::Left, 1, 1);
    game.CurrentPlayer() = Player2;
    Up(MouseButton::Left, 1, 1);
    EXPECT_EQ(At(1, 1).State, Pressed);
    EXPECT_EQ(game.ClickCount(), 0);
}

TEST_F(BoardInputTest, ComputerToMoveBeforeTheFirstOpenDoesNotBlockTheBoard)
{
    StartBoard(5, 3, 4, PlayMode::VsComputer);
    game.CurrentPlayer() = Player2;
    ASSERT_EQ(game.CurrentState(), GameState::Ready);
    ClickOn(MouseButton::Left, 2, 1);
    EXPECT_EQ(game.CurrentState(), GameState::Playing);
    EXPECT_EQ(game.ClickCount(), 1);
    EXPECT_NE(At(2, 1).State, Closed);
}

} // namespace

namespace {

using PauseTest = BoardInputTest;

TEST_F(PauseTest, OnlyAGameBeingPlayedPausesAndABoardClickOnlyResumesIt)
{
    LayMines(NumberedBoard);
    game.CurrentState() = GameState::Ready;
    game.PauseGame();
    EXPECT_FALSE(game.Paused()) << "nothing to hide before the first open";

    game.CurrentState() = GameState::Playing;
    Down(MouseButton::Left, 0, 0);
    game.PauseGame();
    ASSERT_TRUE(game.Paused());
    Up(MouseButton::Left, 0, 0);
    EXPECT_EQ(game.ClickCount(), 0) << "a gesture begun before the pause acts on nothing";
    EXPECT_EQ(At(0, 0).State, Closed);
    const std::vector<uint8_t> before = States();

    ClickOn(MouseButton::Left, 2, 2);
    EXPECT_FALSE(game.Paused());
    EXPECT_EQ(States(), before) << "the resuming click opens nothing";
    EXPECT_EQ(game.ClickCount(), 0);
}

TEST_F(PauseTest, ANewGameEndsThePauseAndTheBonusButtonCannotBePressed)
{
    LayMines(NumberedBoard);
    game.PauseGame();
    screen.HoverTarget = BonusTarget;
    StatusMouseDown(game, screen, MouseButton::Left);
    EXPECT_FALSE(game.BonusButtonDown()) << "a random open would move on a hidden board";
    game.NewGame(Level::Custom);
    EXPECT_FALSE(game.Paused());
}

} // namespace
