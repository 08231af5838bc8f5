// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "game/BoardMeasures.h"
#include "game/GameTypes.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

struct sqlite3;

namespace orvane {

// One ended game as the history keeps it.
struct GameRecord {
    int64_t PlayedAt = 0; // seconds since 1970 (UTC) when it ended
    PlayMode Mode = PlayMode::Classic;
    Level BoardLevel = Level::Beginner;
    int32_t Width = 0;
    int32_t Height = 0;
    int32_t Mines = 0;
    GameResult Result = GameResult::Won;
    double Seconds = 0.0;
    int32_t Clicks = 0;
    BoardMeasures Measures;
    bool NoGuessBoard = false;
    int32_t HintsUsed = 0;
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
// whose Store returned is on disk whatever happens to the program next. A file that
// cannot be read as the history is set aside as "<path>.damaged" (".damaged.2" and on)
// and a new one started; a file that cannot be written leaves the game playable.
// Either is told once a run, through the reporter.
class History {
public:
    using ErrorReporter = std::function<void(const std::string& message)>;
    static constexpr int SchemaVersion = 1;

    History(std::string path, ErrorReporter reportError);
    ~History();
    History(const History&) = delete;
    History& operator=(const History&) = delete;

    // Opens the file, creating it with its tables when missing. Nothing is read before.
    void Open();
    bool IsOpen() const { return db_ != nullptr; }
    // False when the game could not be kept (the reason has been told).
    bool Store(const GameRecord& game);

    KindFigures Figures(PlayMode mode, Level level) const;
    // The times of the last count won games, oldest first.
    std::vector<double> LastWonTimes(PlayMode mode, Level level, int count) const;
    // The last count games, newest first.
    std::vector<GameRecord> LatestGames(PlayMode mode, Level level, int count) const;

private:
    enum class Problem { Saving, SettingAside, SetAside };

    bool OpenFile();
    void StartAfresh();
    int Insert(const GameRecord& game);
    bool PrepareSchema();
    bool SetAsideDamaged();
    void Close();
    void Report(Problem problem, const std::string& detail);

    std::string path_;
    ErrorReporter reportError_;
    sqlite3* db_ = nullptr;
    bool reported_ = false;
};

} // namespace orvane
