// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/RulesFixture.h"

using namespace orvane;
using orvane::testing::RulesFixture;

namespace {

// Every safe cell is a number: each open plays the click until the last one wins.
const std::vector<std::string> NumberedBoard {"*.*.", "....", "*.*.", "...."};

// Columns 0 and 1 are one empty region bordered by the numbers of column 2; column 4
// lies behind the wall of mines.
const std::vector<std::string> WallBoard {"...*.", "...*.", "...*."};

// What the score recording finds when the game hands its result on.
struct Handed {
    int calls = 0;
    std::vector<std::string> sounds;
    GameState state = GameState::Ready;
    int32_t flagsLeft = -1;
};

class EndOfGameTest : public RulesFixture {
protected:
    void RecordWhatTheScoresSee(std::function<void()>& hook)
    {
        hook = [this] {
            ++handed.calls;
            handed.sounds = platform.sounds;
            handed.state = game.CurrentState();
            handed.flagsLeft = game.FlagsLeft();
        };
    }
    void ClickEverySafeCell()
    {
        for (const Cell& cell : game.Cells())
            if (cell.Value != MineValue)
                Click(cell.Index % game.BoardWidth(), cell.Index / game.BoardWidth());
    }

    Handed handed;
};

TEST_F(EndOfGameTest, LossRevealsMissedMinesAndFalseFlagsAndKeepsTheRightFlag)
{
    LayMines({"*..*", "....", "..*."});
    RecordWhatTheScoresSee(game.OnClassicLoss);
    RightClick(0, 0); // right
    RightClick(1, 2); // wrong
    platform.sounds.clear();
    Click(3, 0);

    EXPECT_EQ(At(0, 0).State, Closed);
    EXPECT_EQ(At(0, 0).Mark, FlagMark);
    EXPECT_EQ(At(2, 2).State, Revealed);
    EXPECT_EQ(At(2, 2).Mark, MissedMine);
    EXPECT_EQ(At(1, 2).State, Revealed);
    EXPECT_EQ(At(1, 2).Mark, FalseFlag);
    EXPECT_EQ(At(3, 0).State, Revealed);
    EXPECT_EQ(At(3, 0).Mark, ExplodedMine);
    EXPECT_EQ(At(1, 1).State, Closed) << "unflagged safe cells stay as they were";
    EXPECT_EQ(At(1, 1).Mark, NoMark);

    EXPECT_EQ(game.CurrentState(), GameState::Lost);
    EXPECT_EQ(game.Face(), FaceLook::Lost);
    EXPECT_FALSE(game.BonusButtonEnabled());
    EXPECT_EQ(platform.sounds, std::vector<std::string> {"\\Loose.wav"});
    EXPECT_EQ(handed.calls, 1);
    EXPECT_EQ(handed.sounds, std::vector<std::string> {"\\Loose.wav"}) << "the sound comes first";
    EXPECT_EQ(classicWins, 0);
}

TEST_F(EndOfGameTest, WinFlagsEveryMineSoThatNoFlagIsLeft)
{
    for (bool flaggedOne : {false, true}) {
        LayMines(NumberedBoard);
        RecordWhatTheScoresSee(game.OnClassicWin);
        handed = {};
        if (flaggedOne)
            RightClick(2, 2);
        platform.sounds.clear();
        ClickEverySafeCell();

        EXPECT_EQ(game.CurrentState(), GameState::Won);
        EXPECT_EQ(game.Face(), FaceLook::Won);
        EXPECT_FALSE(game.BonusButtonEnabled());
        EXPECT_EQ(game.FlagsLeft(), 0);
        for (auto [x, y] : {std::pair {0, 0}, {2, 0}, {0, 2}, {2, 2}}) {
            EXPECT_EQ(At(x, y).State, Closed);
            EXPECT_EQ(At(x, y).Mark, FlagMark);
        }
        auto sounds = Repeated(11, "CLICK");
        sounds.push_back("\\Win.wav");
        EXPECT_EQ(platform.sounds, sounds);
        // The win sound starts before the scores may ask for a name; they see the finished game.
        EXPECT_EQ(handed.calls, 1);
        EXPECT_EQ(handed.sounds, sounds);
        EXPECT_EQ(handed.state, GameState::Won);
        EXPECT_EQ(handed.flagsLeft, 0);
        EXPECT_EQ(classicLosses, 0);
    }
}

TEST_F(EndOfGameTest, ChordWinsAtItsFirstOpenAndTheWinOpensTheWaitingNeighbours)
{
    // (1, 1) shows 4 for the corner mines; its closed safe neighbours are the last safe cells.
    LayMines({"*.*", "...", "*.*"});
    for (auto [x, y] : {std::pair {0, 0}, {2, 0}, {0, 2}, {2, 2}})
        RightClick(x, y);
    ShowOpen(1, 1);
    ShowOpen(0, 1);
    platform.sounds.clear();
    Chord(1, 1);
    EXPECT_EQ(game.CurrentState(), GameState::Won);
    EXPECT_TRUE(IsOpen(1, 0));
    EXPECT_TRUE(IsOpen(2, 1));
    EXPECT_TRUE(IsOpen(1, 2));
    EXPECT_EQ(CountState(Pressed), 0);
    EXPECT_EQ(platform.sounds, std::vector<std::string> {"\\Win.wav"});
    EXPECT_EQ(classicWins, 1);
}

TEST_F(EndOfGameTest, ReleaseOnAnOpenCellClicksUnlessTheCellIsEmpty)
{
    LayMines(WallBoard);
    Click(0, 0);
    ASSERT_EQ(platform.sounds, std::vector<std::string> {"\\Open.wav"});
    ASSERT_TRUE(IsOpen(2, 2));
    RightClick(4, 0);
    const auto before = Board();

    platform.sounds.clear();
    Click(0, 0);
    EXPECT_TRUE(platform.sounds.empty()) << "an open empty cell has no sound of its own";
    Click(2, 0);
    EXPECT_EQ(platform.sounds, std::vector<std::string> {"CLICK"});
    platform.sounds.clear();
    Click(4, 0);
    EXPECT_EQ(platform.sounds, std::vector<std::string> {"CLICK"}) << "a flagged cell";
    EXPECT_EQ(Board(), before);
    EXPECT_EQ(game.CurrentState(), GameState::Playing);
}

TEST_F(EndOfGameTest, WinningByAnEmptyRegionSweepsAndThenPlaysTheWin)
{
    LayMines({"....", "....", "...*"});
    Click(0, 0);
    EXPECT_EQ(game.CurrentState(), GameState::Won);
    EXPECT_EQ(At(3, 2).Mark, FlagMark);
    EXPECT_EQ(game.FlagsLeft(), 0);
    EXPECT_EQ(platform.sounds, (std::vector<std::string> {"\\Open.wav", "\\Win.wav"}));
}

TEST_F(EndOfGameTest, ClassicWinShowsTheBoardsPaceOverTheCounters)
{
    LayMines({"....", "....", "...*"}); // one opening: 3BV 1
    counter.now = 4 * counter.frequency;
    Click(0, 0);
    EXPECT_TRUE(game.MessageBarShown());
    EXPECT_EQ(game.Message.Text, "3BV/s 0.25");
}

TEST_F(EndOfGameTest, AbandonedGameCountsNeitherAndADecidedOneCountsOnce)
{
    LayMines(NumberedBoard);
    Click(1, 0);
    RightClick(0, 0);
    game.NewGame(static_cast<Level>(game.CurrentLevel()));
    EXPECT_EQ(game.CurrentState(), GameState::Ready);
    EXPECT_EQ(classicLosses, 0);
    EXPECT_EQ(classicWins, 0);

    LayMines(NumberedBoard);
    Click(0, 0);
    Click(1, 0); // the board is frozen
    game.NewGame(static_cast<Level>(game.CurrentLevel()));
    EXPECT_EQ(classicLosses, 1);
    EXPECT_EQ(classicWins, 0);
}

TEST_F(EndOfGameTest, SoundOffKeepsAWholeGameSilent)
{
    LayMines(WallBoard);
    game.SoundOn() = false;
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
    EXPECT_TRUE(platform.sounds.empty());

    LayMines(WallBoard);
    Click(3, 1);
    EXPECT_EQ(game.CurrentState(), GameState::Lost);
    EXPECT_TRUE(platform.sounds.empty());
}

} // namespace
