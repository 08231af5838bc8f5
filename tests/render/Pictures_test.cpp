// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <map>
#include <utility>

#include "render/model/CellLook.h"
#include "render/model/Pictures.h"

namespace orvane {
namespace {

// Pixel (x, y) with y counted from the picture's top row, as the picture is seen.
Rgb8 PixelAt(const Bitmap& bitmap, int x, int y)
{
    const size_t at = (size_t(bitmap.Height - 1 - y) * size_t(bitmap.Width) + size_t(x)) * 3;
    return {bitmap.Bytes[at + 2], bitmap.Bytes[at + 1], bitmap.Bytes[at]};
}

bool NearMiss(Rgb8 c, Rgb8 key)
{
    return !(c == key) && std::abs(c.R - key.R) <= 3 && std::abs(c.G - key.G) <= 3
        && std::abs(c.B - key.B) <= 3;
}

bool Black(Rgb8 c)
{
    return c == Rgb8 {0, 0, 0};
}

// Counts the pixels of a rectangle (right and bottom exclusive) that pass a test.
template<typename Test>
int Count(const Bitmap& bitmap, int left, int top, int right, int bottom, Test test)
{
    int count = 0;
    for (int y = top; y < bottom; ++y)
        for (int x = left; x < right; ++x)
            count += test(PixelAt(bitmap, x, y)) ? 1 : 0;
    return count;
}

// Pixels in which two frames of a flag strip differ.
int FramesDiffer(const Bitmap& strip, int a, int b)
{
    int differ = 0;
    for (int y = 0; y < FlagFrameSize; ++y)
        for (int x = 0; x < FlagFrameSize; ++x)
            differ += PixelAt(strip, a * FlagFrameSize + x, y)
                    == PixelAt(strip, b * FlagFrameSize + x, y)
                ? 0
                : 1;
    return differ;
}

const std::map<int32_t, std::pair<int32_t, int32_t>>& TableSizes()
{
    static const std::map<int32_t, std::pair<int32_t, int32_t>> sizes = [] {
        std::map<int32_t, std::pair<int32_t, int32_t>> s;
        for (int32_t id = 101; id <= 110; ++id)
            s[id] = {32, 64};
        for (int32_t id : {111, 112, 114, 115, 116, 117, 135, 138})
            s[id] = {32, 32};
        for (int32_t id = 122; id <= 133; ++id)
            s[id] = {32, 32};
        s[113] = {32, 16};
        for (int32_t id : {118, 119, 120})
            s[id] = {64, 16};
        s[121] = {256, 128};
        s[134] = {64, 64};
        s[136] = {64, 64};
        s[137] = {64, 8};
        s[139] = {512, 64};
        s[140] = {512, 64};
        return s;
    }();
    return sizes;
}

TEST(Pictures, EveryIdHasTheSizeOfItsTextureSlot)
{
    ASSERT_EQ(TableSizes().size(), 40u);
    for (const auto& [id, size] : TableSizes()) {
        const Bitmap bitmap = LoadPictureResource(id);
        EXPECT_EQ(bitmap.Width, size.first) << id;
        EXPECT_EQ(bitmap.Height, size.second) << id;
        EXPECT_EQ(bitmap.Bytes.size(), size_t(size.first) * size_t(size.second) * 3) << id;
    }
}

TEST(Pictures, IdsOutsideTheRangeGiveAnEmptyBitmap)
{
    for (int32_t id : {-1, 0, 100, 141, 200, 1000}) {
        const Bitmap bitmap = LoadPictureResource(id);
        EXPECT_EQ(bitmap.Width, 0) << id;
        EXPECT_EQ(bitmap.Height, 0) << id;
        EXPECT_TRUE(bitmap.Bytes.empty()) << id;
    }
}

TEST(Pictures, AreTheSameEveryTime)
{
    for (int32_t id = picture_id::First; id <= picture_id::Last; ++id)
        EXPECT_EQ(LoadPictureResource(id).Bytes, LoadPictureResource(id).Bytes) << id;
}

TEST(Pictures, RowsRunBottomUpInBlueGreenRedOrder)
{
    const Bitmap closed = LoadPictureResource(picture_id::ClosedCell);
    // The first stored row is the picture's bottom edge, in the dark bevel; the last
    // stored row is the white top edge.
    EXPECT_LT(closed.Bytes[16 * 3], 160);
    EXPECT_EQ(closed.Bytes[(31 * 32 + 16) * 3], 255);

    const Bitmap exploded = LoadPictureResource(picture_id::ExplodedMine);
    const size_t inside = (size_t(2) * 32 + 2) * 3;
    EXPECT_EQ(exploded.Bytes[inside], 23);      // blue
    EXPECT_EQ(exploded.Bytes[inside + 1], 23);  // green
    EXPECT_EQ(exploded.Bytes[inside + 2], 255); // red
}

TEST(Pictures, KeyedPicturesHoldNoColourJustOffTheirKey)
{
    const std::map<int32_t, Rgb8> keys = {{111, picture_key::Button}, {112, picture_key::Button},
        {114, picture_key::Face}, {115, picture_key::Face}, {116, picture_key::Face},
        {117, picture_key::Face}, {134, picture_key::MoveMark}, {135, picture_key::Pointer},
        {139, picture_key::Flags}, {140, picture_key::Flags}};
    // Not a structured binding: Clang 14 cannot capture one in the lambdas below.
    for (const auto& entry : keys) {
        const int32_t id = entry.first;
        const Rgb8 key = entry.second;
        const Bitmap bitmap = LoadPictureResource(id);
        const int painted
            = Count(bitmap, 0, 0, bitmap.Width, bitmap.Height, [&](Rgb8 c) { return !(c == key); });
        const int keyed
            = Count(bitmap, 0, 0, bitmap.Width, bitmap.Height, [&](Rgb8 c) { return c == key; });
        EXPECT_GT(painted, 0) << id;
        EXPECT_GT(keyed, 0) << id;
        EXPECT_EQ(Count(bitmap, 0, 0, bitmap.Width, bitmap.Height,
                      [&](Rgb8 c) { return NearMiss(c, key); }),
            0)
            << id;
    }
}

TEST(Pictures, ButtonFramesAreOpaqueRimsAroundACutOutFace)
{
    for (int32_t id : {picture_id::ButtonRaised, picture_id::ButtonPressed}) {
        const Bitmap frame = LoadPictureResource(id);
        const auto isKey = [](Rgb8 c) { return c == picture_key::Button; };
        EXPECT_EQ(Count(frame, 3, 3, 29, 29, isKey), 26 * 26) << id;
        EXPECT_EQ(Count(frame, 0, 0, 32, 1, isKey) + Count(frame, 0, 31, 32, 32, isKey)
                + Count(frame, 0, 0, 1, 32, isKey) + Count(frame, 31, 0, 32, 32, isKey),
            0)
            << id;
    }
    const Bitmap raised = LoadPictureResource(picture_id::ButtonRaised);
    EXPECT_EQ(PixelAt(raised, 16, 0), (Rgb8 {255, 255, 255}));
    EXPECT_LT(PixelAt(raised, 16, 31).R, 160);
}

TEST(Pictures, FacesAreRoundOnTheirKey)
{
    for (int32_t id : {114, 115, 116, 117}) {
        const Bitmap face = LoadPictureResource(id);
        for (auto [x, y] : {std::pair {0, 0}, {31, 0}, {0, 31}, {31, 31}, {3, 3}, {28, 28}})
            EXPECT_EQ(PixelAt(face, x, y), picture_key::Face) << id << " at " << x << "," << y;
        for (auto [x, y] : {std::pair {16, 2}, {16, 29}, {2, 16}, {29, 16}, {16, 16}})
            EXPECT_FALSE(PixelAt(face, x, y) == picture_key::Face) << id << " at " << x << "," << y;
    }
    // The four moods are four different faces.
    for (int32_t a = 114; a <= 117; ++a)
        for (int32_t b = a + 1; b <= 117; ++b)
            EXPECT_NE(LoadPictureResource(a).Bytes, LoadPictureResource(b).Bytes) << a << " " << b;
}

TEST(Pictures, MoveMarkIsFourCornersAroundAnOpenMiddle)
{
    const Bitmap mark = LoadPictureResource(picture_id::MoveMark);
    const auto isKey = [](Rgb8 c) { return c == picture_key::MoveMark; };
    EXPECT_EQ(Count(mark, 12, 12, 52, 52, isKey), 40 * 40);
    for (auto [x, y] : {std::pair {6, 6}, {57, 6}, {6, 57}, {57, 57}}) {
        const Rgb8 c = PixelAt(mark, x, y);
        EXPECT_LT(c.R + c.G + c.B, 60) << x << "," << y;
    }
    // Mid-edges stay open between the brackets.
    for (auto [x, y] : {std::pair {32, 5}, {32, 58}, {5, 32}, {58, 32}})
        EXPECT_TRUE(isKey(PixelAt(mark, x, y))) << x << "," << y;
}

TEST(Pictures, PointerTipsUpAndLeft)
{
    const Bitmap pointer = LoadPictureResource(picture_id::Pointer);
    const auto isKey = [](Rgb8 c) { return c == picture_key::Pointer; };
    EXPECT_FALSE(isKey(PixelAt(pointer, 3, 4)));
    EXPECT_EQ(Count(pointer, 22, 22, 32, 32, isKey), 100);
    EXPECT_EQ(Count(pointer, 22, 0, 32, 10, isKey), 100);
    const Rgb8 body = PixelAt(pointer, 7, 14);
    EXPECT_GT(body.R, 200);
    EXPECT_LT(body.B, 100); // orange
}

TEST(Pictures, CounterDigitsShowTheirSegments)
{
    const auto lit = [](Rgb8 c) { return c.R > 200 && c.G < 120; };
    int litOfDigit[10];
    for (int digit = 0; digit < 10; ++digit) {
        const Bitmap bitmap = LoadPictureResource(picture_id::FirstDigit + digit);
        litOfDigit[digit] = Count(bitmap, 0, 0, 32, 64, lit);
        EXPECT_TRUE(Black(PixelAt(bitmap, 0, 0)) && Black(PixelAt(bitmap, 31, 63))) << digit;
        for (int other = 0; other < digit; ++other)
            EXPECT_NE(bitmap.Bytes, LoadPictureResource(picture_id::FirstDigit + other).Bytes)
                << digit;
    }
    EXPECT_GT(litOfDigit[8], litOfDigit[0]);
    EXPECT_GT(litOfDigit[0], litOfDigit[7]);
    EXPECT_GT(litOfDigit[7], litOfDigit[1]);
    EXPECT_GT(litOfDigit[1], 0);
}

TEST(Pictures, CellsShowTheirFaceColours)
{
    const Bitmap closed = LoadPictureResource(picture_id::ClosedCell);
    EXPECT_NEAR(PixelAt(closed, 16, 16).R, 215, 6);
    EXPECT_EQ(PixelAt(closed, 1, 16), (Rgb8 {255, 255, 255}));
    EXPECT_EQ(PixelAt(closed, 30, 16), (Rgb8 {142, 142, 142}));

    const Bitmap open = LoadPictureResource(picture_id::OpenCell);
    EXPECT_EQ(PixelAt(open, 16, 16), (Rgb8 {236, 233, 216}));
    for (auto [x, y] : {std::pair {0, 16}, {31, 16}, {16, 0}, {16, 31}})
        EXPECT_EQ(PixelAt(open, x, y), (Rgb8 {142, 142, 142})) << x << "," << y;

    const Bitmap pressed = LoadPictureResource(picture_id::PressedCell);
    EXPECT_EQ(PixelAt(pressed, 16, 16), (Rgb8 {215, 215, 215}));
}

// The built-in pictures hold the classic colours; the colour-safe ones are drawn on demand.
TEST(Pictures, NumberCellsDrawTheirFigureInItsOwnColourOfEachPalette)
{
    const Rgb8 colours[8] = {{0, 0, 255}, {0, 128, 0}, {255, 0, 0}, {0, 0, 128}, {128, 0, 0},
        {0, 128, 128}, {0, 0, 0}, {128, 128, 128}};
    const Bitmap open = LoadPictureResource(picture_id::OpenCell);
    for (int n = 1; n <= 8; ++n) {
        const int32_t id = picture_id::FirstNumberCell + n - 1;
        const Bitmap cell = LoadPictureResource(id);
        const int inColour = Count(cell, 0, 0, 32, 32, [&](Rgb8 c) { return c == colours[n - 1]; });
        EXPECT_GT(inColour, 60) << n;
        EXPECT_EQ(PixelAt(cell, 2, 2), PixelAt(open, 2, 2)) << n;

        const Rgb8 safe = cell_look::ColourSafeNumberColours[size_t(n - 1)];
        const Bitmap safeCell = DrawCellPicture(id, CellPictureSize, NumberPalette::ColourSafe);
        EXPECT_EQ(Count(safeCell, 0, 0, 32, 32, [&](Rgb8 c) { return c == safe; }), inColour) << n;
        EXPECT_EQ(PixelAt(safeCell, 2, 2), PixelAt(open, 2, 2)) << n;
    }
}

TEST(Pictures, MinesAreDarkBallsWithARedDot)
{
    for (int32_t id : {picture_id::MineCell, picture_id::ExplodedMine}) {
        const Bitmap mine = LoadPictureResource(id);
        const Rgb8 dot = PixelAt(mine, 16, 16);
        EXPECT_GT(dot.R, 180) << id;
        EXPECT_LT(dot.G, 80) << id;
        const Rgb8 ball = PixelAt(mine, 16, 21);
        EXPECT_LT(ball.R + ball.G + ball.B, 200) << id;
    }
    EXPECT_EQ(PixelAt(LoadPictureResource(picture_id::MineCell), 3, 3), (Rgb8 {236, 233, 216}));
    EXPECT_EQ(PixelAt(LoadPictureResource(picture_id::ExplodedMine), 3, 3), (Rgb8 {255, 23, 23}));

    const Bitmap bonus = LoadPictureResource(picture_id::BonusMine);
    EXPECT_EQ(PixelAt(bonus, 1, 1), (Rgb8 {236, 233, 216}));
    EXPECT_GT(PixelAt(bonus, 16, 8).R, 180);
}

TEST(Pictures, BarsHaveTheirColours)
{
    const auto red = [](Rgb8 c) { return c.R > c.G + 60 && c.R > c.B + 60; };
    const auto blue = [](Rgb8 c) { return c.B > c.R + 60 && c.B > c.G + 40; };
    for (int32_t id : {picture_id::PlayerOneBar, picture_id::MessageBar, picture_id::CrossBar}) {
        const Bitmap bar = LoadPictureResource(id);
        EXPECT_EQ(Count(bar, 0, 1, bar.Width, bar.Height - 1, red), bar.Width * (bar.Height - 2))
            << id;
    }
    EXPECT_EQ(Count(LoadPictureResource(picture_id::PlayerTwoBar), 0, 1, 64, 15, blue), 64 * 14);
}

TEST(Pictures, GlowFadesToBlackBeforeTheEdgesItSweepsWhenTurning)
{
    const Bitmap glow = LoadPictureResource(picture_id::Glow);
    int lit = 0;
    for (int y = 0; y < 64; ++y) {
        for (int x = 0; x < 64; ++x) {
            const Rgb8 c = PixelAt(glow, x, y);
            EXPECT_TRUE(c.R == c.G && c.G == c.B) << x << "," << y; // white light only
            if (std::hypot(x + 0.5 - 32, y + 0.5 - 32) >= 31.5) {
                EXPECT_TRUE(Black(c)) << x << "," << y;
            }
            lit += c.R > 200 ? 1 : 0;
        }
    }
    EXPECT_GT(lit, 100);
    EXPECT_TRUE(Black(PixelAt(glow, 32, 10))); // the eight lies across, not along
}

// Drawn for more device pixels, a cell keeps its look with edges of whole pixels: the
// border is as many single-colour rings as the scale rounds to, the face one colour.
TEST(Pictures, CellsDrawnForDevicePixelsKeepWholePixelEdges)
{
    const Rgb8 border {142, 142, 142}, face {236, 233, 216};
    for (auto [pixels, rings] : {std::pair {27, 1}, {44, 1}, {54, 2}, {72, 2}}) {
        SCOPED_TRACE(pixels);
        const Bitmap open = DrawCellPicture(picture_id::OpenCell, pixels);
        ASSERT_EQ(open.Width, pixels);
        ASSERT_EQ(open.Height, pixels);
        const int mid = pixels / 2;
        EXPECT_EQ(Count(open, 0, mid, rings, mid + 1, [&](Rgb8 c) { return c == border; }), rings);
        EXPECT_EQ(Count(open, rings, rings, pixels - rings, pixels - rings,
                      [&](Rgb8 c) { return !(c == face); }),
            0);
        const Bitmap three = DrawCellPicture(picture_id::FirstNumberCell + 2, pixels);
        EXPECT_GT(Count(three, 0, 0, pixels, pixels,
                      [](Rgb8 c) {
                          return c == Rgb8 {255, 0, 0};
                      }),
            pixels * pixels / 20);
    }
    EXPECT_EQ(DrawCellPicture(picture_id::Font, 64).Width, 0) << "not a cell";
    const Bitmap font = DrawFontPicture(2);
    EXPECT_EQ(font.Width, 512);
    EXPECT_EQ(font.Height, 256);
}

TEST(Pictures, SizesForTheScreenAreTheDesignOnesUnlessPixelsAreDevicePixelsApart)
{
    struct Case {
        int cellSize;
        double ratio;
        int32_t cellPixels, fontScale;
    };
    for (const Case c : {Case {22, 1.0, 32, 1}, Case {36, 1.0, 32, 1}, Case {22, 1.25, 28, 2},
             Case {27, 1.5, 41, 2}, Case {36, 2.0, 72, 2}}) {
        EXPECT_EQ(CellPicturePixels(c.cellSize, c.ratio), c.cellPixels)
            << c.cellSize << " " << c.ratio;
        EXPECT_EQ(FontPictureScale(c.ratio), c.fontScale) << c.ratio;
    }
}

TEST(Pictures, FontCellsHoldGlyphsNarrowerThanTheAdvance)
{
    const Bitmap font = LoadPictureResource(picture_id::Font);
    const auto white = [](Rgb8 c) { return c.R > 0; };
    auto ink = [&](int code, int left, int right) {
        const int k = code - 32;
        return Count(font, 16 * (k % 16) + left, 16 * (k / 16), 16 * (k % 16) + right,
            16 * (k / 16) + 16, white);
    };
    EXPECT_EQ(ink(' ', 0, 16), 0);
    for (int code = 33; code <= 127; ++code) {
        EXPECT_GT(ink(code, 0, 16), 4) << code;
        EXPECT_EQ(ink(code, 0, 1), 0) << code;
        EXPECT_EQ(ink(code, 12, 16), 0) << code; // clear of the next glyph at 12 pixels
    }
    // The top and bottom rows of every cell stay black, so that filtering never
    // brings in a piece of the glyph above or below.
    for (int k = 0; k < 128; ++k) {
        const int left = 16 * (k % 16), top = 16 * (k / 16);
        EXPECT_EQ(Count(font, left, top, left + 16, top + 1, white), 0) << k + 32;
        EXPECT_EQ(Count(font, left, top + 15, left + 16, top + 16, white), 0) << k + 32;
    }
    // Glyphs are white on black.
    const int k = 'W' - 32;
    EXPECT_EQ(Count(font, 16 * (k % 16), 16 * (k / 16), 16 * (k % 16) + 16, 16 * (k / 16) + 16,
                  [](Rgb8 c) { return c.R != c.G || c.G != c.B; }),
        0);
}

TEST(Pictures, FontShowsLowerCaseAsCapitals)
{
    const Bitmap font = LoadPictureResource(picture_id::Font);
    auto cell = [&](int code) {
        std::vector<Rgb8> pixels;
        const int k = code - 32;
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x)
                pixels.push_back(PixelAt(font, 16 * (k % 16) + x, 16 * (k / 16) + y));
        return pixels;
    };
    for (int letter = 'a'; letter <= 'z'; ++letter)
        EXPECT_EQ(cell(letter), cell(letter - 'a' + 'A')) << char(letter);
    EXPECT_NE(cell('O'), cell('0'));
    EXPECT_NE(cell('I'), cell('1'));
}

// Printable ASCII prints as it is and "\u2248" as its symbol, beside the tilde's own;
// nothing else has a glyph.
TEST(Pictures, FontCodesKeepTheCharactersWithGlyphs)
{
    EXPECT_EQ(FontCodes("Mine chance: \u224823 %\u00e9\x7F"),
        std::string("Mine chance: ") + NearlyEqualCode + "23 %");
    const Bitmap font = LoadPictureResource(picture_id::Font);
    const auto glyph = [&](int code) {
        const int k = code - 32;
        return Count(font, 16 * (k % 16), 16 * (k / 16), 16 * (k % 16) + 16, 16 * (k / 16) + 16,
            [](Rgb8 c) { return c.R > 0; });
    };
    EXPECT_GT(glyph(static_cast<unsigned char>(NearlyEqualCode)), glyph('~'));
}

TEST(Pictures, FlagStripsAreEightFramesOnTheirBackground)
{
    const auto key = [](Rgb8 c) { return c == picture_key::Flags; };
    for (int32_t id : {picture_id::RedFlags, picture_id::BlueFlags}) {
        const Bitmap strip = LoadPictureResource(id);
        const bool redFlag = id == picture_id::RedFlags;
        const auto cloth = [&](Rgb8 c) {
            return redFlag ? c.R > c.B + 100 && c.R > c.G + 100 : c.B > c.R + 100 && c.B > c.G + 60;
        };
        for (int frame = 0; frame < FlagFrameCount; ++frame) {
            const int left = frame * FlagFrameSize, right = left + FlagFrameSize;
            // A margin of background round every frame keeps neighbours apart when filtered.
            EXPECT_EQ(Count(strip, left, 0, left + 4, 64, key), 4 * 64) << id << " frame " << frame;
            EXPECT_EQ(Count(strip, right - 4, 0, right, 64, key), 4 * 64)
                << id << " frame " << frame;
            EXPECT_EQ(Count(strip, left, 0, right, 2, key), 2 * 64) << id << " frame " << frame;
            EXPECT_EQ(Count(strip, left, 62, right, 64, key), 2 * 64) << id << " frame " << frame;
            EXPECT_GT(Count(strip, left, 0, right, 64, cloth), 600) << id << " frame " << frame;
            if (frame > 0) {
                EXPECT_GT(FramesDiffer(strip, frame - 1, frame), 50)
                    << id << " frame " << frame; // the cloth moves
            }
        }
    }
}

} // namespace
} // namespace orvane
