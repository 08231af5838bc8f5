// SPDX-License-Identifier: GPL-3.0-or-later
#include <array>

#include "render/model/Canvas.h"
#include "render/model/PictureGroups.h"

namespace orvane::art {
namespace {

constexpr int32_t Width = 32;
constexpr int32_t Height = 64;

// Centre lines of the segments, their thickness and the gap between neighbours.
constexpr double Left = 8, Right = 24, Top = 7, Middle = 32, Bottom = 57;
constexpr double Half = 3.2, Gap = 1.1;
constexpr double Slant = 0.07; // the figures lean forwards a little

// Segments in the order A..G, as centre lines from (X0, Y0) to (X1, Y1):
//   -A-
//  F   B
//   -G-
//  E   C
//   -D-
struct Line {
    double X0, Y0, X1, Y1;
};
constexpr std::array<Line, 7> Segments = {{
    {Left, Top, Right, Top},
    {Right, Top, Right, Middle},
    {Right, Middle, Right, Bottom},
    {Left, Bottom, Right, Bottom},
    {Left, Middle, Left, Bottom},
    {Left, Top, Left, Middle},
    {Left, Middle, Right, Middle},
}};
// Lit segments of each digit, bit n for segment n (A = bit 0).
constexpr std::array<int, 10> LitSegments = {0b0111111, 0b0000110, 0b1011011, 0b1001111, 0b1100110,
    0b1101101, 0b1111101, 0b0000111, 0b1111111, 0b1101111};

Point Leaning(double x, double y)
{
    return {x + (Middle - y) * Slant, y};
}

// A segment with pointed ends along its centre line.
Shape SegmentShape(const Line& line)
{
    if (line.Y0 == line.Y1) {
        const double a = line.X0 + Gap, b = line.X1 - Gap, y = line.Y0;
        return Polygon({Leaning(a, y), Leaning(a + Half, y - Half), Leaning(b - Half, y - Half),
            Leaning(b, y), Leaning(b - Half, y + Half), Leaning(a + Half, y + Half)});
    }
    const double a = line.Y0 + Gap, b = line.Y1 - Gap, x = line.X0;
    return Polygon({Leaning(x, a), Leaning(x + Half, a + Half), Leaning(x + Half, b - Half),
        Leaning(x, b), Leaning(x - Half, b - Half), Leaning(x - Half, a + Half)});
}

} // namespace

Bitmap DrawCounterDigit(int digit)
{
    std::vector<Shape> lit;
    std::vector<Shape> dark;
    for (size_t n = 0; n < Segments.size(); ++n)
        ((LitSegments[size_t(digit)] >> n & 1) ? lit : dark).push_back(SegmentShape(Segments[n]));

    Canvas canvas(Width, Height, Grey(0));
    const Shape litShape = Union(lit);
    canvas.Fill(Union(dark), Colour {38, 5, 5});
    canvas.Halo(litShape, Colour {255, 0, 0}, 5, 0.3);
    canvas.Fill(litShape, Gradient(0, Top, Colour {255, 70, 50}, 0, Bottom, Colour {235, 18, 10}));
    return canvas.ToBitmap();
}

} // namespace orvane::art
