// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "render/model/Pictures.h"

#include <array>
#include <cstdint>

namespace orvane {

// A colour scheme: the status area's background and counter strip, and the tint of
// closed cells. Each colour is kept as bytes and as GL floats.
class Theme {
public:
    Theme(Rgb8 back, Rgb8 strip, Rgb8 cell);

    Rgb8 BackColourBytes;
    Rgb8 StripColourBytes;
    Rgb8 CellColourBytes;
    std::array<float, 3> BackColour;
    std::array<float, 3> StripColour;
    std::array<float, 3> CellColour;
};

inline constexpr int ThemeCount = 7;
using ThemeSet = std::array<Theme, ThemeCount>;

ThemeSet MakeThemes();

// The colour the flag pictures' transparent background carries: the cell tint less 30,
// so the filtered fringe of a flag blends into the cell below it.
Rgb8 FlagFringeColour(const Theme& theme);

} // namespace orvane
