// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/model/Canvas.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace orvane::art {
namespace {

// Painted pixels are kept at least this far (in one component) from a key colour.
constexpr int KeyClearance = 4;

uint8_t ToByte(double value)
{
    return uint8_t(std::lround(std::clamp(value, 0.0, 255.0)));
}

Rgb8 ToRgb8(Colour c)
{
    return {ToByte(c.R), ToByte(c.G), ToByte(c.B)};
}

bool NearKey(Rgb8 c, Rgb8 key)
{
    return std::abs(c.R - key.R) < KeyClearance && std::abs(c.G - key.G) < KeyClearance
        && std::abs(c.B - key.B) < KeyClearance;
}

uint8_t AwayFrom(uint8_t value, uint8_t key)
{
    const bool up = value > key || (value == key && key < 128);
    return uint8_t(up ? key + KeyClearance : key - KeyClearance);
}

} // namespace

Colour Mix(Colour from, Colour to, double amount)
{
    return {from.R + (to.R - from.R) * amount, from.G + (to.G - from.G) * amount,
        from.B + (to.B - from.B) * amount};
}

Colour Lighter(Colour c, double amount)
{
    return Mix(c, Grey(255), amount);
}

Colour Darker(Colour c, double amount)
{
    return Mix(c, Grey(0), amount);
}

Paint Solid(Colour c)
{
    return [c](double, double) { return c; };
}

Paint Gradient(double x0, double y0, Colour from, double x1, double y1, Colour to)
{
    const double dx = x1 - x0;
    const double dy = y1 - y0;
    const double lengthSquared = dx * dx + dy * dy;
    return [=](double x, double y) {
        const double t = ((x - x0) * dx + (y - y0) * dy) / lengthSquared;
        return Mix(from, to, std::clamp(t, 0.0, 1.0));
    };
}

Paint Radial(double cx, double cy, double radius, Colour from, Colour to)
{
    return [=](double x, double y) {
        return Mix(from, to, std::min(1.0, std::hypot(x - cx, y - cy) / radius));
    };
}

Canvas::Canvas(int32_t width, int32_t height, Colour background) :
    width_(width), height_(height), pixels_(size_t(width) * size_t(height), Pixel {background, 0})
{
}

Colour Canvas::At(int32_t x, int32_t y) const
{
    return pixels_[size_t(y) * size_t(width_) + size_t(x)].colour;
}

double Canvas::CoverageAt(int32_t x, int32_t y) const
{
    return pixels_[size_t(y) * size_t(width_) + size_t(x)].coverage;
}

void Canvas::Blend(int32_t x, int32_t y, Colour colour, double amount)
{
    if (x < 0 || y < 0 || x >= width_ || y >= height_ || amount <= 0)
        return;
    Pixel& pixel = pixels_[size_t(y) * size_t(width_) + size_t(x)];
    amount = std::min(amount, 1.0);
    pixel.colour = Mix(pixel.colour, colour, amount);
    pixel.coverage += amount * (1 - pixel.coverage);
}

void Canvas::FillRect(int32_t left, int32_t top, int32_t right, int32_t bottom, const Paint& paint)
{
    for (int32_t y = top; y < bottom; ++y)
        for (int32_t x = left; x < right; ++x)
            Blend(x, y, paint(x + 0.5, y + 0.5), 1);
}

void Canvas::FillRect(int32_t left, int32_t top, int32_t right, int32_t bottom, Colour colour)
{
    FillRect(left, top, right, bottom, Solid(colour));
}

void Canvas::Fill(const Shape& shape, const Paint& paint, double opacity)
{
    for (int32_t y = 0; y < height_; ++y) {
        for (int32_t x = 0; x < width_; ++x) {
            const double cover = std::clamp(0.5 - shape(x + 0.5, y + 0.5), 0.0, 1.0);
            if (cover > 0)
                Blend(x, y, paint(x + 0.5, y + 0.5), cover * opacity);
        }
    }
}

void Canvas::Fill(const Shape& shape, Colour colour, double opacity)
{
    Fill(shape, Solid(colour), opacity);
}

void Canvas::Bevel(int32_t left, int32_t top, int32_t right, int32_t bottom,
    const std::vector<Colour>& light, const std::vector<Colour>& dark)
{
    for (int32_t y = top; y < bottom; ++y) {
        for (int32_t x = left; x < right; ++x) {
            const size_t toLight = size_t(std::min(x - left, y - top));
            const size_t toDark = size_t(std::min(right - 1 - x, bottom - 1 - y));
            if (toLight <= toDark && toLight < light.size())
                Blend(x, y, light[toLight], 1);
            else if (toDark < toLight && toDark < dark.size())
                Blend(x, y, dark[toDark], 1);
        }
    }
}

void Canvas::Halo(const Shape& shape, Colour colour, double radius, double strength)
{
    for (int32_t y = 0; y < height_; ++y) {
        for (int32_t x = 0; x < width_; ++x) {
            const double fade = 1 - std::max(0.0, shape(x + 0.5, y + 0.5)) / radius;
            if (fade > 0)
                Blend(x, y, colour, strength * fade * fade);
        }
    }
}

void Canvas::Paste(const Canvas& part, int32_t left, int32_t top)
{
    for (int32_t y = 0; y < part.height_; ++y) {
        for (int32_t x = 0; x < part.width_; ++x) {
            if (x + left < 0 || y + top < 0 || x + left >= width_ || y + top >= height_)
                continue;
            pixels_[size_t(y + top) * size_t(width_) + size_t(x + left)]
                = part.pixels_[size_t(y) * size_t(part.width_) + size_t(x)];
        }
    }
}

Bitmap Canvas::Encode(const std::function<Rgb8(const Pixel&)>& toBytes) const
{
    Bitmap bitmap {width_, height_, {}};
    bitmap.Bytes.reserve(size_t(width_) * size_t(height_) * 3);
    for (int32_t row = height_ - 1; row >= 0; --row) {
        for (int32_t x = 0; x < width_; ++x) {
            const Rgb8 c = toBytes(pixels_[size_t(row) * size_t(width_) + size_t(x)]);
            bitmap.Bytes.insert(bitmap.Bytes.end(), {c.B, c.G, c.R});
        }
    }
    return bitmap;
}

Bitmap Canvas::ToBitmap() const
{
    return Encode([](const Pixel& pixel) { return ToRgb8(pixel.colour); });
}

Bitmap Canvas::ToKeyedBitmap(Rgb8 key) const
{
    return Encode([key](const Pixel& pixel) {
        if (pixel.coverage < 0.5)
            return key;
        Rgb8 c = ToRgb8(pixel.colour);
        if (NearKey(c, key))
            c.G = AwayFrom(c.G, key.G);
        return c;
    });
}

} // namespace orvane::art
