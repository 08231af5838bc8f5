// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstdint>

namespace orvane {

// A place the pointer was, in cells from the board's top-left corner, and how long before
// the moment shown.
struct TrailPoint {
    float X = 0.0f;
    float Y = 0.0f;
    int64_t AgeMilliseconds = 0;
    bool operator==(const TrailPoint&) const = default;
};

// How long a pointer's trail lasts behind it.
inline constexpr int64_t TrailMilliseconds = 1000;

} // namespace orvane
