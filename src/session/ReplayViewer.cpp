// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/ReplayViewer.h"

#include "game/BoardMeasures.h"

#include <algorithm>
#include <cmath>
#include <utility>
#include <variant>

namespace orvane {

namespace {

// What a player steps through: commands that act on the board or the buttons. The
// pointer's samples, the clock, the pause and the settings are none.
bool IsMove(const Command& command)
{
    switch (command.Kind) {
    case CommandKind::ActOnCell:
    case CommandKind::PressFace:
    case CommandKind::PressBonusButton:
    case CommandKind::ToggleBonus:
    case CommandKind::RandomOpen:
    case CommandKind::ArmComputerBonus:
    case CommandKind::Hint:
    case CommandKind::GiveUp:
        return true;
    default:
        return false;
    }
}

std::optional<double> Ratio(std::optional<int32_t> part, std::optional<double> whole)
{
    if (!part || !whole || *whole <= 0.0)
        return std::nullopt;
    return *part / *whole;
}

} // namespace

ReplayViewer::ReplayViewer(RecordedGame record, CounterSource& counter) :
    record_(std::move(record)), counter_(counter), atEnd_(CountGame(record_))
{
    for (size_t i = 0; i < record_.Commands.size(); ++i) {
        const Command& command = record_.Commands[i];
        length_ = std::max(length_, command.AtMilliseconds);
        if (IsMove(command))
            moveTimes_.push_back(command.AtMilliseconds);
        else if (command.Kind == CommandKind::PointerMove)
            pointerSamples_.push_back(i);
    }
    Deal();
}

void ReplayViewer::Deal()
{
    replay_ = std::make_unique<ReplayedGame>(record_);
    ended_ = false;
    replay_->OnEvent = [this](const GameEvent& event) {
        ended_ = ended_ || std::holds_alternative<GameEnded>(event);
    };
    moment_ = 0;
}

void ReplayViewer::Show(int64_t milliseconds)
{
    if (milliseconds < moment_)
        Deal();
    replay_->PlayUntil(milliseconds);
    moment_ = milliseconds;
}

void ReplayViewer::SeekTo(int64_t milliseconds)
{
    Show(std::clamp<int64_t>(milliseconds, 0, length_));
    exactMoment_ = static_cast<double>(moment_);
}

void ReplayViewer::Play()
{
    if (moment_ >= length_)
        Home();
    playing_ = true;
    lastCount_ = counter_.Now();
}

void ReplayViewer::Pause()
{
    Advance();
    playing_ = false;
}

void ReplayViewer::TogglePlay()
{
    if (playing_)
        Pause();
    else
        Play();
}

void ReplayViewer::SetSpeed(size_t index)
{
    // The time played so far counts at the speed it was played at.
    Advance();
    speed_ = std::min(index, ReplaySpeeds.size() - 1);
}

bool ReplayViewer::Advance()
{
    if (!playing_)
        return false;
    const int64_t now = counter_.Now();
    const double realMilliseconds = static_cast<double>(now - lastCount_) * 1000.0
        / static_cast<double>(counter_.Frequency());
    lastCount_ = now;
    exactMoment_ = std::min(
        exactMoment_ + realMilliseconds * ReplaySpeeds[speed_], static_cast<double>(length_));
    const int64_t before = moment_;
    Show(static_cast<int64_t>(std::floor(exactMoment_)));
    if (moment_ >= length_)
        playing_ = false;
    return moment_ != before;
}

void ReplayViewer::StepForward()
{
    const auto next = std::upper_bound(moveTimes_.begin(), moveTimes_.end(), moment_);
    SeekTo(next == moveTimes_.end() ? length_ : *next);
}

void ReplayViewer::StepBack()
{
    // The move shown last, then the one before it.
    auto shown = std::upper_bound(moveTimes_.begin(), moveTimes_.end(), moment_);
    if (shown == moveTimes_.begin()) {
        Home();
        return;
    }
    const auto before = std::lower_bound(moveTimes_.begin(), shown, *std::prev(shown));
    SeekTo(before == moveTimes_.begin() ? 0 : *std::prev(before));
}

ReplayCounters ReplayViewer::Counters() const
{
    ReplayCounters counters;
    counters.Seconds = replay_->GameSecondsAt(moment_);
    if (const std::optional<BoardRegions> regions = RegionsOf(game())) {
        counters.ThreeBVDone = regions->ThreeBVDone();
        counters.ThreeBV = regions->ThreeBV();
    }
    if (ended_) {
        counters.Clicks = atEnd_.Clicks;
        counters.ThreeBVPerSecond = atEnd_.ThreeBVPerSecond;
        counters.Ioe = atEnd_.Ioe;
        return counters;
    }
    if (game().CurrentMode() == PlayMode::Classic)
        counters.Clicks = game().ClickCount();
    counters.ThreeBVPerSecond = Ratio(counters.ThreeBVDone, counters.Seconds);
    counters.Ioe = Ratio(counters.ThreeBVDone, counters.Clicks);
    return counters;
}

std::optional<int32_t> ReplayViewer::ComputerAim() const
{
    if (!game().ComputerHasTheTurn())
        return std::nullopt;
    const auto& commands = record_.Commands;
    const auto next = std::find_if(
        commands.begin() + static_cast<std::ptrdiff_t>(replay_->CommandsGiven()), commands.end(),
        [](const Command& command) { return command.Kind == CommandKind::ActOnCell; });
    if (next == commands.end())
        return std::nullopt;
    return next->Value;
}

std::vector<TrailPoint> ReplayViewer::Trail() const
{
    const auto atOrBefore = [this](int64_t milliseconds) {
        return std::partition_point(pointerSamples_.begin(), pointerSamples_.end(),
            [&](size_t i) { return record_.Commands[i].AtMilliseconds <= milliseconds; });
    };
    const auto end = atOrBefore(moment_);
    if (end == pointerSamples_.begin())
        return {};
    auto begin = std::min(atOrBefore(moment_ - TrailMilliseconds), std::prev(end));
    std::vector<TrailPoint> trail;
    for (; begin != end; ++begin) {
        const Command& sample = record_.Commands[*begin];
        const PointerPlace place = UnpackPointer(sample.Value);
        trail.push_back({static_cast<float>(place.X) / PointerStepsPerCell,
            static_cast<float>(place.Y) / PointerStepsPerCell, moment_ - sample.AtMilliseconds});
    }
    return trail;
}

} // namespace orvane
