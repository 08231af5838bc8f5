// SPDX-License-Identifier: GPL-3.0-or-later
#include "scores/HistoryRecording.h"

#include "game/GameCounters.h"

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
    record.GivenBoard = ended.GivenBoard;
    record.HintsUsed = ended.HintsUsed;
    const GameCounters counters = CountGame(ended.Record);
    record.EffectiveClicks = counters.EffectiveClicks;
    record.Correctness = counters.Correctness;
    record.Throughput = counters.Throughput;
    record.Rqp = counters.Rqp;
    record.Openings = counters.Openings;
    record.Islands = counters.Islands;
    return record;
}

} // namespace orvane
