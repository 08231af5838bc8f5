// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/Keyboard.h"

#include "game/Game.h"
#include "platform/Platform.h"

#include <string>

namespace orvane {

namespace {

void PostCount(Game& game, const std::string& text)
{
    game.Message.Post(text, 0.5f, 3.0f);
}

int32_t FlagsNeeded(const Game& game, PlayerIndex player)
{
    return game.FlagsToWin - game.Players[player].MinesFound;
}

} // namespace

KeyOutcome HandleKey(Game& game, char key)
{
    if (key == EscapeKey)
        return game.platform.AskYesNo("Do you want to quit?") ? KeyOutcome::CloseWindow
                                                              : KeyOutcome::Continue;
    // A finished board keeps its last word.
    if (!game.IsRunning())
        return KeyOutcome::Continue;

    switch (key) {
    case '1':
        PostCount(game, "P1 Need " + std::to_string(FlagsNeeded(game, Player1)) + " Flags");
        break;
    case '2':
        PostCount(game, "P2 Need " + std::to_string(FlagsNeeded(game, Player2)) + " Flags");
        break;
    case '3': {
        const int32_t hidden
            = game.MineCount - game.Players[Player1].MinesFound - game.Players[Player2].MinesFound;
        PostCount(game, std::to_string(hidden) + " Mines Remain.");
        break;
    }
    default:
        break;
    }
    return KeyOutcome::Continue;
}

} // namespace orvane
