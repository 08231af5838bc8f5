// SPDX-License-Identifier: GPL-3.0-or-later
#include "scores/History.h"

#include <sqlite3.h>

#include <algorithm>
#include <filesystem>
#include <system_error>
#include <utility>

namespace orvane {

namespace {

// The rows of one kind are read in the order they were played through the index, which
// holds every column the figures need.
constexpr const char* CreateSchema = R"(
CREATE TABLE IF NOT EXISTS games (
    id INTEGER PRIMARY KEY,
    played_at INTEGER NOT NULL,
    mode INTEGER NOT NULL,
    level INTEGER NOT NULL,
    width INTEGER NOT NULL,
    height INTEGER NOT NULL,
    mines INTEGER NOT NULL,
    result INTEGER NOT NULL,
    seconds REAL NOT NULL,
    clicks INTEGER NOT NULL,
    bbbv INTEGER NOT NULL,
    bbbv_per_second REAL NOT NULL,
    ioe REAL NOT NULL,
    no_guess INTEGER NOT NULL,
    hints_used INTEGER NOT NULL
);
CREATE INDEX IF NOT EXISTS games_by_kind
    ON games (mode, level, id, result, seconds, bbbv_per_second);
)";

constexpr const char* GameColumns = "played_at, mode, level, width, height, mines, result, "
                                    "seconds, clicks, bbbv, bbbv_per_second, ioe, no_guess, "
                                    "hints_used";

bool IsDamage(int code)
{
    const int primary = code & 0xff;
    return primary == SQLITE_CORRUPT || primary == SQLITE_NOTADB;
}

// One prepared statement, finalised when it goes out of scope. A failure is kept and
// turns the later steps into nothing.
class Statement {
public:
    Statement(sqlite3* db, const char* sql) :
        db_(db), code_(sqlite3_prepare_v2(db, sql, -1, &statement_, nullptr))
    {
    }
    ~Statement() { sqlite3_finalize(statement_); }
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    Statement& Bind(int64_t value)
    {
        if (code_ == SQLITE_OK)
            code_ = sqlite3_bind_int64(statement_, ++bound_, value);
        return *this;
    }
    Statement& Bind(double value)
    {
        if (code_ == SQLITE_OK)
            code_ = sqlite3_bind_double(statement_, ++bound_, value);
        return *this;
    }
    // True while a row is there to read.
    bool Step()
    {
        if (code_ != SQLITE_OK && code_ != SQLITE_ROW)
            return false;
        code_ = sqlite3_step(statement_);
        return code_ == SQLITE_ROW;
    }
    int64_t Integer(int column) const { return sqlite3_column_int64(statement_, column); }
    double Real(int column) const { return sqlite3_column_double(statement_, column); }
    bool Null(int column) const { return sqlite3_column_type(statement_, column) == SQLITE_NULL; }
    bool Done() const { return code_ == SQLITE_DONE; }
    int Code() const { return code_; }
    std::string Reason() const { return sqlite3_errmsg(db_); }

private:
    sqlite3* db_;
    sqlite3_stmt* statement_ = nullptr;
    int code_ = SQLITE_OK;
    int bound_ = 0;
};

int Execute(sqlite3* db, const char* sql)
{
    return sqlite3_exec(db, sql, nullptr, nullptr, nullptr);
}

GameRecord ReadGame(const Statement& row)
{
    GameRecord game;
    game.PlayedAt = row.Integer(0);
    game.Mode = static_cast<PlayMode>(row.Integer(1));
    game.BoardLevel = static_cast<Level>(row.Integer(2));
    game.Width = static_cast<int32_t>(row.Integer(3));
    game.Height = static_cast<int32_t>(row.Integer(4));
    game.Mines = static_cast<int32_t>(row.Integer(5));
    game.Result = static_cast<GameResult>(row.Integer(6));
    game.Seconds = row.Real(7);
    game.Clicks = static_cast<int32_t>(row.Integer(8));
    game.Measures.ThreeBV = static_cast<int32_t>(row.Integer(9));
    game.Measures.ThreeBVPerSecond = row.Real(10);
    game.Measures.Ioe = row.Real(11);
    game.NoGuessBoard = row.Integer(12) != 0;
    game.HintsUsed = static_cast<int32_t>(row.Integer(13));
    return game;
}

} // namespace

