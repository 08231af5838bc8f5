// SPDX-License-Identifier: GPL-3.0-or-later
#include "ai/ComputerPlayer.h"
#include "support/RulesFixture.h"

#include <cmath>

using namespace orvane;
using orvane::testing::RulesFixture;

namespace {

// The computer to move on a board laid out from text as the players left it:
// '*' a closed mine, '.' a closed safe cell, 'o' an open safe cell,
// '1' and '2' a mine found by Player1 or Player2.
class ComputerPlayerTest : public RulesFixture {
protected:
    ComputerPlayer computer {game};

    void LayOut(const std::vector<std::string>& rows, Level level = Level::Custom)
    {
        std::vector<std::string> mines = rows;
        for (auto& row : mines)
            for (char& c : row)
                c = (c == '*' || c == '1' || c == '2') ? '*' : '.';
        LayMines(mines, PlayMode::VsComputer);
        game.CurrentLevel() = static_cast<int32_t>(level);
        for (int y = 0; y < game.BoardHeight(); ++y)
            for (int x = 0; x < game.BoardWidth(); ++x) {
                const char c = rows[static_cast<size_t>(y)][static_cast<size_t>(x)];
                if (c == 'o')
                    ShowOpen(x, y);
                if (c == '1' || c == '2') {
                    At(x, y).Mark = static_cast<uint8_t>(c - '0');
                    ++game.Players()[c - '1'].MinesFound;
                }
            }
        ComputersTurn();
    }
    void ComputersTurn()
    {
        computer.Create();
        game.Opponent.Speed = 8;
        game.CurrentPlayer() = Player2;
        game.Opponent.Phase = OpponentState::Choose;
    }
    void Frame(double seconds)
    {
        game.FrameTimer.FrameTime = seconds;
        computer.Update();
    }
    int Chosen()
    {
        Frame(0.01);
        EXPECT_EQ(game.Opponent.Phase, OpponentState::Travel);
        return game.Opponent.Target;
    }
    // Frames until the computer's move is made; the move ends in Idle or Choose.
    void FinishMove(double frame = 0.05)
    {
        for (int i = 0; i < 1000 && game.Opponent.Phase >= OpponentState::Travel; ++i)
            Frame(frame);
    }
    int Index(int x, int y) const { return x + y * game.BoardWidth(); }
};

struct Travel {
    int fromX, fromY;
    uint8_t speed;
    double duration;
};

TEST_F(ComputerPlayerTest, GlidesForDistanceOverSpeedAtLeastPointFourThenPressesThenClicks)
{
    // The one closed cell (8, 8) is a mine certified by its open neighbours.
    const std::vector<std::string> board(8, "ooooooooo");
    std::vector<std::string> rows = board;
    rows.push_back("oooooooo*");
    for (const Travel& t : {Travel {0, 0, 7, 8.0 / 7.0}, {7, 8, 8, 0.4}, {8, 8, 8, 0.4}}) {
        SCOPED_TRACE(t.duration);
        LayOut(rows);
        game.Opponent.ToColumn = static_cast<int16_t>(t.fromX);
        game.Opponent.ToRow = static_cast<int16_t>(t.fromY);
        game.Opponent.Speed = t.speed;
        const double dt = 0.001;
        ASSERT_EQ(Chosen(), Index(8, 8));
        const double start = game.Opponent.MoveStart;
        EXPECT_DOUBLE_EQ(game.Opponent.MoveDuration, t.duration);

        double pressedAt = -1.0;
        float lastX = static_cast<float>(t.fromX);
        for (int i = 0; i < 5000 && At(8, 8).Mark == NoMark; ++i) {
            Frame(dt);
            if (pressedAt < 0.0 && At(8, 8).State == Pressed)
                pressedAt = game.Opponent.Clock;
            EXPECT_GE(game.Opponent.PointerX, lastX) << "the pointer only goes forward";
            EXPECT_LE(game.Opponent.PointerX, 8.0f);
            lastX = game.Opponent.PointerX;
        }
        EXPECT_NEAR(pressedAt - start, t.duration, dt * 1.5);
        EXPECT_NEAR(game.Opponent.PointerX, 8.0f, 0.02f);
        EXPECT_NEAR(game.Opponent.PointerY, 8.0f, 0.02f);
        EXPECT_EQ(At(8, 8).Mark, FoundByPlayer2);
    }
}

TEST_F(ComputerPlayerTest, ClicksOnTheFirstFrameMoreThanTwoTenthsAfterArriving)
{
    std::vector<std::string> rows(8, "ooooooooo");
    rows.push_back("oooooooo*");
    LayOut(rows);
    game.Opponent.Speed = 7;
    ASSERT_EQ(Chosen(), Index(8, 8));
    const double click = game.Opponent.MoveStart + 8.0 / 7.0 + ComputerPlayer::PressTime;
    for (int i = 0; i < 1000 && game.Opponent.Clock + 0.01 <= click; ++i)
        Frame(0.01);
    EXPECT_EQ(At(8, 8).State, Pressed) << "shown pressed until the click";
    Frame(0.01);
    Frame(0.01);
    EXPECT_EQ(At(8, 8).Mark, FoundByPlayer2);
}

struct RuleCase {
    const char* name;
    std::vector<std::string> rows;
    int x, y;
};

TEST_F(ComputerPlayerTest, TakesTheFirstMineTheOpenNumbersMakeCertain)
{
    const std::vector<RuleCase> cases {
        {"a 1 with one closed neighbour", {"o*.", "ooo", "ooo"}, 1, 0},
        {"a 2 with one found and one closed", {"1o*", "ooo"}, 2, 0},
        {"a 2 with two closed: the later neighbour", {"*o*", "ooo"}, 2, 0},
        {"a 1 with two closed is passed over", {"*o.", "ooo", "..*"}, 0, 0},
        {"a 1 beside a found mine leaves its closed cell", {"1o.", "ooo", "oo*"}, 2, 2},
    };
    for (const RuleCase& c : cases) {
        SCOPED_TRACE(c.name);
        LayOut(c.rows);
        random.scripted = {0.0};
        EXPECT_EQ(Chosen(), Index(c.x, c.y));
    }
}

TEST_F(ComputerPlayerTest, GuessesAClosedCellButTheLastWhileAnotherIsLeft)
{
    for (double draw : {0.0, 0.5, 0.999}) {
        LayOut({".o.o."});
        random.scripted = {draw};
        const int chosen = Chosen();
        EXPECT_TRUE(chosen == 0 || chosen == 2) << chosen;
    }
    LayOut({".o.o."});
    random.scripted = {0.999};
    EXPECT_EQ(Chosen(), 2) << "the draw spreads over the cells it may take";
}

TEST_F(ComputerPlayerTest, TakesTheLastCellWhenItIsTheOnlyOneLeft)
{
    // Only (2, 2) is closed and no open number touches it; the mine there decides the game.
    LayOut({"1oo", "o12", "o2*"});
    ASSERT_EQ(game.FlagsToWin(), 3);
    EXPECT_EQ(Chosen(), Index(2, 2));
    FinishMove();
    EXPECT_EQ(game.CurrentState(), GameState::Won);
    EXPECT_EQ(game.Players()[Player2].MinesFound, 3);
}

TEST_F(ComputerPlayerTest, ChoosesAgainAfterAFindAndGoesIdleAfterASafeCell)
{
    LayOut({"*oo..", "ooo..", "....*"});
    EXPECT_EQ(Chosen(), Index(0, 0));
    FinishMove();
    EXPECT_EQ(game.Players()[Player2].MinesFound, 1);
    EXPECT_EQ(game.CurrentPlayer(), Player2);
    EXPECT_EQ(game.Opponent.Phase, OpponentState::Choose) << "a find lets it move again";

    random.scripted = {0.0}; // the first closed cell, (3, 0): safe
    EXPECT_EQ(Chosen(), Index(3, 0));
    FinishMove();
    EXPECT_EQ(game.CurrentPlayer(), Player1);
    EXPECT_EQ(game.Opponent.Phase, OpponentState::Idle);
    EXPECT_EQ(game.Opponent.Target, -1);
}

TEST_F(ComputerPlayerTest, FirstMoveOfAGameNeverFindsAMine)
{
    for (uint64_t seed = 1; seed <= 100; ++seed) {
        random.engine.seed(seed);
        game.CurrentPlayer() = Player1; // the new game gives the first move to the computer
        StartBoard(9, 9, 19, PlayMode::VsComputer, Level::Beginner);
        ASSERT_EQ(game.Opponent.Phase, OpponentState::Choose);
        game.Opponent.Speed = 7;
        FinishMove();
        Frame(0.05);
        FinishMove();
        ASSERT_EQ(game.CurrentState(), GameState::Playing);
        EXPECT_EQ(game.Players()[Player2].MinesFound, 0);
        EXPECT_EQ(game.CurrentPlayer(), Player1);
    }
}

TEST_F(ComputerPlayerTest, APressLeftWhenAClickTookTheFirstMoveIsTakenBack)
{
    game.CurrentPlayer() = Player1;
    StartBoard(9, 9, 19, PlayMode::VsComputer, Level::Beginner);
    game.Opponent.Speed = 7;
    random.scripted = {0.0}; // the top left cell
    for (int i = 0; i < 100 && CountState(Pressed) == 0; ++i)
        Frame(0.05);
    ASSERT_EQ(At(0, 0).State, Pressed);

    // Clicks on the board count before the first open: one opens a cell for the computer,
    // the next is the human's own move.
    Click(8, 8);
    ASSERT_EQ(game.CurrentPlayer(), Player1);
    for (int i = 1; game.CurrentPlayer() == Player1 && i < 81; ++i)
        if (At(i % 9, i / 9).State == Closed)
            Click(i % 9, i / 9);
    ASSERT_EQ(game.Opponent.Phase, OpponentState::Choose);
    Frame(0.05);
    EXPECT_NE(At(0, 0).State, Pressed);
}

TEST_F(ComputerPlayerTest, ExpertBonusTakesTheFirstSquareOfMoreThanFortySixClosedCells)
{
    game.CurrentPlayer() = Player1;
    StartBoard(30, 16, 111, PlayMode::VsComputer, Level::Expert);
    ASSERT_EQ(game.CurrentPlayer(), Player2);
    game.Opponent.BonusCountdown = 1;
    // Row 3, column 3 is the first cell whose 7 x 7 square lies wholly on the board; with
    // two of its cells open it holds 47, enough, though the square beside it holds 49.
    ShowOpen(0, 0);
    ShowOpen(0, 1);
    EXPECT_EQ(Chosen(), Index(3, 3));
    EXPECT_EQ(game.Opponent.BonusCountdown, -1);
    EXPECT_TRUE(game.BonusArmed());
    EXPECT_EQ(game.BonusRadius(), 3);
    EXPECT_EQ(game.Message.Text, "AI. Activated Bonus");
    EXPECT_EQ(game.Message.Stage, BarStage::SlideIn);

    const double pressing = game.Opponent.MoveStart + game.Opponent.MoveDuration + 0.1;
    for (int i = 0; i < 1000 && game.Opponent.Clock < pressing; ++i)
        Frame(0.05);
    EXPECT_EQ(CountState(Pressed), 47) << "the whole square is shown pressed";
    FinishMove();
    EXPECT_FALSE(game.BonusArmed());
    EXPECT_EQ(game.BonusOwner(), BonusUsed);
    EXPECT_EQ(game.CurrentPlayer(), Player1);
}

TEST_F(ComputerPlayerTest, BonusTakesTheLowestBestSquareWhenNoneIsFull)
{
    // Every 3 x 3 square meets an open row, so none holds more than six closed cells.
    std::vector<std::string> rows;
    for (int y = 0; y < 9; ++y)
        rows.push_back(y % 3 == 1 ? "ooooooooo" : ".........");
    LayOut(rows, Level::Beginner);
    game.Opponent.BonusCountdown = 1;
    EXPECT_EQ(Chosen(), Index(1, 2));
    EXPECT_EQ(game.BonusRadius(), 1);
}

TEST_F(ComputerPlayerTest, BonusSearchStartsAtTheRadiusNotAtTheFirstCell)
{
    // Cells 0 and 1 tie with the best square (the closed 2 x 2 corner); the search starts
    // at the radius, so the corner cell itself is never the centre.
    std::vector<std::string> rows {"..ooooooo", "..ooooooo"};
    rows.resize(9, "ooooooooo");
    LayOut(rows, Level::Beginner);
    game.Opponent.BonusCountdown = 1;
    EXPECT_EQ(Chosen(), Index(1, 0));
}

TEST_F(ComputerPlayerTest, BonusCountdownCountsTheComputersTurns)
{
    LayOut({"*o.", "ooo"});
    game.Opponent.BonusCountdown = 2;
    Chosen();
    EXPECT_EQ(game.Opponent.BonusCountdown, 1);
    EXPECT_FALSE(game.BonusArmed());
    EXPECT_NE(game.Message.Text, "AI. Activated Bonus");
}

} // namespace

