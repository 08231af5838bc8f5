// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/Game.h"

#include "platform/FrameClock.h"

namespace orvane {

void Game::PauseGame()
{
    if (paused_ || state_ != GameState::Playing || networkSeat_)
        return;
    Record(CommandKind::Pause);
    paused_ = true;
    clock_.PauseGameClock();
    Tell(CellsChanged {});
}

void Game::ResumeGame()
{
    if (!paused_)
        return;
    Record(CommandKind::Resume);
    paused_ = false;
    clock_.ResumeGameClock();
    Tell(CellsChanged {});
}

void Game::TogglePause()
{
    if (paused_)
        ResumeGame();
    else
        PauseGame();
}

} // namespace orvane
