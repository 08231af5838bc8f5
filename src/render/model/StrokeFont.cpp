// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/model/StrokeFont.h"

#include <array>
#include <charconv>
#include <string_view>

namespace orvane::art {
namespace {

// Each glyph is a list of strokes separated by '|'. A stroke is a list of grid points
// "x,y" joined by straight lines; "@cx,cy,rx,ry,from,to" adds the points of an elliptic
// arc (degrees, counter-clockwise, 0 to the right).
constexpr int FirstCode = 32;
constexpr std::array<std::string_view, 128> Glyphs = {
    // 32..47:  ! " # $ % & ' ( ) * + , - . /
    "",
    "4,10 4,3.5|3.6,0 4.4,0",
    "2.5,10 2.5,7|5.5,10 5.5,7",
    "0,3 8,3|0,7 8,7|2.5,0 2.5,10|5.5,0 5.5,10",
    "@4,6.8,3.6,1.8,30,270 @4,3.2,3.6,1.8,90,-150|4,10.5 4,-0.5",
    "0,0 8,10|@1.9,8.1,1.9,1.9,0,360|@6.1,1.9,1.9,1.9,0,360",
    "8,0 2,6.4 @3.7,8.3,1.9,1.7,225,-40 0.8,3.4 @3.5,2.6,2.9,2.6,165,360 7.8,4.5",
    "4,10 4,7",
    "@9,5,5,6,122,238",
    "@-1,5,5,6,58,-58",
    "4,10 4,2|0.6,8 7.4,4|0.6,4 7.4,8",
    "4,1.5 4,8.5|0.5,5 7.5,5",
    "4.5,0.8 4.5,0 3.2,-1",
    "1,5 7,5",
    "3.6,0 4.4,0",
    "1,0 7,10",
    // 48..57: 0..9
    "@4,6.5,3.6,3.5,0,180 @4,3.5,3.6,3.5,180,360 7.6,6.5",
    "1.8,7.8 4.6,10 4.6,0|1.6,0 7.4,0",
    "@4,7,3.8,3,158,-28 0,0 8,0",
    "@4,7.6,3.6,2.4,150,-90 @4,2.6,4,2.6,90,-150|2.6,5 4,5",
    "6,0 6,10 0,3 8,3",
    "7.5,10 1.2,10 0.8,5.5 @4,3.3,4,3.3,135,-150",
    "@4.4,5,4,5,68,180 @4,3.3,4,3.3,180,540",
    "0,10 8,10 2.8,0",
    "@4,7.7,3.4,2.3,0,360|@4,2.7,4,2.7,0,360",
    "@4,6.7,4,3.3,0,360 @3.6,5,4,5,0,-112",
    // 58..64: : ; < = > ? @
    "3.6,6.5 4.4,6.5|3.6,0 4.4,0",
    "3.6,6.5 4.4,6.5|4.5,0.8 4.5,0 3.2,-1",
    "7,9 1,5 7,1",
    "1,7 7,7|1,3 7,3",
    "1,9 7,5 1,1",
    "@4,7.5,3.6,2.5,160,-90 4,3.5|3.6,0 4.4,0",
    "5.6,7 5.6,3.4 6.6,2.8 @4,5,4,5,-20,290|@4,5,1.6,2,0,360",
    // 65..90: A..Z
    "0,0 3.2,10 4.8,10 8,0|1.3,4 6.7,4",
    "0,0 0,10 5,10 @5,7.5,2.5,2.5,90,-90 0,5|5,5 @5.5,2.5,2.5,2.5,90,-90 0,0",
    "@4,6,4,4,35,180 @4,4,4,4,180,325",
    "0,0 0,10 4,10 @4,6,4,4,90,0 @4,4,4,4,0,-90 0,0",
    "8,10 0,10 0,0 8,0|0,5 6,5",
    "8,10 0,10 0,0|0,5 6,5",
    "@4,6,4,4,35,180 @4,4,4,4,180,360 8,5 4.5,5",
    "0,0 0,10|8,0 8,10|0,5 8,5",
    "2,10 6,10|4,10 4,0|2,0 6,0",
    "4,10 8,10 8,4 @4,4,4,4,0,-165",
    "0,0 0,10|8,10 0,4|2.6,5.9 8,0",
    "0,10 0,0 8,0",
    "0,0 0,10 4,4 8,10 8,0",
    "0,0 0,10 8,0 8,10",
    "@4,6,4,4,0,180 @4,4,4,4,180,360 8,6",
    "0,0 0,10 5,10 @5,7.5,3,2.5,90,-90 0,5",
    "@4,6,4,4,0,180 @4,4,4,4,180,360 8,6|5,2.5 8,-0.5",
    "0,0 0,10 5,10 @5,7.5,3,2.5,90,-90 0,5|4.5,5 8,0",
    "@4,7.5,3.8,2.5,25,270 @4,2.5,4,2.5,90,-155",
    "0,10 8,10|4,10 4,0",
    "0,10 0,4 @4,4,4,4,180,360 8,10",
    "0,10 4,0 8,10",
    "0,10 1.8,0 4,6.5 6.2,0 8,10",
    "0,10 8,0|0,0 8,10",
    "0,10 4,5 8,10|4,5 4,0",
    "0,10 8,10 0,0 8,0",
    // 91..96: [ \ ] ^ _ `
    "6,11 3,11 3,-1 6,-1",
    "1,10 7,0",
    "2,11 5,11 5,-1 2,-1",
    "1.5,6.5 4,10 6.5,6.5",
    "0,-1 8,-1",
    "3,10 5,8",
    // 97..122: a..z take the capitals' shapes
    "",
    "",
    "",
    "",
    "",
    "",
    "",
    "",
    "",
    "",
    "",
    "",
    "",
    "",
    "",
    "",
    "",
    "",
    "",
    "",
    "",
    "",
    "",
    "",
    "",
    "",
    // 123..127: { | } ~ and a small house
    "6.5,11 5.2,11 4.2,10 4.2,6 2.8,5 4.2,4 4.2,0 5.2,-1 6.5,-1",
    "4,11 4,-1",
    "1.5,11 2.8,11 3.8,10 3.8,6 5.2,5 3.8,4 3.8,0 2.8,-1 1.5,-1",
    "@2.2,5,1.8,1.5,180,0 @5.8,5,1.8,1.5,180,360",
    "0,0 0,5 4,9 8,5 8,0 0,0",
    // 128..159: symbols beyond the printable range: arrows, tick, cross, ring, box,
    // diamond, triangle, nearly equal
    "8,5 0,5|3.5,8.5 0,5 3.5,1.5",
    "4,0 4,10|0.5,6.5 4,10 7.5,6.5",
    "0,5 8,5|4.5,8.5 8,5 4.5,1.5",
    "4,10 4,0|0.5,3.5 4,0 7.5,3.5",
    "0.5,5 3,1.5 8,9.5",
    "1,1 7,9|1,9 7,1",
    "@4,5,4,4,0,360",
    "0,1 8,1 8,9 0,9 0,1",
    "4,10 8,5 4,0 0,5 4,10",
    "0,1 4,9 8,1 0,1",
    "@2.2,6.8,1.8,1.5,180,0 @5.8,6.8,1.8,1.5,180,360|@2.2,3.2,1.8,1.5,180,0 "
    "@5.8,3.2,1.8,1.5,180,360",
};

bool Number(std::string_view& text, double& value)
{
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc())
        return false;
    text.remove_prefix(size_t(end - text.data()));
    if (!text.empty() && text.front() == ',')
        text.remove_prefix(1);
    return true;
}

// Appends the points of one token of a stroke, already in pixels.
void AddPoints(std::string_view token, Point origin, double unit, std::vector<Point>& points)
{
    auto pixel = [&](double x, double y) {
        return Point {origin.X + x * unit, origin.Y - y * unit};
    };
    const bool arc = token.front() == '@';
    if (arc)
        token.remove_prefix(1);
    std::array<double, 6> v {};
    const size_t count = arc ? 6 : 2;
    for (size_t i = 0; i < count; ++i)
        if (!Number(token, v[i]))
            return;
    if (!arc) {
        points.push_back(pixel(v[0], v[1]));
        return;
    }
    for (const Point& p : Arc(pixel(v[0], v[1]), v[2] * unit, v[3] * unit, v[4], v[5]))
        points.push_back(p);
}

std::string_view StrokesOf(int code)
{
    if (code >= 'a' && code <= 'z')
        code -= 'a' - 'A';
    if (code < FirstCode || code >= FirstCode + int(Glyphs.size()))
        return {};
    return Glyphs[size_t(code - FirstCode)];
}

} // namespace

Shape GlyphShape(int code, Point origin, double unit, double strokeWidth)
{
    std::vector<Shape> strokes;
    std::string_view rest = StrokesOf(code);
    while (!rest.empty()) {
        const size_t bar = rest.find('|');
        std::string_view stroke = rest.substr(0, bar);
        rest = bar == std::string_view::npos ? std::string_view {} : rest.substr(bar + 1);
        std::vector<Point> points;
        while (!stroke.empty()) {
            const size_t space = stroke.find(' ');
            AddPoints(stroke.substr(0, space), origin, unit, points);
            stroke
                = space == std::string_view::npos ? std::string_view {} : stroke.substr(space + 1);
        }
        if (!points.empty())
            strokes.push_back(Polyline(points, strokeWidth));
    }
    return Union(std::move(strokes));
}

} // namespace orvane::art
