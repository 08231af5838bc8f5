// SPDX-License-Identifier: GPL-3.0-or-later
#include "scores/History.h"
#include "scores/Recording.h"
#include "scores/ScoreFile.h"
#include "support/GameFixture.h"
#include "support/TempDir.h"

#include <algorithm>
#include <array>
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
        dir.File("Orvane.cfg"), [this](const Text& e) { errors.push_back(e.English()); }};
    History history {
        dir.File("History.db"), [this](const Text& e) { errors.push_back(e.English()); }};
    ScoreMarks marks;
    HighScoreWindows windows;
    ResultRecorder recorder {scores, history, marks, windows, platform};
    std::optional<std::string> typedName; // nothing: the dialog's close box
    std::vector<std::string> shown;       // the windows of a high score, as they opened
    std::array<PlayerData, 2> players {PlayerData {"P1", 0, 0}, PlayerData {"P2", 0, 0}};
    size_t recorded = 0;

    void SetUp() override
    {
        scores.LoadScores();
        history.Open();
        // As the level commands do before a game on their table.
        scores.FindLowestByTime(0);
        for (int table = 3; table <= 5; ++table)
            scores.FindLowestByWins(table);
        windows.ShowFinishedBoard = [this] { shown.push_back("board"); };
        windows.AskName = [this] {
            shown.push_back("name");
            return typedName;
        };
        windows.ShowHighScores = [this] { shown.push_back("scores"); };
    }

    // The recorder takes what the game told since the last call, as the session does.
    void Record()
    {
        for (; recorded < events.size(); ++recorded)
            recorder.Take(events[recorded]);
        recorder.ShowDueHighScore();
    }

    // Deals a Beginner board counted in the table and opens its first cell, which lays the
    // mines; in a two-player mode that passes the turn.
    void Deal(int table, PlayMode mode = PlayMode::Classic)
    {
        BoardSetup setup;
        setup.Mode = mode;
        setup.ScoreTable = static_cast<uint8_t>(table);
        game.NewGame(setup);
        TakeEvents();
        Click(0, 0);
        ASSERT_EQ(game.CurrentState(), GameState::Playing);
    }
    // Opens the closed cells with a mine, or without, until the game is decided.
    void OpenCells(bool mined)
    {
        for (const Cell& cell : game.Cells())
            if (game.CurrentState() == GameState::Playing && cell.State == CellState::Closed
                && cell.Mark == CellMark::None && (cell.Value == MineValue) == mined)
                Click(cell.Index % game.BoardWidth(), cell.Index / game.BoardWidth());
        Record();
    }
    // Wins a Classic game counted in the table in the given seconds with 7 clicks.
    void WinClassic(int table, int seconds)
    {
        Deal(table);
        counter.now += seconds * counter.frequency;
        clock.Tick(); // the frame that shows the time
        game.ShowGameClock();
        for (int click = 0; click < 7; ++click)
            game.CountClick();
        OpenCells(false);
        ASSERT_EQ(game.CurrentState(), GameState::Won);
    }
    void LoseClassic(int table)
    {
        Deal(table);
        OpenCells(true);
        ASSERT_EQ(game.CurrentState(), GameState::Lost);
    }
    // The player to move finds mines until a series point is won.
    void WinVsHuman(int table)
    {
        Deal(table, PlayMode::VsHuman);
        OpenCells(true);
        ASSERT_EQ(game.CurrentState(), GameState::Won);
    }
    void DecideTwoPlayerGame(PlayerIndex winner, int table)
    {
        PlayerData& won = players[winner];
        const PlayerData& lost = players[OtherPlayer(winner)];
        ++won.Score;
        RecordSeriesPoint(
            {static_cast<uint8_t>(table), won.Name, lost.Name, won.Score, lost.Score}, scores);
    }
};

TEST_F(RecordingTest, ClassicLossAndWinAreCountedInTheFile)
{
    LoseClassic(1);
    EXPECT_EQ(scores.TableStats[1].GamesLost, 1);

    WinClassic(1, 500);
    EXPECT_EQ(scores.TableStats[1].WonOrStarted, 1);

    ScoreFile reread(dir.File("Orvane.cfg"), [](const Text&) {});
    reread.LoadScores();
    EXPECT_EQ(reread.TableStats[1].GamesLost, 1);
    EXPECT_EQ(reread.TableStats[1].WonOrStarted, 1);
    EXPECT_TRUE(errors.empty());
}

