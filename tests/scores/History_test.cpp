// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/RecordCodec.h"
#include "scores/History.h"
#include "scores/HistorySchema.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <csignal>
#include <filesystem>
#include <memory>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace orvane;
using orvane::testing::ReadFileBytes;
using orvane::testing::TempDir;
using orvane::testing::WriteFileBytes;

namespace {

GameRecord ClassicGame(GameResult result, double seconds)
{
    GameRecord game;
    game.PlayedAt = 1700000000;
    game.BoardLevel = Level::Intermediate;
    game.Width = 16;
    game.Height = 16;
    game.Mines = 40;
    game.Result = result;
    game.Seconds = seconds;
    game.Clicks = 80;
    game.Measures = MeasureBoard(60, seconds, 80);
    return game;
}

// The first column of the statement's first row, as text.
std::string FirstValue(const std::string& path, const char* sql)
{
    sqlite3* db = nullptr;
    sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READWRITE, nullptr);
    sqlite3_stmt* statement = nullptr;
    sqlite3_prepare_v2(db, sql, -1, &statement, nullptr);
    std::string value;
    if (sqlite3_step(statement) == SQLITE_ROW)
        value = reinterpret_cast<const char*>(sqlite3_column_text(statement, 0));
    sqlite3_finalize(statement);
    sqlite3_close(db);
    return value;
}

// Runs statements on a database file as another program would.
void Sql(const std::string& path, const std::string& sql)
{
    sqlite3* db = nullptr;
    sqlite3_open(path.c_str(), &db);
    EXPECT_EQ(sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr), SQLITE_OK) << sql;
    sqlite3_close(db);
}

// A history as the first release wrote it: no mark, version 1, with two games.
void WriteFirstVersionHistory(const std::string& path)
{
    Sql(path,
        "PRAGMA journal_mode = WAL; CREATE TABLE games (id INTEGER PRIMARY KEY, played_at "
        "INTEGER NOT NULL, mode INTEGER NOT NULL, level INTEGER NOT NULL, width INTEGER NOT NULL,"
        " height INTEGER NOT NULL, mines INTEGER NOT NULL, result INTEGER NOT NULL, seconds REAL "
        "NOT NULL, clicks INTEGER NOT NULL, bbbv INTEGER NOT NULL, bbbv_per_second REAL NOT NULL,"
        " ioe REAL NOT NULL, no_guess INTEGER NOT NULL, hints_used INTEGER NOT NULL);"
        "CREATE INDEX games_by_kind ON games (mode, level, id, result, seconds, bbbv_per_second);"
        "INSERT INTO games VALUES (1, 1, 0, 1, 16, 16, 40, 0, 9.5, 20, 30, 3.1, 1.5, 0, 0);"
        "INSERT INTO games VALUES (2, 2, 0, 1, 16, 16, 40, 1, 3.0, 5, 30, 1.0, 1.0, 0, 0);"
        "PRAGMA user_version = 1;");
}

// The same games in a history marked as this program's, of the given version.
void WriteMarkedHistory(const std::string& path, int version)
{
    WriteFirstVersionHistory(path);
    Sql(path,
        "PRAGMA application_id = " + std::to_string(History::ApplicationId)
            + "; PRAGMA user_version = " + std::to_string(version) + ";");
}

// The same games in a history of version 3, the second kept whole with its replay.
void WriteThirdVersionHistory(const std::string& path)
{
    WriteMarkedHistory(path, 3);
    Sql(path,
        std::string(history_schema::GamesKeptWhole)
            + "UPDATE games SET recorded = 1 WHERE id = 2;"
              "INSERT INTO replays VALUES (2, 0, 0, x'0102');");
}

struct HistoryTest : ::testing::Test {
    TempDir dir;
    std::string path = dir.File("History.db");
    std::vector<std::string> reports;
    std::unique_ptr<History> Opened()
    {
        auto history = std::make_unique<History>(
            path, [this](const Text& message) { reports.push_back(message.English()); });
        history->Open();
        return history;
    }
};

