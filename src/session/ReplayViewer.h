// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "game/GameCounters.h"
#include "game/RecordedGame.h"
#include "game/Replay.h"
#include "platform/CounterSource.h"
#include "render/model/TrailPoint.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

namespace orvane {

// The speeds a replay plays at, slowest first.
inline constexpr std::array<double, 6> ReplaySpeeds {0.25, 0.5, 1.0, 2.0, 4.0, 8.0};
inline constexpr size_t NormalReplaySpeed = 2;

// The counters as they stood at the moment shown; absent where they mean nothing.
struct ReplayCounters {
    double Seconds = 0.0; // the game clock
    std::optional<int32_t> ThreeBVDone;
    std::optional<int32_t> ThreeBV;
    std::optional<int32_t> Clicks;
    std::optional<double> ThreeBVPerSecond;
    std::optional<double> Ioe;
};

// Watching a recorded game: the moment shown (milliseconds since the deal), played or
// paused at a chosen speed, sought to any moment or stepped a move at a time. The game at
// the moment shown is the record played into a fresh game up to it: a later moment plays
// on, an earlier one deals afresh.
class ReplayViewer {
public:
    // The counter measures the real time that playing turns into the replay's time.
    ReplayViewer(RecordedGame record, CounterSource& counter);
    ReplayViewer(const ReplayViewer&) = delete;
    ReplayViewer& operator=(const ReplayViewer&) = delete;

    const RecordedGame& Record() const { return record_; }
    const Game& game() const { return replay_->game(); }
    int64_t Moment() const { return moment_; }
    // The moment of the last command.
    int64_t Length() const { return length_; }
    // A game ended before its first open never laid a board to play again.
    bool BoardLaid() const { return !record_.Start.CellOrder.empty(); }

    bool Playing() const { return playing_; }
    // Playing from the end starts again from the deal.
    void Play();
    void Pause();
    void TogglePlay();
    size_t SpeedIndex() const { return speed_; }
    void SetSpeed(size_t index);

    // While playing, moves the moment on by the real time since the last call times the
    // speed, and pauses at the end. True when the moment moved.
    bool Advance();
    // Shows the moment, kept within the game.
    void SeekTo(int64_t milliseconds);
    // To the next moment a command acts on the board or the buttons, or back to the last
    // such moment before the one shown acted.
    void StepForward();
    void StepBack();
    void Home() { SeekTo(0); }
    void End() { SeekTo(length_); }

    // Live while the game goes on; once it has ended, those its whole record counts.
    ReplayCounters Counters() const;
    // The pointer's samples of the last TrailMilliseconds up to the moment shown, oldest first; the
    // last is where the pointer is (however old). Empty before its first sample.
    std::vector<TrailPoint> Trail() const;
    // The cell the computer acts on next while it holds the turn, where its pointer is
    // shown (its glide there is not recorded); none at other times.
    std::optional<int32_t> ComputerAim() const;

private:
    void Deal();
    void Show(int64_t milliseconds);

    const RecordedGame record_;
    CounterSource& counter_;
    int64_t length_ = 0;
    GameCounters atEnd_;
    // The times of the moves and of the pointer's samples, in the record's order.
    std::vector<int64_t> moveTimes_;
    std::vector<size_t> pointerSamples_;

    std::unique_ptr<ReplayedGame> replay_;
    bool ended_ = false;
    int64_t moment_ = 0;
    // The moment to the fraction of a millisecond, so that slow speeds lose nothing.
    double exactMoment_ = 0.0;
    bool playing_ = false;
    size_t speed_ = NormalReplaySpeed;
    int64_t lastCount_ = 0;
};

} // namespace orvane
