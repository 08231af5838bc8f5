// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "session/Commands.h"

namespace orvane::testing {

// The menu command of a fixed level, as its menu item runs it.
inline void RunLevelCommand(MenuCommands& commands, Level level)
{
    switch (level) {
    case Level::Beginner:
        commands.Beginner();
        break;
    case Level::Intermediate:
        commands.Intermediate();
        break;
    default:
        commands.Expert();
        break;
    }
}

} // namespace orvane::testing
