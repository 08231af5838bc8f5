// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/Replay.h"

#include <cstdint>

namespace orvane {

ReplayedGame::ReplayedGame(const RecordedGame& record) : record_(record)
{
    clock_.Create();
    clock_.Start();
    game_.BeginReplay(record_.Start);
}

void ReplayedGame::Pass()
{
    for (const GameEvent& event : game_.TakeEvents())
        if (OnEvent)
            OnEvent(event);
}

void ReplayedGame::PlayNext()
{
    const Command& command = record_.Commands[next_++];
    counter_.SetMilliseconds(command.AtMilliseconds);
    const bool wasRunning = game_.CurrentState() == GameState::Playing && !game_.Paused();
    game_.ReplayCommand(command);
    if (wasRunning && (game_.Paused() || game_.CurrentState() != GameState::Playing))
        heldSeconds_ = clock_.GameSeconds();
    Pass();
}

double ReplayedGame::GameSecondsAt(int64_t milliseconds)
{
    switch (game_.CurrentState()) {
    case GameState::Ready:
        return 0.0;
    case GameState::Playing:
        if (game_.Paused())
            return heldSeconds_;
        counter_.SetMilliseconds(milliseconds);
        return clock_.GameSeconds();
    case GameState::Lost:
    case GameState::Won:
        break;
    }
    return heldSeconds_;
}

void ReplayedGame::PlayUntil(int64_t milliseconds)
{
    Pass();
    while (!Finished() && record_.Commands[next_].AtMilliseconds <= milliseconds)
        PlayNext();
}

void ReplayedGame::PlayCommands(size_t count)
{
    Pass();
    for (; count > 0 && !Finished(); --count)
        PlayNext();
}

void ReplayedGame::PlayToEnd()
{
    PlayUntil(INT64_MAX);
}

} // namespace orvane