History::History(std::string path, ErrorReporter reportError) :
    path_(std::move(path)), reportError_(std::move(reportError))
{
}

History::~History()
{
    Close();
}

void History::Close()
{
    sqlite3_close(db_);
    db_ = nullptr;
}

void History::Open()
{
    Close();
    if (!OpenFile())
        StartAfresh();
}

// The file is there but is no history this program can read.
void History::StartAfresh()
{
    Close();
    if (SetAsideDamaged() && !OpenFile())
        Close();
}

// False when the file opened but proved damaged; db_ is null when it could not be
// opened at all (which has been told).
bool History::OpenFile()
{
    if (sqlite3_open_v2(path_.c_str(), &db_, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr)
        != SQLITE_OK) {
        Report(Problem::Saving, db_ ? sqlite3_errmsg(db_) : "out of memory");
        Close();
        return true;
    }
    sqlite3_busy_timeout(db_, 2000);
    // A committed game lives in the write-ahead log until it is copied into the file:
    // a killed program loses none of it, and the next opening copies it over.
    int code = Execute(db_, "PRAGMA journal_mode = WAL; PRAGMA synchronous = NORMAL;");
    if (code == SQLITE_OK)
        code = PrepareSchema() ? SQLITE_OK : SQLITE_CORRUPT;
    if (code == SQLITE_OK)
        return true;
    if (IsDamage(code))
        return false;
    Report(Problem::Saving, sqlite3_errmsg(db_));
    Close();
    return true;
}

// False when the file holds something else than a history of a version this program knows.
bool History::PrepareSchema()
{
    Statement version(db_, "PRAGMA user_version");
    if (!version.Step())
        return false;
    const int64_t found = version.Integer(0);
    if (found == SchemaVersion)
        return true;
    if (found != 0)
        return false;
    const std::string create = std::string("BEGIN;") + CreateSchema
        + "PRAGMA user_version = " + std::to_string(SchemaVersion) + "; COMMIT;";
    if (Execute(db_, create.c_str()) == SQLITE_OK)
        return true;
    Execute(db_, "ROLLBACK");
    return false;
}

// Renames the file, with its log beside it, to the first free "<path>.damaged" name.
bool History::SetAsideDamaged()
{
    constexpr int MostCopies = 1000;
    std::error_code error;
    for (int number = 1; number <= MostCopies; ++number) {
        std::string aside = path_ + ".damaged";
        if (number > 1)
            aside.append(".").append(std::to_string(number));
        if (std::filesystem::exists(aside, error))
            continue;
        for (const char* part : {"-wal", "-shm"})
            if (std::filesystem::exists(path_ + part, error))
                std::filesystem::rename(path_ + part, aside + part, error);
        std::filesystem::rename(path_, aside, error);
        if (error) {
            Report(Problem::SettingAside, error.message());
            return false;
        }
        Report(Problem::SetAside, aside);
        return true;
    }
    Report(Problem::SettingAside, "there are too many earlier copies");
    return false;
}

bool History::Store(const GameRecord& game)
{
    if (!db_)
        return false;
    int code = Insert(game);
    if (IsDamage(code)) {
        StartAfresh();
        if (!db_)
            return false;
        code = Insert(game);
    }
    if (code == SQLITE_DONE)
        return true;
    Report(Problem::Saving, sqlite3_errmsg(db_));
    return false;
}

