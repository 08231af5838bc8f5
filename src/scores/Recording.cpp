// SPDX-License-Identifier: GPL-3.0-or-later
#include "scores/Recording.h"

#include "platform/Platform.h"
#include "scores/History.h"
#include "scores/HistoryRecording.h"
#include "scores/ScoreFile.h"

#include <ctime>
#include <utility>
#include <variant>

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

    if (const int row = RowNamed(scores, table, winnerName)) {
        ScoreEntry& entry = scores.Row(table, row);
        entry.TimeOrWon = CountedUp(entry.TimeOrWon);
        scores.WriteScoreEntry(table, row);
    } else {
        const int lowest = scores.LowestEntry[static_cast<size_t>(table)];
        ScoreEntry& entry = scores.Row(table, lowest);
        if (entry.TimeOrWon < point.WinnerScore) {
            entry.Name = winnerName;
            entry.TimeOrWon = point.WinnerScore;
            entry.ClicksOrLost = point.LoserScore;
            scores.WriteScoreEntry(table, lowest);
        }
    }

    if (const int row = RowNamed(scores, table, loserName)) {
        ScoreEntry& entry = scores.Row(table, row);
        entry.ClicksOrLost = CountedUp(entry.ClicksOrLost);
        scores.WriteScoreEntry(table, row);
    }
    scores.FindLowestByWins(table);
}

ResultRecorder::ResultRecorder(ScoreFile& scores, History& history, ScoreMarks& marks,
    const HighScoreWindows& windows, Platform& platform) :
    scores_(scores), history_(history), marks_(marks), windows_(windows), platform_(platform)
{
}

void ResultRecorder::Take(const GameEvent& event)
{
    if (const auto* started = std::get_if<TwoPlayerGameStarted>(&event)) {
        scores_.CountTwoPlayerGame(started->ScoreTable);
    } else if (const auto* point = std::get_if<SeriesPointWon>(&event)) {
        RecordSeriesPoint(*point, scores_);
    } else if (const auto* ended = std::get_if<GameEnded>(&event)) {
        // Kept first, so that a game is not lost while a dialog is open.
        history_.Store(RecordOfGame(*ended, static_cast<int64_t>(std::time(nullptr))));
        if (ended->Mode != PlayMode::Classic)
            return;
        if (ended->Result == GameResult::Lost && !ended->NoGuessBoard)
            scores_.CountClassicLoss(ended->ScoreTable);
        else if (ended->Result == GameResult::Won)
            TakeClassicWin(*ended);
    }
}

// The tables compare times on boards dealt at random; once a run the player hears why
// a board dealt without guessing stays out of them.
void ResultRecorder::ExplainNoGuessScores()
{
    if (noGuessScoresExplained_)
        return;
    noGuessScoresExplained_ = true;
    platform_.ShowMessage(
        "Well done! This board was dealt so that it never needed a guess, so its time does "
        "not go into the high-score tables: they compare games on boards dealt at random, "
        "where a guess may be needed. Turn off Options > No Guessing to play for them.",
        MessageIcon::Information);
}

void ResultRecorder::TakeClassicWin(const GameEnded& ended)
{
    const int table = ended.ScoreTable;
    if (!IsScoreTable(table))
        return;
    if (ended.NoGuessBoard) {
        ExplainNoGuessScores();
        return;
    }
    scores_.CountClassicWin(table);
    const int row = scores_.LowestEntry[static_cast<size_t>(table)];
    if (scores_.Row(table, row).TimeOrWon >= ended.ShownSeconds)
        dueHighScore_ = ended; // an equal time still enters the table
}

void ResultRecorder::ShowDueHighScore()
{
    if (!dueHighScore_)
        return;
    const GameEnded ended = *std::exchange(dueHighScore_, std::nullopt);
    const int table = ended.ScoreTable;
    const int row = scores_.LowestEntry[static_cast<size_t>(table)];
    ScoreEntry& entry = scores_.Row(table, row);
    // The finished board stands behind the dialog.
    if (windows_.ShowFinishedBoard)
        windows_.ShowFinishedBoard();
    if (windows_.AskName)
        if (const auto name = windows_.AskName())
            entry.Name = *name;
    entry.TimeOrWon = ended.ShownSeconds;
    entry.ClicksOrLost = ended.Clicks;
    scores_.WriteScoreEntry(table, row);

    marks_.ShownTable = marks_.MarkTable = static_cast<uint8_t>(table);
    marks_.MarkRow = static_cast<uint8_t>(row);
    if (windows_.ShowHighScores)
        windows_.ShowHighScores();
    scores_.FindLowestByTime(table);
}

} // namespace orvane
