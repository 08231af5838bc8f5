// SPDX-License-Identifier: GPL-3.0-or-later
#include "scores/History.h"

#include <sqlite3.h>

#include "platform/DamagedCopies.h"
#include "platform/RecordFile.h"
#include "platform/ShortPath.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>
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

// What brings a history of version v up to v + 1. Version 2 differs from 1 only by
// the mark, which every bringing up to date sets.
constexpr std::array<const char*, History::SchemaVersion> Upgrades {CreateSchema, ""};

// Opens a file that cannot be written, not even the log's index beside it, as it is.
std::string ImmutableUri(const std::string& path)
{
    std::string uri = "file:";
    for (const char c : path) {
        if (c == '%' || c == '?' || c == '#') {
            std::array<char, 4> escaped {};
            std::snprintf(escaped.data(), escaped.size(), "%%%02X", static_cast<unsigned char>(c));
            uri += escaped.data();
        } else {
            uri += c;
        }
    }
    return uri + "?immutable=1";
}

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
    Statement& Bind(const std::string& value)
    {
        if (code_ == SQLITE_OK)
            code_ = sqlite3_bind_text(statement_, ++bound_, value.c_str(),
                static_cast<int>(value.size()), SQLITE_TRANSIENT);
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

// What a file at the history's place holds, as read without changing it.
struct History::Examination {
    int Code = SQLITE_OK; // SQLite's answer when the file could not be read
    int64_t Mark = 0;
    int64_t Version = 0;
    bool Empty = true;          // no tables at all
    bool OnlyOwnObjects = true; // nothing but a history's tables
};

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
    readOnly_ = false;
}

void History::Open()
{
    Close();
    if (path_.empty())
        return;
    struct stat status { };
    if (::stat(path_.c_str(), &status) != 0) {
        if (errno != ENOENT)
            Report(Problem::Saving, std::strerror(errno));
        else
            CreateNew();
        return;
    }
    if (!S_ISREG(status.st_mode)) {
        Report(Problem::NotAFile, NotARegularFile);
        return;
    }
    OpenExisting();
}

void History::OpenExisting()
{
    const Examination found = Examine();
    if (IsDamage(found.Code)) {
        StartAfresh(Problem::SetAside);
        return;
    }
    if (found.Code != SQLITE_OK) {
        Report(Problem::Saving, db_ ? sqlite3_errmsg(db_) : sqlite3_errstr(found.Code));
        Close();
        return;
    }
    const bool ours = found.Mark == ApplicationId
        || (found.Mark == 0 && found.OnlyOwnObjects && (found.Version > 0 || found.Empty));
    if (!ours) {
        StartAfresh(Problem::Foreign);
        return;
    }
    if (found.Version > SchemaVersion) {
        Report(Problem::Newer, {});
        return; // shown through the reading connection
    }
    Close();
    if (!OpenToWrite(false)) {
        const std::string reason = db_ ? sqlite3_errmsg(db_) : "it may not be written";
        if (OpenReadOnly())
            Report(Problem::ReadOnly, reason);
        return;
    }
    if (found.Mark == ApplicationId && found.Version == SchemaVersion)
        return;
    if (const std::string reason = Migrate(found.Version); !reason.empty() && OpenReadOnly())
        Report(Problem::Migrating, reason);
}

// Reads the mark, the version and the tables through a connection that only reads,
// which stays open for a history that is shown as it is.
History::Examination History::Examine()
{
    Examination found;
    const auto read = [&] {
        Statement mark(db_, "PRAGMA application_id");
        Statement version(db_, "PRAGMA user_version");
        if (!mark.Step() || !version.Step())
            return mark.Code() != SQLITE_ROW ? mark.Code() : version.Code();
        found.Mark = mark.Integer(0);
        found.Version = version.Integer(0);
        Statement objects(db_,
            "SELECT count(*), count(*) FILTER (WHERE name NOT IN ('games', 'games_by_kind')) "
            "FROM sqlite_master");
        if (!objects.Step())
            return objects.Code();
        found.Empty = objects.Integer(0) == 0;
        found.OnlyOwnObjects = objects.Integer(1) == 0;
        return SQLITE_OK;
    };
    found.Code = OpenReadOnly() ? read() : SQLITE_CANTOPEN;
    return found;
}

// A history that may not be written, in a folder that may not be written either, has
// no place for its log's index: SQLite then reads it as a file nothing changes.
bool History::OpenReadOnly()
{
    Close();
    readOnly_ = true;
    if (sqlite3_open_v2(path_.c_str(), &db_, SQLITE_OPEN_READONLY, nullptr) == SQLITE_OK
        && Execute(db_, "SELECT count(*) FROM sqlite_master") == SQLITE_OK)
        return true;
    sqlite3_close(db_);
    db_ = nullptr;
    if (sqlite3_open_v2(
            ImmutableUri(path_).c_str(), &db_, SQLITE_OPEN_READONLY | SQLITE_OPEN_URI, nullptr)
        == SQLITE_OK)
        return true;
    Report(Problem::Saving, db_ ? sqlite3_errmsg(db_) : "out of memory");
    Close();
    return false;
}

