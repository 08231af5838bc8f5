// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/model/BoardChances.h"

#include <algorithm>
#include <cmath>

namespace orvane {

namespace {

// Darker than every theme's closed cells, and far from their greens and blues.
constexpr std::array<float, 3> CertainMineColour {0.55f, 0.04f, 0.08f};

} // namespace

std::array<float, 3> ChanceTint(const Theme& theme, float chance)
{
    const float share = std::sqrt(std::clamp(chance, 0.0f, 1.0f));
    std::array<float, 3> tint {};
    for (size_t i = 0; i < tint.size(); ++i)
        tint[i] = theme.CellColour[i] + (CertainMineColour[i] - theme.CellColour[i]) * share;
    return tint;
}

} // namespace orvane
