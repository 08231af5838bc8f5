// SPDX-License-Identifier: GPL-3.0-or-later
// What the statistics read from the history: the figures, the chart's times, the latest
// games, and a game's replay.
#include "scores/History.h"

#include "game/RecordCodec.h"
#include "scores/HistorySchema.h"
#include "scores/SqlStatement.h"

#include <algorithm>
#include <utility>

namespace orvane {

namespace {

// The columns of GameColumns, then the opponent, the chances shown, the id and the
// replay's marks.
GameRecord ReadGame(const Statement& row)
{
    GameRecord game;
    game.PlayedAt = row.Integer(0);
    game.Mode = static_cast<HistoryMode>(row.Integer(1));
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
    game.GivenBoard = row.Integer(14) != 0;
    game.EffectiveClicks = row.OptionalInteger(15);
    game.Correctness = row.OptionalReal(16);
    game.Throughput = row.OptionalReal(17);
    game.Rqp = row.OptionalReal(18);
    game.Openings = row.OptionalInteger(19);
    game.Islands = row.OptionalInteger(20);
    game.Opponent = row.OptionalText(history_schema::GameColumnCount);
    game.ChancesShown = row.Integer(history_schema::GameColumnCount + 1) != 0;
    constexpr int id = history_schema::GameColumnCount + 2;
    game.Id = row.Integer(id);
    if (row.Integer(id + 1) == 0)
        game.Replay = ReplayKeeping::PlayedBefore;
    else if (row.Null(id + 2))
        game.Replay = game.Mode == HistoryMode::Network ? ReplayKeeping::AtNetworkHost
                                                        : ReplayKeeping::NotKept;
    else if (row.Integer(id + 2) != 0)
        game.Replay = ReplayKeeping::HighScore;
    else
        game.Replay = row.Integer(id + 3) != 0 ? ReplayKeeping::Marked : ReplayKeeping::Kept;
    return game;
}

} // namespace

KindFigures History::Figures(HistoryMode mode, Level level) const
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

std::vector<double> History::LastWonTimes(HistoryMode mode, Level level, int count) const
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

std::vector<GameRecord> History::LatestGames(HistoryMode mode, Level level, int count) const
{
    std::vector<GameRecord> games;
    if (!db_)
        return games;
    // A history shown as an older version left it may lack counters, replays, opponents and
    // the chances shown.
    std::string sql = "SELECT ";
    sql += version_ >= 3 ? history_schema::GameColumns : history_schema::GameColumnsBefore3;
    sql += version_ >= 4 ? ", opponent" : ", NULL";
    sql += version_ >= 5 ? ", chances_shown" : ", 0";
    sql += version_ >= 3 ? ", games.id, recorded, high_score, marked FROM games "
                           "LEFT JOIN replays ON replays.game_id = games.id "
                         : ", id, 0, NULL, NULL FROM games ";
    sql += "WHERE mode = ? AND level = ? ORDER BY games.id DESC LIMIT ?";
    Statement rows(db_, sql.c_str());
    rows.Bind(static_cast<int64_t>(mode)).Bind(static_cast<int64_t>(level)).Bind(int64_t {count});
    while (rows.Step())
        games.push_back(ReadGame(rows));
    return games;
}

std::optional<std::vector<uint8_t>> History::ReplayBytes(int64_t gameId) const
{
    if (!db_)
        return std::nullopt;
    Statement row(db_, "SELECT record FROM replays WHERE game_id = ?");
    row.Bind(gameId);
    if (!row.Step())
        return std::nullopt;
    const std::span<const uint8_t> bytes = row.Blob(0);
    return std::vector<uint8_t>(bytes.begin(), bytes.end());
}

std::optional<ReplayFile> History::ReplayOf(int64_t gameId) const
{
    const std::optional<std::vector<uint8_t>> bytes = ReplayBytes(gameId);
    Text problem = QT_TRANSLATE_NOOP("Messages", "There is no replay of this game in the history.");
    if (bytes) {
        RecordDecoding read = DecodeRecordedGame(*bytes);
        if (read.Error.empty()) {
            ReplayFile replay {std::move(read.Game), {}, 0};
            const GameStart& start = replay.Game.Start;
            for (const PlayerData& player : start.Players) {
                replay.PlayerNames.push_back(player.Name);
                if (start.Setup.Mode == PlayMode::Classic)
                    break;
            }
            Statement row(
                db_, "SELECT played_at - CAST(seconds AS INTEGER) FROM games WHERE id = ?");
            row.Bind(gameId);
            if (row.Step())
                replay.StartedAt = row.Integer(0);
            return replay;
        }
        problem = Text(QT_TRANSLATE_NOOP(
                           "Messages", "This game's replay cannot be shown: it is damaged (%1)."))
                      .Arg(Text::Reason(read.Error));
    }
    if (reportError_)
        reportError_(problem);
    return std::nullopt;
}

} // namespace orvane
