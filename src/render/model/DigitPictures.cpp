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

enum SegmentBit { A = 1, B = 2, C = 4, D = 8, E = 16, F = 32, G = 64 };
//   -A-
//  F   B
//   -G-
//  E   C
//   -D-
constexpr std::array<int, 10> SegmentsOfDigit = {
    A | B | C | D | E | F, B | C,         A | B | G | E | D, A | B | G | C | D, F | G | B | C,
    A | F | G | C | D,     A | F | G | E | C | D, A | B | C, A | B | C | D | E | F | G, A | B | C | D | F | G};

Point Leaning(double x, double y) { return {x + (Middle - y) * Slant, y}; }

// A segment with pointed ends along the centre line from (x0, y0) to (x1, y1).
Shape SegmentShape(double x0, double y0, double x1, double y1) {
    if (y0 == y1) {
        const double a = x0 + Gap, b = x1 - Gap;
        return Polygon({Leaning(a, y0), Leaning(a + Half, y0 - Half), Leaning(b - Half, y0 - Half),
                        Leaning(b, y0), Leaning(b - Half, y0 + Half), Leaning(a + Half, y0 + Half)});
    }
    const double a = y0 + Gap, b = y1 - Gap;
    return Polygon({Leaning(x0, a), Leaning(x0 + Half, a + Half), Leaning(x0 + Half, b - Half),
                    Leaning(x0, b), Leaning(x0 - Half, b - Half), Leaning(x0 - Half, a + Half)});
}

Shape SegmentShape(SegmentBit segment) {
    switch (segment) {
    case A: return SegmentShape(Left, Top, Right, Top);
    case B: return SegmentShape(Right, Top, Right, Middle);
    case C: return SegmentShape(Right, Middle, Right, Bottom);
    case D: return SegmentShape(Left, Bottom, Right, Bottom);
    case E: return SegmentShape(Left, Middle, Left, Bottom);
    case F: return SegmentShape(Left, Top, Left, Middle);
    case G: break;
    }
    return SegmentShape(Left, Middle, Right, Middle);
}

} // namespace

Bitmap DrawCounterDigit(int digit) {
    std::vector<Shape> lit;
    std::vector<Shape> dark;
    for (SegmentBit segment : {A, B, C, D, E, F, G})
        ((SegmentsOfDigit[size_t(digit)] & segment) ? lit : dark).push_back(SegmentShape(segment));

    Canvas canvas(Width, Height, Grey(0));
    const Shape litShape = Union(lit);
    canvas.Fill(Union(dark), Colour{44, 6, 6});
    canvas.Halo(litShape, Colour{255, 0, 0}, 5, 0.3);
    canvas.Fill(litShape, Gradient(0, Top, Colour{255, 70, 50}, 0, Bottom, Colour{235, 18, 10}));
    return canvas.ToBitmap();
}

} // namespace orvane::art
