// SPDX-License-Identifier: GPL-3.0-or-later
#include "scores/HistoryRecording.h"

#include "game/GameCounters.h"

#include <string>

namespace orvane {

namespace {

// At most MostOpponentCharacters UTF-8 characters, never cut inside one.
std::string CutName(const std::string& name)
{
    std::size_t characters = 0;
    for (std::size_t at = 0; at < name.size(); ++at) {
        const bool continues = (static_cast<unsigned char>(name[at]) & 0xC0U) == 0x80U;
        if (!continues && ++characters > MostOpponentCharacters)
            return name.substr(0, at);
    }
    return name;
}

} // namespace

HistoryMode HistoryModeOf(const GameEnded& ended)
{
    return ended.NetworkOpponent.empty() ? HistoryModeOf(ended.Mode) : HistoryMode::Network;
}

GameRecord RecordOfGame(const GameEnded& ended, int64_t playedAt)
{
    GameRecord record;
    record.PlayedAt = playedAt;
    record.Mode = HistoryModeOf(ended);
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
    record.ChancesShown = ended.ChancesShown;
    if (record.Mode == HistoryMode::Network) {
        record.Opponent = CutName(ended.NetworkOpponent);
        return record;
    }
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
