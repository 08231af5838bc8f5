#include "shell/MainLoop.h"

#include "game/Game.h"

namespace orvane {

namespace {

bool ComputerToMove(const Game& game)
{
    return game.CurrentMode == PlayMode::VsComputer && game.CurrentPlayer == Player2
        && game.Opponent.Phase != MrAI::Idle && game.CurrentState != GameState::Won;
}

} // namespace

void RunLoopPass(Game& game, LoopHost& host, const bool& quitRequested)
{
    host.HandlePendingMessages();
    if (!quitRequested && ComputerToMove(game))
        host.UpdateOpponent();
    // Between a change of the board's dimensions and the new game that rebuilds the
    // cells there is nothing consistent to draw.
    if (game.BoardMatchesSize())
        host.DrawFrame();
    game.FrameTimer.WaitFrame(30);
    if (game.CurrentState == GameState::Playing)
        game.ElapsedSeconds = static_cast<int32_t>(game.FrameTimer.SecondsSinceMark());
}

void RunMainLoop(Game& game, LoopHost& host, const bool& quitRequested)
{
    while (!quitRequested)
        RunLoopPass(game, host, quitRequested);
}

} // namespace orvane