namespace {

// The Strong computer, on boards whose mine chances are worked out by hand from the
// numbers and the mine count.
class StrongComputerTest : public ComputerPlayerTest {
protected:
    StrongComputerTest() { computer.SetStrength(ComputerStrength::Strong); }
};

TEST_F(StrongComputerTest, TakesAMineCertainOnlyWithTheNeighboursNumbers)
{
    // The 0 under (3, 0) makes (2, 0) and (3, 0) safe, so the 1 under (2, 0) has its mine
    // at (1, 0); no single number shows it, and the Normal computer would guess.
    LayOut({".*..", "oooo"});
    EXPECT_EQ(Chosen(), Index(1, 0));
}

TEST_F(StrongComputerTest, GuessesTheCellMostLikelyToHoldAMine)
{
    // Found mines wall off (0, 0), (1, 0), (2, 0): the numbers under them say x + y = 1 and
    // y + z = 1, so either y alone or x and z hold mines. Two mines are still hidden; the
    // eight free cells on the right hold the rest: y weighs C(8, 1) = 8 layouts, x and z
    // C(8, 0) = 1. So y holds a mine in 8 of 9 layouts, every other cell in 1 of 9.
    LayOut({".*.1....", "o2o2..*."});
    EXPECT_EQ(Chosen(), Index(1, 0));
}

TEST_F(StrongComputerTest, AmongEqualChancesTakesTheCellWhoseMissTellsTheOtherPlayerNothing)
{
    // Every closed cell holds a mine in half of the layouts. A miss at (4, 0) or (5, 0)
    // makes the other one a certain mine for the human; a miss at a corner of the left
    // block shows only the found mines around it and settles nothing. The greedy choice
    // takes the most likely cell whatever its miss shows.
    const std::vector<std::string> rows {"*1.1.*", "2o12oo", ".2*1oo"};
    LayOut(rows);
    EXPECT_EQ(Chosen(), Index(0, 0));
    computer.SetRevealWeight(0);
    LayOut(rows);
    EXPECT_EQ(Chosen(), Index(4, 0));
}

TEST_F(StrongComputerTest, UsesItsBonusOnTheSquareHoldingTheMostMines)
{
    // The 5 at (5, 1) has three found mines and five closed cells around it: each of those
    // holds a mine with chance 2/5, 2 mines in its square. The one mine left lies in the
    // nine free cells on the left, 1/9 each: 1 mine in their square.
    LayOut({"*..1*..", "...21o2", "...1.2*"}, Level::Beginner);
    game.BonusAwarded() = true;
    game.BonusOwner() = Player2;
    game.BonusButtonEnabled() = true;
    EXPECT_EQ(Chosen(), Index(5, 1));
    EXPECT_TRUE(game.BonusArmed());
    EXPECT_EQ(game.Message.Text, "AI. Activated Bonus");
    FinishMove();
    EXPECT_EQ(game.Players()[Player2].MinesFound, 5);
    EXPECT_EQ(game.BonusOwner(), BonusUsed);
}

} // namespace