TEST_F(RecordingTest, CustomBoardsCountNothing)
{
    const auto before = ReadFileBytes(dir.File("Orvane.cfg"));
    LoseClassic(6);
    WinClassic(6, 1);
    WinVsHuman(6);
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
        WinClassic(0, seconds);

        EXPECT_EQ(scores.TableStats[0].WonOrStarted, wins + 1);
        const bool enters = seconds == 100;
        const ScoreEntry expected
            = enters ? ScoreEntry {"Ann", 100, 7} : ScoreEntry {"Old10", 100, 50};
        EXPECT_EQ(scores.Row(0, 10), expected);
        const std::vector<std::string> windowsShown {"board", "name", "scores"};
        EXPECT_EQ(shown, enters ? windowsShown : std::vector<std::string> {});
    }
}

// The game is kept and the row stored and written before the window that marks it opens;
// the close box of the name dialog keeps the row's former name.
TEST_F(RecordingTest, NewRowIsWrittenBeforeTheWindowShowsIt)
{
    for (const bool closeBox : {false, true}) {
        SCOPED_TRACE(closeBox);
        scores.ResetTable(0);
        scores.FindLowestByTime(0);
        typedName = closeBox ? std::nullopt : std::optional<std::string>("Bea");
        shown.clear();
        windows.ShowHighScores = [this, closeBox] {
            const ScoreEntry expected {closeBox ? "Unknown" : "Bea", 42, 7};
            EXPECT_EQ(scores.Row(0, 10), expected);
            ScoreFile reread(dir.File("Orvane.cfg"), [](const Text&) {});
            reread.LoadScores();
            EXPECT_EQ(reread.Row(0, 10), expected);
            EXPECT_EQ(marks.ShownTable, 0);
            EXPECT_EQ(marks.MarkTable, 0);
            EXPECT_EQ(marks.MarkRow, 10);
            EXPECT_EQ(shown, (std::vector<std::string> {"board", "name"}))
                << "the finished board is drawn behind the dialog";
            EXPECT_EQ(history.LatestGames(HistoryMode::Classic, Level::Beginner, 2).size(),
                closeBox ? 2u : 1u);
            shown.push_back("scores");
        };
        WinClassic(0, 42);
        ASSERT_EQ(shown.back(), "scores");
        EXPECT_EQ(scores.LowestEntry[0], 9) << "the next slowest row";
    }
}

// Two copies of the program read the file, then each wins a high score and saves it:
// both rows and both wins are in the file, as are both copies' two-player results.
TEST_F(RecordingTest, TwoCopiesAtOnceLoseNothing)
{
    ScoreFile other(
        dir.File("Orvane.cfg"), [this](const Text& e) { errors.push_back(e.English()); });
    other.LoadScores();
    other.FindLowestByTime(0);
    typedName = "Ann";
    WinClassic(0, 40);
    players[Player1].Name = "Cy";
    DecideTwoPlayerGame(Player1, 3);
    ASSERT_EQ(marks.MarkRow, 10);

    // The other copy's player wins the same Beginner time and then a series point.
    typedName = "Bo";
    const HighScoreWindows otherWindows {{}, [this] { return typedName; }, [] {}};
    ScoreMarks otherMarks;
    ResultRecorder otherRecorder {other, history, otherMarks, otherWindows, platform};
    const auto won = std::find_if(events.rbegin(), events.rend(),
        [](const GameEvent& event) { return std::holds_alternative<GameEnded>(event); });
    ASSERT_NE(won, events.rend());
    otherRecorder.Take(*won);
    otherRecorder.ShowDueHighScore();
    RecordSeriesPoint({3, "Di", "P2", 1, 0}, other);
    EXPECT_EQ(otherMarks.MarkRow, 9) << "the next slowest row, the other copy's being taken";

    ScoreFile reread(dir.File("Orvane.cfg"), [](const Text&) {});
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

    ScoreFile reread(dir.File("Orvane.cfg"), [](const Text&) {});
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
    players[Player2].Name = "P1";
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
    WinClassic(0, 42);
    EXPECT_EQ(scores.Row(0, 10).Name, "A B  C ");
    const auto file = ReadFileBytes(dir.File("Orvane.cfg"));
    EXPECT_EQ(std::string(file.begin() + 9 * 32, file.begin() + 9 * 32 + 8),
        "\x07"
        "A B  C ");
}

TEST_F(RecordingTest, TheComputerIsANameLikeAnyOther)
{
    players[Player2].Name = "A.I";
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
    players[Player1].Score = 2; // becomes 3: equal, not more
    DecideTwoPlayerGame(Player1, 3);
    for (int row = 1; row <= 10; ++row)
        EXPECT_NE(scores.Row(3, row).Name, "P1");
}

