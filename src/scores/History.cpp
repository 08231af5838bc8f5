// SPDX-License-Identifier: GPL-3.0-or-later
#include "scores/History.h"

#include "platform/DamagedCopies.h"
#include "platform/RecordFile.h"
#include "platform/ShortPath.h"
#include "scores/HistorySchema.h"
#include "scores/SqlStatement.h"

#include <array>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace orvane {

namespace {

// What brings a history of version v up to v + 1. Version 2 differs from 1 only by
// the mark, which every bringing up to date sets.
constexpr std::array<const char*, History::SchemaVersion> Upgrades {history_schema::FirstVersion,
    "", history_schema::GamesKeptWhole, history_schema::NetworkGames, history_schema::ChancesShown};

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

bool IsDamage(int code)
{
    const int primary = code & 0xff;
    return primary == SQLITE_CORRUPT || primary == SQLITE_NOTADB;
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
    version_ = found.Version;
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
    else
        version_ = SchemaVersion;
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
        std::string sql = "SELECT count(*), count(*) FILTER (WHERE name NOT IN (";
        sql += history_schema::OwnObjects;
        sql += ")) FROM sqlite_master";
        Statement objects(db_, sql.c_str());
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
        version_ = SchemaVersion;
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

std::optional<int64_t> History::Store(
    const GameRecord& game, std::span<const uint8_t> replay, bool highScore)
{
    if (!db_)
        return std::nullopt;
    if (readOnly_) {
        Report(Problem::Saving, "it is open only to be read");
        return std::nullopt;
    }
    Insertion done = Insert(game, replay, highScore);
    if (IsDamage(done.Code)) {
        StartAfresh(Problem::SetAside);
        if (!db_)
            return std::nullopt;
        done = Insert(game, replay, highScore);
    }
    if (done.Code == SQLITE_DONE)
        return done.Id;
    Report(Problem::Saving, done.Reason);
    return std::nullopt;
}

// The row, its replay and the dropping of older replays in one transaction: SQLITE_DONE
// once it is committed, else SQLite's code and reason, with nothing changed.
History::Insertion History::Insert(
    const GameRecord& game, std::span<const uint8_t> replay, bool highScore)
{
    if (const int began = Execute(db_, "BEGIN"); began != SQLITE_OK)
        return {began, 0, sqlite3_errmsg(db_)};
    std::string sql = "INSERT INTO games (recorded, ";
    sql += history_schema::GameColumns;
    sql += ", opponent, chances_shown) VALUES (1";
    for (int column = 0; column <= history_schema::GameColumnCount + 1; ++column)
        sql += ",?";
    sql += ")";
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
        .Bind(int64_t {game.HintsUsed})
        .Bind(int64_t {game.GivenBoard})
        .Bind(game.EffectiveClicks)
        .Bind(game.Correctness)
        .Bind(game.Throughput)
        .Bind(game.Rqp)
        .Bind(game.Openings)
        .Bind(game.Islands)
        .Bind(game.Opponent)
        .Bind(int64_t {game.ChancesShown});
    insert.Step();
    int code = insert.Code();
    const int64_t id = sqlite3_last_insert_rowid(db_);
    if (code == SQLITE_DONE && !replay.empty()) {
        Statement keep(db_,
            "INSERT INTO replays (game_id, high_score, marked, record) "
            "VALUES (?, ?, 0, ?)");
        keep.Bind(id).Bind(int64_t {highScore}).Bind(replay).Step();
        code = keep.Code();
    }
    if (code == SQLITE_DONE) {
        // The newest games keep their replays, whichever kind they are of.
        Statement drop(db_,
            "DELETE FROM replays WHERE high_score = 0 AND marked = 0 AND game_id < "
            "(SELECT id FROM games ORDER BY id DESC LIMIT 1 OFFSET ?)");
        drop.Bind(int64_t {KeptReplays - 1}).Step();
        code = drop.Code();
    }
    if (code == SQLITE_DONE && Execute(db_, "COMMIT") == SQLITE_OK)
        return {code, id, {}};
    Insertion failed {sqlite3_errcode(db_), 0, sqlite3_errmsg(db_)};
    Execute(db_, "ROLLBACK");
    return failed;
}

bool History::MarkReplay(int64_t gameId, bool keep)
{
    if (!db_ || readOnly_)
        return false;
    Statement mark(db_, "UPDATE replays SET marked = ? WHERE game_id = ?");
    mark.Bind(int64_t {keep}).Bind(gameId).Step();
    if (!mark.Done()) {
        Report(Problem::Saving, mark.Reason());
        return false;
    }
    return sqlite3_changes(db_) == 1;
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
        reportError_(Text(QT_TRANSLATE_NOOP("Messages",
                              "The game history %1 could not be read. It has been kept as %2, and "
                              "a new history has been started."))
                         .Arg(path)
                         .Arg(aside));
        break;
    case Problem::Foreign:
        reportError_(Text(QT_TRANSLATE_NOOP("Messages",
                              "The file %1 is not a game history of Orvane. It has been kept, "
                              "unchanged, as %2, and a new history has been started."))
                         .Arg(path)
                         .Arg(aside));
        break;
    case Problem::SettingAside:
        reportError_(Text(QT_TRANSLATE_NOOP("Messages",
                              "The game history %1 could not be read, and it could not be set "
                              "aside (%2). The game goes on, but the games played are not kept."))
                         .Arg(path)
                         .Arg(Text::Reason(detail)));
        break;
    case Problem::NotAFile:
        reportError_(Text(QT_TRANSLATE_NOOP("Messages",
                              "The game history %1 cannot be used (%2). It is left as it is; the "
                              "game goes on, but the games played are not kept."))
                         .Arg(path)
                         .Arg(Text::Reason(detail)));
        break;
    case Problem::Newer:
        reportError_(Text(QT_TRANSLATE_NOOP("Messages",
                              "The game history %1 was written by a newer version of Orvane. It "
                              "is shown as it is, but the games played now are not kept in it."))
                         .Arg(path));
        break;
    case Problem::ReadOnly:
        reportError_(Text(QT_TRANSLATE_NOOP("Messages",
                              "The game history %1 can be read but not written (%2). It is shown, "
                              "but the games played from now on are not kept."))
                         .Arg(path)
                         .Arg(Text::Reason(detail)));
        break;
    case Problem::Migrating:
        reportError_(Text(QT_TRANSLATE_NOOP("Messages",
                              "The game history %1 could not be brought up to date (%2). It is "
                              "shown as it is, but the games played now are not kept in it."))
                         .Arg(path)
                         .Arg(Text::Reason(detail)));
        break;
    case Problem::Saving:
        reportError_(Text(QT_TRANSLATE_NOOP("Messages",
                              "The game history could not be saved in %1 (%2). The game goes on, "
                              "but the games played are not kept."))
                         .Arg(path)
                         .Arg(Text::Reason(detail)));
        break;
    }
}

} // namespace orvane
