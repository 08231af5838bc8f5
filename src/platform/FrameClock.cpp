// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/FrameClock.h"

#include "platform/CounterSource.h"

#include <cmath>

namespace orvane {

FrameClock::FrameClock(CounterSource& counter) : counter_(counter) { }

bool FrameClock::Create()
{
    if (!counter_.Available() || counter_.Frequency() <= 0)
        return false;
    Frequency = counter_.Frequency();
    return true;
}

void FrameClock::Start()
{
    LastFrameCount = counter_.Now();
    CurrentCount = 0;
    MarkCount = 0;
}

// Counts are subtracted as integers first so that large counter values keep their precision.
double FrameClock::CountsToSeconds(int64_t from, int64_t to) const
{
    return static_cast<double>(to - from) / static_cast<double>(Frequency);
}

void FrameClock::WaitFrame(int32_t framesPerSecond)
{
    CurrentCount = counter_.Now();
    FrameTime = CountsToSeconds(LastFrameCount, CurrentCount);
    const double frameLength = 1.0 / framesPerSecond;
    if (frameLength > FrameTime) {
        // The mark stays: the next call measures from the same mark. The sleep is rounded
        // up, so that the next call finds the frame over and moves the mark. Were it
        // rounded down, a short pass would follow just before the frame's end and the one
        // after it would count nearly the whole frame a second time in its FrameTime.
        counter_.SleepMilliseconds(
            static_cast<int64_t>(std::ceil((frameLength - FrameTime) * 1000.0)));
        return;
    }
    LastFrameCount = CurrentCount;
}

void FrameClock::Tick()
{
    CurrentCount = counter_.Now();
    FrameTime = CountsToSeconds(LastFrameCount, CurrentCount);
    LastFrameCount = CurrentCount;
}

void FrameClock::SetMark()
{
    CurrentCount = counter_.Now();
    MarkCount = CurrentCount;
    LastFrameCount = CurrentCount;
}

int64_t FrameClock::SecondsSinceMark() const
{
    return static_cast<int64_t>(std::trunc(CountsToSeconds(MarkCount, CurrentCount)));
}

int64_t FrameClock::Now() const
{
    return counter_.Now();
}

double FrameClock::GameSeconds() const
{
    return CountsToSeconds(MarkCount, counter_.Now());
}

void FrameClock::AddToGameClock(int32_t seconds)
{
    MarkCount -= static_cast<int64_t>(seconds) * Frequency;
}

void FrameClock::RestartFrame()
{
    CurrentCount = LastFrameCount = counter_.Now();
    FrameTime = 0.0;
}

int64_t FrameClock::MillisecondsToNextSecond() const
{
    const int64_t counted = counter_.Now() - MarkCount;
    const int64_t left = (counted / Frequency + 1) * Frequency - counted;
    // Rounded up, so that the second has been reached when the wait ends.
    return (left * 1000 + Frequency - 1) / Frequency;
}

void FrameClock::HoldFrames()
{
    framesHeld_ = true;
}

void FrameClock::ReleaseFrames()
{
    if (!framesHeld_)
        return;
    framesHeld_ = false;
    RestartFrame();
}

void FrameClock::PauseGameClock()
{
    if (gameClockPaused_)
        return;
    gameClockPaused_ = true;
    pausedAt_ = counter_.Now();
}

void FrameClock::ResumeGameClock()
{
    if (!gameClockPaused_)
        return;
    gameClockPaused_ = false;
    MarkCount += counter_.Now() - pausedAt_;
    RestartFrame();
}

void FrameClock::IdleFrame(int32_t framesPerSecond)
{
    counter_.SleepMilliseconds(1000 / framesPerSecond);
}

} // namespace orvane
