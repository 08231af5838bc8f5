// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/RulesFixture.h"

#include <algorithm>
#include <initializer_list>
#include <utility>

using namespace orvane;
using orvane::testing::RulesFixture;

namespace {

// A Beginner board of 19 mines (goal 10) in the top-left corner; the rest is one empty
// region bordered by numbers. The bonus area around (4, 3) holds the mines (3, 2), (4, 2)
// and (3, 3), five numbers and the empty cell (5, 4).
const std::vector<std::string> BeginnerBoard {"*****....", "*****....", "*****....", "****.....",
    ".........", ".........", ".........", ".........", "........."};

// Every safe cell is a number. CellOrder lists the safe cells 1, 3, 4, 5, 6, 7, 9, 11,
// 12, 13, 14, 15 in slots 0..11, then the mines 0, 2, 8, 10 in slots 12..15.
const std::vector<std::string> NumberedBoard {"*.*.", "....", "*.*.", "...."};

// The winner and its score, as each result reached the scores.
using Recorded = std::vector<std::pair<int, int32_t>>;

class TwoPlayerTest : public RulesFixture {
protected:
    void StartBeginner(PlayMode mode = PlayMode::VsHuman)
    {
        LayMines(BeginnerBoard, mode);
        ASSERT_EQ(game.FlagsToWin(), 10);
        game.CurrentLevel() = static_cast<int32_t>(Level::Beginner);
        game.CurrentPlayer() = Player1;
        game.Opponent.Phase = OpponentState::Idle;
    }
    // Player1 finds five mines of the top row, which earns Player2 the bonus, then opens
    // a number: Player2 is to move with the bonus button enabled.
    void AwardBonusToPlayer2()
    {
        for (int x = 0; x < 5; ++x)
            Click(x, 0);
        Click(5, 0);
    }
    void RecordResults(PlayerIndex scoreOf)
    {
        game.OnTwoPlayerResult = [this, scoreOf] {
            recorded.emplace_back(game.CurrentPlayer(), game.Players()[scoreOf].Score);
        };
    }
    int MoveMarks() const
    {
        int marks = 0;
        for (const Cell& cell : game.Cells())
            marks += cell.MoveMark;
        return marks;
    }
    // Scripts the random open's draws so that they name these slots of CellOrder.
    void DrawSlots(std::initializer_list<int> slots)
    {
        const double drawable = static_cast<double>(game.Cells().size() - 1);
        for (int slot : slots)
            random.scripted.push_back((slot + 0.5) / drawable);
    }
    void ShowSafeCellsOpenBut(std::initializer_list<int> closed)
    {
        for (const Cell& cell : game.Cells())
            if (cell.Value != MineValue
                && std::find(closed.begin(), closed.end(), cell.Index) == closed.end())
                ShowOpen(cell.Index % game.BoardWidth(), cell.Index / game.BoardWidth());
    }

