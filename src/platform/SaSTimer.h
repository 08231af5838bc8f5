// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstdint>

namespace orvane {

class CounterSource;

// The program's one clock: paces the main loop, measures the length of the last
// frame for every animation and runs the game clock from the first open of a game.
class SaSTimer {
public:
    explicit SaSTimer(CounterSource& counter);

    // False when the machine offers no monotonic counter; the caller then ends the program.
    bool Create();
    void Start();
    void WaitFrame(int32_t framesPerSecond);
    void Tick();
    void SetMark();
    int64_t SecondsSinceMark() const;

    // While a menu or a dialog holds the program its clocks stand still: Resume takes
    // the held stretch out of the game clock and the frame time. Both may be called
    // again while already in that state.
    void Pause();
    void Resume();
    bool Paused() const { return paused_; }
    // Sleeps one frame and measures nothing: the loop's pace while paused.
    void IdleFrame(int32_t framesPerSecond);

    double FrameTime = 0.0;
    int64_t Frequency = 1;
    int64_t LastFrameCount = 0;
    int64_t CurrentCount = 0;
    int64_t MarkCount = 0;

private:
    double CountsToSeconds(int64_t from, int64_t to) const;
    CounterSource& counter_;
    bool paused_ = false;
    int64_t pausedAt_ = 0;
};

} // namespace orvane