TEST_F(RecordingTest, TwoPlayerGamesAreCountedWhenTheyStart)
{
    BoardSetup setup;
    setup.Mode = PlayMode::VsHuman;
    setup.ScoreTable = 4;
    game.NewGame(setup);
    TakeEvents();
    Record();
    EXPECT_EQ(scores.TableStats[4].WonOrStarted, 1);
    game.Restart();
    TakeEvents();
    Record();
    EXPECT_EQ(scores.TableStats[4].WonOrStarted, 2);
    EXPECT_EQ(scores.TableStats[4].GamesLost, 0);
}

// Boards dealt without guessing, and games the chances were shown in, stay out of the
// file; the first win of each kind in a run says why.
TEST_F(RecordingTest, BoardsDealtWithoutGuessingCountNothing)
{
    const auto before = ReadFileBytes(dir.File("Orvane.cfg"));
    game.SetNoGuessing(true);
    LoseClassic(0);
    WinClassic(0, 10);
    WinClassic(0, 10);
    game.SetNoGuessing(false);
    Deal(0);
    game.MarkChancesShown();
    OpenCells(false);
    ASSERT_EQ(game.CurrentState(), GameState::Won);
    EXPECT_EQ(ReadFileBytes(dir.File("Orvane.cfg")), before);
    EXPECT_TRUE(shown.empty());
    ASSERT_EQ(platform.messages.size(), 2U);
    EXPECT_NE(platform.messages[0].find("high-score tables"), std::string::npos);
    EXPECT_NE(platform.messages[1].find("Show Chances"), std::string::npos);
}

// Every ended game is kept with its counters and its replay, for ever when it is a high
// score; with Keep Replays off, only its row.
TEST_F(RecordingTest, EndedGamesAreKeptWithTheirReplaysUnlessReplaysAreOff)
{
    typedName = "Ann";
    WinClassic(0, 5);
    LoseClassic(0);
    recorder.KeepReplays(false);
    LoseClassic(0);

    const std::vector<GameEnded> ended = Told<GameEnded>();
    ASSERT_EQ(ended.size(), 3u);
    const std::vector<GameRecord> games
        = history.LatestGames(HistoryMode::Classic, Level::Beginner, 5);
    ASSERT_EQ(games.size(), 3u);
    EXPECT_EQ(games[2].Replay, ReplayKeeping::HighScore);
    EXPECT_EQ(history.ReplayOf(games[2].Id)->Game, ended[0].Record);
    EXPECT_EQ(games[1].Replay, ReplayKeeping::Kept);
    EXPECT_EQ(games[0].Replay, ReplayKeeping::NotKept);
    EXPECT_TRUE(games[0].Openings && games[0].EffectiveClicks) << "counted all the same";
    EXPECT_TRUE(errors.empty());
}

// A network game is kept as a kind of its own with its opponent's name (cut to 20
// characters), without replay or counters, as its record holds only what this player saw;
// the score file never hears of it.
TEST_F(RecordingTest, ANetworkGameIsKeptApartWithItsOpponentOnly)
{
    WinVsHuman(3);
    const std::vector<uint8_t> before = ReadFileBytes(dir.File("Orvane.cfg"));
    GameEnded ended = Told<GameEnded>().back();
    ended.Result = GameResult::Lost;
    ended.NetworkOpponent = "\xc3\x8blise the Bold of the North";
    recorder.Take(ended);

    EXPECT_EQ(ReadFileBytes(dir.File("Orvane.cfg")), before);
    EXPECT_EQ(history.Figures(HistoryMode::VsHuman, Level::Beginner).Won, 1);
    EXPECT_EQ(history.Figures(HistoryMode::Network, Level::Beginner).Played, 1);
    const std::vector<GameRecord> games
        = history.LatestGames(HistoryMode::Network, Level::Beginner, 5);
    ASSERT_EQ(games.size(), 1u);
    EXPECT_EQ(games[0].Result, GameResult::Lost);
    EXPECT_EQ(games[0].Opponent, "\xc3\x8blise the Bold of th");
    EXPECT_EQ(games[0].Replay, ReplayKeeping::AtNetworkHost);
    EXPECT_FALSE(history.ReplayBytes(games[0].Id));
    EXPECT_FALSE(games[0].Openings || games[0].EffectiveClicks || games[0].Correctness);
    EXPECT_EQ(
        history.LatestGames(HistoryMode::VsHuman, Level::Beginner, 5)[0].Opponent, std::nullopt);
}

} // namespace
