// SPDX-License-Identifier: GPL-3.0-or-later
#include "input/StatusInput.h"

#include "support/GameFixture.h"

#include <utility>

using namespace orvane;
using orvane::testing::GameFixture;

namespace {

constexpr int Width = 174;
// Points on the panel at that width.
constexpr std::pair<int, int> Face {87, 40};
constexpr std::pair<int, int> Bonus {87, 12};
constexpr std::pair<int, int> Away {20, 30};
constexpr std::pair<int, int> Player1Name {20, 70};
constexpr std::pair<int, int> Player1Score {20, 100};
constexpr std::pair<int, int> Player2Name {120, 70};

const std::string GiveUpQuestion = "\n\rAre you sure? you want to give-up the game? You will lose!";

// Every safe cell is a number and every mine is flagged: a random open opens exactly three.
const std::vector<std::string> NumberedBoard {"*.*.", "....", "*.*.", "...."};

class StatusInputTest : public GameFixture {
protected:
    // A target's x span: its edge pixels answer and the pixels beside them do not.
    void ExpectButtonSpan(int first, int last, int width)
    {
        EXPECT_EQ(StatusTargetAt(first - 1, 40, width), NoTarget);
        EXPECT_EQ(StatusTargetAt(first, 40, width), FaceTarget);
        EXPECT_EQ(StatusTargetAt(last, 40, width), FaceTarget);
        EXPECT_EQ(StatusTargetAt(last + 1, 40, width), NoTarget);
    }
    void ExpectPlayerPanelSpan(PlayerIndex player, int first, int last, int width)
    {
        EXPECT_EQ(PlayerPanelAt(game, player, first - 1, 70, width), PanelPart::None);
        EXPECT_EQ(PlayerPanelAt(game, player, first, 70, width), PanelPart::Name);
        EXPECT_EQ(PlayerPanelAt(game, player, last, 70, width), PanelPart::Name);
        EXPECT_EQ(PlayerPanelAt(game, player, last + 1, 70, width), PanelPart::None);
    }

    void MoveTo(std::pair<int, int> point)
    {
        StatusMouseMove(game, screen, point.first, point.second, Width);
    }
    // A left press at from and its release at to, in the order the window system reports them.
    void LeftClick(std::pair<int, int> from, std::pair<int, int> to)
    {
        MoveTo(from);
        StatusMouseDown(game, screen, MouseButton::Left);
        MoveTo(to);
        StatusClick(game, screen);
        StatusMouseUp(game, screen, MouseButton::Left);
    }
    void DoubleClick(std::pair<int, int> point)
    {
        MoveTo(point);
        StatusDoubleClick(game, screen, Width);
    }

