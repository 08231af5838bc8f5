#include "scores/Recording.h"

#include "game/Game.h"
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

} // namespace

void RecordClassicWin(Game& game, ScoreFile& scores)
{
    if (!IsScoreTable(game.ScoreTable))
        return;
    scores.CountClassicWin(game.ScoreTable);
}

void RecordTwoPlayerResult(Game& game, ScoreFile& scores)
{
    const int table = game.ScoreTable;
    if (!IsScoreTable(table))
        return;
    const PlayerData& winner = game.Players[game.CurrentPlayer];
    const PlayerData& loser = game.Players[OtherPlayer(game.CurrentPlayer)];

    if (const int row = RowNamed(scores, table, winner.Name)) {
        ScoreEntry& entry = scores.Row(table, row);
        entry.TimeOrWon = CountedUp(entry.TimeOrWon);
        scores.WriteScoreEntry(table, row);
    } else {
        const int lowest = scores.LowestEntry[static_cast<size_t>(table)];
        ScoreEntry& entry = scores.Row(table, lowest);
        if (entry.TimeOrWon < winner.Score) {
            entry.Name = winner.Name.substr(0, NameCapacity);
            entry.TimeOrWon = winner.Score;
            entry.ClicksOrLost = loser.Score;
            scores.WriteScoreEntry(table, lowest);
        }
    }

    if (const int row = RowNamed(scores, table, loser.Name)) {
        ScoreEntry& entry = scores.Row(table, row);
        entry.ClicksOrLost = CountedUp(entry.ClicksOrLost);
        scores.WriteScoreEntry(table, row);
    }
    scores.FindLowestByWins(table);
}

void ConnectScores(Game& game, ScoreFile& scores)
{
    game.OnClassicLoss = [&] { scores.CountClassicLoss(game.ScoreTable); };
    game.OnClassicWin = [&] { RecordClassicWin(game, scores); };
    game.OnTwoPlayerGameStarted = [&] { scores.CountTwoPlayerGame(game.ScoreTable); };
    game.OnTwoPlayerResult = [&] { RecordTwoPlayerResult(game, scores); };
}

} // namespace orvane
