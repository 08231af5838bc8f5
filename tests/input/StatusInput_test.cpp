// SPDX-License-Identifier: GPL-3.0-or-later
#include "input/StatusInput.h"

#include "support/RulesFixture.h"

#include <utility>

using namespace orvane;
using orvane::testing::DealLayout;
using orvane::testing::RulesFixture;

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

// Every safe cell is a number; (0, 0) is a mine and (1, 0) a safe cell. In the two-player
// modes the goal is three mines, so the first mine found earns the other player the bonus.
const std::vector<std::string> NumberedBoard {"*.*.", "....", "*.*.", "...."};

class StatusInputTest : public RulesFixture {
protected:
    // A target's x span: its edge pixels answer and the pixels beside them do not.
    void ExpectButtonSpan(int first, int last, int width)
    {
        EXPECT_EQ(StatusTargetAt(first - 1, 40, width), StatusTarget::None);
        EXPECT_EQ(StatusTargetAt(first, 40, width), StatusTarget::Face);
        EXPECT_EQ(StatusTargetAt(last, 40, width), StatusTarget::Face);
        EXPECT_EQ(StatusTargetAt(last + 1, 40, width), StatusTarget::None);
    }
    void ExpectPlayerPanelSpan(PlayerIndex player, int first, int last, int width)
    {
        EXPECT_EQ(PlayerPanelAt(game, player, first - 1, 70, width), PanelPart::None);
        EXPECT_EQ(PlayerPanelAt(game, player, first, 70, width), PanelPart::Name);
        EXPECT_EQ(PlayerPanelAt(game, player, last, 70, width), PanelPart::Name);
        EXPECT_EQ(PlayerPanelAt(game, player, last + 1, 70, width), PanelPart::None);
    }

    // The status area's handlers, each followed by taking what the rules told.
    void MoveTo(std::pair<int, int> point)
    {
        StatusMouseMove(game, screen, point.first, point.second, Width);
        TakeEvents();
    }
    void LeftDown()
    {
        StatusMouseDown(game, screen, MouseButton::Left);
        TakeEvents();
    }
    void ClickHere()
    {
        StatusClick(game, screen, platform);
        TakeEvents();
    }
    // A left press at from and its release at to, in the order the window system reports them.
    void LeftClick(std::pair<int, int> from, std::pair<int, int> to)
    {
        MoveTo(from);
        LeftDown();
        MoveTo(to);
        ClickHere();
        StatusMouseUp(game, screen, MouseButton::Left);
    }
    void DoubleClick(std::pair<int, int> point, bool messageShown = false)
    {
        MoveTo(point);
        StatusDoubleClick(game, screen, Width, messageShown, platform);
    }

