#include "scores/Recording.h"
#include "scores/ScoreFile.h"
#include "support/GameFixture.h"
#include "support/TempDir.h"

using namespace orvane;
using orvane::testing::GameFixture;
using orvane::testing::ReadFileBytes;
using orvane::testing::TempDir;

namespace {

class RecordingTest : public GameFixture {
protected:
    TempDir dir;
    std::vector<std::string> errors;
    ScoreFile scores {
        dir.File("Orvane.cfg"), [this](const std::string& e) { errors.push_back(e); }};

    void SetUp() override
    {
        scores.LoadScores();
        // As the two-player level commands do before a game on their table.
        for (int table = 3; table <= 5; ++table)
            scores.FindLowestByWins(table);
        ConnectScores(game, scores);
    }
    void DecideTwoPlayerGame(PlayerIndex winner, int table)
    {
        game.ScoreTable = static_cast<uint8_t>(table);
        game.CurrentPlayer = winner;
        ++game.Players[winner].Score;
        RecordTwoPlayerResult(game, scores);
    }
};

TEST_F(RecordingTest, ClassicLossAndWinAreCountedInTheFile)
{
    LayMines({"*....", "....."});
    game.ScoreTable = 1;
    Click(0, 0);
    ASSERT_EQ(game.CurrentState, GameState::Lost);
    EXPECT_EQ(scores.TableStats[1].GamesLost, 1);

    LayMines({"*....", "....."});
    game.ScoreTable = 1;
    Click(4, 0);
    Click(0, 1);
    ASSERT_EQ(game.CurrentState, GameState::Won);
    EXPECT_EQ(scores.TableStats[1].WonOrStarted, 1);

    ScoreFile reread(dir.File("Orvane.cfg"), [](const std::string&) {});
    reread.LoadScores();
    EXPECT_EQ(reread.TableStats[1].GamesLost, 1);
    EXPECT_EQ(reread.TableStats[1].WonOrStarted, 1);
    EXPECT_TRUE(errors.empty());
}

TEST_F(RecordingTest, CustomBoardsCountNothing)
{
    const auto before = ReadFileBytes(dir.File("Orvane.cfg"));
    LayMines({"*....", "....."});
    game.ScoreTable = 6;
    Click(0, 0);
    LayMines({"*....", "....."});
    game.ScoreTable = 6;
    Click(4, 0);
    Click(0, 1);
    ASSERT_EQ(game.CurrentState, GameState::Won);
    DecideTwoPlayerGame(Player1, 6);
    EXPECT_EQ(ReadFileBytes(dir.File("Orvane.cfg")), before);
}

TEST_F(RecordingTest, FirstTwoPlayerWinTakesTheLastRowAndTheRowlessLoserGetsNone)
{
    DecideTwoPlayerGame(Player1, 3);
    const ScoreEntry& row10 = scores.Row(3, 10);
    EXPECT_EQ(row10.Name, "P1");
    EXPECT_EQ(row10.TimeOrWon, 1);
    EXPECT_EQ(row10.ClicksOrLost, 0);
    EXPECT_EQ(scores.LowestEntry[3], 9);
    for (int row = 1; row <= 9; ++row)
        EXPECT_EQ(scores.Row(3, row).Name, "Unknown");

    ScoreFile reread(dir.File("Orvane.cfg"), [](const std::string&) {});
    reread.LoadScores();
    EXPECT_EQ(reread.Row(3, 10).Name, "P1");
}

TEST_F(RecordingTest, NamedRowsGainWinsAndLosses)
{
    DecideTwoPlayerGame(Player1, 4); // P1 takes row 10
    DecideTwoPlayerGame(Player2, 4); // P2 takes row 9; P1 loses one
    EXPECT_EQ(scores.Row(4, 10).Name, "P1");
    EXPECT_EQ(scores.Row(4, 10).ClicksOrLost, 1);
    EXPECT_EQ(scores.Row(4, 9).Name, "P2");
    EXPECT_EQ(scores.Row(4, 9).TimeOrWon, 1);
    EXPECT_EQ(scores.Row(4, 9).ClicksOrLost, 1) << "the loser's series score";
    DecideTwoPlayerGame(Player1, 4);
    EXPECT_EQ(scores.Row(4, 10).TimeOrWon, 2);
    EXPECT_EQ(scores.Row(4, 9).ClicksOrLost, 2);
}

TEST_F(RecordingTest, SameNamesGainOneWinAndOneLossOnTheFirstRow)
{
    game.Players[Player2].Name = "P1";
    DecideTwoPlayerGame(Player1, 5);
    DecideTwoPlayerGame(Player2, 5);
    EXPECT_EQ(scores.Row(5, 10).Name, "P1");
    EXPECT_EQ(scores.Row(5, 10).TimeOrWon, 2);
    EXPECT_EQ(scores.Row(5, 10).ClicksOrLost, 2);
}

TEST_F(RecordingTest, WinnerWhoseScoreDoesNotBeatTheFewestWinsGetsNoRow)
{
    // append rather than "X" + ...: GCC 12 at -O3 reports a false -Wrestrict inside
    // operator+(const char*, std::string&&).
    for (int row = 1; row <= 10; ++row) {
        scores.Row(3, row) = {std::string("X").append(std::to_string(row)), 3, 0};
        scores.WriteScoreEntry(3, row);
    }
    scores.FindLowestByWins(3);
    game.Players[Player1].Score = 2; // becomes 3: equal, not more
    DecideTwoPlayerGame(Player1, 3);
    for (int row = 1; row <= 10; ++row)
        EXPECT_NE(scores.Row(3, row).Name, "P1");
}

TEST_F(RecordingTest, TwoPlayerGamesAreCountedWhenTheyStart)
{
    game.ScoreTable = 4;
    StartBoard(9, 9, 19, PlayMode::VsHuman, Level::Custom);
    EXPECT_EQ(scores.TableStats[4].WonOrStarted, 1);
    game.NewGame(Level::Custom);
    EXPECT_EQ(scores.TableStats[4].WonOrStarted, 2);
    EXPECT_EQ(scores.TableStats[4].GamesLost, 0);
}

} // namespace
