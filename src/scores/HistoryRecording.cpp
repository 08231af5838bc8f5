// SPDX-License-Identifier: GPL-3.0-or-later
#include "scores/HistoryRecording.h"

#include "game/Game.h"

#include <ctime>

namespace orvane {

GameRecord RecordOfGame(const Game& game, GameResult result, int64_t playedAt)
{
    GameRecord record;
    record.PlayedAt = playedAt;
    record.Mode = game.StartedMode;
    record.BoardLevel = static_cast<Level>(game.CurrentLevel);
    record.Width = game.BoardWidth;
    record.Height = game.BoardHeight;
    record.Mines = static_cast<int32_t>(game.Cells.size()) - (game.LastSafeSlot + 1);
    record.Result = result;
    record.Seconds = game.FrameTimer.GameSeconds();
    const bool classic = record.Mode == PlayMode::Classic;
    record.Clicks = classic ? game.ClickCount : 0;
    record.Measures = MeasureBoard(ThreeBVOf(game), record.Seconds, record.Clicks);
    record.NoGuessBoard = game.DealtWithoutGuessing;
    record.HintsUsed = game.HintsUsed;
    return record;
}

void ConnectHistory(Game& game, History& history)
{
    game.OnGameEnded = [&](GameResult result) {
        history.Store(RecordOfGame(game, result, static_cast<int64_t>(std::time(nullptr))));
    };
}

} // namespace orvane
