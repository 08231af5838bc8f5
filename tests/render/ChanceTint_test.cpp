// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/model/BoardChances.h"
#include "render/model/Themes.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace orvane;

namespace {

float Brightness(const std::array<float, 3>& colour)
{
    return 0.2126f * colour[0] + 0.7152f * colour[1] + 0.0722f * colour[2];
}

// A chance of 0 leaves the closed cell as it is, a certain mine is a deep red, every
// step up in chance is darker, and a chance of one in four already goes half the way:
// most cells' chances are small and must still be told apart.
TEST(ChanceTint, RunsFromTheClosedCellToADeepRedFastestAtSmallChances)
{
    for (const Theme& theme : MakeThemes()) {
        const auto none = ChanceTint(theme, 0);
        const auto certain = ChanceTint(theme, 1);
        for (size_t i = 0; i < 3; ++i)
            EXPECT_FLOAT_EQ(none[i], theme.CellColour[i]);
        EXPECT_GT(certain[0], 3 * std::max(certain[1], certain[2]));
        EXPECT_LT(Brightness(certain), Brightness(none));
        float previous = Brightness(none);
        for (int step = 1; step <= 20; ++step) {
            const float brightness = Brightness(ChanceTint(theme, step / 20.0f));
            EXPECT_LT(brightness, previous) << "chance " << step / 20.0f;
            previous = brightness;
        }
        const auto quarter = ChanceTint(theme, 0.25f);
        for (size_t i = 0; i < 3; ++i)
            EXPECT_GE(std::abs(quarter[i] - none[i]) + 1e-6f, 0.5f * std::abs(certain[i] - none[i]))
                << "channel " << i;
    }
}

} // namespace
