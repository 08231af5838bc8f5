// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "render/model/Pictures.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace orvane {

// Texels of 4 bytes: blue, green, red, alpha.
using BgraTexels = std::vector<uint8_t>;

// A picture's 24-bit pixels widened to 4-byte texels whose fourth byte is 0.
BgraTexels ToBgraTexels(const Bitmap& bitmap);

// Texels of exactly the key colour stay transparent (alpha 0) and, when a replacement is
// given, take its colour, which then tints the filtered fringe; every other texel
// becomes opaque.
void ApplyColourKey(BgraTexels& texels, Rgb8 key, std::optional<Rgb8> replacement);

} // namespace orvane