TEST_F(HistoryTest, AStoredGameReadsBackWhole)
{
    GameRecord stored = ClassicGame(GameResult::Lost, 31.5);
    stored.Mode = HistoryMode::VsComputer;
    stored.NoGuessBoard = true;
    stored.GivenBoard = true;
    stored.HintsUsed = 3;
    stored.ChancesShown = true;
    stored.EffectiveClicks = 0; // a counter of nothing is no absent counter
    stored.Throughput = 1.25;
    stored.Islands = 4;
    {
        const auto history = Opened();
        ASSERT_TRUE(history->Store(stored));
    }
    const auto history = Opened();
    const std::vector<GameRecord> games
        = history->LatestGames(HistoryMode::VsComputer, Level::Intermediate, 5);
    ASSERT_EQ(games.size(), 1u);
    const GameRecord& read = games[0];
    EXPECT_EQ(read.PlayedAt, stored.PlayedAt);
    EXPECT_EQ(read.Mode, stored.Mode);
    EXPECT_EQ(read.BoardLevel, stored.BoardLevel);
    EXPECT_EQ(read.Width * 100 + read.Height, 1616);
    EXPECT_EQ(read.Mines, 40);
    EXPECT_EQ(read.Result, GameResult::Lost);
    EXPECT_EQ(read.Seconds, 31.5);
    EXPECT_EQ(read.Clicks, 80);
    EXPECT_EQ(read.Measures.ThreeBV, 60);
    EXPECT_EQ(read.Measures.ThreeBVPerSecond, stored.Measures.ThreeBVPerSecond);
    EXPECT_EQ(read.Measures.Ioe, 0.75);
    EXPECT_TRUE(read.NoGuessBoard);
    EXPECT_TRUE(read.GivenBoard);
    EXPECT_EQ(read.HintsUsed, 3);
    EXPECT_TRUE(read.ChancesShown);
    EXPECT_EQ(read.EffectiveClicks, 0);
    EXPECT_EQ(read.Correctness, std::nullopt);
    EXPECT_EQ(read.Throughput, 1.25);
    EXPECT_EQ(read.Rqp, std::nullopt);
    EXPECT_EQ(read.Openings, std::nullopt);
    EXPECT_EQ(read.Islands, 4);
    EXPECT_EQ(read.Replay, ReplayKeeping::NotKept);
    EXPECT_TRUE(reports.empty());
}

// Of 1003 games, the newest 1000 keep their replays, and older ones only a high score's
// or one the player marked; every row stays.
TEST_F(HistoryTest, ReplaysBeyondTheNewestThousandGamesAreDroppedUnlessKeptForEver)
{
    const auto history = Opened();
    const std::vector<uint8_t> replay {1, 2, 3};
    std::vector<int64_t> ids;
    for (int game = 0; game < 1003; ++game) {
        ids.push_back(history->Store(ClassicGame(GameResult::Won, 30), replay, game == 0).value());
        if (game == 1) {
            ASSERT_TRUE(history->MarkReplay(ids.back(), true));
        }
    }
    EXPECT_TRUE(history->ReplayBytes(ids[0])); // the high score
    EXPECT_TRUE(history->ReplayBytes(ids[1])); // marked
    EXPECT_FALSE(history->ReplayBytes(ids[2]));
    EXPECT_EQ(history->ReplayBytes(ids[3]), replay); // the oldest of the newest 1000
    EXPECT_EQ(history->Figures(HistoryMode::Classic, Level::Intermediate).Played, 1003);
    EXPECT_FALSE(history->MarkReplay(ids[2], true)) << "a dropped replay cannot be kept";

    ASSERT_TRUE(history->MarkReplay(ids[1], false));
    history->Store(ClassicGame(GameResult::Won, 30), replay);
    EXPECT_FALSE(history->ReplayBytes(ids[1])) << "unmarked, it goes with the older ones";
    const std::vector<GameRecord> oldest
        = history->LatestGames(HistoryMode::Classic, Level::Intermediate, 1004);
    EXPECT_EQ(oldest.back().Replay, ReplayKeeping::HighScore);
    EXPECT_EQ(oldest[oldest.size() - 2].Replay, ReplayKeeping::NotKept);
}

TEST_F(HistoryTest, AKeptReplayReadsBackAsItsGameAndADamagedOneIsTold)
{
    RecordedGame game;
    game.Start.Setup.Width = 12;
    Command click;
    click.AtMilliseconds = 250;
    game.Commands.push_back(click);
    const auto history = Opened();
    const int64_t whole
        = history->Store(ClassicGame(GameResult::Lost, 3), EncodeRecordedGame(game)).value();
    const std::vector<uint8_t> damaged {RecordEncodingVersion, 0xff, 0xff};
    const int64_t broken = history->Store(ClassicGame(GameResult::Lost, 3), damaged).value();

    EXPECT_EQ(history->ReplayOf(whole)->Game, game);
    EXPECT_TRUE(reports.empty());
    EXPECT_EQ(history->ReplayOf(broken), std::nullopt);
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_NE(reports[0].find("damaged"), std::string::npos) << reports[0];
}

