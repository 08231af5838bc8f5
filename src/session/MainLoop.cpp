// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/MainLoop.h"

#include "game/Game.h"
#include "platform/FrameClock.h"

#include <algorithm>

namespace orvane {

namespace {
constexpr int32_t FramesPerSecond = 30;
// A quiet program still looks up now and then, which costs nothing measurable.
constexpr int64_t LongestWaitMilliseconds = 500;
// No picture is shown for less than a frame.
constexpr int64_t FrameMilliseconds = (1000 + FramesPerSecond - 1) / FramesPerSecond;
} // namespace

void RunLoopPass(
    Game& game, FrameClock& clock, FrameStep& step, LoopHost& host, const bool& quitRequested)
{
    host.HandlePendingMessages();
    // A menu or a dialog holds the opponent and the animations; the game clock runs on and
    // is shown again once the window is back. Qt keeps showing the last frame meanwhile.
    if (host.MenuOrDialogOpen()) {
        clock.HoldFrames();
        clock.IdleFrame(FramesPerSecond);
        return;
    }
    clock.ReleaseFrames();
    const FrameChanges changes = step.Advance(game, [&] {
        // Once a handler of this pass has asked to quit, the computer makes no more moves.
        if (!quitRequested)
            host.UpdateOpponent();
    });
    if (changes.Any())
        host.DrawFrame(changes);
    switch (step.NextPace(game)) {
    case FrameStep::Pace::EveryFrame:
        clock.WaitFrame(FramesPerSecond);
        break;
    case FrameStep::Pace::Pulse:
        // The panel is drawn at each of its visible steps and at no other time. The waited
        // time is the next frame's: the pulse goes on from where it stood.
        host.WaitForMessages(std::max(step.MillisecondsToNextPulseStep(), FrameMilliseconds));
        clock.Tick();
        break;
    case FrameStep::Pace::Still: {
        // The next picture comes with a message or the clock's next second.
        const bool clockRuns = game.CurrentState() == GameState::Playing && !game.Paused();
        host.WaitForMessages(clockRuns
                ? std::min(clock.MillisecondsToNextSecond(), LongestWaitMilliseconds)
                : LongestWaitMilliseconds);
        clock.RestartFrame();
        break;
    }
    }
    game.ShowGameClock();
}

void RunMainLoop(
    Game& game, FrameClock& clock, FrameStep& step, LoopHost& host, const bool& quitRequested)
{
    while (!quitRequested)
        RunLoopPass(game, clock, step, host, quitRequested);
}

} // namespace orvane