// A new history at the path, told when it cannot be made.
void History::CreateNew()
{
    std::string reason = "it may not be written";
    if (OpenToWrite(true)) {
        reason = Migrate(0);
        if (reason.empty())
            return;
    } else if (db_) {
        reason = sqlite3_errmsg(db_);
    }
    Report(Problem::Saving, reason);
    Close();
}

// False when the file cannot be opened to be written; db_ then stays open only when
// SQLite said why.
bool History::OpenToWrite(bool create)
{
    const int flags = SQLITE_OPEN_READWRITE | (create ? SQLITE_OPEN_CREATE : 0);
    if (sqlite3_open_v2(path_.c_str(), &db_, flags, nullptr) != SQLITE_OK)
        return false;
    if (sqlite3_db_readonly(db_, "main") == 1) {
        Close();
        return false;
    }
    sqlite3_busy_timeout(db_, 2000);
    // A committed game lives in the write-ahead log until it is copied into the file:
    // a killed program loses none of it, and the next opening copies it over.
    return Execute(db_, "PRAGMA journal_mode = WAL; PRAGMA synchronous = NORMAL;") == SQLITE_OK
        && Execute(db_, "SELECT count(*) FROM sqlite_master") == SQLITE_OK;
}

// Sets the file aside and starts a new history in its place.
void History::StartAfresh(Problem problem)
{
    Close();
    const KeptCopy aside = SetAsideDamaged(path_, {"-wal", "-shm"});
    if (aside.Name.empty()) {
        Report(Problem::SettingAside, aside.Failure);
        return;
    }
    Report(problem, aside.Name);
    CreateNew();
}

// Brings the open history from its version up to this program's, in one transaction,
// and marks it; a history that holds games is first copied as "<path>.version-N".
// Returns SQLite's reason when it could not, else nothing.
std::string History::Migrate(int64_t fromVersion)
{
    if (fromVersion > 0) {
        std::string copy = path_ + ".version-" + std::to_string(fromVersion);
        for (int number = 2; ::access(copy.c_str(), F_OK) == 0; ++number)
            copy = path_ + ".version-" + std::to_string(fromVersion) + "." + std::to_string(number);
        Statement vacuum(db_, "VACUUM INTO ?");
        vacuum.Bind(copy).Step();
        if (!vacuum.Done())
            return vacuum.Reason();
    }
    std::string sql = "BEGIN;";
    for (auto version = static_cast<std::size_t>(fromVersion); version < Upgrades.size(); ++version)
        sql += Upgrades.at(version);
    sql += "PRAGMA application_id = " + std::to_string(ApplicationId)
        + "; PRAGMA user_version = " + std::to_string(SchemaVersion) + "; COMMIT;";
    if (Execute(db_, sql.c_str()) == SQLITE_OK)
        return {};
    std::string reason = sqlite3_errmsg(db_);
    Execute(db_, "ROLLBACK");
    return reason;
}

bool History::Store(const GameRecord& game)
{
    if (!db_)
        return false;
    if (readOnly_) {
        Report(Problem::Saving, "it is open only to be read");
        return false;
    }
    int code = Insert(game);
    if (IsDamage(code)) {
        StartAfresh(Problem::SetAside);
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
    const std::string path = QuotedShortPath(path_);
    const std::string aside = QuotedShortPath(detail);
    switch (problem) {
    case Problem::SetAside:
        reportError_("The game history " + path + " could not be read. It has been kept as " + aside
            + ", and a new history has been started.");
        break;
    case Problem::Foreign:
        reportError_("The file " + path
            + " is not a game history of Orvane. It has been kept,"
              " unchanged, as "
            + aside + ", and a new history has been started.");
        break;
    case Problem::SettingAside:
        reportError_("The game history " + path
            + " could not be read, and it could not be set"
              " aside ("
            + detail + "). The game goes on, but the games played are not kept.");
        break;
    case Problem::NotAFile:
        reportError_("The game history " + path + " cannot be used (" + detail
            + "). It is left as it is; the game goes on, but the games played are not kept.");
        break;
    case Problem::Newer:
        reportError_("The game history " + path
            + " was written by a newer version of Orvane. It is shown as it is, but the games"
              " played now are not kept in it.");
        break;
    case Problem::ReadOnly:
        reportError_("The game history " + path + " can be read but not written (" + detail
            + "). It is shown, but the games played from now on are not kept.");
        break;
    case Problem::Migrating:
        reportError_("The game history " + path + " could not be brought up to date (" + detail
            + "). It is shown as it is, but the games played now are not kept in it.");
        break;
    case Problem::Saving:
        reportError_("The game history could not be saved in " + path + " (" + detail
            + "). The game goes on, but the games played are not kept.");
        break;
    }
}

} // namespace orvane