    Recorded recorded;
};

TEST_F(TwoPlayerTest, AMineKeepsTheTurnAndASafeCellPassesIt)
{
    StartBeginner();
    Click(0, 0);
    EXPECT_EQ(At(0, 0).State, Closed);
    EXPECT_EQ(At(0, 0).Mark, FlagMark) << "Player1's mark";
    EXPECT_EQ(At(0, 0).MoveMark, 1);
    EXPECT_EQ(game.Players()[Player1].MinesFound, 1);
    EXPECT_EQ(game.CurrentPlayer(), Player1);
    EXPECT_FALSE(game.ShowMoveMarks());
    EXPECT_FALSE(game.ClearMarksNextMove);
    EXPECT_EQ(platform.sounds, std::vector<std::string> {"\\Flag.wav"});

    platform.sounds.clear();
    Click(0, 0);
    EXPECT_EQ(game.Players()[Player1].MinesFound, 1) << "a found mine is not found again";
    EXPECT_TRUE(platform.sounds.empty());

    Click(5, 0);
    EXPECT_TRUE(IsOpen(5, 0));
    EXPECT_EQ(At(6, 0).State, Closed);
    EXPECT_EQ(game.CurrentPlayer(), Player2);
    EXPECT_EQ(platform.sounds, std::vector<std::string> {"CLICK"});
    EXPECT_TRUE(game.ShowMoveMarks());
    EXPECT_TRUE(game.ClearMarksNextMove);
    EXPECT_EQ(At(5, 0).MoveMark, 1);
    EXPECT_EQ(At(0, 0).MoveMark, 1) << "the marks of the whole turn are shown";

    platform.sounds.clear();
    Click(1, 0);
    EXPECT_EQ(At(1, 0).Mark, FoundByPlayer2);
    EXPECT_EQ(game.Players()[Player2].MinesFound, 1);
    EXPECT_EQ(MoveMarks(), 1) << "the last turn's marks went when this move began";
    EXPECT_EQ(At(1, 0).MoveMark, 1);
    EXPECT_EQ(platform.sounds, std::vector<std::string> {"\\Flag.wav"});

    platform.sounds.clear();
    Click(8, 8);
    EXPECT_EQ(At(8, 8).State, OpenEmpty);
    EXPECT_TRUE(IsOpen(4, 4)) << "the region and its border open";
    EXPECT_EQ(At(7, 7).MoveMark, 0) << "only the clicked cell is marked";
    EXPECT_EQ(At(8, 8).MoveMark, 1);
    EXPECT_EQ(game.CurrentPlayer(), Player1);
    EXPECT_EQ(platform.sounds, std::vector<std::string> {"\\Open.wav"});
}

TEST_F(TwoPlayerTest, HalfTheGoalEarnsTheOtherPlayerTheBonusOncePerGame)
{
    StartBeginner();
    for (int x = 0; x < 4; ++x)
        Click(x, 0);
    EXPECT_FALSE(game.BonusAwarded());
    EXPECT_EQ(game.Message.Text, "10 Flags To WIN");

    game.BonusButtonDown() = true;
    Click(4, 0);
    EXPECT_TRUE(game.BonusAwarded());
    EXPECT_EQ(game.BonusOwner(), Player2);
    EXPECT_EQ(game.Message.Text, "P2 Earned Bonus");
    EXPECT_FLOAT_EQ(game.Message.SlideTime, 0.5f);
    EXPECT_FLOAT_EQ(game.Message.HoldTime, 2.5f);
    EXPECT_EQ(game.Message.Stage, BarStage::SlideIn);
    EXPECT_EQ(game.CurrentPlayer(), Player1);
    EXPECT_FALSE(game.BonusButtonEnabled()) << "not before the turn passes";

    Click(5, 0);
    EXPECT_TRUE(game.BonusButtonEnabled());
    EXPECT_FALSE(game.BonusButtonDown());
    Click(5, 1);
    EXPECT_EQ(game.CurrentPlayer(), Player1);
    EXPECT_FALSE(game.BonusButtonEnabled());
    Click(5, 2);
    EXPECT_TRUE(game.BonusButtonEnabled()) << "the owner's turns come round again";

    for (int x = 0; x < 5; ++x)
        Click(x, 1);
    EXPECT_EQ(game.Players()[Player2].MinesFound, 5);
    EXPECT_EQ(game.BonusOwner(), Player2) << "Player2 catching up earns nothing";
    EXPECT_EQ(game.Message.Text, "P2 Earned Bonus");
}

TEST_F(TwoPlayerTest, ComputerEarningTheBonusWaitsOneToFiveMoves)
{
    for (auto [draw, countdown] : {std::pair {0.0, 1}, {0.999, 5}}) {
        StartBeginner(PlayMode::VsComputer);
        random.scripted = {draw};
        for (int x = 0; x < 5; ++x)
            Click(x, 0);
        EXPECT_EQ(game.Opponent.BonusCountdown, countdown);
        EXPECT_TRUE(random.scripted.empty());
    }

    StartBeginner(PlayMode::VsComputer);
    game.CurrentPlayer() = Player2;
    random.scripted = {0.5};
    for (int x = 0; x < 5; ++x)
        Click(x, 0);
    EXPECT_EQ(game.BonusOwner(), Player1);
    EXPECT_EQ(game.Opponent.BonusCountdown, -1);
    EXPECT_EQ(random.scripted.size(), 1u) << "nothing drawn for the human's bonus";
}

TEST_F(TwoPlayerTest, ToggleBonusArmsAndDisarmsAndTheOwnerMayArmAgain)
{
    StartBeginner();
    AwardBonusToPlayer2();
    game.ToggleBonus();
    EXPECT_TRUE(game.BonusArmed());
    EXPECT_EQ(game.BonusRadius(), 1);
    EXPECT_EQ(game.Message.Text, "Bonus Activated");
    EXPECT_FLOAT_EQ(game.Message.SlideTime, 0.5f);
    EXPECT_FLOAT_EQ(game.Message.HoldTime, 2.0f);

    game.Message.Step(1.0, 100);
    game.ToggleBonus();
    EXPECT_FALSE(game.BonusArmed());
    EXPECT_EQ(game.Message.Text, "Bonus Deactivated");
    EXPECT_EQ(game.Message.Elapsed, 0.0) << "the message starts again";
    EXPECT_EQ(game.BonusOwner(), Player2);
    EXPECT_TRUE(game.BonusButtonEnabled());

    Click(5, 1);
    EXPECT_EQ(At(6, 1).State, Closed) << "a disarmed bonus opens one cell";
    Click(5, 2);
    ASSERT_TRUE(game.BonusButtonEnabled());
    game.ToggleBonus();
    EXPECT_TRUE(game.BonusArmed());
}

TEST_F(TwoPlayerTest, BonusAreaGrowsWithTheLevel)
{
    StartBeginner();
    for (auto [level, radius] : {std::pair {Level::Beginner, 1}, {Level::Intermediate, 2},
             {Level::Expert, 3}, {Level::Custom, 2}}) {
        game.CurrentLevel() = static_cast<int32_t>(level);
        game.BonusArmed() = false;
        game.ToggleBonus();
        EXPECT_EQ(game.BonusRadius(), radius);
    }
}

TEST_F(TwoPlayerTest, BonusOpenTakesTheWholeAreaWithoutFloodingAndPassesTheTurn)
{
    StartBeginner();
    AwardBonusToPlayer2();
    Click(3, 3); // a mine in the coming area, found by single open: the turn goes on
    game.ToggleBonus();

    game.OpenCell(At(7, 7), CellAction::Press);
    EXPECT_EQ(CountState(Pressed), 9);
    game.OpenCell(At(7, 7), CellAction::Cancel);
    EXPECT_EQ(CountState(Pressed), 0);

    platform.sounds.clear();
    game.OpenCell(At(4, 3), CellAction::Press);
    EXPECT_EQ(CountState(Pressed), 8) << "the found mine is not pressed";
    game.OpenCell(At(4, 3), CellAction::Release);
    EXPECT_EQ(platform.sounds, Repeated(8, "\\Open.wav"));

    for (auto [x, y] : {std::pair {3, 2}, {4, 2}, {3, 3}}) {
        EXPECT_EQ(At(x, y).State, Closed);
        EXPECT_EQ(At(x, y).Mark, FoundByPlayer2);
        EXPECT_EQ(At(x, y).MoveMark, 1);
    }
    for (auto [x, y] : {std::pair {5, 2}, {4, 3}, {5, 3}, {3, 4}, {4, 4}, {5, 4}}) {
        EXPECT_TRUE(IsOpen(x, y));
        EXPECT_EQ(At(x, y).MoveMark, 0);
    }
    EXPECT_EQ(At(5, 4).State, OpenEmpty);
    EXPECT_EQ(At(6, 4).State, Closed) << "an empty cell opened by the bonus does not flood";
    EXPECT_EQ(At(5, 5).State, Closed);
    EXPECT_EQ(game.Players()[Player2].MinesFound, 3);
    EXPECT_EQ(game.CurrentPlayer(), Player1);
    EXPECT_FALSE(game.BonusArmed());
    EXPECT_FALSE(game.BonusButtonEnabled());
    EXPECT_EQ(game.BonusOwner(), BonusUsed);
    EXPECT_TRUE(game.ShowMoveMarks());
    EXPECT_TRUE(game.ClearMarksNextMove);

    Click(5, 1);
    EXPECT_EQ(MoveMarks(), 1) << "Player1's move cleared the bonus marks";
    EXPECT_EQ(game.CurrentPlayer(), Player2);
    EXPECT_FALSE(game.BonusButtonEnabled()) << "a spent bonus does not come back";
}

TEST_F(TwoPlayerTest, BonusOpenWithTheWinningMineDecidesTheGameOnceAndPassesTheTurn)
{
    StartBeginner();
    AwardBonusToPlayer2();
    for (auto [x, y] : {std::pair {0, 1}, {1, 1}, {2, 1}, {3, 1}, {4, 1}, {0, 2}, {1, 2}})
        Click(x, y);
    ASSERT_EQ(game.Players()[Player2].MinesFound, 7);
    ASSERT_EQ(game.CurrentPlayer(), Player2);
    game.Players()[Player2].Score = 2;
    RecordResults(Player2);
    game.ToggleBonus();
    game.Message.Step(1.0, 100);
    platform.sounds.clear();

    Click(4, 3);
    // (3, 2) and (4, 2) make nine, (5, 2) is safe, (3, 3) is the tenth; the walk goes on.
    auto sounds = Repeated(3, "\\Open.wav");
    sounds.insert(sounds.end(), 6, "\\Win.wav");
    EXPECT_EQ(platform.sounds, sounds);
    EXPECT_TRUE(IsOpen(5, 4));
    EXPECT_EQ(game.CurrentState(), GameState::Won);
    EXPECT_EQ(game.Face(), FaceLook::Won);
    EXPECT_FALSE(game.BonusButtonEnabled());
    EXPECT_EQ(game.Players()[Player2].Score, 3);
    EXPECT_EQ(recorded, (Recorded {{Player2, 3}}));
    EXPECT_EQ(game.Message.Text, "P2 Won.");
    EXPECT_EQ(game.Message.Elapsed, 0.0) << "restarted after a bonus open";
    EXPECT_FLOAT_EQ(game.Message.SlideTime, 1.0f);
    EXPECT_FLOAT_EQ(game.Message.HoldTime, 5.0f);
    EXPECT_EQ(game.CurrentPlayer(), Player1);

    game.NewGame(Level::Beginner);
    EXPECT_EQ(game.CurrentPlayer(), Player2) << "after a bonus win the winner begins";
}

TEST_F(TwoPlayerTest, BonusAreaOnANineColumnBoardStopsAtTheLeftEdge)
{
    LayMines(
        {"........*", "........*", "........*", "........*", "........*", "........*", "........*"},
        PlayMode::VsHuman);
    game.CurrentPlayer() = Player2;
    Click(8, 0);
    Click(8, 1); // two of a goal of four: the bonus goes to Player1
    Click(7, 0);
    ASSERT_TRUE(game.BonusButtonEnabled());
    game.ToggleBonus();
    ASSERT_EQ(game.BonusRadius(), 2);

    const auto inArea = [](int x, int y) { return x <= 2 && y >= 1 && y <= 5; };
    game.OpenCell(At(0, 3), CellAction::Press);
    for (int y = 0; y < 7; ++y)
        for (int x = 0; x < game.BoardWidth(); ++x)
            EXPECT_EQ(At(x, y).State == Pressed, inArea(x, y)) << x << "," << y;
    platform.sounds.clear();
    game.OpenCell(At(0, 3), CellAction::Release);
    for (int y = 0; y < 7; ++y)
        for (int x = 0; x < game.BoardWidth(); ++x)
            EXPECT_EQ(At(x, y).State == OpenEmpty, inArea(x, y)) << x << "," << y;
    EXPECT_EQ(platform.sounds, Repeated(15, "\\Open.wav"));
}

TEST_F(TwoPlayerTest, SingleOpenOfTheGoalMineWinsAndTheLoserBeginsTheNextGame)
{
    StartBeginner();
    for (int x = 0; x < 5; ++x)
        Click(x, 0);
    ASSERT_EQ(game.Message.Text, "P2 Earned Bonus");
    game.Message.Step(1.0, 100);
    RecordResults(Player1);
    platform.sounds.clear();

    for (int x = 0; x < 5; ++x)
        Click(x, 1);
    EXPECT_EQ(game.CurrentState(), GameState::Won);
    EXPECT_EQ(game.Face(), FaceLook::Won);
    EXPECT_FALSE(game.BonusButtonEnabled());
    EXPECT_EQ(recorded, (Recorded {{Player1, 1}}));
    auto sounds = Repeated(4, "\\Flag.wav");
    sounds.push_back("\\Win.wav");
    EXPECT_EQ(platform.sounds, sounds);
    // The winner's text takes over the running message and its time so far.
    EXPECT_EQ(game.Message.Text, "P1 Won.");
    EXPECT_DOUBLE_EQ(game.Message.Elapsed, 1.0);
    EXPECT_FLOAT_EQ(game.Message.SlideTime, 1.0f);
    EXPECT_FLOAT_EQ(game.Message.HoldTime, 5.0f);
    EXPECT_TRUE(game.ShowMoveMarks());
    EXPECT_TRUE(game.ClearMarksNextMove);
    EXPECT_EQ(MoveMarks(), 10) << "all mines of the winning turn";
    EXPECT_EQ(game.CurrentPlayer(), Player1);

    game.NewGame(Level::Beginner);
    EXPECT_EQ(game.CurrentPlayer(), Player2);
    EXPECT_EQ(game.Players()[Player1].MinesFound, 0);
    EXPECT_EQ(game.Players()[Player1].Score, 1);
}

TEST_F(TwoPlayerTest, ComputerIsToldToChooseWheneverItIsToMove)
{
    StartBeginner(PlayMode::VsComputer);
    Click(0, 0);
    EXPECT_EQ(game.Opponent.Phase, OpponentState::Idle);
    Click(5, 0);
    EXPECT_EQ(game.Opponent.Phase, OpponentState::Choose);

    game.Opponent.Phase = OpponentState::Idle; // as after the computer's own move
    Click(1, 0);
    EXPECT_EQ(game.Opponent.Phase, OpponentState::Choose) << "a found mine lets it move again";
    for (auto [x, y] : {std::pair {2, 0}, {3, 0}, {4, 0}, {0, 1}})
        Click(x, y); // five for the computer: the bonus goes to Player1
    game.Opponent.Phase = OpponentState::Idle;
    Click(5, 1);
    EXPECT_EQ(game.CurrentPlayer(), Player1);
    EXPECT_EQ(game.Opponent.Phase, OpponentState::Idle);

    ASSERT_TRUE(game.BonusButtonEnabled());
    game.ToggleBonus();
    Click(7, 7);
    EXPECT_EQ(game.CurrentPlayer(), Player2);
    EXPECT_EQ(game.Opponent.Phase, OpponentState::Choose) << "also after a bonus open";
}

TEST_F(TwoPlayerTest, SoundOffKeepsAWholeTwoPlayerGameSilent)
{
    StartBeginner();
    game.SoundOn() = false;
    AwardBonusToPlayer2();
    game.ToggleBonus();
    Click(4, 3);
    Click(8, 8);
    for (auto [x, y] : {std::pair {0, 1}, {1, 1}, {2, 1}, {3, 1}, {4, 1}, {0, 2}, {1, 2}})
        Click(x, y);
    EXPECT_EQ(game.CurrentState(), GameState::Won);
    EXPECT_EQ(game.Players()[Player2].Score, 1);
    EXPECT_TRUE(platform.sounds.empty());
}

class RandomOpenTest : public TwoPlayerTest { };

TEST_F(RandomOpenTest, OpensThreeClosedUnflaggedCellsAsOneClick)
{
    LayMines(NumberedBoard);
    Click(1, 0);      // slot 0, already open
    RightClick(0, 1); // slot 2, flagged
    platform.sounds.clear();
    DrawSlots({0, 2, 1, 3, 5});
    game.RandomOpen();
    EXPECT_TRUE(random.scripted.empty()) << "the open and the flagged cell were drawn again";
    EXPECT_TRUE(IsOpen(3, 0));
    EXPECT_TRUE(IsOpen(1, 1));
    EXPECT_TRUE(IsOpen(3, 1));
    EXPECT_EQ(At(0, 1).Mark, FlagMark);
    EXPECT_EQ(At(0, 1).State, Closed);
    EXPECT_EQ(MoveMarks(), 3);
    EXPECT_TRUE(game.ShowMoveMarks());
    EXPECT_FALSE(game.RandomOpenRunning);
    EXPECT_EQ(game.ClickCount(), 1);
    EXPECT_EQ(platform.sounds, Repeated(3, "CLICK"));
    EXPECT_EQ(game.CurrentState(), GameState::Playing);

    RightClick(3, 3);
    EXPECT_EQ(MoveMarks(), 0) << "the next move clears the highlight";
    EXPECT_FALSE(game.ShowMoveMarks());
}

TEST_F(RandomOpenTest, CanOpenAMineAndLose)
{
    LayMines(NumberedBoard);
    DrawSlots({0, 12});
    game.RandomOpen();
    EXPECT_EQ(game.CurrentState(), GameState::Lost);
    EXPECT_EQ(At(0, 0).Mark, ExplodedMine);
    EXPECT_EQ(At(0, 0).MoveMark, 1);
    EXPECT_TRUE(IsOpen(1, 0));
    EXPECT_EQ(CountState(Closed), 11) << "nothing opens after the loss";
    EXPECT_EQ(platform.sounds, (std::vector<std::string> {"CLICK", "\\Loose.wav"}));
    EXPECT_EQ(classicLosses, 1);
    EXPECT_FALSE(game.RandomOpenRunning);
}

TEST_F(RandomOpenTest, CanWinWhenThreeSafeCellsAreLeft)
{
    LayMines(NumberedBoard);
    ShowSafeCellsOpenBut({1, 3, 15});
    DrawSlots({11, 4, 0, 1});
    game.RandomOpen();
    EXPECT_EQ(game.CurrentState(), GameState::Won);
    EXPECT_EQ(game.FlagsLeft(), 0);
    EXPECT_EQ(platform.sounds, (std::vector<std::string> {"CLICK", "CLICK", "\\Win.wav"}));
    EXPECT_EQ(classicWins, 1);
    EXPECT_EQ(game.ClickCount(), 1);
}

TEST_F(RandomOpenTest, StopsWhenEveryClosedCellItCanDrawCarriesAFlag)
{
    LayMines(NumberedBoard);
    ShowSafeCellsOpenBut({1, 3});
    // A false flag on cell 3 keeps the game running; mine 10 sits in the one slot never drawn.
    for (auto [x, y] : {std::pair {3, 0}, {0, 0}, {2, 0}, {0, 2}})
        RightClick(x, y);
    platform.sounds.clear();
    DrawSlots({0});
    game.RandomOpen();
    EXPECT_TRUE(IsOpen(1, 0));
    EXPECT_EQ(At(3, 0).State, Closed);
    EXPECT_EQ(At(2, 2).State, Closed);
    EXPECT_EQ(game.CurrentState(), GameState::Playing);
    EXPECT_EQ(game.ClickCount(), 1);
    EXPECT_FALSE(game.RandomOpenRunning);
    EXPECT_EQ(platform.sounds, std::vector<std::string> {"CLICK"});
}

} // namespace
