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
    game_.ReplayCommand(command);
    Pass();
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
