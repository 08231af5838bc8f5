// SPDX-License-Identifier: GPL-3.0-or-later
#include "ai/ComputerPlayer.h"
#include "support/RulesFixture.h"

#include <array>
#include <cmath>
#include <functional>
#include <utility>

using namespace orvane;
using orvane::testing::RulesFixture;

namespace {

// The computer to move on a board laid out from text as the players left it:
// '*' a closed mine, '.' a closed safe cell, 'o' an open safe cell,
// '1' and '2' a mine found by Player1 or Player2.
class ComputerPlayerTest : public RulesFixture {
protected:
    ComputerPlayer computer {game, random, clock};

    ComputerPlayerTest() { computer.Create(); }

    // The players reach the position by their clicks: in each turn the player to move finds
    // their mines, then opens a cell, which passes the turn. The computer moves first, or
    // the human when that leaves the computer to move at the end. A bonus the setup earns the
    // computer is due after the given number of its turns.
    void LayOut(const std::vector<std::string>& rows, Level level = Level::Custom,
        int computerBonusTurns = 5)
    {
        std::vector<std::string> mines = rows;
        for (auto& row : mines)
            for (char& c : row)
                c = (c == '*' || c == '1' || c == '2') ? '*' : '.';
        for (PlayerIndex first : {Player2, Player1}) {
            // Each deal passes the first move on.
            do
                orvane::testing::DealLayout(game, mines, PlayMode::VsComputer, level);
            while (game.CurrentPlayer() != first);
            random.scripted = {(computerBonusTurns - 1 + 0.5) / 5};
            if (PlayTo(rows))
                break;
        }
        random.scripted.clear();
        TakeEvents();
        events.clear();
        ASSERT_EQ(game.CurrentPlayer(), Player2);
        ASSERT_EQ(game.CurrentState(), GameState::Playing);
    }
    // True when the clicks of the rows end with the computer to move.
    bool PlayTo(const std::vector<std::string>& rows)
    {
        std::array<std::vector<int>, 2> finds;
        std::vector<int> opens;
        // From the last cell back, so that an empty cell floods before its open neighbours.
        for (int i = game.BoardWidth() * game.BoardHeight() - 1; i >= 0; --i) {
            const char c = rows[static_cast<size_t>(i / game.BoardWidth())]
                               [static_cast<size_t>(i % game.BoardWidth())];
            if (c == '1' || c == '2')
                finds[static_cast<size_t>(c - '1')].push_back(i);
            if (c == 'o')
                opens.push_back(i);
        }
        for (size_t next = 0;;) {
            for (int cell : std::exchange(finds[game.CurrentPlayer()], {}))
                ClickCell(cell);
            while (next < opens.size() && game.CellAt(opens[next]).State == CellState::Open)
                ++next;
            if (next == opens.size())
                break;
            ClickCell(opens[next]);
        }
        return game.CurrentPlayer() == Player2 && finds[Player1].empty();
    }
    void ClickCell(int cell) { Click(cell % game.BoardWidth(), cell / game.BoardWidth()); }

    // A new board of the setup on which the computer makes the first move.
    void ComputerMovesFirst(BoardSetup setup)
    {
        game.NewGame(setup);
        if (game.CurrentPlayer() != Player2)
            game.NewGame(setup);
        TakeEvents();
    }
    static BoardSetup BeginnerAtSpeed7()
    {
        BoardSetup setup;
        setup.Mode = PlayMode::VsComputer;
        setup.Mines = 19;
        setup.ComputerSpeed = 7;
        return setup;
    }