TEST_F(HistoryTest, FiguresCountStreaksAndTimesOfWonGames)
{
    const auto history = Opened();
    for (const auto& [result, seconds] :
        std::vector<std::pair<GameResult, double>> {{GameResult::Won, 50}, {GameResult::Won, 40},
            {GameResult::Won, 60}, {GameResult::Lost, 5}, {GameResult::Won, 30},
            {GameResult::GivenUp, 1}, {GameResult::Won, 70}, {GameResult::Won, 50}})
        history->Store(ClassicGame(result, seconds));
    history->Store(ClassicGame(GameResult::Lost, 2)); // another level
    history->Store([] {
        GameRecord other = ClassicGame(GameResult::Lost, 2);
        other.BoardLevel = Level::Expert;
        return other;
    }());

    const KindFigures figures = history->Figures(HistoryMode::Classic, Level::Intermediate);
    EXPECT_EQ(figures.Played, 9);
    EXPECT_EQ(figures.Won, 6);
    EXPECT_EQ(figures.BestSeconds, 30.0);
    EXPECT_EQ(figures.AverageSeconds, 50.0);
    EXPECT_EQ(figures.BestThreeBVPerSecond, 2.0);
    EXPECT_EQ(figures.CurrentStreak, 0);
    EXPECT_EQ(figures.LongestStreak, 3);
    EXPECT_EQ(history->LastWonTimes(HistoryMode::Classic, Level::Intermediate, 3),
        (std::vector<double> {30, 70, 50}));
}

TEST_F(HistoryTest, ANewFileCarriesTheMarkAndTheSchemaVersionInAWriteAheadLog)
{
    Opened();
    EXPECT_EQ(FirstValue(path, "PRAGMA application_id"), std::to_string(History::ApplicationId));
    EXPECT_EQ(FirstValue(path, "PRAGMA user_version"), std::to_string(History::SchemaVersion));
    EXPECT_EQ(FirstValue(path, "PRAGMA journal_mode"), "wal");
}

TEST_F(HistoryTest, ADamagedFileIsSetAsideToldOnceAndANewOneStarted)
{
    const std::vector<uint8_t> garbage(5000, 0x5a);
    WriteFileBytes(path, garbage);

    const auto history = Opened();
    ASSERT_TRUE(history->Store(ClassicGame(GameResult::Won, 20)));

    ASSERT_EQ(reports.size(), 1u);
    EXPECT_NE(reports[0].find("History.db.damaged"), std::string::npos) << reports[0];
    EXPECT_EQ(ReadFileBytes(path + ".damaged"), garbage);
    EXPECT_EQ(history->Figures(HistoryMode::Classic, Level::Intermediate).Played, 1);
}

