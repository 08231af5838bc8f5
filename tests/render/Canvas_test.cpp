// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "render/model/Canvas.h"

namespace orvane::art {
namespace {

Rgb8 StoredPixel(const Bitmap& bitmap, int x, int yFromTop)
{
    const size_t at = (size_t(bitmap.Height - 1 - yFromTop) * size_t(bitmap.Width) + size_t(x)) * 3;
    return {bitmap.Bytes[at + 2], bitmap.Bytes[at + 1], bitmap.Bytes[at]};
}

TEST(Canvas, EncodesBottomRowFirstInBlueGreenRed)
{
    Canvas canvas(4, 2, Colour {10, 20, 30});
    canvas.FillRect(0, 0, 4, 1, Colour {200, 100, 50});
    const Bitmap bitmap = canvas.ToBitmap();
    ASSERT_EQ(bitmap.Bytes.size(), 4u * 2u * 3u);
    EXPECT_EQ(bitmap.Bytes[0], 30); // bottom row, blue first
    EXPECT_EQ(bitmap.Bytes[2], 10);
    EXPECT_EQ(bitmap.Bytes[12], 50); // top row
    EXPECT_EQ(bitmap.Bytes[14], 200);
}

TEST(Canvas, AntiAliasedDiscCoversItsArea)
{
    Canvas canvas(32, 32, Grey(0));
    canvas.Fill(Disc({16, 16}, 9.5), Grey(255));
    double covered = 0;
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x)
            covered += canvas.CoverageAt(x, y);
    EXPECT_NEAR(covered, std::numbers::pi * 9.5 * 9.5, 2.0);
    EXPECT_DOUBLE_EQ(canvas.CoverageAt(16, 16), 1.0);
    EXPECT_DOUBLE_EQ(canvas.CoverageAt(0, 0), 0.0);
    const double edge = canvas.At(25, 16).R; // the disc's edge runs through this pixel
    EXPECT_GT(edge, 40);
    EXPECT_LT(edge, 215);
}

TEST(Canvas, KeyedOutputCutsOutWhatIsMostlyUnpainted)
{
    const Rgb8 key {214, 214, 44};
    Canvas canvas(4, 1, Colour {100, 100, 100});
    canvas.Blend(1, 0, Colour {0, 0, 0}, 0.4);
    canvas.Blend(2, 0, Colour {0, 0, 0}, 0.6);
    canvas.Blend(3, 0, Colour {0, 0, 0}, 1.0);
    const Bitmap bitmap = canvas.ToKeyedBitmap(key);
    EXPECT_EQ(StoredPixel(bitmap, 0, 0), key);
    EXPECT_EQ(StoredPixel(bitmap, 1, 0), key);
    EXPECT_EQ(StoredPixel(bitmap, 2, 0), (Rgb8 {40, 40, 40})); // painted over the matte
    EXPECT_EQ(StoredPixel(bitmap, 3, 0), (Rgb8 {0, 0, 0}));
}

TEST(Canvas, KeyedOutputKeepsPaintedColoursClearOfTheKey)
{
    const Rgb8 key {214, 214, 44};
    Canvas canvas(3, 1, Grey(0));
    canvas.Blend(0, 0, ColourOf(key), 1);
    canvas.Blend(1, 0, Colour {215, 213, 45}, 1);
    canvas.Blend(2, 0, Colour {214, 220, 44}, 1);
    const Bitmap bitmap = canvas.ToKeyedBitmap(key);
    for (int x = 0; x < 2; ++x) {
        const Rgb8 c = StoredPixel(bitmap, x, 0);
        EXPECT_FALSE(c == key) << x;
        EXPECT_GE(std::abs(c.R - key.R) + std::abs(c.G - key.G) + std::abs(c.B - key.B), 4) << x;
    }
    EXPECT_EQ(StoredPixel(bitmap, 2, 0), (Rgb8 {214, 220, 44})); // already clear: unchanged
}

TEST(Canvas, BevelLightsTopAndLeftAndShadesBottomAndRight)
{
    Canvas canvas(8, 8, Grey(128));
    canvas.Bevel(0, 0, 8, 8, {Grey(255), Grey(230)}, {Grey(60)});
    EXPECT_EQ(canvas.At(4, 0).R, 255);
    EXPECT_EQ(canvas.At(0, 4).R, 255);
    EXPECT_EQ(canvas.At(4, 1).R, 230);
    EXPECT_EQ(canvas.At(4, 7).R, 60);
    EXPECT_EQ(canvas.At(7, 4).R, 60);
    EXPECT_EQ(canvas.At(6, 4).R, 128); // dark side has one ring only
    EXPECT_EQ(canvas.At(4, 4).R, 128);
}

} // namespace
} // namespace orvane::art
