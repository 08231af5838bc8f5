// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/model/Canvas.h"
#include "render/model/PictureGroups.h"

namespace orvane::art {
namespace {

struct BarColours {
    Colour Top;
    Colour Bottom;
    Colour Edge;
};

// 64 x 16, a shiny bar: light catches its upper half, a darker line closes it off.
// Framed bars get the edge colour all round; unframed ones only along top and bottom,
// since they are stretched far in width.
Bitmap ShinyBar(const BarColours& colours, bool framed)
{
    Canvas canvas(64, 16, colours.Edge);
    const int32_t side = framed ? 1 : 0;
    canvas.FillRect(side, 1, 64 - side, 15, Gradient(0, 1, colours.Top, 0, 15, colours.Bottom));
    canvas.Fill(Box(side, 1, 64 - side, 7), Grey(255), 0.2);
    canvas.Fill(Box(side, 1, 64 - side, 2), Grey(255), 0.25);
    return canvas.ToBitmap();
}

} // namespace

Bitmap DrawPlayerBar(TeamColour colour)
{
    if (colour == TeamColour::Red)
        return ShinyBar({{214, 64, 56}, {140, 12, 12}, {84, 0, 0}}, true);
    return ShinyBar({{72, 112, 226}, {18, 36, 140}, {0, 14, 76}}, true);
}

Bitmap DrawMessageBar()
{
    // Shown tinted (1, 1, 0.3): its green turns the red towards orange.
    return ShinyBar({{236, 96, 60}, {170, 36, 20}, {96, 12, 0}}, false);
}

} // namespace orvane::art
