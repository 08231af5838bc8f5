// SPDX-License-Identifier: GPL-3.0-or-later
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
inline constexpr size_t MaxSoundBytes = size_t {30} * DeviceRate * DeviceChannels * 2;

// The largest sound file read, far more than half a minute of any common format.
inline constexpr size_t MaxWavFileBytes = size_t {16} * 1024 * 1024;

// Converts the bytes of a WAV file to the device format; empty on any failure. The
// bytes come from files beside the program, so anything may be in them.
std::vector<uint8_t> DecodeWav(std::vector<uint8_t> file);

} // namespace orvane