    void Frame(double seconds)
    {
        clock.FrameTime = seconds;
        computer.Update();
        TakeEvents();
    }
    // The cell the computer goes for: its choice on the next frame, the one under its
    // pointer when the cell, or the bonus square around it, is shown pressed.
    int Chosen()
    {
        Frame(0.01);
        EXPECT_EQ(computer.Phase(), OpponentPhase::Travel);
        for (int i = 0; i < 1000 && CountState(CellState::Pressed) == 0; ++i)
            Frame(0.05);
        return Index(static_cast<int>(std::lround(computer.PointerX())),
            static_cast<int>(std::lround(computer.PointerY())));
    }
    // Frames until the computer's move is made.
    void FinishMove(double frame = 0.05)
    {
        for (int i = 0; i < 1000 && computer.Phase() >= OpponentPhase::Travel; ++i)
            Frame(frame);
    }
    bool ComputerArmedItsBonus() const
    {
        const auto posted = Told<MessagePosted>();
        return game.BonusArmed() && !posted.empty()
            && posted.back() == MessagePosted {"AI. Activated Bonus", 0.5f, 2.0f};
    }
};

TEST_F(ComputerPlayerTest, GlidesForDistanceOverSpeedAtLeastPointFourThenPressesThenClicks)
{
    struct Travel {
        const char* name;
        std::function<void()> setUp;
        int x, y;
        double duration;
    };
    const std::vector<std::string> cornerMine(9, "ooooooooo");
    std::vector<std::string> closeMines = cornerMine, farMine = cornerMine;
    closeMines[8] = "ooooooo**";
    farMine[0] = "*oooooooo";
    const std::vector<Travel> travels {
        {"from the top left cell at speed 7",
            [this] {
                ComputerMovesFirst(BeginnerAtSpeed7());
                random.scripted = {0.999}; // the last cell it may guess, (7, 8)
            },
            7, 8, 8.0 / 7.0},
        {"one cell at speed 8",
            [&] {
                LayOut(closeMines);
                ASSERT_EQ(Chosen(), Index(7, 8));
                FinishMove();
            },
            8, 8, 0.4},
        {"no cell at speed 8", [&] { LayOut(farMine); }, 0, 0, 0.4},
    };
    for (const Travel& t : travels) {
        SCOPED_TRACE(t.name);
        t.setUp();
        const double dt = 0.001;
        double now = 0.0, chosenAt = -1.0, pressedAt = -1.0;
        float lastX = 0.0f;
        for (int i = 0; i < 5000 && At(t.x, t.y).State != CellState::Open
             && At(t.x, t.y).Mark == CellMark::None;
             ++i) {
            Frame(dt);
            now += dt;
            if (chosenAt < 0.0 && computer.Phase() == OpponentPhase::Travel)
                chosenAt = now;
            if (pressedAt < 0.0 && At(t.x, t.y).State == CellState::Pressed)
                pressedAt = now;
            EXPECT_GE(computer.PointerX(), lastX) << "the pointer only goes forward";
            EXPECT_LE(computer.PointerX(), static_cast<float>(t.x));
            lastX = computer.PointerX();
        }
        EXPECT_NEAR(pressedAt - chosenAt, t.duration, dt * 1.5);
        EXPECT_NEAR(computer.PointerX(), static_cast<float>(t.x), 0.02f);
        EXPECT_NEAR(computer.PointerY(), static_cast<float>(t.y), 0.02f);
        EXPECT_NE(At(t.x, t.y).State, CellState::Pressed) << "the move was made";
    }
}

TEST_F(ComputerPlayerTest, ClicksOnTheFirstFrameMoreThanTwoTenthsAfterArriving)
{
    ComputerMovesFirst(BeginnerAtSpeed7());
    random.scripted = {0.999};
    // The clock the computer keeps is the sum of the frames since the new game.
    double now = 0.01;
    Frame(0.01);
    const double click = now + 8.0 / 7.0 + ComputerPlayer::PressTime;
    for (int i = 0; i < 1000 && now + 0.01 <= click; ++i) {
        Frame(0.01);
        now += 0.01;
    }
    EXPECT_EQ(At(7, 8).State, CellState::Pressed) << "shown pressed until the click";
    Frame(0.01);
    Frame(0.01);
    EXPECT_EQ(At(7, 8).State, CellState::Open);
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
    // No number is certain; the closed cells are 0, 2, 4, the mines 6 and 8, and the
    // last cell, 9.
    const std::vector<std::string> rows {".o.o.", "o*o*."};
    for (double draw : {0.0, 0.5, 0.999}) {
        LayOut(rows);
        random.scripted = {draw};
        const int chosen = Chosen();
        EXPECT_TRUE(chosen % 2 == 0 && chosen < 9) << chosen;
    }
    LayOut(rows);
    random.scripted = {0.999};
    EXPECT_EQ(Chosen(), 8) << "the draw spreads over the cells it may take";
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
    LayOut({"*oo..", "ooo*.", "....."});
    EXPECT_EQ(Chosen(), Index(0, 0));
    FinishMove();
    EXPECT_EQ(game.Players()[Player2].MinesFound, 1);
    EXPECT_EQ(game.CurrentPlayer(), Player2);
    EXPECT_TRUE(computer.MoveUnderWay()) << "a find lets it move again";

    random.scripted = {0.0}; // the first closed cell, (3, 0): safe
    EXPECT_EQ(Chosen(), Index(3, 0));
    FinishMove();
    EXPECT_EQ(game.CurrentPlayer(), Player1);
    EXPECT_FALSE(computer.MoveUnderWay());
    EXPECT_EQ(computer.Phase(), OpponentPhase::Idle);
}

TEST_F(ComputerPlayerTest, FirstMoveOfAGameNeverFindsAMine)
{
    for (uint64_t seed = 1; seed <= 100; ++seed) {
        random.engine.seed(seed);
        ComputerMovesFirst(BeginnerAtSpeed7());
        ASSERT_TRUE(computer.MoveUnderWay());
        for (int i = 0; i < 1000 && game.CurrentPlayer() == Player2; ++i)
            Frame(0.05);
        ASSERT_EQ(game.CurrentState(), GameState::Playing);
        EXPECT_EQ(game.Players()[Player2].MinesFound, 0);
        EXPECT_EQ(game.CurrentPlayer(), Player1);
    }
}

TEST_F(ComputerPlayerTest, APressLeftWhenAClickTookTheFirstMoveIsTakenBack)
{
    ComputerMovesFirst(BeginnerAtSpeed7());
    random.scripted = {0.0}; // the top left cell
    for (int i = 0; i < 100 && CountState(CellState::Pressed) == 0; ++i)
        Frame(0.05);
    ASSERT_EQ(At(0, 0).State, CellState::Pressed);

    // Clicks on the board count before the first open: one opens a cell for the computer,
    // the next is the human's own move.
    Click(8, 8);
    ASSERT_EQ(game.CurrentPlayer(), Player1);
    for (int i = 1; game.CurrentPlayer() == Player1 && i < 81; ++i)
        if (At(i % 9, i / 9).State == CellState::Closed)
            Click(i % 9, i / 9);
    ASSERT_TRUE(computer.MoveUnderWay());
    Frame(0.05);
    EXPECT_NE(At(0, 0).State, CellState::Pressed);
}

TEST_F(ComputerPlayerTest, ExpertBonusTakesTheFirstSquareOfMoreThanFortySixClosedCells)
{
    // Row 3, column 3 is the first cell whose 7 x 7 square lies wholly on the board; with
    // two of its cells open it holds 47, enough, though the square beside it holds 49.
    std::vector<std::string> rows(16, std::string(30, '.'));
    rows[0] = "o*" + std::string(27, '.') + "*";
    rows[1][0] = 'o';
    rows[15][29] = '1'; // the find that earns the computer its bonus
    LayOut(rows, Level::Expert, 1);
    EXPECT_EQ(Chosen(), Index(3, 3));
    EXPECT_TRUE(ComputerArmedItsBonus());
    EXPECT_EQ(game.BonusRadius(), 3);
    EXPECT_EQ(CountState(CellState::Pressed), 47) << "the whole square is shown pressed";
    FinishMove();
    EXPECT_FALSE(game.BonusArmed());
    EXPECT_TRUE(game.BonusSpent());
    EXPECT_EQ(game.CurrentPlayer(), Player1);
}

TEST_F(ComputerPlayerTest, BonusTakesTheLowestBestSquareWhenNoneIsFull)
{
    // Every 3 x 3 square meets an open row, so none holds more than six closed cells. The
    // mines under and over the open rows make them numbers; the three found at the bottom
    // right earn the computer its bonus.
    std::vector<std::string> rows;
    for (int y = 0; y < 9; ++y)
        rows.push_back(y % 3 == 1 ? "ooooooooo" : y % 3 == 0 ? ".*..*..*." : ".........");
    rows[8] = "......111";
    LayOut(rows, Level::Beginner, 1);
    EXPECT_EQ(Chosen(), Index(1, 2));
    EXPECT_EQ(game.BonusRadius(), 1);
}

TEST_F(ComputerPlayerTest, BonusSearchStartsAtTheRadiusNotAtTheFirstCell)
{
    // Cells 0 and 1 tie with the best square (the closed 2 x 2 corner of mines); the search
    // starts at the radius, so the corner cell itself is never the centre. The found mines
    // make every open cell a number.
    std::vector<std::string> rows(9, "ooooooooo");
    rows[0] = "**ooooooo";
    rows[1] = "**oo1oo1o";
    rows[4] = "o1oo2oo2o";
    rows[7] = "o1oo2oo2o";
    LayOut(rows, Level::Beginner, 1);
    EXPECT_EQ(Chosen(), Index(1, 0));
}

TEST_F(ComputerPlayerTest, BonusIsDueAfterTheComputersTurnsItWasGiven)
{
    // A certain mine keeps the turn after the first move; the second turn uses the bonus.
    LayOut({"1o*..", "ooo.."}, Level::Custom, 2);
    EXPECT_EQ(Chosen(), Index(2, 0));
    EXPECT_FALSE(game.BonusArmed());
    FinishMove();
    Chosen();
    EXPECT_TRUE(ComputerArmedItsBonus());
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
    // Beside the found mines, the 2 under (3, 0) makes (2, 0) and (3, 0) safe, so the 4
    // under (2, 0) has its mine at (1, 0); no single number shows it, and the Normal
    // computer would guess.
    LayOut({".*..", "oooo", "2211"});
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
    // block shows only the found mines around it and settles nothing.
    LayOut({"*1.1.*", "2o12oo", ".2*1oo"});
    EXPECT_EQ(Chosen(), Index(0, 0));
}

// Twelve mines: seven finds win, and the first player to find three hands the other the
// bonus. The 3 at (1, 0) makes (0, 0) a certain mine; the 1 at (0, 1) then makes (0, 2)
// safe, and every cell around (0, 2) is settled: opening it shows a 1 and tells nothing.
TEST_F(StrongComputerTest, PutsOffTheFindThatWouldHandTheOtherPlayerTheBonus)
{
    // With two finds each, the certain mine would be the computer's third: it opens the
    // quiet safe cell instead and leaves the human the mine and the bonus's threshold.
    LayOut({"*o2.*..*..", "oo2...*...", ".o1..*...*", "o1...*....", ".....*...."}, Level::Expert);
    EXPECT_EQ(Chosen(), Index(0, 2));
    // Once the human has crossed the threshold the bonus is given: the mine is taken.
    LayOut({"*o2.*..*..", "oo2...*...", ".o1..*...1", "o1...*....", ".....*...."}, Level::Expert);
    EXPECT_EQ(Chosen(), Index(0, 0));
    // Sixteen mines: the fourth find is the threshold. The computer's three finds, not the
    // human's two, make the mine its fourth.
    LayOut({"*o2.*..*..", "oo2...*..*", ".o1..*...*", "o1...*..*.", ".....*..*2"}, Level::Expert);
    EXPECT_EQ(Chosen(), Index(0, 2));
    // Two mines: the first find is the threshold. The numbers and the mine count make
    // (4, 0) a mine and every cell on its left safe; those further left would show 0 and
    // flood, and (3, 0), beside the mine, passes the turn quietly.
    LayOut({"....*o*", "...ooo."}, Level::Beginner);
    EXPECT_EQ(Chosen(), Index(3, 0));
}

// Four mines: the first find of the game hands the other player the bonus. No cell is
// certainly safe to pass the turn with, and the 1 at (0, 1) makes (0, 0) a mine: putting
// that find off is only one of the moves weighed, and here taking it is worth the most.
TEST_F(StrongComputerTest, TakesTheFindThatHandsOverTheBonusWhenNothingPassesTheTurn)
{
    LayOut({"*oo*....", "ooo...*."}, Level::Beginner);
    EXPECT_EQ(Chosen(), Index(0, 0));
}

// Its bonus waits while a guess is even odds: the human's find earned it the bonus, and
// the 2 at (1, 1) puts one mine in (2, 0) or (2, 1).
TEST_F(StrongComputerTest, KeepsItsBonusWhileAGuessIsEvenOdds)
{
    LayOut({"o1*", "oo."}, Level::Beginner);
    ASSERT_EQ(game.BonusOwner(), Player2);
    Chosen();
    EXPECT_FALSE(game.BonusArmed());
}

TEST_F(StrongComputerTest, UsesItsBonusOnTheSquareHoldingTheMostMines)
{
    // The 5 at (5, 1) has three found mines and five closed cells around it: each of those
    // holds a mine with chance 2/5, 2 mines in its square. The one mine left lies in the
    // nine free cells on the left, 1/9 each: 1 mine in their square.
    LayOut({"*..1*..", "...21o2", "...1.2*"}, Level::Beginner);
    ASSERT_EQ(game.BonusOwner(), Player2);
    EXPECT_EQ(Chosen(), Index(5, 1));
    EXPECT_TRUE(ComputerArmedItsBonus());
    FinishMove();
    EXPECT_EQ(game.Players()[Player2].MinesFound, 5);
    EXPECT_TRUE(game.BonusSpent());
}

// The human's find at (1, 0) earned the computer the bonus; the open 1 beside it makes
// (0, 1) and (1, 1) safe, and every other closed cell holds a mine with the same chance, so
// every full square holds as many mines. The square against the right edge has closed
// cells on one side only, which its numbers would show the human; the full squares further
// left have them on both sides.
TEST_F(StrongComputerTest, PutsItsBonusWhereItsNumbersShowLittleAroundIt)
{
    LayOut({"o1......*", ".....*...", "..*....*."}, Level::Beginner);
    ASSERT_EQ(game.BonusOwner(), Player2);
    EXPECT_EQ(Chosen(), Index(7, 1));
    EXPECT_TRUE(ComputerArmedItsBonus());
}

} // namespace