TEST_F(HistoryTest, AReadOnlyFolderLeavesTheGamePlayableAndIsToldOnce)
{
    std::filesystem::permissions(
        dir.Path(), std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
    if (::access(dir.Path().c_str(), W_OK) == 0)
        GTEST_SKIP() << "running with rights that ignore file permissions";

    const auto history = Opened();
    EXPECT_FALSE(history->Store(ClassicGame(GameResult::Won, 20)));
    EXPECT_EQ(history->Figures(HistoryMode::Classic, Level::Intermediate).Played, 0);
    EXPECT_EQ(reports.size(), 1u);
}

TEST_F(HistoryTest, EachDamagedHistoryIsKeptAsideUnderANameOfItsOwn)
{
    for (const uint8_t fill : {0x11, 0x22}) {
        WriteFileBytes(path, std::vector<uint8_t>(3000, fill));
        Opened();
    }
    EXPECT_EQ(ReadFileBytes(path + ".damaged"), std::vector<uint8_t>(3000, 0x11));
    EXPECT_EQ(ReadFileBytes(path + ".damaged.2"), std::vector<uint8_t>(3000, 0x22));
}

// Its games were kept before games were kept whole: no counters, no replay.
TEST_F(HistoryTest, AHistoryOfVersionTwoKeepsItsGamesWithoutReplays)
{
    WriteMarkedHistory(path, 2);
    const auto history = Opened();
    ASSERT_TRUE(history->Store(ClassicGame(GameResult::Won, 20)));
    const std::vector<GameRecord> games
        = history->LatestGames(HistoryMode::Classic, Level::Intermediate, 5);
    ASSERT_EQ(games.size(), 3u);
    EXPECT_EQ(games[0].Replay, ReplayKeeping::NotKept);
    for (const GameRecord& old : {games[1], games[2]}) {
        EXPECT_EQ(old.Replay, ReplayKeeping::PlayedBefore);
        EXPECT_EQ(old.Openings, std::nullopt);
        EXPECT_EQ(old.Correctness, std::nullopt);
    }
    EXPECT_EQ(games[2].Seconds, 9.5);
    EXPECT_EQ(history->ReplayOf(games[1].Id), std::nullopt);
    EXPECT_EQ(FirstValue(path + ".version-2", "SELECT count(*) FROM games"), "2");
    EXPECT_EQ(reports.size(), 1u) << "only the missing replay asked for";
}

TEST_F(HistoryTest, AHistoryOfVersionThreeKeepsEveryGameAndReplayWithNoOpponent)
{
    WriteThirdVersionHistory(path);
    const auto history = Opened();
    const std::vector<GameRecord> games
        = history->LatestGames(HistoryMode::Classic, Level::Intermediate, 5);
    ASSERT_EQ(games.size(), 2u);
    EXPECT_EQ(games[0].Opponent, std::nullopt);
    EXPECT_EQ(games[1].Opponent, std::nullopt);
    EXPECT_EQ(games[0].Replay, ReplayKeeping::Kept);
    EXPECT_EQ(history->ReplayBytes(games[0].Id), (std::vector<uint8_t> {1, 2}));
    EXPECT_EQ(FirstValue(path, "SELECT count(*) FROM games WHERE opponent IS NULL"), "2");
    EXPECT_EQ(FirstValue(path + ".version-3", "SELECT count(*) FROM replays"), "1");
    EXPECT_TRUE(reports.empty());
}

// An older history that cannot be brought up to date is shown as it is.
TEST_F(HistoryTest, AHistoryOfVersionThreeInAReadOnlyFolderIsShownWithNoOpponent)
{
    WriteThirdVersionHistory(path);
    std::filesystem::permissions(
        dir.Path(), std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
    if (::access(dir.Path().c_str(), W_OK) == 0)
        GTEST_SKIP() << "running with rights that ignore file permissions";
    const auto history = Opened();
    const std::vector<GameRecord> games
        = history->LatestGames(HistoryMode::Classic, Level::Intermediate, 5);
    ASSERT_EQ(games.size(), 2u);
    EXPECT_EQ(games[0].Opponent, std::nullopt);
    EXPECT_EQ(games[0].Replay, ReplayKeeping::Kept);
}

// Its games were played before the chances could be shown.
TEST_F(HistoryTest, AHistoryOfVersionFourKeepsItsGamesWithoutChancesShown)
{
    WriteThirdVersionHistory(path);
    Sql(path, std::string(history_schema::NetworkGames) + "PRAGMA user_version = 4;");
    const auto history = Opened();
    GameRecord shown = ClassicGame(GameResult::Won, 20);
    shown.ChancesShown = true;
    ASSERT_TRUE(history->Store(shown));
    const std::vector<GameRecord> games
        = history->LatestGames(HistoryMode::Classic, Level::Intermediate, 5);
    ASSERT_EQ(games.size(), 3u);
    EXPECT_TRUE(games[0].ChancesShown);
    EXPECT_FALSE(games[1].ChancesShown);
    EXPECT_FALSE(games[2].ChancesShown);
    EXPECT_EQ(history->ReplayBytes(games[1].Id), (std::vector<uint8_t> {1, 2}));
    EXPECT_EQ(FirstValue(path + ".version-4", "SELECT count(*) FROM games"), "2");
    EXPECT_TRUE(reports.empty());
}

TEST_F(HistoryTest, AHistoryOfThePreviousVersionIsBroughtUpToDateWithItsGames)
{
    WriteFirstVersionHistory(path);
    const auto history = Opened();
    EXPECT_EQ(history->Figures(HistoryMode::Classic, Level::Intermediate).Played, 2);
    EXPECT_TRUE(history->Store(ClassicGame(GameResult::Won, 20)));
    EXPECT_EQ(FirstValue(path, "PRAGMA application_id"), std::to_string(History::ApplicationId));
    EXPECT_EQ(FirstValue(path, "PRAGMA user_version"), std::to_string(History::SchemaVersion));
    EXPECT_EQ(FirstValue(path + ".version-1", "SELECT count(*) FROM games"), "2");
    EXPECT_TRUE(reports.empty());
}

// Another program's database, here reached through a symlink, is never changed: the
// link is set aside and a history of its own started.
TEST_F(HistoryTest, AnotherProgramsDatabaseIsSetAsideUnchanged)
{
    const std::string other = dir.File("other.db");
    Sql(other, "CREATE TABLE notes (text TEXT); INSERT INTO notes VALUES ('mine');");
    const std::vector<uint8_t> before = ReadFileBytes(other);
    std::filesystem::create_symlink(other, path);

    const auto history = Opened();
    EXPECT_TRUE(history->Store(ClassicGame(GameResult::Won, 20)));
    EXPECT_EQ(ReadFileBytes(other), before);
    EXPECT_TRUE(std::filesystem::is_symlink(path + ".damaged"));
    EXPECT_FALSE(std::filesystem::is_symlink(path));
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_NE(reports[0].find("not a game history"), std::string::npos) << reports[0];
}

// Shown as it is; every game that cannot be kept in it is a failure told only once.
TEST_F(HistoryTest, ANewerHistoryIsShownReadOnlyAndToldOnce)
{
    WriteMarkedHistory(path, 7);
    const auto history = Opened();
    EXPECT_EQ(history->Figures(HistoryMode::Classic, Level::Intermediate).Played, 2);
    EXPECT_FALSE(history->Store(ClassicGame(GameResult::Won, 20)));
    EXPECT_FALSE(history->Store(ClassicGame(GameResult::Won, 20)));
    EXPECT_EQ(FirstValue(path, "PRAGMA user_version"), "7");
    EXPECT_EQ(FirstValue(path, "SELECT count(*) FROM games"), "2");
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_NE(reports[0].find("newer version"), std::string::npos) << reports[0];
}

TEST_F(HistoryTest, APipeAtItsPlaceIsToldAndLeftAlone)
{
    ASSERT_EQ(::mkfifo(path.c_str(), 0644), 0);
    ::alarm(30); // a guard against a hang, not a measure
    const auto history = Opened();
    EXPECT_FALSE(history->Store(ClassicGame(GameResult::Won, 20)));
    ::alarm(0);
    EXPECT_EQ(reports.size(), 1u);
    EXPECT_FALSE(std::filesystem::is_regular_file(path));
}

// SQLite cannot make the log's index in a folder that may not be written; a history of
// an older version there is shown as that version left it.
TEST_F(HistoryTest, AHistoryInAReadOnlyFolderIsShown)
{
    WriteThirdVersionHistory(path);
    Sql(path, std::string(history_schema::NetworkGames) + "PRAGMA user_version = 4;");
    std::filesystem::permissions(
        dir.Path(), std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
    if (::access(dir.Path().c_str(), W_OK) == 0)
        GTEST_SKIP() << "running with rights that ignore file permissions";
    const auto history = Opened();
    EXPECT_EQ(history->Figures(HistoryMode::Classic, Level::Intermediate).Played, 2);
    const std::vector<GameRecord> games
        = history->LatestGames(HistoryMode::Classic, Level::Intermediate, 5);
    ASSERT_EQ(games.size(), 2u);
    EXPECT_FALSE(games[0].ChancesShown);
    EXPECT_FALSE(history->Store(ClassicGame(GameResult::Won, 20)));
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_NE(reports[0].find("can be read but not written"), std::string::npos) << reports[0];
}

// A child stores games in a loop and says after each which one is committed; killed
// at some moment, every game it had said is there, and the file is whole.
TEST_F(HistoryTest, AKillDuringStoringLosesNoCommittedGame)
{
    int said[2];
    ASSERT_EQ(::pipe(said), 0);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        ::close(said[0]);
        History history(path, {});
        history.Open();
        for (int32_t game = 1;; ++game) {
            GameRecord record = ClassicGame(GameResult::Won, 10);
            record.Clicks = game;
            if (!history.Store(record))
                ::_exit(1);
            if (::write(said[1], &game, sizeof game) != sizeof game)
                ::_exit(1);
        }
    }
    ::close(said[1]);
    int32_t lastSaid = 0;
    int32_t next = 0;
    while (lastSaid < 300 && ::read(said[0], &next, sizeof next) == sizeof next)
        lastSaid = next;
    ::kill(child, SIGKILL);
    ::waitpid(child, nullptr, 0);
    ::close(said[0]);
    ASSERT_EQ(lastSaid, 300);

    EXPECT_EQ(FirstValue(path, "PRAGMA integrity_check"), "ok");
    const auto history = Opened();
    const std::vector<GameRecord> games
        = history->LatestGames(HistoryMode::Classic, Level::Intermediate, 1);
    ASSERT_EQ(games.size(), 1u);
    EXPECT_GE(games[0].Clicks, lastSaid);
    EXPECT_EQ(history->Figures(HistoryMode::Classic, Level::Intermediate).Played, games[0].Clicks);
    EXPECT_TRUE(reports.empty());
}

} // namespace
