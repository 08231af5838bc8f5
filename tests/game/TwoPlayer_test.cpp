// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/RulesFixture.h"

#include <algorithm>
#include <initializer_list>
#include <utility>

using namespace orvane;
using orvane::testing::DealLayout;
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

class TwoPlayerTest : public RulesFixture {
protected:
    // Deals the board until the given player begins: each deal passes the turn on.
    void Deal(const std::vector<std::string>& rows, PlayMode mode, Level level, PlayerIndex first)
    {
        do
            DealLayout(game, rows, mode, level);
        while (game.CurrentPlayer() != first);
        TakeEvents();
        events.clear();
        sounds.clear();
    }
    void StartBeginner(PlayMode mode = PlayMode::VsHuman, PlayerIndex first = Player1)
    {
        Deal(BeginnerBoard, mode, Level::Beginner, first);
        ASSERT_EQ(game.FlagsToWin(), 10);
    }
    // Player1 finds five mines of the top row, which earns Player2 the bonus, then opens
    // a number: Player2 is to move with the bonus button enabled.
    void AwardBonusToPlayer2()
    {
        for (int x = 0; x < 5; ++x)
            Click(x, 0);
        Click(5, 0);
    }
    void ToggleBonus()
    {
        game.ToggleBonus();
        TakeEvents();
    }
    int MoveMarks() const
    {
        int marks = 0;
        for (const Cell& cell : game.Cells())
            marks += cell.MoveMark;
        return marks;
    }
    MessagePosted LastMessage() const
    {
        const auto posted = Told<MessagePosted>();
        return posted.empty() ? MessagePosted {} : posted.back();
    }
    // Scripts the random open's draws so that they name these slots of CellOrder.
    void DrawSlots(std::initializer_list<int> slots)
    {
        const double drawable = static_cast<double>(game.Cells().size() - 1);
        for (int slot : slots)
            random.scripted.push_back((slot + 0.5) / drawable);
    }
    void RandomOpen()
    {
        game.RandomOpen();
        TakeEvents();
    }
    void OpenSafeCellsBut(const std::vector<std::string>& rows, std::initializer_list<int> closed)
    {
        const int width = static_cast<int>(rows[0].size());
        for (int i = 0; i < width * static_cast<int>(rows.size()); ++i)
            if (rows[i / width][i % width] == '.'
                && std::find(closed.begin(), closed.end(), i) == closed.end())
                Click(i % width, i / width);
    }
};

TEST_F(TwoPlayerTest, AMineKeepsTheTurnAndASafeCellPassesIt)
{
    StartBeginner();
    Click(0, 0);
    EXPECT_EQ(At(0, 0).State, CellState::Closed);
    EXPECT_EQ(At(0, 0).Mark, CellMark::Flag) << "Player1's mark";
    EXPECT_TRUE(At(0, 0).MoveMark);
    EXPECT_EQ(game.Players()[Player1].MinesFound, 1);
    EXPECT_EQ(game.CurrentPlayer(), Player1);
    EXPECT_FALSE(game.ShowMoveMarks());
    EXPECT_EQ(sounds, std::vector<std::string> {"\\flag.wav"});
    EXPECT_EQ(Told<MineFound>(), (std::vector<MineFound> {{0, Player1}}));

    sounds.clear();
    Click(0, 0);
    EXPECT_EQ(game.Players()[Player1].MinesFound, 1) << "a found mine is not found again";
    EXPECT_TRUE(sounds.empty());

    Click(5, 0);
    EXPECT_TRUE(IsOpen(5, 0));
    EXPECT_EQ(At(6, 0).State, CellState::Closed);
    EXPECT_EQ(game.CurrentPlayer(), Player2);
    EXPECT_EQ(Told<TurnPassed>(), (std::vector<TurnPassed> {{Player2}}));
    EXPECT_EQ(sounds, std::vector<std::string> {"CLICK"});
    EXPECT_TRUE(game.ShowMoveMarks());
    EXPECT_TRUE(At(5, 0).MoveMark);
    EXPECT_TRUE(At(0, 0).MoveMark) << "the marks of the whole turn are shown";

    sounds.clear();
    Click(1, 0);
    EXPECT_EQ(At(1, 0).Mark, CellMark::FoundByPlayer2);
    EXPECT_EQ(game.Players()[Player2].MinesFound, 1);
    EXPECT_EQ(MoveMarks(), 1) << "the last turn's marks went when this move began";
    EXPECT_TRUE(At(1, 0).MoveMark);
    EXPECT_EQ(sounds, std::vector<std::string> {"\\flag.wav"});

    sounds.clear();
    Click(8, 8);
    EXPECT_TRUE(At(8, 8).IsOpenEmpty());
    EXPECT_TRUE(IsOpen(4, 4)) << "the region and its border open";
    EXPECT_FALSE(At(7, 7).MoveMark) << "only the clicked cell is marked";
    EXPECT_TRUE(At(8, 8).MoveMark);
    EXPECT_EQ(game.CurrentPlayer(), Player1);
    EXPECT_EQ(sounds, std::vector<std::string> {"\\Open.wav"});
}

