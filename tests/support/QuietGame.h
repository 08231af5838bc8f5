// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "game/Game.h"
#include "platform/FileFolders.h"
#include "platform/FrameClock.h"
#include "session/Commands.h"
#include "session/Settings.h"
#include "support/FakeCounter.h"
#include "support/FixedRandom.h"
#include "support/LevelCommand.h"
#include "support/ScriptedPlatform.h"

#include <cstdint>

namespace orvane::testing {

// A game without sound on a scripted platform, its games started as the level commands
// start them, the mines placed from a seeded engine.
struct QuietGame {
    ScriptedPlatform platform;
    FixedRandom random;
    FakeCounter counter;
    FrameClock clock {counter};
    Game game {random, clock};
    Settings settings;
    FileFolders folders;
    MenuCommands commands {game, settings, platform, folders};

    QuietGame()
    {
        clock.Create();
        clock.Start();
        game.SetSoundOn(false);
    }
    void NewGame(Level level, uint64_t seed)
    {
        random.engine.seed(seed);
        RunLevelCommand(commands, level);
        static_cast<void>(game.TakeEvents());
    }
};

} // namespace orvane::testing
