// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/Keyboard.h"

#include "game/Game.h"
#include "platform/Platform.h"
#include "render/model/MessageBar.h"

#include <string>

namespace orvane {

namespace {

void PostCount(MessageBar& message, const std::string& text)
{
    message.Post(text, 0.5f, 3.0f);
}

int32_t FlagsNeeded(const Game& game, PlayerIndex player)
{
    return game.FlagsToWin() - game.Players()[player].MinesFound;
}

} // namespace

KeyOutcome HandleKey(const Game& game, MessageBar& message, Platform& platform, char key)
{
    if (key == EscapeKey)
        return platform.AskYesNo(QT_TRANSLATE_NOOP("Messages", "Do you want to quit?"))
            ? KeyOutcome::CloseWindow
            : KeyOutcome::Continue;
    // A finished board keeps its last word.
    if (!game.IsRunning())
        return KeyOutcome::Continue;

    switch (key) {
    case '1':
        PostCount(message, "P1 Need " + std::to_string(FlagsNeeded(game, Player1)) + " Flags");
        break;
    case '2':
        PostCount(message, "P2 Need " + std::to_string(FlagsNeeded(game, Player2)) + " Flags");
        break;
    case '3': {
        const int32_t hidden = game.MineCount() - game.Players()[Player1].MinesFound
            - game.Players()[Player2].MinesFound;
        PostCount(message, std::to_string(hidden) + " Mines Remain.");
        break;
    }
    default:
        break;
    }
    return KeyOutcome::Continue;
}

} // namespace orvane
