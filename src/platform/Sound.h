// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstdint>

namespace orvane {

// The sounds of the game; the click is built into the program, the others are files
// beside it.
enum class Sound : uint8_t { Open, Win, Loss, Flag, FlagError, Click };

// The file a sound is played from, as the game has always named it (with a leading
// backslash: a file beside the program); nullptr for the built-in click.
inline const char* SoundFileName(Sound sound)
{
    switch (sound) {
    case Sound::Open:
        return "\\Open.wav";
    case Sound::Win:
        return "\\Win.wav";
    case Sound::Loss:
        return "\\Loose.wav";
    case Sound::Flag:
        return "\\flag.wav";
    case Sound::FlagError:
        return "\\FlagErr.wav";
    case Sound::Click:
        break;
    }
    return nullptr;
}

} // namespace orvane
