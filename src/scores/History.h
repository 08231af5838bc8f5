// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "game/BoardMeasures.h"
#include "game/GameTypes.h"
#include "game/ReplayFile.h"
#include "platform/Text.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <vector>

struct sqlite3;

namespace orvane {

// The kinds of game the history keeps apart: the three modes, and the two-player game
// played at a network host, of which this program saw only what its player saw. The
// first three are stored as the modes' own numbers.
enum class HistoryMode : uint8_t { Classic = 0, VsComputer = 1, VsHuman = 2, Network = 3 };

constexpr HistoryMode HistoryModeOf(PlayMode mode)
{
    return static_cast<HistoryMode>(mode);
}

// What the history holds of a game's replay.
enum class ReplayKeeping : uint8_t {
    PlayedBefore,  // the game was kept before games were kept whole: it has none
    AtNetworkHost, // only the host knew the mines: there is no replay to keep
    NotKept,       // Keep Replays was off, or it was dropped with the older games'
    Kept,          // kept while the game is among the newest
    Marked,        // kept for ever: the player marked it
    HighScore,     // kept for ever: a high score
};

// One ended game as the history keeps it.
struct GameRecord {
    int64_t PlayedAt = 0; // seconds since 1970 (UTC) when it ended
    HistoryMode Mode = HistoryMode::Classic;
    Level BoardLevel = Level::Beginner;
    int32_t Width = 0;
    int32_t Height = 0;
    int32_t Mines = 0;
    GameResult Result = GameResult::Won;
    double Seconds = 0.0;
    int32_t Clicks = 0;
    BoardMeasures Measures;
    bool NoGuessBoard = false;
    bool GivenBoard = false; // a board played again or read from a board code
    int32_t HintsUsed = 0;
    bool ChancesShown = false; // the mine chances were shown during the game
    // Worked out from the game's record (docs/COUNTERS.md); absent where they mean
    // nothing, and in games kept before they were counted.
    std::optional<int32_t> EffectiveClicks;
    std::optional<double> Correctness;
    std::optional<double> Throughput;
    std::optional<double> Rqp;
    std::optional<int32_t> Openings;
    std::optional<int32_t> Islands;
    // The other player's name in a network game; none in a game played here.
    std::optional<std::string> Opponent;
    // As read back: the row's id and what is kept of its replay.
    int64_t Id = 0;
    ReplayKeeping Replay = ReplayKeeping::PlayedBefore;
};

// What the statistics show for one mode and level. Times and 3BV/s are of won games.
struct KindFigures {
    int64_t Played = 0;
    int64_t Won = 0;
    std::optional<double> BestSeconds;
    std::optional<double> AverageSeconds;
    std::optional<double> BestThreeBVPerSecond;
    int64_t CurrentStreak = 0; // wins since the last game not won
    int64_t LongestStreak = 0;

    double WonShare() const { return Played == 0 ? 0.0 : static_cast<double>(Won) / Played; }
};

// Every ended game, kept in an SQLite database: one transaction per game, so a game
// whose Store returned is on disk whatever happens to the program next. The file is
// marked as Orvane's (its application id) and carries its schema version:
// - a history of an older version is brought up to date in one transaction, after a
//   copy of it has been kept as "<path>.version-N";
// - one of a newer version is shown as it is, read only, and keeps no new games;
// - an unmarked file holding only this program's tables (as every history before the
//   mark) is taken over and marked;
// - a file that cannot be read as a database, or a database of something else, is set
//   aside as "<path>.damaged" (".damaged.2" and on), never changed, and a new history is
//   started; anything but a regular file at the name is left alone;
// - a history that can be read but not written is shown, read only.
// Each trouble is told once a run, through the reporter; the game goes on whatever.
class History {
public:
    using ErrorReporter = std::function<void(const Text& message)>;
    static constexpr int SchemaVersion = 5;
    // The replays of this many newest games are kept; older ones only when kept for ever.
    static constexpr int KeptReplays = 1000;
    // "ORVN": the mark of a history of this program.
    static constexpr int32_t ApplicationId = 0x4F52564E;

    // With no path nothing is opened, and no game is kept.
    History(std::string path, ErrorReporter reportError);
    ~History();
    History(const History&) = delete;
    History& operator=(const History&) = delete;

    // Opens the file, creating it with its tables when missing. Nothing is read before.
    void Open();
    bool IsOpen() const { return db_ != nullptr; }
    // Keeps the game, with its encoded record unless that is empty (kept for ever when
    // the game is a high score), and drops the replays of games beyond the newest
    // KeptReplays that are not kept for ever: all in one transaction. The new row's id;
    // none when the game could not be kept (the reason has been told).
    std::optional<int64_t> Store(
        const GameRecord& game, std::span<const uint8_t> replay = {}, bool highScore = false);
    // Marks the game's replay to be kept for ever, or takes the player's mark off. False
    // when the game has no replay, or the mark could not be saved (told).
    bool MarkReplay(int64_t gameId, bool keep);

    KindFigures Figures(HistoryMode mode, Level level) const;
    // The times of the last count won games, oldest first.
    std::vector<double> LastWonTimes(HistoryMode mode, Level level, int count) const;
    // The last count games, newest first.
    std::vector<GameRecord> LatestGames(HistoryMode mode, Level level, int count) const;
    // The encoded record kept with the game; none when it has no replay.
    std::optional<std::vector<uint8_t>> ReplayBytes(int64_t gameId) const;
    // The game its replay holds, as a replay file gives it: with its players' names and
    // when it started. None when it has no replay or the replay is damaged, which is told
    // each time, in plain words.
    std::optional<ReplayFile> ReplayOf(int64_t gameId) const;

private:
    enum class Problem {
        Saving,
        NotAFile,
        SettingAside,
        SetAside,
        Foreign,
        Newer,
        ReadOnly,
        Migrating
    };
    struct Examination;

    void OpenExisting();
    Examination Examine();
    bool OpenReadOnly();
    bool OpenToWrite(bool create);
    void CreateNew();
    void StartAfresh(Problem problem);
    std::string Migrate(int64_t fromVersion);
    struct Insertion {
        int Code = 0; // SQLite's
        int64_t Id = 0;
        std::string Reason;
    };
    Insertion Insert(const GameRecord& game, std::span<const uint8_t> replay, bool highScore);
    void Close();
    void Report(Problem problem, const std::string& detail);

    std::string path_;
    ErrorReporter reportError_;
    sqlite3* db_ = nullptr;
    int64_t version_ = SchemaVersion; // the open file's, older when shown as it is
    bool readOnly_ = false;
    bool reported_ = false;
};

} // namespace orvane
