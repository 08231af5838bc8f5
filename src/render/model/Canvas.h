// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstdint>
#include <functional>
#include <vector>

#include "render/model/Pictures.h"
#include "render/model/Shapes.h"

namespace orvane::art {

// A colour with components 0..255, kept as real numbers while a picture is drawn.
struct Colour {
    double R = 0;
    double G = 0;
    double B = 0;
};

constexpr Colour Grey(double level)
{
    return {level, level, level};
}
constexpr Colour ColourOf(Rgb8 c)
{
    return {double(c.R), double(c.G), double(c.B)};
}
// amount 0 gives from, 1 gives to.
Colour Mix(Colour from, Colour to, double amount);
Colour Lighter(Colour c, double amount); // towards white
Colour Darker(Colour c, double amount);  // towards black

// The colour of a filled area at a point (pixel coordinates), for gradients.
using Paint = std::function<Colour(double x, double y)>;
Paint Solid(Colour c);
// Linear gradient: from at (x0, y0), to at (x1, y1), constant beyond the ends.
Paint Gradient(double x0, double y0, Colour from, double x1, double y1, Colour to);
// Radial gradient around (cx, cy): from at the centre, to at the given radius and beyond.
Paint Radial(double cx, double cy, double radius, Colour from, Colour to);

// Pixel (x, y) covers [x, x+1) x [y, y+1), y downwards from the top row. Besides its
// colour each pixel remembers how much of it has been painted (its coverage), so that
// a keyed picture knows which pixels are background.
class Canvas {
public:
    Canvas(int32_t width, int32_t height, Colour background);

    int32_t Width() const { return width_; }
    int32_t Height() const { return height_; }
    Colour At(int32_t x, int32_t y) const;
    double CoverageAt(int32_t x, int32_t y) const;

    // Paints amount (0..1) of colour over the pixel; outside the canvas nothing happens.
    void Blend(int32_t x, int32_t y, Colour colour, double amount);
    // Rectangle of whole pixels, right and bottom exclusive.
    void FillRect(int32_t left, int32_t top, int32_t right, int32_t bottom, const Paint& paint);
    void FillRect(int32_t left, int32_t top, int32_t right, int32_t bottom, Colour colour);
    // Anti-aliased: each pixel is painted by the part of it the shape covers, times opacity.
    void Fill(const Shape& shape, const Paint& paint, double opacity = 1);
    void Fill(const Shape& shape, Colour colour, double opacity = 1);
    // Rings of one pixel along the rectangle's inside, outermost first: the top and
    // left rings take light colours, the bottom and right ones dark colours, with the
    // corners split on the diagonal.
    void Bevel(int32_t left, int32_t top, int32_t right, int32_t bottom,
        const std::vector<Colour>& light, const std::vector<Colour>& dark);
    // Soft light outside the shape's edge, fading out over radius pixels.
    void Halo(const Shape& shape, Colour colour, double radius, double strength);

    // Copies another canvas, coverage and all, with its top-left corner at (left, top).
    void Paste(const Canvas& part, int32_t left, int32_t top);

    Bitmap ToBitmap() const;
    // Pixels painted less than half become exactly the key; painted pixels that would
    // come within a few steps of the key are moved away from it, so that no stray pixel
    // turns transparent or leaves a near-key fringe.
    Bitmap ToKeyedBitmap(Rgb8 key) const;

private:
    struct Pixel {
        Colour colour;
        double coverage = 0;
    };
    Bitmap Encode(const std::function<Rgb8(const Pixel&)>& toBytes) const;

    int32_t width_;
    int32_t height_;
    std::vector<Pixel> pixels_;
};

} // namespace orvane::art
