#include <array>

#include "render/model/Canvas.h"
#include "render/model/CellLook.h"
#include "render/model/MineArt.h"
#include "render/model/PictureGroups.h"
#include "render/model/StrokeFont.h"

namespace orvane::art {
namespace {

constexpr int32_t Size = 32;
constexpr Point Centre {Size / 2.0, Size / 2.0};
constexpr Colour OpenColour = ColourOf(cell_look::OpenFace);
constexpr Colour BorderGrey = ColourOf(cell_look::OpenBorder);
constexpr double MineScale = 8.2; // pixels per unit of the mine: its spikes just clear the border

// A flat cell with a thin border line all round.
Canvas BorderedCell(Colour face, Colour border)
{
    Canvas canvas(Size, Size, face);
    canvas.Bevel(0, 0, Size, Size, {border}, {border});
    return canvas;
}

} // namespace

Bitmap DrawClosedCell()
{
    Canvas canvas(Size, Size, Grey(0));
    canvas.FillRect(0, 0, Size, Size, Gradient(0, 0, Grey(222), Size, Size, Grey(208)));
    canvas.Bevel(
        0, 0, Size, Size, {Grey(255), Grey(255), Grey(238)}, {Grey(128), Grey(142), Grey(172)});
    return canvas.ToBitmap();
}

Bitmap DrawPressedCell()
{
    Canvas canvas(Size, Size, Grey(215));
    canvas.Bevel(0, 0, Size, Size, {Grey(150), Grey(192)}, {Grey(236)});
    return canvas.ToBitmap();
}

Bitmap DrawOpenCell()
{
    return BorderedCell(OpenColour, BorderGrey).ToBitmap();
}

Bitmap DrawNumberCell(int number)
{
    Canvas canvas = BorderedCell(OpenColour, BorderGrey);
    constexpr double Unit = 1.8; // the figure is 8 x 10 grid units
    canvas.Fill(GlyphShape('0' + number, {Centre.X - 4 * Unit, Centre.Y + 5 * Unit}, Unit, 4.6),
        ColourOf(cell_look::NumberColours[size_t(number - 1)]));
    return canvas.ToBitmap();
}

Bitmap DrawMineCell()
{
    Canvas canvas = BorderedCell(OpenColour, BorderGrey);
    PaintMine(canvas, Centre, MineScale, MineScale);
    return canvas.ToBitmap();
}

Bitmap DrawExplodedMine()
{
    Canvas canvas = BorderedCell(Colour {255, 23, 23}, Colour {170, 0, 0});
    PaintMine(canvas, Centre, MineScale, MineScale);
    return canvas.ToBitmap();
}

Bitmap DrawBonusMine()
{
    // Shown 34 x 13 pixels: the ball is drawn taller than wide so that it looks round.
    Canvas canvas(32, 16, OpenColour);
    PaintMine(canvas, {16, 8}, 3.6, 4.6);
    return canvas.ToBitmap();
}

} // namespace orvane::art