TEST_F(TwoPlayerTest, HalfTheGoalEarnsTheOtherPlayerTheBonusOncePerGame)
{
    StartBeginner();
    for (int x = 0; x < 4; ++x)
        Click(x, 0);
    EXPECT_FALSE(game.BonusAwarded());
    EXPECT_TRUE(Messages().empty());

    game.PressBonusButton(true);
    Click(4, 0);
    EXPECT_TRUE(game.BonusAwarded());
    EXPECT_EQ(game.BonusOwner(), Player2);
    EXPECT_EQ(LastMessage(), (MessagePosted {"P2 Earned Bonus", 0.5f, 2.5f, false, false}));
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
    EXPECT_EQ(Messages(), std::vector<std::string> {"P2 Earned Bonus"});
}

TEST_F(TwoPlayerTest, ComputerEarningTheBonusWaitsOneToFiveMoves)
{
    for (auto [draw, countdown] : {std::pair {0.0, 1}, {0.999, 5}}) {
        StartBeginner(PlayMode::VsComputer);
        random.scripted = {draw};
        for (int x = 0; x < 5; ++x)
            Click(x, 0);
        EXPECT_EQ(game.ComputerBonusDelay(), countdown);
        EXPECT_TRUE(random.scripted.empty());
    }

    StartBeginner(PlayMode::VsComputer, Player2);
    random.scripted = {0.5};
    for (int x = 0; x < 5; ++x)
        Click(x, 0);
    EXPECT_EQ(game.BonusOwner(), Player1);
    EXPECT_EQ(game.ComputerBonusDelay(), -1);
    EXPECT_EQ(random.scripted.size(), 1u) << "nothing drawn for the human's bonus";
}

TEST_F(TwoPlayerTest, ToggleBonusArmsAndDisarmsAndTheOwnerMayArmAgain)
{
    StartBeginner();
    AwardBonusToPlayer2();
    events.clear();
    ToggleBonus();
    EXPECT_TRUE(game.BonusArmed());
    EXPECT_EQ(game.BonusRadius(), 1);
    EXPECT_EQ(LastMessage(), (MessagePosted {"Bonus Activated", 0.5f, 2.0f, false, false}));

    ToggleBonus();
    EXPECT_FALSE(game.BonusArmed());
    EXPECT_EQ(LastMessage(), (MessagePosted {"Bonus Deactivated", 0.5f, 2.0f, false, false}))
        << "the message starts again";
    EXPECT_EQ(game.BonusOwner(), Player2);
    EXPECT_TRUE(game.BonusButtonEnabled());

    Click(5, 1);
    EXPECT_EQ(At(6, 1).State, CellState::Closed) << "a disarmed bonus opens one cell";
    Click(5, 2);
    ASSERT_TRUE(game.BonusButtonEnabled());
    ToggleBonus();
    EXPECT_TRUE(game.BonusArmed());
}

TEST_F(TwoPlayerTest, BonusAreaGrowsWithTheLevel)
{
    for (auto [level, radius] : {std::pair {Level::Beginner, 1}, {Level::Intermediate, 2},
             {Level::Expert, 3}, {Level::Custom, 2}}) {
        StartBoard(9, 9, 19, PlayMode::VsHuman, level);
        ToggleBonus();
        EXPECT_EQ(game.BonusRadius(), radius);
    }
}

