// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace orvane::history_schema {

// The first version's table. The rows of one kind are read in the order they were played
// through the index, which holds every column the figures need.
inline constexpr const char* FirstVersion = R"(
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

// Games kept whole: the counters worked out from a game's record (NULL where one means
// nothing, and in the rows from before, whose `recorded` is 0), whether the board was
// given, and the replays in a table of their own, so that the rows the figures walk stay
// small. A replay not kept for ever is found for dropping through the partial index.
inline constexpr const char* GamesKeptWhole = R"(
ALTER TABLE games ADD COLUMN recorded INTEGER NOT NULL DEFAULT 0;
ALTER TABLE games ADD COLUMN given_board INTEGER NOT NULL DEFAULT 0;
ALTER TABLE games ADD COLUMN effective_clicks INTEGER;
ALTER TABLE games ADD COLUMN correctness REAL;
ALTER TABLE games ADD COLUMN throughput REAL;
ALTER TABLE games ADD COLUMN rqp REAL;
ALTER TABLE games ADD COLUMN openings INTEGER;
ALTER TABLE games ADD COLUMN islands INTEGER;
CREATE TABLE IF NOT EXISTS replays (
    game_id INTEGER PRIMARY KEY,
    high_score INTEGER NOT NULL,
    marked INTEGER NOT NULL,
    record BLOB NOT NULL
);
CREATE INDEX IF NOT EXISTS replays_to_drop ON replays (game_id) WHERE high_score = 0 AND marked = 0;
)";

// Network games: the other player's name, NULL in a game played here. Their mode is
// HistoryMode::Network, a number the older versions never held.
inline constexpr const char* NetworkGames = R"(
ALTER TABLE games ADD COLUMN opponent TEXT;
)";

// Games during which the mine chances were shown on the board; 0 in the rows from before.
inline constexpr const char* ChancesShown = R"(
ALTER TABLE games ADD COLUMN chances_shown INTEGER NOT NULL DEFAULT 0;
)";

// The tables and indexes of a history: a file holding anything else is another program's.
inline constexpr const char* OwnObjects = "'games', 'games_by_kind', 'replays', 'replays_to_drop'";

// A game's columns, as stored and read, in the order of GameRecord; the opponent and
// the chances shown, added later, are named apart, as older versions read them as NULL
// and 0.
inline constexpr const char* GameColumns
    = "played_at, mode, level, width, height, mines, result, seconds, clicks, bbbv, "
      "bbbv_per_second, ioe, no_guess, hints_used, given_board, effective_clicks, "
      "correctness, throughput, rqp, openings, islands";
inline constexpr int GameColumnCount = 21;
// The same read from a history of version 1 or 2.
inline constexpr const char* GameColumnsBefore3
    = "played_at, mode, level, width, height, mines, result, seconds, clicks, bbbv, "
      "bbbv_per_second, ioe, no_guess, hints_used, 0, NULL, NULL, NULL, NULL, NULL, NULL";

} // namespace orvane::history_schema