    // A board of the mode with the given player to move: each deal passes the turn on.
    void Deal(PlayMode mode, PlayerIndex toMove)
    {
        do
            DealLayout(game, NumberedBoard, mode);
        while (game.CurrentPlayer() != toMove);
    }
    // The other player opens a number, which starts the game and passes the turn.
    void DealRunning(PlayMode mode, PlayerIndex toMove)
    {
        Deal(mode, OtherPlayer(toMove));
        Click(1, 0);
    }
    void GiveUpBy(PlayMode mode, PlayerIndex quitter)
    {
        DealRunning(mode, quitter);
        game.GiveUp();
    }
    // A running two-player game with a series under way: Ann 3, Bob 2.
    void StartSeries(PlayMode mode, PlayerIndex toMove)
    {
        game.RenamePlayer(Player1, "Ann");
        game.RenamePlayer(Player2, "Bob");
        for (PlayerIndex quitter : {Player2, Player2, Player2, Player1, Player1})
            GiveUpBy(mode, quitter);
        DealRunning(mode, toMove);
        TakeEvents();
        events.clear();
        sounds.clear();
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
    EXPECT_EQ(StatusTargetAt(87, 5, Width), StatusTarget::None);
    EXPECT_EQ(StatusTargetAt(87, 6, Width), StatusTarget::Bonus);
    EXPECT_EQ(StatusTargetAt(87, 19, Width), StatusTarget::Bonus);
    EXPECT_EQ(StatusTargetAt(87, 20, Width), StatusTarget::Face);
    EXPECT_EQ(StatusTargetAt(87, 54, Width), StatusTarget::Face);
    EXPECT_EQ(StatusTargetAt(87, 55, Width), StatusTarget::None);
    EXPECT_EQ(StatusTargetAt(71, 6, Width), StatusTarget::Bonus);
    EXPECT_EQ(StatusTargetAt(105, 6, Width), StatusTarget::None);
}

TEST_F(StatusInputTest, PlayerPanelsAtWidth174)
{
    StartBoard(9, 9, 10, PlayMode::VsHuman);
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
    StartBoard(9, 9, 10, PlayMode::VsHuman);
    ExpectButtonSpan(73, 106, odd);
    ExpectPlayerPanelSpan(Player1, 8, 83, odd);
    ExpectPlayerPanelSpan(Player2, 96, 171, odd);
}

TEST_F(StatusInputTest, MovesTrackTheTargetTheHeldLookAndTheFace)
{
    LayMines(NumberedBoard);
    MoveTo(Bonus);
    EXPECT_EQ(screen.HoverTarget, StatusTarget::Bonus);
    EXPECT_EQ(screen.MouseX, Bonus.first);
    EXPECT_EQ(screen.MouseY, Bonus.second);
    StatusMouseDown(game, screen, MouseButton::Right);
    EXPECT_EQ(screen.PressedTarget, StatusTarget::None) << "only the left button presses";
    LeftDown();
    EXPECT_TRUE(game.BonusButtonDown());
    MoveTo(Face);
    EXPECT_FALSE(game.BonusButtonDown());
    EXPECT_FALSE(screen.FaceDown) << "the face was not the button pressed";
    MoveTo(Bonus);
    EXPECT_TRUE(game.BonusButtonDown());
    StatusMouseUp(game, screen, MouseButton::Left);

    // The face held and then left shows how the game ended.
    Click(0, 0); // a mine
    ASSERT_EQ(game.CurrentState(), GameState::Lost);
    MoveTo(Face);
    LeftDown();
    ASSERT_EQ(game.Face(), FaceLook::Pressing);
    MoveTo(Away);
    EXPECT_EQ(game.Face(), FaceLook::Lost);
    StatusMouseUp(game, screen, MouseButton::Left);

    LayMines({"*."});
    Click(1, 0);
    ASSERT_EQ(game.CurrentState(), GameState::Won);
    MoveTo(Face);
    LeftDown();
    ASSERT_EQ(game.Face(), FaceLook::Pressing);
    MoveTo(Away);
    EXPECT_EQ(game.Face(), FaceLook::Won);
}

TEST_F(StatusInputTest, FaceReleasedElsewhereStartsNoGameButBackOnItDoes)
{
    LayMines(NumberedBoard);
    Click(1, 0);
    MoveTo(Face);
    LeftDown();
    EXPECT_TRUE(screen.FaceDown);
    EXPECT_EQ(game.Face(), FaceLook::Pressing);
    MoveTo(Away);
    EXPECT_FALSE(screen.FaceDown);
    EXPECT_EQ(game.Face(), FaceLook::Smiling);
    ClickHere();
    StatusMouseUp(game, screen, MouseButton::Left);
    EXPECT_EQ(game.CurrentState(), GameState::Playing);
    EXPECT_EQ(screen.PressedTarget, StatusTarget::None);

    MoveTo(Face);
    LeftDown();
    MoveTo(Away);
    MoveTo(Face);
    EXPECT_TRUE(screen.FaceDown);
    ClickHere();
    EXPECT_EQ(game.CurrentState(), GameState::Ready);
    EXPECT_FALSE(screen.FaceDown);
    EXPECT_EQ(game.Face(), FaceLook::Smiling);
    EXPECT_EQ(screen.PressedTarget, StatusTarget::None);
    ExpectNothingAsked();
}

TEST_F(StatusInputTest, FaceAndBonusNeverTakeEachOthersRelease)
{
    LayMines(NumberedBoard);
    Click(1, 0);
    LeftClick(Face, Bonus);
    EXPECT_EQ(game.CurrentState(), GameState::Playing);
    LeftClick(Bonus, Face);
    EXPECT_EQ(game.ClickCount(), 0);
    EXPECT_EQ(CountState(CellState::Closed), 15);
    EXPECT_EQ(game.CurrentState(), GameState::Playing);
}

TEST_F(StatusInputTest, DisabledBonusIsNeitherPressedNorTriggered)
{
    LayMines(NumberedBoard);
    Click(0, 0); // a loss turns the bonus button off
    ASSERT_FALSE(game.BonusButtonEnabled());
    const auto before = Board();
    MoveTo(Bonus);
    LeftDown();
    EXPECT_FALSE(game.BonusButtonDown());
    EXPECT_EQ(screen.PressedTarget, StatusTarget::None);
    ClickHere();
    EXPECT_EQ(game.ClickCount(), 0);
    EXPECT_EQ(Board(), before);
}

TEST_F(StatusInputTest, ClassicBonusOpensThreeRandomCells)
{
    LayMines(NumberedBoard);
    for (auto [x, y] : {std::pair {0, 0}, {2, 0}, {0, 2}, {2, 2}})
        RightClick(x, y); // with every mine flagged the random open finds three safe cells
    MoveTo(Bonus);
    LeftDown();
    ClickHere();
    EXPECT_EQ(screen.PressedTarget, StatusTarget::None);
    int opened = 0, marked = 0;
    for (const Cell& cell : game.Cells()) {
        opened += cell.IsOpenNumber();
        marked += cell.MoveMark;
    }
    EXPECT_EQ(opened, 3);
    EXPECT_EQ(marked, 3);
    EXPECT_EQ(game.ClickCount(), 1);
    EXPECT_EQ(game.CurrentState(), GameState::Playing);
}

TEST_F(StatusInputTest, TwoPlayerBonusArmsAndStaysPressedUntilReleased)
{
    StartSeries(PlayMode::VsHuman, Player2);
    Click(0, 0); // Bob finds a mine: the bonus is Ann's
    Click(3, 0); // and opens a number: her turn, with the bonus button
    ASSERT_TRUE(game.BonusButtonEnabled());
    const int closed = CountState(CellState::Closed);
    events.clear();
    MoveTo(Bonus);
    LeftDown();
    ClickHere();
    EXPECT_TRUE(game.BonusArmed());
    EXPECT_EQ(Messages(), std::vector<std::string> {"Bonus Activated"});
    EXPECT_EQ(screen.PressedTarget, StatusTarget::Bonus);
    StatusMouseUp(game, screen, MouseButton::Left);
    EXPECT_EQ(screen.PressedTarget, StatusTarget::None);
    EXPECT_EQ(CountState(CellState::Closed), closed);
}

TEST_F(StatusInputTest, GiveUpAnsweredNoLeavesTheGameAsItWas)
{
    StartSeries(PlayMode::VsHuman, Player2);
    platform.yesNoAnswers = {false};
    LeftClick(Face, Face);
    EXPECT_EQ(platform.questions, std::vector<std::string> {"Bob" + GiveUpQuestion});
    EXPECT_EQ(game.CurrentState(), GameState::Playing);
    EXPECT_EQ(game.CurrentPlayer(), Player2);
    EXPECT_TRUE(Told<SeriesPointWon>().empty());
    ExpectScores(3, 2);
    EXPECT_FALSE(screen.FaceDown);
    EXPECT_EQ(game.Face(), FaceLook::Smiling);
}

TEST_F(StatusInputTest, GiveUpAnsweredYesScoresTheOpponentAndStartsANewGame)
{
    StartSeries(PlayMode::VsHuman, Player1);
    platform.yesNoAnswers = {true};
    LeftClick(Face, Face);
    EXPECT_EQ(platform.questions, std::vector<std::string> {"Ann" + GiveUpQuestion});
    // Told for the winner, with the winner's score already counted.
    EXPECT_EQ(Told<SeriesPointWon>(), (std::vector<SeriesPointWon> {{6, "Bob", "Ann", 3, 3}}));
    ExpectScores(3, 3);
    EXPECT_EQ(game.CurrentState(), GameState::Ready);
    EXPECT_EQ(CountState(CellState::Closed), 16);
    EXPECT_EQ(game.CurrentPlayer(), Player2)
        << "the new game opens with the other one of the quitter";
}

TEST_F(StatusInputTest, TwoPlayerFaceStartsAtOnceWhenTheGameIsNotRunning)
{
    StartSeries(PlayMode::VsHuman, Player1);
    Deal(PlayMode::VsHuman, Player1);
    ASSERT_EQ(game.CurrentState(), GameState::Ready);
    LeftClick(Face, Face);
    EXPECT_EQ(game.CurrentState(), GameState::Ready);
    ExpectScores(3, 2);

    Deal(PlayMode::VsHuman, Player2);
    for (auto [x, y] : {std::pair {0, 0}, {2, 0}, {0, 2}})
        Click(x, y); // Bob finds his three mines
    ASSERT_EQ(game.CurrentState(), GameState::Won);
    LeftClick(Face, Face);
    EXPECT_EQ(game.CurrentState(), GameState::Ready);
    ExpectScores(3, 3);
    ExpectNothingAsked();
}

TEST_F(StatusInputTest, NewCommandIsAFaceClick)
{
    LayMines(NumberedBoard);
    Click(1, 0);
    NewGameCommand(game, screen, platform);
    EXPECT_EQ(game.CurrentState(), GameState::Ready);
    EXPECT_EQ(screen.PressedTarget, StatusTarget::None);

    StartSeries(PlayMode::VsHuman, Player1);
    NewGameCommand(game, screen, platform);
    EXPECT_EQ(platform.questions, std::vector<std::string> {"Ann" + GiveUpQuestion});
}

TEST_F(StatusInputTest, ComputersTurnLeavesThePanelAlone)
{
    StartSeries(PlayMode::VsComputer, Player2);
    MoveTo(Face);
    EXPECT_EQ(screen.HoverTarget, StatusTarget::None);
    EXPECT_EQ(screen.MouseX, 0) << "not even the position is kept";

    // What the mouse held before the computer's turn.
    screen.HoverTarget = screen.PressedTarget = StatusTarget::Face;
    ClickHere();
    NewGameCommand(game, screen, platform);
    EXPECT_EQ(game.CurrentState(), GameState::Playing);
    ExpectNothingAsked();

    screen.PressedTarget = StatusTarget::None;
    screen.HoverTarget = StatusTarget::Bonus;
    LeftDown();
    EXPECT_EQ(screen.PressedTarget, StatusTarget::None);

    // The release is ignored for the computer also before its first open.
    Deal(PlayMode::VsComputer, Player2);
    ASSERT_EQ(game.CurrentState(), GameState::Ready);
    screen.PressedTarget = StatusTarget::Face;
    StatusMouseUp(game, screen, MouseButton::Left);
    EXPECT_EQ(screen.PressedTarget, StatusTarget::Face);
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

    GiveUpBy(PlayMode::VsHuman, Player2);
    DealRunning(PlayMode::VsHuman, Player1);
    platform.promptAnswers = {""};
    DoubleClick(Player1Name);
    EXPECT_EQ(game.Players()[Player1].Name, "Ann");
    ExpectScores(1, 0);
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
    Deal(PlayMode::VsComputer, Player2);
    ASSERT_EQ(game.CurrentState(), GameState::Ready);
    DoubleClick(Player2Name);
    ExpectNothingAsked();
    ExpectScores(3, 2);
}

TEST_F(StatusInputTest, NoDoubleClickWhileAMessageShowsOrInClassic)
{
    StartSeries(PlayMode::VsHuman, Player1);
    DoubleClick(Player1Name, true);
    ExpectNothingAsked();

    LayMines(NumberedBoard);
    DoubleClick(Player1Name);
    DoubleClick(Player1Score);
    ExpectNothingAsked();
    ExpectScores(3, 2);
}

} // namespace
