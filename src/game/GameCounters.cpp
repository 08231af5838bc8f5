// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/GameCounters.h"

#include "game/BoardMeasures.h"
#include "game/Replay.h"

#include <algorithm>
#include <variant>
#include <vector>

namespace orvane {

namespace {

int32_t OpenSafeCells(const Game& game)
{
    int32_t open = 0;
    for (const Cell& cell : game.Cells())
        open += cell.State == CellState::Open && cell.Value != MineValue;
    return open;
}

std::vector<bool> FlagsOf(const Game& game)
{
    std::vector<bool> flags(game.Cells().size());
    for (size_t i = 0; i < flags.size(); ++i)
        flags[i] = game.Cells()[i].Mark == CellMark::Flag;
    return flags;
}

std::optional<double> Ratio(std::optional<double> part, std::optional<double> whole)
{
    if (!part || !whole || *whole <= 0.0)
        return std::nullopt;
    return *part / *whole;
}

// Which clicks did something. The game counts a click just before its button's release;
// a two-button chord releases its first button uncounted, so what a release does belongs
// to the click that ends next: the second button's, or the chord's own when it ended the
// game.
class ClickTally {
public:
    explicit ClickTally(size_t cells) : flagPutBy_(cells, NoClick) { }

    void Count() { counted_ = true; }

    // A release opened cells or not, and changed the flags from before to after. The flags
    // a win adds go to the winning click, which opened cells anyway; a loss only turns
    // wrong flags into crosses.
    void Release(bool opened, const std::vector<bool>& before, const std::vector<bool>& after)
    {
        released_ = true;
        opened_ = opened_ || opened;
        for (size_t i = 0; i < after.size(); ++i)
            if (before[i] != after[i])
                flagPutBy_[i] = after[i] ? ThisClick : NoClick;
        if (counted_)
            EndClick();
    }

    void Finish()
    {
        if (released_)
            EndClick();
    }

    int32_t Clicks() const { return static_cast<int32_t>(effective_.size()); }

    // A flag still standing on a mine makes the click that put it effective.
    int32_t EffectiveClicks(const Game& game)
    {
        for (size_t i = 0; i < flagPutBy_.size(); ++i)
            if (flagPutBy_[i] >= 0 && game.Cells()[i].Value == MineValue)
                effective_[static_cast<size_t>(flagPutBy_[i])] = true;
        return static_cast<int32_t>(std::count(effective_.begin(), effective_.end(), true));
    }

private:
    void EndClick()
    {
        for (int32_t& by : flagPutBy_)
            if (by == ThisClick)
                by = Clicks();
        effective_.push_back(opened_);
        opened_ = released_ = counted_ = false;
    }

    static constexpr int32_t NoClick = -1;
    static constexpr int32_t ThisClick = -2;
    std::vector<bool> effective_;
    std::vector<int32_t> flagPutBy_;
    bool opened_ = false;
    bool released_ = false;
    bool counted_ = false;
};

} // namespace

GameCounters CountGame(const RecordedGame& record)
{
    GameCounters counters;
    ReplayedGame replay(record);
    replay.OnEvent = [&counters](const GameEvent& event) {
        if (const auto* ended = std::get_if<GameEnded>(&event)) {
            counters.Result = ended->Result;
            counters.Seconds = ended->Seconds;
        }
    };
    const Game& game = replay.game();
    ClickTally tally(game.Cells().size());
    // Clicks on a finished board change nothing and are not the game's.
    while (!replay.Finished() && !counters.Result) {
        const Command& command = replay.NextCommand();
        if (command.Kind != CommandKind::ActOnCell || command.Action != CellAction::Release) {
            replay.PlayCommands(1);
            if (command.Kind == CommandKind::CountClick)
                tally.Count();
            continue;
        }
        const int32_t openBefore = OpenSafeCells(game);
        const std::vector<bool> flagsBefore = FlagsOf(game);
        replay.PlayCommands(1);
        tally.Release(OpenSafeCells(game) > openBefore, flagsBefore, FlagsOf(game));
    }

    tally.Finish();

    if (const std::optional<BoardRegions> regions = RegionsOf(game)) {
        counters.ThreeBV = regions->ThreeBV();
        counters.Openings = regions->Openings;
        counters.Islands = regions->Islands;
    }
    if (game.CurrentMode() == PlayMode::Classic) {
        counters.Clicks = tally.Clicks();
        counters.EffectiveClicks = tally.EffectiveClicks(game);
        counters.Correctness = Ratio(counters.EffectiveClicks, counters.Clicks);
    }
    if (counters.Result != GameResult::Won)
        return counters;
    counters.ThreeBVPerSecond = Ratio(counters.ThreeBV, counters.Seconds);
    counters.Ioe = Ratio(counters.ThreeBV, counters.Clicks);
    counters.Throughput = Ratio(counters.ThreeBV, counters.EffectiveClicks);
    counters.Rqp = Ratio(counters.Seconds, counters.ThreeBVPerSecond);
    return counters;
}

} // namespace orvane
