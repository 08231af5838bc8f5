// SPDX-License-Identifier: GPL-3.0-or-later
#include "scores/Recording.h"

#include "game/RecordCodec.h"

#include "platform/Platform.h"
#include "scores/History.h"
#include "scores/HistoryRecording.h"
#include "scores/ScoreFile.h"

#include <ctime>
#include <optional>
#include <utility>
#include <variant>
#include <vector>

namespace orvane {

namespace {

// The first row (1..10) of the table with exactly this name, or 0.
int RowNamed(const ScoreFile& scores, int table, const std::string& name)
{
    for (int row = 1; row <= RowsPerTable; ++row)
        if (scores.Row(table, row).Name == name)
            return row;
    return 0;
}

} // namespace

void RecordSeriesPoint(const SeriesPointWon& point, ScoreFile& scores)
{
    const int table = point.ScoreTable;
    if (!IsScoreTable(table))
        return;
    // Rows hold names as the file keeps them, so the players' names are compared so too.
    const std::string winnerName = StoredName(point.WinnerName);
    const std::string loserName = StoredName(point.LoserName);
    const int32_t winnerScore = point.WinnerScore;
    const int32_t loserScore = point.LoserScore;

    scores.Apply([=](ScoreFile& tables) {
        if (const int row = RowNamed(tables, table, winnerName)) {
            ScoreEntry& entry = tables.Row(table, row);
            entry.TimeOrWon = CountedUp(entry.TimeOrWon);
        } else {
            ScoreEntry& entry = tables.Row(table, tables.LowestEntry.at(table));
            if (entry.TimeOrWon < winnerScore)
                entry = {winnerName, winnerScore, loserScore};
        }
        if (const int row = RowNamed(tables, table, loserName)) {
            ScoreEntry& entry = tables.Row(table, row);
            entry.ClicksOrLost = CountedUp(entry.ClicksOrLost);
        }
        tables.FindLowestByWins(table);
        return 0;
    });
}

ResultRecorder::ResultRecorder(ScoreFile& scores, History& history, ScoreMarks& marks,
    const HighScoreWindows& windows, Platform& platform) :
    scores_(scores),
    history_(history), marks_(marks), windows_(windows), platform_(platform)
{
}

void ResultRecorder::Take(const GameEvent& event)
{
    if (const auto* started = std::get_if<TwoPlayerGameStarted>(&event)) {
        scores_.CountTwoPlayerGame(started->ScoreTable);
    } else if (const auto* point = std::get_if<SeriesPointWon>(&event)) {
        RecordSeriesPoint(*point, scores_);
    } else if (const auto* ended = std::get_if<GameEnded>(&event)) {
        TakeEndedGame(*ended);
    }
}

// The game is kept in the history first, so that it is not lost while a dialog is open:
// its replay is kept for ever when its time enters the table as this copy holds it. The
// win counted, the file's latest table decides the name dialog, and the row is written
// only after it.
void ResultRecorder::TakeEndedGame(const GameEnded& ended)
{
    const bool classic = ended.Mode == PlayMode::Classic;
    const bool counted
        = classic && !ended.NoGuessBoard && !ended.ChancesShown && IsScoreTable(ended.ScoreTable);
    const bool won = classic && ended.Result == GameResult::Won;
    // A network game's record holds what this player saw, not the mines: no replay.
    const GameRecord record = RecordOfGame(ended, static_cast<int64_t>(std::time(nullptr)));
    const std::vector<uint8_t> replay = keepReplays_ && record.Mode != HistoryMode::Network
        ? EncodeRecordedGame(ended.Record)
        : std::vector<uint8_t> {};
    history_.Store(record, replay, counted && won && EntersTable(ended));
    if (counted && ended.Result == GameResult::Lost)
        scores_.CountClassicLoss(ended.ScoreTable);
    if (!won || !IsScoreTable(ended.ScoreTable))
        return;
    if (ended.NoGuessBoard) {
        ExplainOnce(noGuessScoresExplained_,
            QT_TRANSLATE_NOOP("Messages",
                "Well done! This board was dealt so that it never needed a guess, so its time "
                "does not go into the high-score tables: they compare games on boards dealt at "
                "random, where a guess may be needed. Turn off Options > No Guessing to play for "
                "them."));
        return;
    }
    if (ended.ChancesShown) {
        ExplainOnce(chanceScoresExplained_,
            QT_TRANSLATE_NOOP("Messages",
                "Well done! The mine chances were shown during this game, so its time does not "
                "go into the high-score tables. Turn off Options > Show Chances to play for "
                "them."));
        return;
    }
    scores_.CountClassicWin(ended.ScoreTable);
    if (EntersTable(ended))
        dueHighScore_ = ended;
}

// The tables compare times of games played alone on boards dealt at random; once a run
// the player hears why a win of another kind stays out of them.
void ResultRecorder::ExplainOnce(bool& explained, const Text& message)
{
    if (std::exchange(explained, true))
        return;
    platform_.ShowMessage(message, MessageIcon::Information);
}

// An equal time still enters the table.
bool ResultRecorder::EntersTable(const GameEnded& ended) const
{
    const int table = ended.ScoreTable;
    const int row = scores_.LowestEntry[static_cast<size_t>(table)];
    return scores_.Row(table, row).TimeOrWon >= ended.ShownSeconds;
}

void ResultRecorder::ShowDueHighScore()
{
    if (!dueHighScore_)
        return;
    const GameEnded ended = *std::exchange(dueHighScore_, std::nullopt);
    const int table = ended.ScoreTable;
    // The finished board stands behind the dialog.
    if (windows_.ShowFinishedBoard)
        windows_.ShowFinishedBoard();
    std::optional<std::string> name;
    if (windows_.AskName)
        name = windows_.AskName();
    // Made to the file's latest table: another copy may have filled the row meanwhile.
    const int seconds = ended.ShownSeconds;
    const int clicks = ended.Clicks;
    const int row = scores_.Apply([table, seconds, clicks, name](ScoreFile& tables) {
        const int lowest = tables.LowestEntry.at(static_cast<size_t>(table));
        ScoreEntry& entry = tables.Row(table, lowest);
        if (entry.TimeOrWon < seconds)
            return 0;
        entry.Name = name.value_or(entry.Name); // the close box keeps the row's name
        entry.TimeOrWon = seconds;
        entry.ClicksOrLost = clicks;
        return lowest;
    });

    marks_.ShownTable = marks_.MarkTable = static_cast<uint8_t>(table);
    marks_.MarkRow = static_cast<uint8_t>(row);
    if (windows_.ShowHighScores)
        windows_.ShowHighScores();
    scores_.FindLowestByTime(table);
}

} // namespace orvane
