// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/model/Canvas.h"
#include "render/model/PictureGroups.h"

namespace orvane::art {
namespace {

constexpr Point Centre {16, 16};
constexpr Colour Ink {52, 36, 12};
constexpr Colour Matte {200, 176, 70}; // what the rim's edge pixels fade to
constexpr double EyeY = 12.6, LeftEyeX = 11.4, RightEyeX = 20.6;

void PaintHead(Canvas& canvas)
{
    canvas.Fill(Disc(Centre, 14.7), Colour {150, 104, 12});
    canvas.Fill(
        Disc(Centre, 13.4), Radial(12, 10, 19, Colour {255, 248, 160}, Colour {242, 172, 16}));
}

void PaintCheeks(Canvas& canvas)
{
    for (double x : {8.0, 24.0})
        canvas.Fill(Ellipse({x, 19.5}, 2.6, 1.8), Colour {255, 120, 70}, 0.35);
}

void PaintEyes(Canvas& canvas, double radiusX, double radiusY)
{
    for (double x : {LeftEyeX, RightEyeX}) {
        canvas.Fill(Ellipse({x, EyeY}, radiusX, radiusY), Ink);
        canvas.Fill(Disc({x - radiusX * 0.35, EyeY - radiusY * 0.4}, 0.75), Grey(255), 0.9);
    }
}

// A curved mouth: the part of a circle about (16, centreY) between two angles.
void PaintMouthArc(
    Canvas& canvas, double centreY, double radius, double from, double to, double width)
{
    canvas.Fill(Polyline(Arc({16, centreY}, radius, radius, from, to), width), Ink);
}

void PaintCrossedEyes(Canvas& canvas)
{
    constexpr double Reach = 2.1;
    for (double x : {LeftEyeX, RightEyeX})
        canvas.Fill(Union({Segment({x - Reach, EyeY - Reach}, {x + Reach, EyeY + Reach}, 1.8),
                        Segment({x - Reach, EyeY + Reach}, {x + Reach, EyeY - Reach}, 1.8)}),
            Ink);
}

void PaintSunglasses(Canvas& canvas)
{
    const Shape lenses = Union({Box(5.6, 9.6, 14.6, 16.2, 2.6), Box(17.4, 9.6, 26.4, 16.2, 2.6)});
    const Shape frame = Union({Segment({14, 11}, {18, 11}, 1.6),
        Segment({5.8, 11}, {2.4, 9.8}, 1.5), Segment({26.2, 11}, {29.6, 9.8}, 1.5)});
    canvas.Fill(frame, Colour {20, 20, 26});
    canvas.Fill(lenses, Gradient(0, 9.6, Colour {70, 74, 92}, 0, 16.2, Colour {12, 12, 18}));
    for (double x : {7.6, 19.4})
        canvas.Fill(Segment({x, 14.2}, {x + 3.2, 11.2}, 1.3), Grey(255), 0.55);
}

void PaintOpenMouth(Canvas& canvas)
{
    canvas.Fill(Ellipse({16, 22.4}, 3.4, 3.9), Ink);
    canvas.Fill(Ellipse({16, 23.9}, 2.1, 1.7), Colour {214, 70, 60});
}

} // namespace

Bitmap DrawFace(Mood mood)
{
    Canvas canvas(32, 32, Matte);
    PaintHead(canvas);
    switch (mood) {
    case Mood::Normal:
        PaintCheeks(canvas);
        PaintEyes(canvas, 1.9, 2.7);
        PaintMouthArc(canvas, 16.2, 8.2, 212, 328, 2.0);
        break;
    case Mood::OpenMouth:
        PaintEyes(canvas, 2.3, 2.9);
        PaintOpenMouth(canvas);
        break;
    case Mood::Lost:
        PaintCrossedEyes(canvas);
        PaintMouthArc(canvas, 27.6, 7.0, 52, 128, 2.0);
        break;
    case Mood::Won:
        PaintCheeks(canvas);
        PaintSunglasses(canvas);
        PaintMouthArc(canvas, 15.8, 9.0, 208, 332, 2.2);
        break;
    }
    return canvas.ToKeyedBitmap(picture_key::Face);
}

} // namespace orvane::art
