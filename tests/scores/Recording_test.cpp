// SPDX-License-Identifier: GPL-3.0-or-later
#include "scores/Recording.h"
#include "scores/ScoreFile.h"
#include "support/GameFixture.h"
#include "support/TempDir.h"

#include <optional>

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
    ScoreMarks marks;
    HighScoreWindows windows;
    std::optional<std::string> typedName; // nothing: the dialog's close box
    std::vector<std::string> shown;       // what each window saw when it opened

    void SetUp() override
    {
        scores.LoadScores();
        // As the level commands do before a game on their table.
        scores.FindLowestByTime(0);
        for (int table = 3; table <= 5; ++table)
            scores.FindLowestByWins(table);
        windows.AskName = [this] {
            shown.push_back("name");
            return typedName;
        };
        windows.ShowHighScores = [this] { shown.push_back("scores"); };
        ConnectScores(game, scores, marks, windows);
    }
    // Wins a Classic Beginner game in the given seconds with 7 clicks.
    void WinBeginner(int seconds)
    {
        LayMines({"*....", "....."});
        game.ScoreTable = 0;
        game.ElapsedSeconds = seconds;
        game.ClickCount = 7;
        Click(4, 0);
        Click(0, 1);
        ASSERT_EQ(game.CurrentState, GameState::Won);
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

// The slowest Beginner row holds 100 seconds; an equal time enters, a slower one not.
TEST_F(RecordingTest, TimeNoSlowerThanTheSlowestRowEntersTheTable)
{
    for (const int seconds : {100, 101}) {
        SCOPED_TRACE(seconds);
        scores.Apply([](ScoreFile& tables) {
            for (int row = 1; row <= 10; ++row)
                tables.Row(0, row) = {"Old" + std::to_string(row), 90 + row, 50};
            return 0;
        });
        scores.FindLowestByTime(0);
        shown.clear();
        const int wins = scores.TableStats[0].WonOrStarted;
        typedName = "Ann";
        WinBeginner(seconds);

        EXPECT_EQ(scores.TableStats[0].WonOrStarted, wins + 1);
        const bool enters = seconds == 100;
        const ScoreEntry expected
            = enters ? ScoreEntry {"Ann", 100, 7} : ScoreEntry {"Old10", 100, 50};
        EXPECT_EQ(scores.Row(0, 10), expected);
        EXPECT_EQ(shown.size(), enters ? 2u : 0u) << "the name dialog and the high-score window";
    }
}

// The row is stored and written before the window that marks it opens; the close box
// of the name dialog keeps the row's former name.
TEST_F(RecordingTest, NewRowIsWrittenBeforeTheWindowShowsIt)
{
    for (const bool closeBox : {false, true}) {
        SCOPED_TRACE(closeBox);
        scores.ResetTable(0);
        scores.FindLowestByTime(0);
        typedName = closeBox ? std::nullopt : std::optional<std::string>("Bea");
        windows.ShowHighScores = [this, closeBox] {
            const ScoreEntry expected {closeBox ? "Unknown" : "Bea", 42, 7};
            EXPECT_EQ(scores.Row(0, 10), expected);
            ScoreFile reread(dir.File("Orvane.cfg"), [](const std::string&) {});
            reread.LoadScores();
            EXPECT_EQ(reread.Row(0, 10), expected);
            EXPECT_EQ(marks.ShownTable, 0);
            EXPECT_EQ(marks.MarkTable, 0);
            EXPECT_EQ(marks.MarkRow, 10);
            EXPECT_EQ(platform.redraws, 1) << "the finished board is drawn behind the dialog";
            shown.push_back("scores");
        };
        platform.redraws = 0;
        WinBeginner(42);
        ASSERT_EQ(shown.back(), "scores");
        EXPECT_EQ(scores.LowestEntry[0], 9) << "the next slowest row";
    }
}

// Two copies of the program read the file, then each wins a high score and saves it:
// both rows and both wins are in the file, as are both copies' two-player results.
TEST_F(RecordingTest, TwoCopiesAtOnceLoseNothing)
{
    ScoreFile other(dir.File("Orvane.cfg"), [this](const std::string& e) { errors.push_back(e); });
    other.LoadScores();
    other.FindLowestByTime(0);
    typedName = "Ann";
    WinBeginner(40);
    game.Players[Player1].Name = "Cy";
    DecideTwoPlayerGame(Player1, 3);
    ASSERT_EQ(marks.MarkRow, 10);

    typedName = "Bo";
    const HighScoreWindows otherWindows {[this] { return typedName; }, [] {}};
    ScoreMarks otherMarks;
    game.ScoreTable = 0;
    RecordClassicWin(game, other, otherMarks, otherWindows);
    game.Players[Player1].Name = "Di";
    game.ScoreTable = 3;
    RecordTwoPlayerResult(game, other);
    EXPECT_EQ(otherMarks.MarkRow, 9) << "the next slowest row, the other copy's being taken";

    ScoreFile reread(dir.File("Orvane.cfg"), [](const std::string&) {});
    reread.LoadScores();
    EXPECT_EQ(reread.TableStats[0].WonOrStarted, 2);
    EXPECT_EQ(reread.Row(0, 10), (ScoreEntry {"Ann", 40, 7}));
    EXPECT_EQ(reread.Row(0, 9), (ScoreEntry {"Bo", 40, 7}));
    EXPECT_EQ(reread.Row(3, 10).Name, "Cy");
    EXPECT_EQ(reread.Row(3, 9).Name, "Di");
    EXPECT_TRUE(errors.empty());
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

// A tab, an escape or a line feed typed or pasted would move what the windows show.
TEST_F(RecordingTest, ControlCharactersOfANameBecomeSpaces)
{
    typedName = "A\tB\x1b\nC\xc2\x85";
    WinBeginner(42);
    EXPECT_EQ(scores.Row(0, 10).Name, "A B  C ");
    const auto file = ReadFileBytes(dir.File("Orvane.cfg"));
    EXPECT_EQ(std::string(file.begin() + 9 * 32, file.begin() + 9 * 32 + 8),
        "\x07"
        "A B  C ");
}

TEST_F(RecordingTest, TheComputerIsANameLikeAnyOther)
{
    game.Players[Player2].Name = "A.I";
    DecideTwoPlayerGame(Player2, 5);
    DecideTwoPlayerGame(Player1, 5);
    EXPECT_EQ(scores.Row(5, 10), (ScoreEntry {"A.I", 1, 1}));
}

TEST_F(RecordingTest, WinnerWhoseScoreDoesNotBeatTheFewestWinsGetsNoRow)
{
    // append rather than "X" + ...: GCC 12 at -O3 reports a false -Wrestrict inside
    // operator+(const char*, std::string&&).
    scores.Apply([](ScoreFile& tables) {
        for (int row = 1; row <= 10; ++row)
            tables.Row(3, row) = {std::string("X").append(std::to_string(row)), 3, 0};
        return 0;
    });
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

// Boards dealt without guessing stay out of the file; the first win of a run says why.
TEST_F(RecordingTest, BoardsDealtWithoutGuessingCountNothing)
{
    const auto before = ReadFileBytes(dir.File("Orvane.cfg"));
    LayMines({"*....", "....."});
    game.DealtWithoutGuessing = true;
    Click(0, 0);
    for (int win = 0; win < 2; ++win) {
        LayMines({"*....", "....."});
        game.DealtWithoutGuessing = true;
        Click(4, 0);
        Click(0, 1);
        ASSERT_EQ(game.CurrentState, GameState::Won);
    }
    EXPECT_EQ(ReadFileBytes(dir.File("Orvane.cfg")), before);
    EXPECT_TRUE(shown.empty());
    ASSERT_EQ(platform.messages.size(), 1U);
    EXPECT_NE(platform.messages[0].find("high-score tables"), std::string::npos);
}
