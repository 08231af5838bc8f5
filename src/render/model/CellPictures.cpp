// SPDX-License-Identifier: GPL-3.0-or-later
#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

#include "render/model/Canvas.h"
#include "render/model/CellLook.h"
#include "render/model/MineArt.h"
#include "render/model/PictureGroups.h"
#include "render/model/StrokeFont.h"

namespace orvane::art {
namespace {

constexpr Colour OpenColour = ColourOf(cell_look::OpenFace);
constexpr Colour BorderGrey = ColourOf(cell_look::OpenBorder);
constexpr double MineScale = 8.2; // pixels per unit of the mine: its spikes just clear the border

// A cell picture of `pixels` square: lengths of the design (made at CellPictureSize)
// scale with it, and every one-pixel ring of a bevel becomes as many whole rings as
// the scale rounds to, so that edges stay single colours.
class CellCanvas {
public:
    explicit CellCanvas(int32_t pixels) :
        size_(pixels), scale_(double(pixels) / CellPictureSize),
        rings_(std::max(1, int(std::lround(scale_))))
    {
    }

    int32_t Size() const { return size_; }
    double Scaled(double design) const { return design * scale_; }
    Point Centre() const { return {size_ / 2.0, size_ / 2.0}; }
    std::vector<Colour> Rings(std::initializer_list<Colour> design) const
    {
        std::vector<Colour> rings;
        for (const Colour colour : design)
            rings.insert(rings.end(), size_t(rings_), colour);
        return rings;
    }
    void Bevel(Canvas& canvas, std::initializer_list<Colour> light,
        std::initializer_list<Colour> dark) const
    {
        canvas.Bevel(0, 0, size_, size_, Rings(light), Rings(dark));
    }

private:
    int32_t size_;
    double scale_;
    int rings_;
};

// A flat cell with a thin border line all round.
Canvas BorderedCell(const CellCanvas& cell, Colour face, Colour border)
{
    Canvas canvas(cell.Size(), cell.Size(), face);
    cell.Bevel(canvas, {border}, {border});
    return canvas;
}

Bitmap MineOn(const CellCanvas& cell, Colour face, Colour border)
{
    Canvas canvas = BorderedCell(cell, face, border);
    PaintMine(canvas, cell.Centre(), cell.Scaled(MineScale), cell.Scaled(MineScale));
    return canvas.ToBitmap();
}

} // namespace

Bitmap DrawClosedCell(int32_t pixels)
{
    const CellCanvas cell(pixels);
    const int32_t size = cell.Size();
    Canvas canvas(size, size, Grey(0));
    canvas.FillRect(0, 0, size, size, Gradient(0, 0, Grey(222), size, size, Grey(208)));
    cell.Bevel(canvas, {Grey(255), Grey(255), Grey(238)}, {Grey(128), Grey(142), Grey(172)});
    return canvas.ToBitmap();
}

Bitmap DrawPressedCell(int32_t pixels)
{
    const CellCanvas cell(pixels);
    Canvas canvas(cell.Size(), cell.Size(), Grey(215));
    cell.Bevel(canvas, {Grey(150), Grey(192)}, {Grey(236)});
    return canvas.ToBitmap();
}

Bitmap DrawOpenCell(int32_t pixels)
{
    return BorderedCell(CellCanvas(pixels), OpenColour, BorderGrey).ToBitmap();
}

Bitmap DrawNumberCell(int number, int32_t pixels, NumberPalette numbers)
{
    const CellCanvas cell(pixels);
    Canvas canvas = BorderedCell(cell, OpenColour, BorderGrey);
    const double unit = cell.Scaled(1.8); // the figure is 8 x 10 grid units
    const Point centre = cell.Centre();
    canvas.Fill(GlyphShape('0' + number, {centre.X - 4 * unit, centre.Y + 5 * unit}, unit,
                    cell.Scaled(4.6)),
        ColourOf(cell_look::NumberColours(numbers)[size_t(number - 1)]));
    return canvas.ToBitmap();
}

Bitmap DrawMineCell(int32_t pixels)
{
    return MineOn(CellCanvas(pixels), OpenColour, BorderGrey);
}

Bitmap DrawExplodedMine(int32_t pixels)
{
    return MineOn(CellCanvas(pixels), Colour {255, 23, 23}, Colour {170, 0, 0});
}

Bitmap DrawBonusMine()
{
    // Shown 34 x 13 pixels: the ball is drawn taller than wide so that it looks round.
    Canvas canvas(32, 16, OpenColour);
    PaintMine(canvas, {16, 8}, 3.6, 4.6);
    return canvas.ToBitmap();
}

} // namespace orvane::art