TEST_F(TwoPlayerTest, BonusOpenTakesTheWholeAreaWithoutFloodingAndPassesTheTurn)
{
    StartBeginner();
    AwardBonusToPlayer2();
    Click(3, 3); // a mine in the coming area, found by single open: the turn goes on
    ToggleBonus();

    Act(CellGesture::Open, CellAction::Press, 7, 7);
    EXPECT_EQ(CountState(CellState::Pressed), 9);
    Act(CellGesture::Open, CellAction::Cancel, 7, 7);
    EXPECT_EQ(CountState(CellState::Pressed), 0);

    sounds.clear();
    Act(CellGesture::Open, CellAction::Press, 4, 3);
    EXPECT_EQ(CountState(CellState::Pressed), 8) << "the found mine is not pressed";
    Act(CellGesture::Open, CellAction::Release, 4, 3);
    EXPECT_EQ(sounds, Repeated(8, "\\Open.wav"));

    for (auto [x, y] : {std::pair {3, 2}, {4, 2}, {3, 3}}) {
        EXPECT_EQ(At(x, y).State, CellState::Closed);
        EXPECT_EQ(At(x, y).Mark, CellMark::FoundByPlayer2);
        EXPECT_TRUE(At(x, y).MoveMark);
    }
    for (auto [x, y] : {std::pair {5, 2}, {4, 3}, {5, 3}, {3, 4}, {4, 4}, {5, 4}}) {
        EXPECT_TRUE(IsOpen(x, y));
        EXPECT_FALSE(At(x, y).MoveMark);
    }
    EXPECT_TRUE(At(5, 4).IsOpenEmpty());
    EXPECT_EQ(At(6, 4).State, CellState::Closed)
        << "an empty cell opened by the bonus does not flood";
    EXPECT_EQ(At(5, 5).State, CellState::Closed);
    EXPECT_EQ(game.Players()[Player2].MinesFound, 3);
    EXPECT_EQ(game.CurrentPlayer(), Player1);
    EXPECT_FALSE(game.BonusArmed());
    EXPECT_FALSE(game.BonusButtonEnabled());
    EXPECT_FALSE(game.BonusOwner().has_value());
    EXPECT_TRUE(game.BonusSpent());
    EXPECT_TRUE(game.ShowMoveMarks());

    Click(5, 1);
    EXPECT_EQ(MoveMarks(), 1) << "Player1's move cleared the bonus marks";
    EXPECT_EQ(game.CurrentPlayer(), Player2);
    EXPECT_FALSE(game.BonusButtonEnabled()) << "a spent bonus does not come back";
}

TEST_F(TwoPlayerTest, BonusOpenWithTheWinningMineDecidesTheGameOnceAndPassesTheTurn)
{
    // Player1 gives a game up first: Player2 comes to this one with a point.
    StartBeginner();
    Click(0, 0);
    game.GiveUp();
    StartBeginner();
    AwardBonusToPlayer2();
    for (auto [x, y] : {std::pair {0, 1}, {1, 1}, {2, 1}, {3, 1}, {4, 1}, {0, 2}, {1, 2}})
        Click(x, y);
    ASSERT_EQ(game.Players()[Player2].MinesFound, 7);
    ASSERT_EQ(game.CurrentPlayer(), Player2);
    ASSERT_EQ(game.Players()[Player2].Score, 1);
    ToggleBonus();
    events.clear();
    sounds.clear();

    Click(4, 3);
    // (3, 2) and (4, 2) make nine, (5, 2) is safe, (3, 3) is the tenth; the walk goes on.
    auto played = Repeated(3, "\\Open.wav");
    played.insert(played.end(), 6, "\\Win.wav");
    EXPECT_EQ(sounds, played);
    EXPECT_TRUE(IsOpen(5, 4));
    EXPECT_EQ(game.CurrentState(), GameState::Won);
    EXPECT_EQ(game.Face(), FaceLook::Won);
    EXPECT_FALSE(game.BonusButtonEnabled());
    EXPECT_EQ(game.Players()[Player2].Score, 2);
    EXPECT_EQ(Told<SeriesPointWon>(), (std::vector<SeriesPointWon> {{6, "P2", "P1", 2, 0}}));
    EXPECT_EQ(Messages(), std::vector<std::string> {"P2 Won."});
    EXPECT_EQ(LastMessage(), (MessagePosted {"P2 Won.", 1.0f, 5.0f, false, false}))
        << "restarted after a bonus open";
    EXPECT_EQ(game.CurrentPlayer(), Player1);

    game.Restart();
    EXPECT_EQ(game.CurrentPlayer(), Player2) << "after a bonus win the winner begins";
}

