// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "platform/Random.h"

#include <deque>
#include <random>

namespace orvane::testing {

// Draws from a scripted list first, then from a seeded engine; seeding from the
// clock is counted but changes nothing, so every game is reproducible.
class FixedRandom final : public RandomSource {
public:
    explicit FixedRandom(uint64_t seed = 1) : engine(seed) { }
    void SeedFromClock() override { ++clockSeeds; }
    double NextReal() override
    {
        if (!scripted.empty()) {
            const double r = scripted.front();
            scripted.pop_front();
            return r;
        }
        return std::uniform_real_distribution<double>(0.0, 0.999999)(engine);
    }

    std::deque<double> scripted;
    int clockSeeds = 0;
    std::mt19937_64 engine;
};

} // namespace orvane::testing
