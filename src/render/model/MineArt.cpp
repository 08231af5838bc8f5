// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/model/MineArt.h"

#include <cmath>
#include <numbers>

namespace orvane::art {
namespace {

// One spike pointing at the given angle, in the mine's own units.
Shape Spike(double degrees, double length)
{
    const double angle = degrees * std::numbers::pi / 180.0;
    const double c = std::cos(angle), s = std::sin(angle);
    auto at = [&](double along, double across) {
        return Point {along * c - across * s, -(along * s + across * c)};
    };
    return Grown(
        Polygon({at(0.5, -0.26), at(length - 0.06, -0.07), at(length - 0.06, 0.07), at(0.5, 0.26)}),
        0.05);
}

} // namespace

void PaintMine(Canvas& canvas, Point centre, double scaleX, double scaleY)
{
    std::vector<Shape> spikes;
    spikes.reserve(8);
    for (int i = 0; i < 8; ++i)
        spikes.push_back(Spike(45.0 * i, i % 2 == 0 ? 1.5 : 1.32));
    auto place = [&](const Shape& shape) { return Placed(shape, centre, scaleX, scaleY); };
    auto at = [&](double x, double y) {
        return Point {centre.X + x * scaleX, centre.Y + y * scaleY};
    };
    const Point light = at(-0.4, -0.45);

    canvas.Fill(place(Union(spikes)),
        Radial(light.X, light.Y, 1.9 * scaleX, Colour {92, 92, 100}, Colour {34, 34, 40}));
    canvas.Fill(place(Disc({0, 0}, 1.0)),
        Radial(light.X, light.Y, 1.55 * scaleX, Colour {128, 130, 140}, Colour {26, 26, 30}));
    canvas.Fill(place(Disc({0, 0}, 0.34)),
        Radial(at(-0.1, -0.12).X, at(-0.1, -0.12).Y, 0.45 * scaleX, Colour {255, 110, 95},
            Colour {190, 0, 0}));
    canvas.Fill(place(Ellipse({-0.42, -0.46}, 0.2, 0.15)), Grey(255), 0.75);
}

} // namespace orvane::art