TEST_F(TwoPlayerTest, BonusAreaOnANineColumnBoardStopsAtTheLeftEdge)
{
    Deal(
        {"........*", "........*", "........*", "........*", "........*", "........*", "........*"},
        PlayMode::VsHuman, Level::Custom, Player2);
    Click(8, 0);
    Click(8, 1); // two of a goal of four: the bonus goes to Player1
    Click(7, 0);
    ASSERT_TRUE(game.BonusButtonEnabled());
    ToggleBonus();
    ASSERT_EQ(game.BonusRadius(), 2);

    const auto inArea = [](int x, int y) { return x <= 2 && y >= 1 && y <= 5; };
    Act(CellGesture::Open, CellAction::Press, 0, 3);
    for (int y = 0; y < 7; ++y)
        for (int x = 0; x < game.BoardWidth(); ++x)
            EXPECT_EQ(At(x, y).State == CellState::Pressed, inArea(x, y)) << x << "," << y;
    sounds.clear();
    Act(CellGesture::Open, CellAction::Release, 0, 3);
    for (int y = 0; y < 7; ++y)
        for (int x = 0; x < game.BoardWidth(); ++x)
            EXPECT_EQ(At(x, y).IsOpenEmpty(), inArea(x, y)) << x << "," << y;
    EXPECT_EQ(sounds, Repeated(15, "\\Open.wav"));
}

TEST_F(TwoPlayerTest, SingleOpenOfTheGoalMineWinsAndTheLoserBeginsTheNextGame)
{
    StartBeginner();
    for (int x = 0; x < 5; ++x)
        Click(x, 0);
    ASSERT_EQ(Messages(), std::vector<std::string> {"P2 Earned Bonus"});
    events.clear();
    sounds.clear();

    for (int x = 0; x < 5; ++x)
        Click(x, 1);
    EXPECT_EQ(game.CurrentState(), GameState::Won);
    EXPECT_EQ(game.Face(), FaceLook::Won);
    EXPECT_FALSE(game.BonusButtonEnabled());
    EXPECT_EQ(Told<SeriesPointWon>(), (std::vector<SeriesPointWon> {{6, "P1", "P2", 1, 0}}));
    auto played = Repeated(4, "\\flag.wav");
    played.push_back("\\Win.wav");
    EXPECT_EQ(sounds, played);
    // The winner's text takes over the running message and its time so far.
    EXPECT_EQ(LastMessage(), (MessagePosted {"P1 Won.", 1.0f, 5.0f, true, false}));
    EXPECT_TRUE(game.ShowMoveMarks());
    EXPECT_EQ(MoveMarks(), 10) << "all mines of the winning turn";
    EXPECT_EQ(game.CurrentPlayer(), Player1);

    game.Restart();
    EXPECT_EQ(game.CurrentPlayer(), Player2);
    EXPECT_EQ(game.Players()[Player1].MinesFound, 0);
    EXPECT_EQ(game.Players()[Player1].Score, 1);
}

// The computer takes its turn whenever its seat holds it in a game being played.
TEST_F(TwoPlayerTest, ComputerIsToMoveWheneverItsSeatHasTheTurn)
{
    StartBeginner(PlayMode::VsComputer);
    Click(0, 0);
    EXPECT_FALSE(game.ComputerIsToMove());
    Click(5, 0);
    EXPECT_TRUE(game.ComputerIsToMove());

    Click(1, 0);
    EXPECT_TRUE(game.ComputerIsToMove()) << "a found mine lets it move again";
    for (auto [x, y] : {std::pair {2, 0}, {3, 0}, {4, 0}, {0, 1}})
        Click(x, y); // five for the computer: the bonus goes to Player1
    Click(5, 1);
    EXPECT_EQ(game.CurrentPlayer(), Player1);
    EXPECT_FALSE(game.ComputerIsToMove());

    ASSERT_TRUE(game.BonusButtonEnabled());
    ToggleBonus();
    Click(7, 7);
    EXPECT_EQ(game.CurrentPlayer(), Player2);
    EXPECT_TRUE(game.ComputerIsToMove()) << "also after a bonus open";
}

