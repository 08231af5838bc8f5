// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/Game.h"

#include "platform/Platform.h"

namespace orvane {

Game::Game(Platform& platform, RandomSource& random, CounterSource& counter) :
    FrameTimer(counter), platform(platform), random(random)
{
}

void Game::PlaySoundIfOn(const char* name)
{
    if (SoundOn)
        platform.PlaySoundFile(name);
}

void Game::PlayClickIfOn()
{
    if (SoundOn)
        platform.PlayClickSound();
}

} // namespace orvane
