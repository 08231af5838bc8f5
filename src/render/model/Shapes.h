// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <functional>
#include <vector>

namespace orvane::art {

struct Point {
    double X = 0;
    double Y = 0;
};

// A shape as its signed distance field: distance in pixels from a point to the
// shape's edge, negative inside. Edges drawn from it are anti-aliased for free, and
// shapes combine by plain arithmetic.
using Shape = std::function<double(double x, double y)>;

Shape Disc(Point centre, double radius);
Shape Ellipse(Point centre, double radiusX, double radiusY);
// Axis-aligned rectangle [left, right] x [top, bottom], corners rounded by radius.
Shape Box(double left, double top, double right, double bottom, double radius = 0);
// Stroke of the given width along a segment, round ends.
Shape Segment(Point from, Point to, double width);
// Stroke along connected segments, round joins and ends.
Shape Polyline(const std::vector<Point>& points, double width);
// Any simple polygon, in either winding.
Shape Polygon(const std::vector<Point>& corners);
// Points of an elliptic arc, angles in degrees, 0 to the right, 90 upwards on screen.
std::vector<Point> Arc(
    Point centre, double radiusX, double radiusY, double fromDegrees, double toDegrees);

Shape Union(std::vector<Shape> shapes);
// The shape grown outwards by amount (shrunk when negative).
Shape Grown(const Shape& shape, double amount);
// The shape drawn in its own units, placed with its origin at centre and scaled by
// (scaleX, scaleY) pixels per unit; distances stay close to pixels for mild stretches.
Shape Placed(const Shape& shape, Point centre, double scaleX, double scaleY);

} // namespace orvane::art
