// SPDX-License-Identifier: GPL-3.0-or-later
#include <cmath>
#include <numbers>

#include "render/model/Canvas.h"
#include "render/model/PictureGroups.h"

namespace orvane::art {

Bitmap DrawMoveMark()
{
    // Thick enough to survive being drawn at a quarter of its size without mipmaps.
    constexpr double Inset = 3, Thickness = 6.5, Arm = 21, Far = 64 - Inset;
    std::vector<Shape> brackets;
    for (double x : {Inset, Far - Arm}) {
        for (double y : {Inset, Far - Thickness})
            brackets.push_back(Box(x, y, x + Arm, y + Thickness, 1.2));
    }
    for (double x : {Inset, Far - Thickness}) {
        for (double y : {Inset, Far - Arm})
            brackets.push_back(Box(x, y, x + Thickness, y + Arm, 1.2));
    }
    Canvas canvas(64, 64, Grey(60));
    canvas.Fill(Union(brackets), Grey(8));
    return canvas.ToKeyedBitmap(picture_key::MoveMark);
}

Bitmap DrawPointer()
{
    // An arrow cursor whose tip is the picture's top-left corner.
    const Shape arrow = Polygon(
        {{2.5, 2}, {2.5, 25}, {8, 19.6}, {12.3, 28.6}, {15.6, 27.1}, {11.4, 18.3}, {18.6, 18.3}});
    Canvas canvas(32, 32, Colour {112, 84, 60});
    canvas.Fill(Grown(arrow, 1.1), Colour {80, 36, 0});
    canvas.Fill(
        Grown(arrow, -0.7), Gradient(3, 3, Colour {255, 196, 80}, 14, 24, Colour {240, 110, 0}));
    return canvas.ToKeyedBitmap(picture_key::Pointer);
}

Bitmap DrawGlow()
{
    // A figure eight across the middle; its light fades out well inside the circle
    // that the picture's edges sweep when it turns.
    std::vector<Point> curve;
    for (int i = 0; i <= 160; ++i) {
        const double t = i * 2 * std::numbers::pi / 160;
        curve.push_back({32 + 21 * std::cos(t), 32 + 21 * std::sin(t) * std::cos(t)});
    }
    const Shape eight = Polyline(curve, 2.4);
    Canvas canvas(64, 64, Grey(0));
    canvas.Halo(eight, Grey(255), 8, 0.5);
    canvas.Halo(eight, Grey(255), 3.5, 0.6);
    canvas.Fill(eight, Grey(255));
    return canvas.ToBitmap();
}

Bitmap DrawCrossBar()
{
    Canvas canvas(64, 8, Grey(0));
    canvas.FillRect(
        0, 0, 64, 3, Gradient(0, 0.5, Colour {120, 6, 6}, 0, 2.5, Colour {176, 28, 24}));
    canvas.FillRect(0, 3, 64, 8, Gradient(0, 3.5, Colour {168, 20, 18}, 0, 7.5, Colour {84, 0, 0}));
    return canvas.ToBitmap();
}

} // namespace orvane::art