    // A running two-player game with a series under way and no message on screen.
    void StartSeries(PlayMode mode, PlayerIndex toMove)
    {
        LayMines(NumberedBoard, mode);
        game.CurrentPlayer() = toMove;
        game.Players()[Player1] = {"Ann", 0, 3};
        game.Players()[Player2] = {"Bob", 0, 2};
        game.Message.Reset();
    }
    void ExpectScores(int32_t first, int32_t second)
    {
        EXPECT_EQ(game.Players()[Player1].Score, first);
        EXPECT_EQ(game.Players()[Player2].Score, second);
    }
    void ExpectNothingAsked()
    {
        EXPECT_TRUE(platform.questions.empty());
        EXPECT_TRUE(platform.prompts.empty());
    }
};

TEST_F(StatusInputTest, ButtonsSplitIntoBonusAboveAndFaceBelowAtWidth174)
{
    ExpectButtonSpan(71, 104, Width);
    EXPECT_EQ(StatusTargetAt(87, 5, Width), NoTarget);
    EXPECT_EQ(StatusTargetAt(87, 6, Width), BonusTarget);
    EXPECT_EQ(StatusTargetAt(87, 19, Width), BonusTarget);
    EXPECT_EQ(StatusTargetAt(87, 20, Width), FaceTarget);
    EXPECT_EQ(StatusTargetAt(87, 54, Width), FaceTarget);
    EXPECT_EQ(StatusTargetAt(87, 55, Width), NoTarget);
    EXPECT_EQ(StatusTargetAt(71, 6, Width), BonusTarget);
    EXPECT_EQ(StatusTargetAt(105, 6, Width), NoTarget);
}

TEST_F(StatusInputTest, PlayerPanelsAtWidth174)
{
    game.CurrentMode() = PlayMode::VsHuman;
    ExpectPlayerPanelSpan(Player1, 7, 82, Width);
    ExpectPlayerPanelSpan(Player2, 93, 168, Width);
    EXPECT_EQ(PlayerPanelAt(game, Player2, 20, 70, Width), PanelPart::None);

    EXPECT_EQ(PlayerPanelAt(game, Player1, 20, 59, Width), PanelPart::None);
    EXPECT_EQ(PlayerPanelAt(game, Player1, 20, 60, Width), PanelPart::Name);
    EXPECT_EQ(PlayerPanelAt(game, Player1, 20, 82, Width), PanelPart::Name);
    EXPECT_EQ(PlayerPanelAt(game, Player1, 20, 83, Width), PanelPart::Score);
    EXPECT_EQ(PlayerPanelAt(game, Player2, 120, 110, Width), PanelPart::Score);
    EXPECT_EQ(PlayerPanelAt(game, Player2, 120, 111, Width), PanelPart::None);
}

TEST_F(StatusInputTest, OddWidthTruncatesTheExactEdges)
{
    // At 179: L = trunc(72.5), P1 = trunc(8.25), P2 = trunc(96.75).
    constexpr int odd = 179;
    game.CurrentMode() = PlayMode::VsHuman;
    ExpectButtonSpan(73, 106, odd);
    ExpectPlayerPanelSpan(Player1, 8, 83, odd);
    ExpectPlayerPanelSpan(Player2, 96, 171, odd);
}

TEST_F(StatusInputTest, MovesTrackTheTargetTheHeldLookAndTheFace)
{
    LayMines(NumberedBoard);
    MoveTo(Bonus);
    EXPECT_EQ(screen.HoverTarget, BonusTarget);
    EXPECT_EQ(screen.MouseX, Bonus.first);
    EXPECT_EQ(screen.MouseY, Bonus.second);
    StatusMouseDown(game, screen, MouseButton::Right);
    EXPECT_EQ(screen.PressedTarget, NoTarget) << "only the left button presses";
    StatusMouseDown(game, screen, MouseButton::Left);
    EXPECT_TRUE(game.BonusButtonDown());
    MoveTo(Face);
    EXPECT_FALSE(game.BonusButtonDown());
    EXPECT_FALSE(screen.FaceDown) << "the face was not the button pressed";
    MoveTo(Bonus);
    EXPECT_TRUE(game.BonusButtonDown());

    game.CurrentState() = GameState::Lost;
    MoveTo(Away);
    EXPECT_EQ(game.Face(), FaceLook::Lost);
    game.CurrentState() = GameState::Won;
    MoveTo(Away);
    EXPECT_EQ(game.Face(), FaceLook::Won);
}

TEST_F(StatusInputTest, FaceReleasedElsewhereStartsNoGameButBackOnItDoes)
{
    LayMines(NumberedBoard);
    MoveTo(Face);
    StatusMouseDown(game, screen, MouseButton::Left);
    EXPECT_TRUE(screen.FaceDown);
    EXPECT_EQ(game.Face(), FaceLook::Pressing);
    MoveTo(Away);
    EXPECT_FALSE(screen.FaceDown);
    EXPECT_EQ(game.Face(), FaceLook::Smiling);
    StatusClick(game, screen);
    StatusMouseUp(game, screen, MouseButton::Left);
    EXPECT_EQ(game.CurrentState(), GameState::Playing);
    EXPECT_EQ(screen.PressedTarget, NoTarget);

    counter.now = 7'000'000;
    MoveTo(Face);
    StatusMouseDown(game, screen, MouseButton::Left);
    MoveTo(Away);
    MoveTo(Face);
    EXPECT_TRUE(screen.FaceDown);
    StatusClick(game, screen);
    EXPECT_EQ(game.CurrentState(), GameState::Ready);
    EXPECT_FALSE(screen.FaceDown);
    EXPECT_EQ(game.Face(), FaceLook::Smiling);
    EXPECT_EQ(screen.PressedTarget, NoTarget);
    EXPECT_EQ(game.FrameTimer.LastFrameCount, counter.now)
        << "the frame timer ticks after a new game";
    ExpectNothingAsked();
}

TEST_F(StatusInputTest, FaceAndBonusNeverTakeEachOthersRelease)
{
    LayMines(NumberedBoard);
    LeftClick(Face, Bonus);
    EXPECT_EQ(game.CurrentState(), GameState::Playing);
    LeftClick(Bonus, Face);
    EXPECT_EQ(game.ClickCount(), 0);
    EXPECT_EQ(CountState(Closed), 16);
    EXPECT_EQ(game.CurrentState(), GameState::Playing);
}

TEST_F(StatusInputTest, DisabledBonusIsNeitherPressedNorTriggered)
{
    LayMines(NumberedBoard);
    game.BonusButtonEnabled() = false;
    MoveTo(Bonus);
    StatusMouseDown(game, screen, MouseButton::Left);
    EXPECT_FALSE(game.BonusButtonDown());
    EXPECT_EQ(screen.PressedTarget, NoTarget);
    StatusClick(game, screen);
    EXPECT_EQ(game.ClickCount(), 0);
    EXPECT_EQ(CountState(Closed), 16);
}

TEST_F(StatusInputTest, ClassicBonusOpensThreeRandomCells)
{
    LayMines(NumberedBoard);
    for (Cell& cell : game.Cells())
        if (cell.Value == MineValue)
            cell.Mark = FlagMark;
    MoveTo(Bonus);
    StatusMouseDown(game, screen, MouseButton::Left);
    StatusClick(game, screen);
    EXPECT_EQ(screen.PressedTarget, NoTarget);
    int opened = 0, marked = 0;
    for (const Cell& cell : game.Cells()) {
        opened += IsOpenNumber(cell.State);
        marked += cell.MoveMark;
    }
    EXPECT_EQ(opened, 3);
    EXPECT_EQ(marked, 3);
    EXPECT_EQ(game.ClickCount(), 1);
    EXPECT_EQ(game.CurrentState(), GameState::Playing);
}

TEST_F(StatusInputTest, TwoPlayerBonusArmsAndStaysPressedUntilReleased)
{
    StartSeries(PlayMode::VsHuman, Player1);
    game.BonusButtonEnabled() = true;
    MoveTo(Bonus);
    StatusMouseDown(game, screen, MouseButton::Left);
    StatusClick(game, screen);
    EXPECT_TRUE(game.BonusArmed());
    EXPECT_EQ(game.Message.Text, "Bonus Activated");
    EXPECT_EQ(screen.PressedTarget, BonusTarget);
    StatusMouseUp(game, screen, MouseButton::Left);
    EXPECT_EQ(screen.PressedTarget, NoTarget);
    EXPECT_EQ(CountState(Closed), 16);
}

TEST_F(StatusInputTest, GiveUpAnsweredNoLeavesTheGameAsItWas)
{
    StartSeries(PlayMode::VsHuman, Player2);
    int results = 0;
    game.OnTwoPlayerResult = [&] { ++results; };
    platform.yesNoAnswers = {false};
    LeftClick(Face, Face);
    EXPECT_EQ(platform.questions, std::vector<std::string> {"Bob" + GiveUpQuestion});
    EXPECT_EQ(game.CurrentState(), GameState::Playing);
    EXPECT_EQ(game.CurrentPlayer(), Player2);
    EXPECT_EQ(results, 0);
    ExpectScores(3, 2);
    EXPECT_FALSE(screen.FaceDown);
    EXPECT_EQ(game.Face(), FaceLook::Smiling);
}

TEST_F(StatusInputTest, GiveUpAnsweredYesScoresTheOpponentAndStartsANewGame)
{
    StartSeries(PlayMode::VsHuman, Player1);
    std::vector<std::pair<PlayerIndex, int32_t>> recorded;
    game.OnTwoPlayerResult
        = [&] { recorded.emplace_back(game.CurrentPlayer(), game.Players()[Player2].Score); };
    platform.yesNoAnswers = {true};
    LeftClick(Face, Face);
    EXPECT_EQ(platform.questions, std::vector<std::string> {"Ann" + GiveUpQuestion});
    // Recorded for the winner, with the winner's score already counted.
    EXPECT_EQ(recorded, (std::vector<std::pair<PlayerIndex, int32_t>> {{Player2, 3}}));
    ExpectScores(3, 3);
    EXPECT_EQ(game.CurrentState(), GameState::Ready);
    EXPECT_EQ(CountState(Closed), 16);
    EXPECT_EQ(game.CurrentPlayer(), Player2)
        << "the new game opens with the other one of the quitter";
}

TEST_F(StatusInputTest, TwoPlayerFaceStartsAtOnceWhenTheGameIsNotRunning)
{
    for (GameState state : {GameState::Ready, GameState::Won}) {
        StartSeries(PlayMode::VsHuman, Player1);
        game.CurrentState() = state;
        LeftClick(Face, Face);
        EXPECT_EQ(game.CurrentState(), GameState::Ready);
        ExpectScores(3, 2);
    }
    ExpectNothingAsked();
}

TEST_F(StatusInputTest, NewCommandIsAFaceClick)
{
    LayMines(NumberedBoard);
    NewGameCommand(game, screen);
    EXPECT_EQ(game.CurrentState(), GameState::Ready);
    EXPECT_EQ(screen.PressedTarget, NoTarget);

    StartSeries(PlayMode::VsHuman, Player1);
    NewGameCommand(game, screen);
    EXPECT_EQ(platform.questions, std::vector<std::string> {"Ann" + GiveUpQuestion});
}

TEST_F(StatusInputTest, ComputersTurnLeavesThePanelAlone)
{
    StartSeries(PlayMode::VsComputer, Player2);
    MoveTo(Face);
    EXPECT_EQ(screen.HoverTarget, NoTarget);
    EXPECT_EQ(screen.MouseX, 0) << "not even the position is kept";

    screen.HoverTarget = screen.PressedTarget = FaceTarget;
    StatusClick(game, screen);
    NewGameCommand(game, screen);
    EXPECT_EQ(game.CurrentState(), GameState::Playing);
    ExpectNothingAsked();

    screen.PressedTarget = NoTarget;
    screen.HoverTarget = BonusTarget;
    StatusMouseDown(game, screen, MouseButton::Left);
    EXPECT_EQ(screen.PressedTarget, NoTarget);

    // The release is ignored for the computer also before its first open.
    game.CurrentState() = GameState::Ready;
    screen.PressedTarget = FaceTarget;
    StatusMouseUp(game, screen, MouseButton::Left);
    EXPECT_EQ(screen.PressedTarget, FaceTarget);
}

TEST_F(StatusInputTest, ANameOfEightLettersIsCutToSixAndTheSeriesStartsAgain)
{
    StartSeries(PlayMode::VsHuman, Player1);
    platform.promptAnswers = {"Abcdefgh"};
    DoubleClick(Player1Name);
    EXPECT_EQ(platform.prompts,
        std::vector<std::string> {"Orvane|Enter Player-1 Name (Max 6 Chars):|Ann"});
    EXPECT_EQ(game.Players()[Player1].Name, "Abcdef");
    ExpectScores(0, 0);
}

TEST_F(StatusInputTest, NamesAreCutByCharactersNotBytes)
{
    StartSeries(PlayMode::VsHuman, Player2);
    platform.promptAnswers = {"J\xC3\xBCrgen-K"};
    DoubleClick(Player2Name);
    EXPECT_EQ(platform.prompts,
        std::vector<std::string> {"Orvane|Enter Player-2 Name (Max 6 Chars):|Bob"});
    EXPECT_EQ(game.Players()[Player2].Name, "J\xC3\xBCrgen");
}

TEST_F(StatusInputTest, CancelKeepsTheNameButResetsTheScoresAndEmptyChangesNothing)
{
    StartSeries(PlayMode::VsHuman, Player1);
    DoubleClick(Player1Name); // the scripted prompt answers Cancel with the name it was given
    EXPECT_EQ(game.Players()[Player1].Name, "Ann");
    ExpectScores(0, 0);

    game.Players()[Player1].Score = 4;
    platform.promptAnswers = {""};
    DoubleClick(Player1Name);
    EXPECT_EQ(game.Players()[Player1].Name, "Ann");
    ExpectScores(4, 0);
}

TEST_F(StatusInputTest, ScorePartAsksBeforeResettingBothScores)
{
    StartSeries(PlayMode::VsHuman, Player1);
    platform.yesNoAnswers = {false, true};
    DoubleClick(Player1Score);
    ExpectScores(3, 2);
    DoubleClick(Player1Score);
    ExpectScores(0, 0);
    EXPECT_EQ(platform.questions, std::vector<std::string>(2, "Are you sure to reset scores?"));
    EXPECT_EQ(game.Players()[Player1].Name, "Ann");
}

TEST_F(StatusInputTest, OnlyThePanelOfTheHumanToMoveTakesADoubleClick)
{
    StartSeries(PlayMode::VsHuman, Player2);
    DoubleClick(Player1Name);
    DoubleClick(Face);

    StartSeries(PlayMode::VsComputer, Player1);
    DoubleClick(Player2Name);
    game.CurrentPlayer() = Player2;
    game.CurrentState() = GameState::Ready;
    DoubleClick(Player2Name);
    ExpectNothingAsked();
    ExpectScores(3, 2);
}

TEST_F(StatusInputTest, NoDoubleClickWhileAMessageShowsOrInClassic)
{
    StartSeries(PlayMode::VsHuman, Player1);
    game.Message.Post("Bonus Activated", 0.5f, 2.0f);
    DoubleClick(Player1Name);
    ExpectNothingAsked();

    game.Message.Reset();
    game.CurrentMode() = PlayMode::Classic;
    DoubleClick(Player1Name);
    DoubleClick(Player1Score);
    ExpectNothingAsked();
    ExpectScores(3, 2);
}

} // namespace
