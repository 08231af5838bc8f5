// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/model/FlagAnimation.h"

#include "platform/FrameClock.h"

namespace orvane {

void FlagAnimation::Configure(int32_t loops, uint8_t frameCount, uint8_t pauseFrames,
    double interval, uint8_t stopFrame, Rgb8 keyColour, int32_t resource0, int32_t resource1)
{
    Loops = loops;
    LoopsLeft = loops;
    FrameCount = frameCount;
    PauseFrames = pauseFrames;
    Interval = interval;
    StopFrame = stopFrame;
    KeyColour = keyColour;
    Resource0 = resource0;
    Resource1 = resource1;
    PauseLeft = 0;
    Frame = 0;
    Running = Holding = LastLoop = false;
    Forward = true;
    FrameWidth = 1.0f / frameCount;
}

void FlagAnimation::Start(const FrameClock& timer)
{
    LastStep = static_cast<double>(timer.CurrentCount);
    Running = true;
    Holding = LastLoop = false;
    LoopsLeft = Loops;
    PauseLeft = 0;
}

void FlagAnimation::Advance(const FrameClock& timer)
{
    if (!Running)
        return;
    SinceStep = (static_cast<double>(timer.CurrentCount) - LastStep)
        / static_cast<double>(timer.Frequency);
    if (SinceStep > Interval) {
        LastStep = static_cast<double>(timer.CurrentCount);
        Step();
    }
}

void FlagAnimation::Step()
{
    if (PauseLeft == 0 && Frame == 0) {
        Holding = true;
        PauseLeft = PauseFrames;
    }
    if (PauseLeft > 0 && --PauseLeft == 0)
        Holding = false;
    if (Frame == 0) {
        if (LoopsLeft == 0)
            LastLoop = true;
        else if (LoopsLeft > 0)
            --LoopsLeft;
    }
    if (LastLoop && Frame == StopFrame) {
        Running = false;
        Holding = true;
    }
    if (Holding)
        return;
    if (Frame == 0)
        Forward = true;
    if (Frame == FrameCount - 1)
        Forward = false;
    Frame = static_cast<uint8_t>(Forward ? Frame + 1 : Frame - 1);
}

} // namespace orvane
