// SPDX-License-Identifier: GPL-3.0-or-later
#include "scores/HistoryRecording.h"

namespace orvane {

GameRecord RecordOfGame(const GameEnded& ended, int64_t playedAt)
{
    GameRecord record;
    record.PlayedAt = playedAt;
    record.Mode = ended.Mode;
    record.BoardLevel = ended.BoardLevel;
    record.Width = ended.Width;
    record.Height = ended.Height;
    record.Mines = ended.Mines;
    record.Result = ended.Result;
    record.Seconds = ended.Seconds;
    record.Clicks = ended.Clicks;
    record.Measures = MeasureBoard(ended.ThreeBV, record.Seconds, record.Clicks);
    record.NoGuessBoard = ended.NoGuessBoard;
    record.HintsUsed = ended.HintsUsed;
    return record;
}

} // namespace orvane
