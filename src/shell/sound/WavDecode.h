#pragma once
#include <SDL.h>

#include <cstddef>
#include <cstdint>
#include <vector>

namespace orvane {

// Every sound is played in one format: 44 100 Hz, 16-bit, one channel.
inline constexpr int DeviceRate = 44100;
inline constexpr SDL_AudioFormat DeviceFormat = AUDIO_S16SYS;
inline constexpr Uint8 DeviceChannels = 1;

// Half a minute in the device format. A longer sound is refused: a header claiming a
// rate of a few frames per second would otherwise turn a small file into gigabytes.
inline constexpr size_t MaxSoundBytes = 30 * DeviceRate * DeviceChannels * 2;

// Reads a WAV from `source` (which is closed here) and converts it to the device
// format; empty on any failure. The bytes come from files beside the program, so
// anything may be in them.
std::vector<uint8_t> DecodeWav(SDL_RWops* source);

} // namespace orvane
