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
    const int seconds = game.ElapsedSeconds;
    if (scores.Row(table, scores.LowestEntry[static_cast<size_t>(table)]).TimeOrWon < seconds)
        return; // an equal time still enters the table

    // The finished board stands behind the dialog.
    game.FrameTimer.WaitFrame(30);
    game.platform.RedrawNow();
    std::optional<std::string> name;
    if (windows.AskName)
        name = windows.AskName();
    // Made to the file's latest table: another copy may have filled the row meanwhile.
    const int clicks = game.ClickCount;
    const int row = scores.Apply([table, seconds, clicks, name](ScoreFile& tables) {
        const int lowest = tables.LowestEntry.at(static_cast<size_t>(table));
        ScoreEntry& entry = tables.Row(table, lowest);
        if (entry.TimeOrWon < seconds)
            return 0;
        entry.Name = name.value_or(entry.Name); // the close box keeps the row's name
        entry.TimeOrWon = seconds;
        entry.ClicksOrLost = clicks;
        return lowest;
    });

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
    const int32_t winnerScore = winner.Score;
    const int32_t loserScore = loser.Score;

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
