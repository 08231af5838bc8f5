// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/model/Themes.h"

#include <algorithm>

namespace orvane {

namespace {

std::array<float, 3> ToFloats(Rgb8 c)
{
    return {c.R / 255.0f, c.G / 255.0f, c.B / 255.0f};
}

uint8_t Darker(uint8_t component)
{
    return static_cast<uint8_t>(std::max(component - 30, 0));
}

} // namespace

Theme::Theme(Rgb8 back, Rgb8 strip, Rgb8 cell) :
    BackColourBytes(back), StripColourBytes(strip), CellColourBytes(cell),
    BackColour(ToFloats(back)), StripColour(ToFloats(strip)), CellColour(ToFloats(cell))
{
}

ThemeSet MakeThemes()
{
    return {{
        Theme({210, 210, 195}, {236, 233, 216}, {228, 228, 228}),
        Theme({192, 192, 255}, {255, 192, 255}, {215, 215, 255}),
        Theme({170, 242, 100}, {90, 170, 5}, {191, 255, 100}),
        Theme({250, 250, 100}, {145, 192, 40}, {190, 220, 100}),
        Theme({250, 250, 100}, {175, 245, 10}, {200, 255, 80}),
        Theme({220, 220, 220}, {192, 192, 255}, {192, 192, 192}),
        Theme({215, 215, 235}, {145, 130, 170}, {185, 170, 200}),
    }};
}

Rgb8 FlagFringeColour(const Theme& theme)
{
    const Rgb8 c = theme.CellColourBytes;
    return {Darker(c.R), Darker(c.G), Darker(c.B)};
}

} // namespace orvane
