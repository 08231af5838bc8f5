// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstddef>

namespace orvane {

// The built-in click as a complete WAV image (PCM, mono, 22 050 Hz, 16 bit, 695
// samples), made at build time by tools/make_sounds.cpp.
extern const unsigned char ClickWav[];
extern const std::size_t ClickWavSize;

} // namespace orvane
