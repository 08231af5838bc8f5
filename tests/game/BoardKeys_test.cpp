// SPDX-License-Identifier: GPL-3.0-or-later
#include "input/BoardInput.h"
#include "input/BoardKeys.h"

#include "support/GameFixture.h"

using namespace orvane;
using orvane::testing::ChordBoard;
using orvane::testing::GameFixture;
using orvane::testing::NumberedBoard;

namespace {

class BoardKeysTest : public GameFixture {
protected:
    void Keys(std::initializer_list<BoardKey> keys)
    {
        for (BoardKey key : keys)
            BoardKeyPress(game, screen, key);
    }
    int32_t CursorAt(int x, int y) const { return x + y * game.BoardWidth(); }
    int32_t Cursor() const { return KeyCursorCell(game, screen); }
    bool AllClosed() const
    {
        return std::ranges::all_of(game.Cells(),
            [](const Cell& cell) { return cell.State == Closed && cell.Mark == NoMark; });
    }
};

TEST_F(BoardKeysTest, TheFirstKeyShowsTheCursorInTheMiddleAndMovesStopAtTheEdges)
{
    LayMines(NumberedBoard); // 5 x 3
    EXPECT_EQ(Cursor(), -1);
    Keys({BoardKey::Open});
    EXPECT_EQ(Cursor(), CursorAt(2, 1));
    EXPECT_TRUE(AllClosed()) << "the first key only shows where the keys act";

    Keys({BoardKey::Right, BoardKey::Right, BoardKey::Right, BoardKey::Up, BoardKey::Up});
    EXPECT_EQ(Cursor(), CursorAt(4, 0));
    Keys({BoardKey::RowStart, BoardKey::ColumnBottom});
    EXPECT_EQ(Cursor(), CursorAt(0, 2));
    Keys({BoardKey::Left, BoardKey::Down, BoardKey::RowEnd, BoardKey::ColumnTop});
    EXPECT_EQ(Cursor(), CursorAt(4, 0));
}

TEST_F(BoardKeysTest, OpenKeyOpensAClosedCellOrChordsAnOpenNumberOneClickEach)
{
    LayMines(ChordBoard); // (1, 1) shows 5; its mines are flagged
    for (Cell& cell : game.Cells())
        if (cell.Value == MineValue)
            cell.Mark = FlagMark;
    At(1, 1).State = static_cast<uint8_t>(At(1, 1).Value + 2);

    Keys({BoardKey::Left, BoardKey::Left, BoardKey::Open}); // shown at (2, 1), then (1, 1)
    EXPECT_NE(At(1, 0).State, Closed);
    EXPECT_NE(At(0, 1).State, Closed);
    EXPECT_NE(At(2, 1).State, Closed);
    EXPECT_EQ(At(3, 1).State, Closed);
    EXPECT_EQ(game.ClickCount(), 1);

    Keys({BoardKey::RowEnd, BoardKey::Open});
    EXPECT_NE(At(3, 1).State, Closed);
    EXPECT_EQ(At(3, 0).State, Closed);
    EXPECT_EQ(game.ClickCount(), 2);
    EXPECT_EQ(game.CurrentState(), GameState::Playing);
}

TEST_F(BoardKeysTest, FlagKeyTogglesAFlagInClassic)
{
    LayMines(NumberedBoard);
    Keys({BoardKey::Flag, BoardKey::Flag});
    EXPECT_EQ(At(2, 1).Mark, FlagMark);
    EXPECT_EQ(platform.sounds, std::vector<std::string> {"\\flag.wav"});
    Keys({BoardKey::Flag});
    EXPECT_EQ(At(2, 1).Mark, NoMark);
    EXPECT_EQ(game.ClickCount(), 2);
}

TEST_F(BoardKeysTest, KeysDoNothingOnTheComputersTurn)
{
    LayMines(NumberedBoard, PlayMode::VsComputer);
    game.CurrentPlayer() = Player2;
    Keys({BoardKey::Open, BoardKey::Open, BoardKey::Left, BoardKey::Open});
    EXPECT_EQ(Cursor(), -1);
    EXPECT_TRUE(AllClosed());
    EXPECT_EQ(game.ClickCount(), 0);
}

TEST_F(BoardKeysTest, TheMouseOverTheBoardHidesTheCursorWhichComesBackWhereItWas)
{
    LayMines(NumberedBoard);
    Keys({BoardKey::Right, BoardKey::Right});
    BoardMouseMove(game, screen, 1, 1);
    EXPECT_EQ(Cursor(), -1);
    Keys({BoardKey::Open});
    EXPECT_EQ(Cursor(), CursorAt(3, 1));
    EXPECT_TRUE(AllClosed());
}

TEST_F(BoardKeysTest, OnAPausedBoardOnlyTheActingKeysResumeAndOpenNothing)
{
    LayMines(NumberedBoard);
    Keys({BoardKey::Left});
    game.PauseGame();
    ASSERT_TRUE(game.Paused());
    Keys({BoardKey::Left});
    EXPECT_TRUE(game.Paused());
    EXPECT_EQ(Cursor(), CursorAt(2, 1));
    Keys({BoardKey::Open});
    EXPECT_FALSE(game.Paused());
    EXPECT_TRUE(AllClosed());
    EXPECT_EQ(game.ClickCount(), 0);
}

} // namespace
