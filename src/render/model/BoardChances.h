// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "render/model/Themes.h"

#include <array>
#include <cstdint>
#include <vector>

namespace orvane {

// What the board shows of a cell's chance of a mine while the chances are shown.
enum class ChanceLook : uint8_t {
    None,   // nothing: an open or flagged cell
    Tinted, // a closed cell, tinted by its chance
    Safe,   // certainly safe: tinted as chance 0, and marked
    Mine,   // certainly a mine: tinted as chance 1, and marked
};

// The chances over the board: filled by the session, drawn by the board renderer.
struct BoardChances {
    bool Shown = false;
    std::vector<ChanceLook> Looks; // per cell, while shown
    std::vector<float> MineChance; // per cell, while shown
};

// The colour a closed cell with the given chance of a mine is drawn in: the theme's
// closed-cell colour at 0, turning darker and redder up to a deep red at 1. It darkens
// with the chance on every theme, fastest at the small chances most cells have.
std::array<float, 3> ChanceTint(const Theme& theme, float chance);

} // namespace orvane
