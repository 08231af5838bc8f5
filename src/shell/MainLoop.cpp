#include "shell/MainLoop.h"

#include "game/Game.h"

namespace orvane {

namespace {
constexpr int32_t FramesPerSecond = 30;
}

void RunLoopPass(Game& game, FrameStep& step, LoopHost& host, const bool& quitRequested)
{
    host.HandlePendingMessages();
    // A menu or a dialog holds the opponent and the animations; the game clock runs on and
    // is shown again once the window is back. Qt keeps showing the last frame meanwhile.
    if (host.MenuOrDialogOpen()) {
        game.FrameTimer.HoldFrames();
        game.FrameTimer.IdleFrame(FramesPerSecond);
        return;
    }
    game.FrameTimer.ReleaseFrames();
    const FrameChanges changes = step.Advance(game, [&] {
        // Once a handler of this pass has asked to quit, the computer makes no more moves.
        if (!quitRequested)
            host.UpdateOpponent();
    });
    if (changes.Any())
        host.DrawFrame(changes);
    game.FrameTimer.WaitFrame(FramesPerSecond);
    if (game.CurrentState == GameState::Playing && !game.Paused)
        game.ElapsedSeconds = static_cast<int32_t>(game.FrameTimer.SecondsSinceMark());
}

void RunMainLoop(Game& game, FrameStep& step, LoopHost& host, const bool& quitRequested)
{
    while (!quitRequested)
        RunLoopPass(game, step, host, quitRequested);
}

} // namespace orvane
