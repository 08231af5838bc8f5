// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstdint>

namespace orvane {

class CounterSource;

// The program's one clock: paces the main loop, measures the length of the last
// frame for every animation and runs the game clock from the first open of a game.
class FrameClock {
public:
    explicit FrameClock(CounterSource& counter);

    // False when the machine offers no monotonic counter; the caller then ends the program.
    bool Create();
    void Start();
    // FrameTime becomes the time since the frame's mark. While the frame is not over yet
    // this sleeps out the rest of it, in whole milliseconds; once it is, the mark moves.
    void WaitFrame(int32_t framesPerSecond);
    void Tick();
    void SetMark();
    int64_t SecondsSinceMark() const;
    // The game clock to the fraction of a second, read now; not while paused.
    double GameSeconds() const;
    // Puts the game clock forward, as if the game had started that much earlier.
    void AddToGameClock(int32_t seconds);

    // While a menu or a dialog is open the animations hold, the game clock runs on.
    // ReleaseFrames starts the next frame afresh, so no frame time ever holds the stretch
    // a menu or dialog was open, whatever ticked or waited meanwhile. Both may be called
    // again while already in that state.
    void HoldFrames();
    void ReleaseFrames();
    bool FramesHeld() const { return framesHeld_; }
    // The player's pause: the game clock stops as well, and the paused stretch is taken
    // out of it when the game resumes.
    void PauseGameClock();
    void ResumeGameClock();
    // Sleeps one frame and measures nothing: the loop's pace while a menu is open.
    void IdleFrame(int32_t framesPerSecond);
    // Starts the next frame now, measuring nothing: after a wait in which nothing was
    // animated the time waited is no frame's.
    void RestartFrame();
    // Milliseconds from now until the game clock reaches its next whole second.
    int64_t MillisecondsToNextSecond() const;

    // The counter now, for stamping what happens with its time.
    int64_t Now() const;
    double FrameTime = 0.0;
    int64_t Frequency = 1;
    int64_t LastFrameCount = 0;
    int64_t CurrentCount = 0;
    int64_t MarkCount = 0;

private:
    double CountsToSeconds(int64_t from, int64_t to) const;
    CounterSource& counter_;
    bool framesHeld_ = false;
    bool gameClockPaused_ = false;
    int64_t pausedAt_ = 0;
};

} // namespace orvane
