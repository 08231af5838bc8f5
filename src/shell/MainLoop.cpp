// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/MainLoop.h"

#include "game/Game.h"

namespace orvane {

namespace {
constexpr int32_t FramesPerSecond = 30;
}

void RunLoopPass(Game& game, FrameStep& step, LoopHost& host, const bool& quitRequested)
{
    host.HandlePendingMessages();
    // A menu or a dialog holds the game: its clock stands still and the opponent waits.
    // Qt keeps showing the last frame of both areas meanwhile.
    if (host.MenuOrDialogOpen()) {
        game.FrameTimer.Pause();
        game.FrameTimer.IdleFrame(FramesPerSecond);
        return;
    }
    game.FrameTimer.Resume();
    const FrameChanges changes = step.Advance(game, [&] {
        // Once a handler of this pass has asked to quit, the computer makes no more moves.
        if (!quitRequested)
            host.UpdateOpponent();
    });
    if (changes.Any())
        host.DrawFrame(changes);
    game.FrameTimer.WaitFrame(FramesPerSecond);
    if (game.CurrentState == GameState::Playing)
        game.ElapsedSeconds = static_cast<int32_t>(game.FrameTimer.SecondsSinceMark());
}

void RunMainLoop(Game& game, FrameStep& step, LoopHost& host, const bool& quitRequested)
{
    while (!quitRequested)
        RunLoopPass(game, step, host, quitRequested);
}

} // namespace orvane
