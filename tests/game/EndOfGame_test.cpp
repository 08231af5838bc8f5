// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/RulesFixture.h"

#include <algorithm>

using namespace orvane;
using orvane::testing::RulesFixture;

namespace {

// Every safe cell is a number: each open plays the click until the last one wins.
const std::vector<std::string> NumberedBoard {"*.*.", "....", "*.*.", "...."};

// Columns 0 and 1 are one empty region bordered by the numbers of column 2; column 4
// lies behind the wall of mines.
const std::vector<std::string> WallBoard {"...*.", "...*.", "...*."};

class EndOfGameTest : public RulesFixture {
protected:
    void ClickEverySafeCell(const std::vector<std::string>& rows)
    {
        for (size_t y = 0; y < rows.size(); ++y)
            for (size_t x = 0; x < rows[y].size(); ++x)
                if (rows[y][x] == '.')
                    Click(static_cast<int>(x), static_cast<int>(y));
    }
    // Where an event stands among those told; past the end when it was not told.
    ptrdiff_t Position(const GameEvent& wanted) const
    {
        return std::find(events.begin(), events.end(), wanted) - events.begin();
    }
    ptrdiff_t EndPosition() const
    {
        return std::find_if(events.begin(), events.end(), [](const GameEvent& e) {
            return std::holds_alternative<GameEnded>(e);
        }) - events.begin();
    }
};

TEST_F(EndOfGameTest, LossRevealsMissedMinesAndFalseFlagsAndKeepsTheRightFlag)
{
    LayMines({"*..*", "....", "..*."});
    Click(1, 1);
    RightClick(0, 0); // right
    RightClick(1, 2); // wrong
    sounds.clear();
    events.clear();
    Click(3, 0);

    EXPECT_EQ(At(0, 0).State, CellState::Closed);
    EXPECT_EQ(At(0, 0).Mark, CellMark::Flag);
    EXPECT_EQ(At(2, 2).State, CellState::Revealed);
    EXPECT_EQ(At(2, 2).Mark, CellMark::MissedMine);
    EXPECT_EQ(At(1, 2).State, CellState::Revealed);
    EXPECT_EQ(At(1, 2).Mark, CellMark::FalseFlag);
    EXPECT_EQ(At(3, 0).State, CellState::Revealed);
    EXPECT_EQ(At(3, 0).Mark, CellMark::ExplodedMine);
    EXPECT_EQ(At(1, 0).State, CellState::Closed) << "unflagged safe cells stay as they were";
    EXPECT_EQ(At(1, 0).Mark, CellMark::None);

    EXPECT_EQ(game.CurrentState(), GameState::Lost);
    EXPECT_EQ(game.Face(), FaceLook::Lost);
    EXPECT_FALSE(game.BonusButtonEnabled());
    EXPECT_EQ(sounds, std::vector<std::string> {"\\Loose.wav"});
    EXPECT_EQ(classicLosses(), 1);
    EXPECT_LT(Position(SoundPlayed {Sound::Loss}), EndPosition()) << "the sound comes first";
    EXPECT_EQ(classicWins(), 0);
}

TEST_F(EndOfGameTest, WinFlagsEveryMineSoThatNoFlagIsLeft)
{
    for (bool flaggedOne : {false, true}) {
        LayMines(NumberedBoard);
        if (flaggedOne)
            RightClick(2, 2);
        sounds.clear();
        ClickEverySafeCell(NumberedBoard);

        EXPECT_EQ(game.CurrentState(), GameState::Won);
        EXPECT_EQ(game.Face(), FaceLook::Won);
        EXPECT_FALSE(game.BonusButtonEnabled());
        EXPECT_EQ(game.FlagsLeft(), 0);
        for (auto [x, y] : {std::pair {0, 0}, {2, 0}, {0, 2}, {2, 2}}) {
            EXPECT_EQ(At(x, y).State, CellState::Closed);
            EXPECT_EQ(At(x, y).Mark, CellMark::Flag);
        }
        auto played = Repeated(11, "CLICK");
        played.push_back("\\Win.wav");
        EXPECT_EQ(sounds, played);
        // The win sound starts before the scores may ask for a name.
        EXPECT_EQ(classicWins(), 1);
        EXPECT_LT(Position(SoundPlayed {Sound::Win}), EndPosition());
        EXPECT_EQ(classicLosses(), 0);
    }
}

TEST_F(EndOfGameTest, ChordWinsAtItsFirstOpenAndTheWinOpensTheWaitingNeighbours)
{
    // (1, 1) shows 4 for the corner mines; its closed safe neighbours are the last safe cells.
    LayMines({"*.*", "...", "*.*"});
    for (auto [x, y] : {std::pair {0, 0}, {2, 0}, {0, 2}, {2, 2}})
        RightClick(x, y);
    Click(1, 1);
    Click(0, 1);
    sounds.clear();
    Chord(1, 1);
    EXPECT_EQ(game.CurrentState(), GameState::Won);
    EXPECT_TRUE(IsOpen(1, 0));
    EXPECT_TRUE(IsOpen(2, 1));
    EXPECT_TRUE(IsOpen(1, 2));
    EXPECT_EQ(CountState(CellState::Pressed), 0);
    EXPECT_EQ(sounds, std::vector<std::string> {"\\Win.wav"});
    EXPECT_EQ(classicWins(), 1);
}

TEST_F(EndOfGameTest, ReleaseOnAnOpenCellClicksUnlessTheCellIsEmpty)
{
    LayMines(WallBoard);
    Click(0, 0);
    ASSERT_EQ(sounds, std::vector<std::string> {"\\Open.wav"});
    ASSERT_TRUE(IsOpen(2, 2));
    RightClick(4, 0);
    const auto before = Board();

    sounds.clear();
    Click(0, 0);
    EXPECT_TRUE(sounds.empty()) << "an open empty cell has no sound of its own";
    Click(2, 0);
    EXPECT_EQ(sounds, std::vector<std::string> {"CLICK"});
    sounds.clear();
    Click(4, 0);
    EXPECT_EQ(sounds, std::vector<std::string> {"CLICK"}) << "a flagged cell";
    EXPECT_EQ(Board(), before);
    EXPECT_EQ(game.CurrentState(), GameState::Playing);
}

TEST_F(EndOfGameTest, WinningByAnEmptyRegionSweepsAndThenPlaysTheWin)
{
    LayMines({"....", "....", "...*"});
    Click(0, 0);
    EXPECT_EQ(game.CurrentState(), GameState::Won);
    EXPECT_EQ(At(3, 2).Mark, CellMark::Flag);
    EXPECT_EQ(game.FlagsLeft(), 0);
    EXPECT_EQ(sounds, (std::vector<std::string> {"\\Open.wav", "\\Win.wav"}));
}

TEST_F(EndOfGameTest, ClassicWinShowsTheBoardsPaceOverTheCounters)
{
    LayMines({"..*..", "..*.."}); // an opening each side of the mines: 3BV 2
    Click(0, 0);
    counter.now += 4 * counter.frequency;
    Click(4, 0);
    ASSERT_EQ(game.CurrentState(), GameState::Won);
    const auto posted = Told<MessagePosted>();
    ASSERT_EQ(posted.size(), 1U);
    EXPECT_EQ(posted[0].Text, "3BV/s 0.50");
    EXPECT_TRUE(posted[0].AlsoInClassic);
}

TEST_F(EndOfGameTest, AbandonedGameCountsNeitherAndADecidedOneCountsOnce)
{
    LayMines(NumberedBoard);
    Click(1, 0);
    RightClick(0, 0);
    game.Restart();
    TakeEvents();
    EXPECT_EQ(game.CurrentState(), GameState::Ready);
    EXPECT_EQ(classicLosses(), 0);
    EXPECT_EQ(classicWins(), 0);
    ASSERT_EQ(Told<GameEnded>().size(), 1U);
    EXPECT_EQ(Told<GameEnded>()[0].Result, GameResult::GivenUp);

    LayMines(NumberedBoard);
    Click(1, 0);
    Click(0, 0);
    Click(3, 0); // the board is frozen
    game.Restart();
    TakeEvents();
    EXPECT_EQ(classicLosses(), 1);
    EXPECT_EQ(classicWins(), 0);
    EXPECT_EQ(Told<GameEnded>().size(), 1U);
}

TEST_F(EndOfGameTest, SoundOffKeepsAWholeGameSilent)
{
    LayMines(WallBoard);
    game.SetSoundOn(false);
    RightClick(3, 0);
    Click(0, 0); // sweeps columns 0 to 2
    Chord(2, 1); // one flag on a 3: refused
    RightClick(3, 0);
    Chord(2, 1); // no flag and three closed neighbours: flags them
    Click(4, 0);
    RightClick(4, 0); // chords from the open 2
    ASSERT_TRUE(IsOpen(4, 1));
    Click(4, 2);
    EXPECT_EQ(game.CurrentState(), GameState::Won);
    EXPECT_TRUE(sounds.empty());

    LayMines(WallBoard);
    Click(0, 0);
    Click(3, 1);
    EXPECT_EQ(game.CurrentState(), GameState::Lost);
    EXPECT_TRUE(sounds.empty());
}

} // namespace