TEST_F(TwoPlayerTest, SoundOffKeepsAWholeTwoPlayerGameSilent)
{
    StartBeginner();
    game.SetSoundOn(false);
    AwardBonusToPlayer2();
    ToggleBonus();
    Click(4, 3);
    Click(8, 8);
    for (auto [x, y] : {std::pair {0, 1}, {1, 1}, {2, 1}, {3, 1}, {4, 1}, {0, 2}, {1, 2}})
        Click(x, y);
    EXPECT_EQ(game.CurrentState(), GameState::Won);
    EXPECT_EQ(game.Players()[Player2].Score, 1);
    EXPECT_TRUE(sounds.empty());
}

class RandomOpenTest : public TwoPlayerTest { };

TEST_F(RandomOpenTest, OpensThreeClosedUnflaggedCellsAsOneClick)
{
    LayMines(NumberedBoard);
    Click(1, 0);      // slot 0, already open
    RightClick(0, 1); // slot 2, flagged
    sounds.clear();
    DrawSlots({0, 2, 1, 3, 5});
    RandomOpen();
    EXPECT_TRUE(random.scripted.empty()) << "the open and the flagged cell were drawn again";
    EXPECT_TRUE(IsOpen(3, 0));
    EXPECT_TRUE(IsOpen(1, 1));
    EXPECT_TRUE(IsOpen(3, 1));
    EXPECT_EQ(At(0, 1).Mark, CellMark::Flag);
    EXPECT_EQ(At(0, 1).State, CellState::Closed);
    EXPECT_EQ(MoveMarks(), 3);
    EXPECT_TRUE(game.ShowMoveMarks());
    EXPECT_EQ(game.ClickCount(), 1);
    EXPECT_EQ(sounds, Repeated(3, "CLICK"));
    EXPECT_EQ(game.CurrentState(), GameState::Playing);

    RightClick(3, 3);
    EXPECT_EQ(MoveMarks(), 0) << "the next move clears the highlight";
    EXPECT_FALSE(game.ShowMoveMarks());
}

TEST_F(RandomOpenTest, CanOpenAMineAndLose)
{
    LayMines(NumberedBoard);
    Click(3, 3);
    sounds.clear();
    DrawSlots({0, 12});
    RandomOpen();
    EXPECT_EQ(game.CurrentState(), GameState::Lost);
    EXPECT_EQ(At(0, 0).Mark, CellMark::ExplodedMine);
    EXPECT_TRUE(At(0, 0).MoveMark);
    EXPECT_TRUE(IsOpen(1, 0));
    EXPECT_EQ(CountState(CellState::Closed), 10) << "nothing opens after the loss";
    EXPECT_EQ(sounds, (std::vector<std::string> {"CLICK", "\\Loose.wav"}));
    EXPECT_EQ(classicLosses(), 1);
}

TEST_F(RandomOpenTest, CanWinWhenThreeSafeCellsAreLeft)
{
    LayMines(NumberedBoard);
    OpenSafeCellsBut(NumberedBoard, {1, 3, 15});
    sounds.clear();
    DrawSlots({11, 4, 0, 1});
    RandomOpen();
    EXPECT_EQ(game.CurrentState(), GameState::Won);
    EXPECT_EQ(game.FlagsLeft(), 0);
    EXPECT_EQ(sounds, (std::vector<std::string> {"CLICK", "CLICK", "\\Win.wav"}));
    EXPECT_EQ(classicWins(), 1);
    EXPECT_EQ(game.ClickCount(), 1);
}

TEST_F(RandomOpenTest, StopsWhenEveryClosedCellItCanDrawCarriesAFlag)
{
    LayMines(NumberedBoard);
    OpenSafeCellsBut(NumberedBoard, {1, 3});
    // A false flag on cell 3 keeps the game running; mine 10 sits in the one slot never drawn.
    for (auto [x, y] : {std::pair {3, 0}, {0, 0}, {2, 0}, {0, 2}})
        RightClick(x, y);
    sounds.clear();
    DrawSlots({0});
    RandomOpen();
    EXPECT_TRUE(IsOpen(1, 0));
    EXPECT_EQ(At(3, 0).State, CellState::Closed);
    EXPECT_EQ(At(2, 2).State, CellState::Closed);
    EXPECT_EQ(game.CurrentState(), GameState::Playing);
    EXPECT_EQ(game.ClickCount(), 1);
    EXPECT_EQ(sounds, std::vector<std::string> {"CLICK"});

    RightClick(3, 0);
    EXPECT_EQ(MoveMarks(), 0) << "the random open is over: the next move clears its mark";
}

} // namespace
