// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "game/GameEvents.h"
#include "platform/Text.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

namespace orvane {

class History;
class Platform;
class ScoreFile;

// What the high-score window shows when it opens, and the row it marks with the arrow.
struct ScoreMarks {
    uint8_t ShownTable = 0; // 0..5
    uint8_t MarkTable = 0;
    uint8_t MarkRow = 0; // 1..10; 0 marks nothing
};

// The windows a Classic high score opens, both modal, and the finished board drawn at once
// behind them.
struct HighScoreWindows {
    std::function<void()> ShowFinishedBoard;
    // The name dialog: the name to store after OK, nothing when it was closed otherwise.
    std::function<std::optional<std::string>()> AskName;
    std::function<void()> ShowHighScores;
};

// A decided two-player series point: the win and the loss go to the rows of the two names,
// or the winner takes the row with the fewest wins when its series score beats it. The
// computer is a name like any other.
void RecordSeriesPoint(const SeriesPointWon& point, ScoreFile& scores);

// Keeps what the game tells of its results: every ended game in the history with its
// counters and, unless replays are not kept, its record (kept for ever for a high
// score); a network game there only, with its opponent and neither. Classic wins and
// losses and two-player games and series points go in the score file (nothing of a custom
// board, of a board dealt without guessing, nor of a game during which the mine chances
// were shown, whose results stay out of the file). A
// Classic time no slower than its table's slowest row replaces that row, but only once the
// rules have returned: ShowDueHighScore draws the finished board, asks the name, writes
// the row and shows it marked in the high-score window.
class ResultRecorder {
public:
    ResultRecorder(ScoreFile& scores, History& history, ScoreMarks& marks,
        const HighScoreWindows& windows, Platform& platform);

    void Take(const GameEvent& event);
    void ShowDueHighScore();
    // Whether the history keeps the replays of the games that end from now on.
    void KeepReplays(bool on) { keepReplays_ = on; }

private:
    void TakeEndedGame(const GameEnded& ended);
    bool EntersTable(const GameEnded& ended) const;
    void ExplainOnce(bool& explained, const Text& message);

    ScoreFile& scores_;
    History& history_;
    ScoreMarks& marks_;
    const HighScoreWindows& windows_;
    Platform& platform_;
    std::optional<GameEnded> dueHighScore_;
    bool noGuessScoresExplained_ = false;
    bool chanceScoresExplained_ = false;
    bool keepReplays_ = true;
};

} // namespace orvane
