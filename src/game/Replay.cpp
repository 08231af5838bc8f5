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

void ReplayedGame::PlayUntil(int64_t milliseconds)
{
    Pass();
    for (; next_ < record_.Commands.size(); ++next_) {
        const Command& command = record_.Commands[next_];
        if (command.AtMilliseconds > milliseconds)
            break;
        counter_.SetMilliseconds(command.AtMilliseconds);
        game_.ReplayCommand(command);
        Pass();
    }
}

void ReplayedGame::PlayToEnd()
{
    PlayUntil(INT64_MAX);
}

} // namespace orvane
