// SPDX-License-Identifier: GPL-3.0-or-later
#include "scores/Recording.h"

#include "game/Game.h"
#include "platform/Platform.h"
#include "scores/ScoreFile.h"

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

// The tables compare times on boards dealt at random; once a run the player hears why
// a board dealt without guessing stays out of them.
void ExplainNoGuessScores(Game& game)
{
    if (game.NoGuessScoresExplained)
        return;
    game.NoGuessScoresExplained = true;
    game.platform.ShowMessage(
        "Well done! This board was dealt so that it never needed a guess, so its time does "
        "not go into the high-score tables: they compare games on boards dealt at random, "
        "where a guess may be needed. Turn off Options > No Guessing to play for them.",
        MessageIcon::Information);
}

} // namespace

void RecordClassicWin(
    Game& game, ScoreFile& scores, ScoreMarks& marks, const HighScoreWindows& windows)
{
    const int table = game.ScoreTable;
    if (!IsScoreTable(table))
        return;
    if (game.DealtWithoutGuessing) {
        ExplainNoGuessScores(game);
        return;
    }
    scores.CountClassicWin(table);
    const int row = scores.LowestEntry[static_cast<size_t>(table)];
    ScoreEntry& entry = scores.Row(table, row);
    if (entry.TimeOrWon < game.ElapsedSeconds)
        return; // an equal time still enters the table

    // The finished board stands behind the dialog.
    game.FrameTimer.WaitFrame(30);
    game.platform.RedrawNow();
    if (windows.AskName)
        if (const auto name = windows.AskName())
            entry.Name = *name;
    entry.TimeOrWon = game.ElapsedSeconds;
    entry.ClicksOrLost = game.ClickCount;
    scores.WriteScoreEntry(table, row);

    marks.ShownTable = marks.MarkTable = static_cast<uint8_t>(table);
    marks.MarkRow = static_cast<uint8_t>(row);
    if (windows.ShowHighScores)
        windows.ShowHighScores();
    scores.FindLowestByTime(table);
}

void RecordTwoPlayerResult(Game& game, ScoreFile& scores)
{
    const int table = game.ScoreTable;
    if (!IsScoreTable(table))
        return;
    const PlayerData& winner = game.Players[game.CurrentPlayer];
    const PlayerData& loser = game.Players[OtherPlayer(game.CurrentPlayer)];
    // Rows hold names as the file keeps them, so the players' names are compared so too.
    const std::string winnerName = StoredName(winner.Name);
    const std::string loserName = StoredName(loser.Name);

    if (const int row = RowNamed(scores, table, winnerName)) {
        ScoreEntry& entry = scores.Row(table, row);
        entry.TimeOrWon = CountedUp(entry.TimeOrWon);
        scores.WriteScoreEntry(table, row);
    } else {
        const int lowest = scores.LowestEntry[static_cast<size_t>(table)];
        ScoreEntry& entry = scores.Row(table, lowest);
        if (entry.TimeOrWon < winner.Score) {
            entry.Name = winnerName;
            entry.TimeOrWon = winner.Score;
            entry.ClicksOrLost = loser.Score;
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

void ConnectScores(
    Game& game, ScoreFile& scores, ScoreMarks& marks, const HighScoreWindows& windows)
{
    game.OnClassicLoss = [&] {
        if (!game.DealtWithoutGuessing)
            scores.CountClassicLoss(game.ScoreTable);
    };
    game.OnClassicWin = [&] { RecordClassicWin(game, scores, marks, windows); };
    game.OnTwoPlayerGameStarted = [&] { scores.CountTwoPlayerGame(game.ScoreTable); };
    game.OnTwoPlayerResult = [&] { RecordTwoPlayerResult(game, scores); };
}

} // namespace orvane
