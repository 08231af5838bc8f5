// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "render/model/Pictures.h"

#include <array>

// The look of a cell and of its flag: the board's pictures are drawn with these colours,
// and so are the window system's pictures of cells (the program icon, the About banner).
namespace orvane::cell_look {

inline constexpr Rgb8 OpenFace {236, 233, 216};
inline constexpr Rgb8 OpenBorder {142, 142, 142};
// The numbers 1..8 on open cells leave this share of the cell's side clear of their ink
// along each edge; a frame over a number cell that keeps to it leaves the number whole.
inline constexpr double NumberClearance = 0.125;
// Open cells, bare or with a number or a mine, are drawn tinted this much darker.
inline constexpr float OpenCellTint = 0.95f;
// The numbers 1..8 on open cells, in the colours players know, and in colours that players
// with any of the three kinds of colour blindness tell apart, kept as near the known ones
// as that allows. tools/number_palette.py scores both and finds the second.
inline constexpr std::array<Rgb8, 8> ClassicNumberColours {{
    {0, 0, 255},
    {0, 128, 0},
    {255, 0, 0},
    {0, 0, 128},
    {128, 0, 0},
    {0, 128, 128},
    {0, 0, 0},
    {128, 128, 128},
}};
inline constexpr std::array<Rgb8, 8> ColourSafeNumberColours {{
    {0, 0, 255},
    {10, 143, 83},
    {234, 20, 7},
    {0, 0, 128},
    {128, 0, 0},
    {3, 94, 89},
    {0, 0, 0},
    {129, 130, 133},
}};
constexpr const std::array<Rgb8, 8>& NumberColours(NumberPalette palette)
{
    return palette == NumberPalette::ColourSafe ? ColourSafeNumberColours : ClassicNumberColours;
}
inline constexpr Rgb8 RedCloth {224, 30, 30};
inline constexpr Rgb8 BlueCloth {38, 84, 222};
// The pole's metal, lit from the left, and its golden knob.
inline constexpr Rgb8 PoleLight {150, 150, 160};
inline constexpr Rgb8 PoleDark {50, 50, 58};
inline constexpr Rgb8 KnobLight {255, 236, 150};
inline constexpr Rgb8 KnobDark {190, 130, 20};

} // namespace orvane::cell_look
