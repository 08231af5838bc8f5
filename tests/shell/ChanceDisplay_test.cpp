// SPDX-License-Identifier: GPL-3.0-or-later
// "Show Chances" in the session: when the chances show, what they show, the chance of the
// cell pointed at on the message bar, and the games they were shown in.
#include "support/MineLayout.h"
#include "support/SessionFixture.h"

using namespace orvane;
using namespace orvane::testing;

namespace {

// Opening the top right corner leaves closed: (0,0) and (0,1), one mine between them;
// (0,2), (1,2) and (2,2), certainly safe; (3,2), certainly a mine.
const std::vector<std::string> CornerBoard {"*...", "....", "...*"};
constexpr int Corner = 3;
constexpr int HalfChance = 4;   // (0,1)
constexpr int CertainSafe = 10; // shows 1: opening it floods nothing
constexpr int CertainMine = 11;

class ChanceDisplayTest : public SessionFixture {
protected:
    Game& game = session.game;
    const BoardChances& chances = view.Chances;
    int namesAsked = 0;

    void SetUp() override
    {
        SessionFixture::SetUp();
        session.highScoreWindows.AskName = [this] {
            ++namesAsked;
            return std::optional<std::string>("Me");
        };
        session.commands.ShowChances(true);
    }
    // A Beginner game on the corner board, counted in the Beginner table.
    void DealCornerBoard()
    {
        DealLayout(game, CornerBoard, PlayMode::Classic, Level::Beginner, 0);
        session.TakeGameEvents();
    }
    void Open(int cell)
    {
        for (const CellAction action : {CellAction::Press, CellAction::Release})
            game.ActOnCell(CellGesture::Open, action, cell);
        session.TakeGameEvents();
    }
    void Win()
    {
        for (const int cell : {4, 8, 9, 10})
            Open(cell);
        ASSERT_EQ(game.CurrentState(), GameState::Won);
    }
    void PointAt(int cell)
    {
        const int size = session.screen.CellSize;
        session.BoardMove(cell % 4 * size + size / 2, cell / 4 * size + size / 2);
    }
    ChanceLook LookOf(int cell) const { return chances.Looks[static_cast<size_t>(cell)]; }
};

TEST_F(ChanceDisplayTest, ShowOnlyInAClassicGameBeingPlayed)
{
    DealCornerBoard();
    EXPECT_FALSE(chances.Shown) << "nothing to show before the first open";
    Open(Corner);
    ASSERT_TRUE(chances.Shown);
    EXPECT_EQ(LookOf(Corner), ChanceLook::None);
    EXPECT_EQ(LookOf(HalfChance), ChanceLook::Tinted);
    EXPECT_FLOAT_EQ(chances.MineChance[HalfChance], 0.5f);
    EXPECT_EQ(LookOf(CertainSafe), ChanceLook::Safe);
    EXPECT_EQ(LookOf(CertainMine), ChanceLook::Mine);

    session.commands.Pause();
    session.TakeGameEvents();
    EXPECT_FALSE(chances.Shown) << "paused";
    session.commands.Pause();
    session.TakeGameEvents();
    EXPECT_TRUE(chances.Shown);
    session.commands.ShowChances(false);
    session.TakeGameEvents();
    EXPECT_FALSE(chances.Shown) << "turned off";
    EXPECT_FALSE(session.Checks().ShowChances);
    session.commands.ShowChances(true);
    session.TakeGameEvents();
    EXPECT_TRUE(chances.Shown);

    // A flag is the player's: its cell shows no chance, and the board is not analysed again.
    const int64_t analyses = session.chances.Analyses();
    for (const CellAction action : {CellAction::Press, CellAction::Release})
        game.ActOnCell(CellGesture::Flag, action, CertainMine);
    session.TakeGameEvents();
    EXPECT_EQ(LookOf(CertainMine), ChanceLook::None);
    EXPECT_EQ(session.chances.Analyses(), analyses);

    game.ActOnCell(CellGesture::Open, CellAction::Press, CertainSafe);
    session.TakeGameEvents();
    EXPECT_EQ(LookOf(CertainSafe), ChanceLook::Safe) << "held down";
    Open(CertainSafe);
    EXPECT_EQ(session.chances.Analyses(), analyses + 1);
    Open(0);
    EXPECT_EQ(game.CurrentState(), GameState::Lost);
    EXPECT_FALSE(chances.Shown) << "ended";
    EXPECT_EQ(session.scores.TableStats[0].GamesLost, 0) << "kept out of the score file";

    session.commands.VsHuman();
    DealLayout(game, CornerBoard, PlayMode::VsHuman);
    session.TakeGameEvents();
    Open(Corner);
    ASSERT_EQ(game.CurrentState(), GameState::Playing);
    EXPECT_FALSE(chances.Shown) << "two players";
    EXPECT_FALSE(game.ChancesShown());
}

// The keyboard's cell while it shows, else the mouse's; an estimate is marked.
TEST_F(ChanceDisplayTest, TheBarTellsTheChanceOfTheCellPointedAt)
{
    DealCornerBoard();
    Open(Corner);
    PointAt(HalfChance);
    EXPECT_EQ(view.Message.Text, "Mine chance: 50 %");
    EXPECT_TRUE(view.Message.ShownFor(false));
    PointAt(CertainMine);
    EXPECT_EQ(view.Message.Text, "Mine chance: 100 %");
    EXPECT_EQ(view.Message.Stage, BarStage::Shown) << "the words change on the standing bar";
    session.screen.KeyColumn = 0;
    session.screen.KeyRow = 2;
    session.PlayBoardKey(BoardKey::Left);
    EXPECT_EQ(view.Message.Text, "Mine chance: 0 %");
    // Back on a cell through one without a chance, once the bar went away.
    PointAt(CertainSafe);
    PointAt(Corner);
    view.Message.Reset();
    PointAt(CertainSafe);
    EXPECT_TRUE(view.Message.Running());

    session.commands.Pause();
    session.TakeGameEvents();
    EXPECT_FALSE(view.Message.Running()) << "the chance goes with the chances";

    EXPECT_EQ(ChanceWords(0.234, false, false), "Mine chance: \u224823 %");
    EXPECT_EQ(ChanceWords(0.001, false, true), "Mine chance: 1 %");
    EXPECT_EQ(ChanceWords(1.0, true, false), "Mine chance: 100 %") << "certain, not estimated";
}

TEST_F(ChanceDisplayTest, AGameTheyWereShownInIsMarkedAndKeptOutOfTheHighScores)
{
    DealCornerBoard();
    Open(Corner);
    session.commands.ShowChances(false);
    session.TakeGameEvents();
    Win();
    EXPECT_EQ(namesAsked, 0);
    EXPECT_EQ(session.scores.TableStats[0].WonOrStarted, 0);
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_NE(platform.messages[0].find("Show Chances"), std::string::npos);

    DealCornerBoard();
    Open(Corner);
    Win();
    EXPECT_EQ(namesAsked, 1) << "a new game starts unmarked";
    const std::vector<GameRecord> games
        = session.history.LatestGames(HistoryMode::Classic, Level::Beginner, 2);
    ASSERT_EQ(games.size(), 2u);
    EXPECT_FALSE(games[0].ChancesShown);
    EXPECT_TRUE(games[1].ChancesShown);
}

// The hint goes where the chances say: a certainly safe cell, else the safest.
TEST_F(ChanceDisplayTest, TheHintPointsAtACellTheChancesShowSafest)
{
    DealCornerBoard();
    Open(Corner);
    game.GiveHint();
    session.TakeGameEvents();
    EXPECT_EQ(LookOf(game.HintCell()), ChanceLook::Safe);
}

} // namespace
