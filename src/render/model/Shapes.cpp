// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/model/Shapes.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace orvane::art {
namespace {

double Length(double x, double y)
{
    return std::hypot(x, y);
}

double Radians(double degrees)
{
    return degrees * std::numbers::pi / 180.0;
}

// Distance from p to the segment a-b.
double SegmentDistance(Point p, Point a, Point b)
{
    const double ex = b.X - a.X;
    const double ey = b.Y - a.Y;
    const double wx = p.X - a.X;
    const double wy = p.Y - a.Y;
    const double lengthSquared = ex * ex + ey * ey;
    const double t
        = lengthSquared > 0 ? std::clamp((wx * ex + wy * ey) / lengthSquared, 0.0, 1.0) : 0.0;
    return Length(wx - ex * t, wy - ey * t);
}

} // namespace

Shape Disc(Point centre, double radius)
{
    return [=](double x, double y) { return Length(x - centre.X, y - centre.Y) - radius; };
}

Shape Ellipse(Point centre, double radiusX, double radiusY)
{
    return [=](double x, double y) {
        const double px = x - centre.X;
        const double py = y - centre.Y;
        const double k0 = Length(px / radiusX, py / radiusY);
        const double k1 = Length(px / (radiusX * radiusX), py / (radiusY * radiusY));
        return k1 > 0 ? k0 * (k0 - 1.0) / k1 : -std::min(radiusX, radiusY);
    };
}

Shape Box(double left, double top, double right, double bottom, double radius)
{
    const double cx = (left + right) / 2;
    const double cy = (top + bottom) / 2;
    const double hx = (right - left) / 2 - radius;
    const double hy = (bottom - top) / 2 - radius;
    return [=](double x, double y) {
        const double qx = std::abs(x - cx) - hx;
        const double qy = std::abs(y - cy) - hy;
        return Length(std::max(qx, 0.0), std::max(qy, 0.0)) + std::min(std::max(qx, qy), 0.0)
            - radius;
    };
}

Shape Segment(Point from, Point to, double width)
{
    return [=](double x, double y) { return SegmentDistance({x, y}, from, to) - width / 2; };
}

Shape Polyline(const std::vector<Point>& points, double width)
{
    return [=](double x, double y) {
        double nearest = SegmentDistance({x, y}, points.front(), points.front());
        for (size_t i = 1; i < points.size(); ++i)
            nearest = std::min(nearest, SegmentDistance({x, y}, points[i - 1], points[i]));
        return nearest - width / 2;
    };
}

Shape Polygon(const std::vector<Point>& corners)
{
    return [=](double x, double y) {
        double nearest = 1e300;
        bool inside = false;
        for (size_t i = 0, j = corners.size() - 1; i < corners.size(); j = i++) {
            const Point a = corners[i];
            const Point b = corners[j];
            nearest = std::min(nearest, SegmentDistance({x, y}, a, b));
            if ((a.Y > y) != (b.Y > y) && x < (b.X - a.X) * (y - a.Y) / (b.Y - a.Y) + a.X)
                inside = !inside;
        }
        return inside ? -nearest : nearest;
    };
}

std::vector<Point> Arc(
    Point centre, double radiusX, double radiusY, double fromDegrees, double toDegrees)
{
    const int steps = std::max(2, int(std::ceil(std::abs(toDegrees - fromDegrees) / 5.0)));
    std::vector<Point> points;
    for (int i = 0; i <= steps; ++i) {
        const double angle = Radians(fromDegrees + (toDegrees - fromDegrees) * i / steps);
        points.push_back(
            {centre.X + radiusX * std::cos(angle), centre.Y - radiusY * std::sin(angle)});
    }
    return points;
}

Shape Union(std::vector<Shape> shapes)
{
    return [shapes = std::move(shapes)](double x, double y) {
        double nearest = 1e300;
        for (const Shape& shape : shapes)
            nearest = std::min(nearest, shape(x, y));
        return nearest;
    };
}

Shape Grown(const Shape& shape, double amount)
{
    return [=](double x, double y) { return shape(x, y) - amount; };
}

Shape Placed(const Shape& shape, Point centre, double scaleX, double scaleY)
{
    const double scale = std::sqrt(scaleX * scaleY);
    return [=](double x, double y) {
        return shape((x - centre.X) / scaleX, (y - centre.Y) / scaleY) * scale;
    };
}

} // namespace orvane::art
