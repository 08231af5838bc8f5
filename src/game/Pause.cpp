// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/Game.h"

namespace orvane {

void Game::PauseGame()
{
    if (Paused || CurrentState != GameState::Playing)
        return;
    Paused = true;
    FrameTimer.PauseGameClock();
}

void Game::ResumeGame()
{
    if (!Paused)
        return;
    Paused = false;
    FrameTimer.ResumeGameClock();
}

void Game::TogglePause()
{
    if (Paused)
        ResumeGame();
    else
        PauseGame();
}

} // namespace orvane
