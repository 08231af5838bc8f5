// SPDX-License-Identifier: GPL-3.0-or-later
#include "input/BoardInput.h"
#include "input/BoardKeys.h"

#include "support/RulesFixture.h"

using namespace orvane;
using orvane::testing::ChordBoard;
using orvane::testing::NumberedBoard;
using orvane::testing::RulesFixture;

namespace {

class BoardKeysTest : public RulesFixture {
protected:
    void Keys(std::initializer_list<BoardKey> keys)
    {
        for (BoardKey key : keys)
            BoardKeyPress(game, screen, key);
        TakeEvents();
    }
    int32_t Cursor() const { return KeyCursorCell(game, screen); }
    bool AllClosed() const
    {
        return std::ranges::all_of(
            game.Cells(), [](const Cell& cell) { return cell.IsClosedUnmarked(); });
    }
};

TEST_F(BoardKeysTest, TheFirstKeyShowsTheCursorInTheMiddleAndMovesStopAtTheEdges)
{
    LayMines(NumberedBoard); // 5 x 3
    EXPECT_EQ(Cursor(), -1);
    Keys({BoardKey::Open});
    EXPECT_EQ(Cursor(), Index(2, 1));
    EXPECT_TRUE(AllClosed()) << "the first key only shows where the keys act";

    Keys({BoardKey::Right, BoardKey::Right, BoardKey::Right, BoardKey::Up, BoardKey::Up});
    EXPECT_EQ(Cursor(), Index(4, 0));
    Keys({BoardKey::RowStart, BoardKey::ColumnBottom});
    EXPECT_EQ(Cursor(), Index(0, 2));
    Keys({BoardKey::Left, BoardKey::Down, BoardKey::RowEnd, BoardKey::ColumnTop});
    EXPECT_EQ(Cursor(), Index(4, 0));

    // On a smaller board the cursor comes back on its last column and row.
    Keys({BoardKey::ColumnBottom});
    LayMines({"*..", "..."});
    Keys({BoardKey::Open});
    EXPECT_EQ(Cursor(), Index(2, 1));
    EXPECT_EQ(At(2, 1).State, CellState::Open);
}

TEST_F(BoardKeysTest, OpenKeyOpensAClosedCellOrChordsAnOpenNumberOneClickEach)
{
    LayMines(ChordBoard); // (1, 1) shows 5; its mines are flagged
    Click(1, 1);
    for (auto [x, y] : {std::pair {0, 0}, {2, 0}, {0, 2}, {1, 2}, {2, 2}, {3, 2}})
        RightClick(x, y);

    Keys({BoardKey::Left, BoardKey::Left, BoardKey::Open}); // shown at (2, 1), then (1, 1)
    EXPECT_NE(At(1, 0).State, CellState::Closed);
    EXPECT_NE(At(0, 1).State, CellState::Closed);
    EXPECT_NE(At(2, 1).State, CellState::Closed);
    EXPECT_EQ(At(3, 1).State, CellState::Closed);
    EXPECT_EQ(game.ClickCount(), 1);

    Keys({BoardKey::RowEnd, BoardKey::Open});
    EXPECT_NE(At(3, 1).State, CellState::Closed);
    EXPECT_EQ(At(3, 0).State, CellState::Closed);
    EXPECT_EQ(game.ClickCount(), 2);
    EXPECT_EQ(game.CurrentState(), GameState::Playing);
}

TEST_F(BoardKeysTest, FlagKeyTogglesAFlagInClassic)
{
    LayMines(NumberedBoard);
    Keys({BoardKey::Flag, BoardKey::Flag});
    EXPECT_EQ(At(2, 1).Mark, CellMark::Flag);
    EXPECT_EQ(sounds, std::vector<std::string> {"\\flag.wav"});
    Keys({BoardKey::Flag});
    EXPECT_EQ(At(2, 1).Mark, CellMark::None);
    EXPECT_EQ(game.ClickCount(), 2);
}

TEST_F(BoardKeysTest, KeysDoNothingOnTheComputersTurn)
{
    LayMines(NumberedBoard, PlayMode::VsComputer);
    Click(0, 0); // the computer finds a mine and moves again
    ASSERT_TRUE(game.ComputerIsToMove());
    const auto before = Board();
    Keys({BoardKey::Open, BoardKey::Open, BoardKey::Left, BoardKey::Open});
    EXPECT_EQ(Cursor(), -1);
    EXPECT_EQ(Board(), before);
    EXPECT_EQ(game.ClickCount(), 0);
}

TEST_F(BoardKeysTest, TheMouseOverTheBoardHidesTheCursorWhichComesBackWhereItWas)
{
    LayMines(NumberedBoard);
    Keys({BoardKey::Right, BoardKey::Right});
    BoardMouseMove(game, screen, 1, 1);
    EXPECT_EQ(Cursor(), -1);
    Keys({BoardKey::Open});
    EXPECT_EQ(Cursor(), Index(3, 1));
    EXPECT_TRUE(AllClosed());
}

TEST_F(BoardKeysTest, OnAPausedBoardOnlyTheActingKeysResumeAndOpenNothing)
{
    LayMines(NumberedBoard);
    Click(1, 0);
    Keys({BoardKey::Left});
    game.PauseGame();
    ASSERT_TRUE(game.Paused());
    const auto before = Board();
    Keys({BoardKey::Left});
    EXPECT_TRUE(game.Paused());
    EXPECT_EQ(Cursor(), Index(2, 1));
    Keys({BoardKey::Open});
    EXPECT_FALSE(game.Paused());
    EXPECT_EQ(Board(), before);
    EXPECT_EQ(game.ClickCount(), 0);
}

} // namespace