// One statement outside a transaction is a transaction of its own. Returns SQLite's code.
int History::Insert(const GameRecord& game)
{
    const std::string sql = std::string("INSERT INTO games (") + GameColumns
        + ") VALUES (?,?,?,?,?,?,?,?,?,?,?,?,?,?)";
    Statement insert(db_, sql.c_str());
    insert.Bind(game.PlayedAt)
        .Bind(static_cast<int64_t>(game.Mode))
        .Bind(static_cast<int64_t>(game.BoardLevel))
        .Bind(int64_t {game.Width})
        .Bind(int64_t {game.Height})
        .Bind(int64_t {game.Mines})
        .Bind(static_cast<int64_t>(game.Result))
        .Bind(game.Seconds)
        .Bind(int64_t {game.Clicks})
        .Bind(int64_t {game.Measures.ThreeBV})
        .Bind(game.Measures.ThreeBVPerSecond)
        .Bind(game.Measures.Ioe)
        .Bind(int64_t {game.NoGuessBoard})
        .Bind(int64_t {game.HintsUsed});
    insert.Step();
    return insert.Code();
}

KindFigures History::Figures(PlayMode mode, Level level) const
{
    KindFigures figures;
    if (!db_)
        return figures;
    Statement rows(db_,
        "SELECT result, seconds, bbbv_per_second FROM games "
        "WHERE mode = ? AND level = ? ORDER BY id");
    rows.Bind(static_cast<int64_t>(mode)).Bind(static_cast<int64_t>(level));
    double wonSeconds = 0.0;
    while (rows.Step()) {
        ++figures.Played;
        if (static_cast<GameResult>(rows.Integer(0)) != GameResult::Won) {
            figures.CurrentStreak = 0;
            continue;
        }
        ++figures.Won;
        ++figures.CurrentStreak;
        figures.LongestStreak = std::max(figures.LongestStreak, figures.CurrentStreak);
        const double seconds = rows.Real(1);
        wonSeconds += seconds;
        if (!figures.BestSeconds || seconds < *figures.BestSeconds)
            figures.BestSeconds = seconds;
        const double speed = rows.Real(2);
        if (!figures.BestThreeBVPerSecond || speed > *figures.BestThreeBVPerSecond)
            figures.BestThreeBVPerSecond = speed;
    }
    if (figures.Won > 0)
        figures.AverageSeconds = wonSeconds / static_cast<double>(figures.Won);
    return figures;
}

std::vector<double> History::LastWonTimes(PlayMode mode, Level level, int count) const
{
    std::vector<double> times;
    if (!db_)
        return times;
    Statement rows(db_,
        "SELECT seconds FROM games WHERE mode = ? AND level = ? AND result = ? "
        "ORDER BY id DESC LIMIT ?");
    rows.Bind(static_cast<int64_t>(mode))
        .Bind(static_cast<int64_t>(level))
        .Bind(static_cast<int64_t>(GameResult::Won))
        .Bind(int64_t {count});
    while (rows.Step())
        times.push_back(rows.Real(0));
    return {times.rbegin(), times.rend()};
}

std::vector<GameRecord> History::LatestGames(PlayMode mode, Level level, int count) const
{
    std::vector<GameRecord> games;
    if (!db_)
        return games;
    const std::string sql = std::string("SELECT ") + GameColumns
        + " FROM games WHERE mode = ? AND level = ? ORDER BY id DESC LIMIT ?";
    Statement rows(db_, sql.c_str());
    rows.Bind(static_cast<int64_t>(mode)).Bind(static_cast<int64_t>(level)).Bind(int64_t {count});
    while (rows.Step())
        games.push_back(ReadGame(rows));
    return games;
}

// Every word the player may read about the history is here, and only the first of a run
// is shown: the same cause would otherwise interrupt every game that follows.
void History::Report(Problem problem, const std::string& detail)
{
    if (reported_ || !reportError_)
        return;
    reported_ = true;
    if (problem == Problem::SetAside)
        reportError_("The game history \"" + path_ + "\" could not be read. It has been kept as \""
            + detail + "\", and a new history has been started.");
    else if (problem == Problem::SettingAside)
        reportError_("The game history \"" + path_
            + "\" could not be read, and it could not be "
              "set aside ("
            + detail + "). The game goes on, but the games played are not kept.");
    else
        reportError_("The game history could not be saved in \"" + path_ + "\" (" + detail
            + "). The game goes on, but the games played are not kept.");
}

} // namespace orvane
