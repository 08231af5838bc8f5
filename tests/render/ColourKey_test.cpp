// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/model/ColourKey.h"
#include "render/model/Themes.h"

#include <gtest/gtest.h>

using namespace orvane;

namespace {

BgraTexels Texels(std::initializer_list<Rgb8> colours)
{
    BgraTexels texels;
    for (Rgb8 c : colours)
        texels.insert(texels.end(), {c.B, c.G, c.R, 0});
    return texels;
}

TEST(ColourKey, ExactKeyIsTransparentAndOneOffStaysOpaque)
{
    const Rgb8 key {214, 214, 44};
    BgraTexels texels = Texels({key, {215, 214, 44}, {214, 213, 44}, {214, 214, 45}, {0, 0, 0}});
    ApplyColourKey(texels, key, std::nullopt);
    EXPECT_EQ(texels[3], 0);
    for (size_t i = 1; i < 5; ++i)
        EXPECT_EQ(texels[i * 4 + 3], 255) << "texel " << i;
    // Without a replacement the keyed texel keeps its own colour.
    EXPECT_EQ(texels[0], 44);
    EXPECT_EQ(texels[1], 214);
    EXPECT_EQ(texels[2], 214);
    // Opaque texels keep theirs too.
    EXPECT_EQ(texels[4], 44);
    EXPECT_EQ(texels[6], 215);
}

TEST(ColourKey, ReplacementColoursOnlyTheKeyedTexels)
{
    const Rgb8 key {230, 230, 230};
    BgraTexels texels = Texels({key, {200, 10, 10}});
    ApplyColourKey(texels, key, Rgb8 {1, 2, 3});
    EXPECT_EQ((std::vector<uint8_t>(texels.begin(), texels.begin() + 4)),
        (std::vector<uint8_t> {3, 2, 1, 0}));
    EXPECT_EQ((std::vector<uint8_t>(texels.begin() + 4, texels.end())),
        (std::vector<uint8_t> {10, 10, 200, 255}));
}

TEST(ColourKey, WideningKeepsBlueGreenRedOrderWithAZeroFourthByte)
{
    Bitmap bitmap {2, 1, {1, 2, 3, 4, 5, 6}};
    EXPECT_EQ(ToBgraTexels(bitmap), (BgraTexels {1, 2, 3, 0, 4, 5, 6, 0}));
}

TEST(Themes, FlagFringeIsTheCellTintLessThirty)
{
    const ThemeSet themes = MakeThemes();
    EXPECT_EQ(FlagFringeColour(themes[0]), (Rgb8 {198, 198, 198}));
    EXPECT_EQ(FlagFringeColour(themes[5]), (Rgb8 {162, 162, 162}));
    EXPECT_EQ(FlagFringeColour(themes[4]), (Rgb8 {170, 225, 50}));
    for (const Theme& theme : themes) {
        const Rgb8 fringe = FlagFringeColour(theme);
        EXPECT_EQ(fringe.R + 30, theme.CellColourBytes.R);
        EXPECT_EQ(fringe.G + 30, theme.CellColourBytes.G);
        EXPECT_EQ(fringe.B + 30, theme.CellColourBytes.B);
    }
}

TEST(Themes, FloatsAreTheBytesOverTwoFiftyFive)
{
    const ThemeSet themes = MakeThemes();
    EXPECT_FLOAT_EQ(themes[2].StripColour[0], 90 / 255.0f);
    EXPECT_FLOAT_EQ(themes[6].BackColour[2], 235 / 255.0f);
    EXPECT_FLOAT_EQ(themes[0].CellColour[1], 228 / 255.0f);
}

} // namespace
