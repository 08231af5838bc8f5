// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Random.h"

#include <chrono>
#include <cmath>

namespace orvane {

void ClockSeededRandom::SeedFromClock()
{
    const auto ticks = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    engine_.seed(static_cast<uint64_t>(ticks));
}

double ClockSeededRandom::NextReal()
{
    // generate_canonical may round up to 1.0; keep the draw inside [0, 1).
    const double r = std::uniform_real_distribution<double>(0.0, 1.0)(engine_);
    return r < 1.0 ? r : std::nextafter(1.0, 0.0);
}

int32_t RandomBelow(RandomSource& random, int32_t n)
{
    if (n <= 0)
        return 0;
    const auto k = static_cast<int32_t>(random.NextReal() * n);
    return k < n ? k : n - 1;
}

} // namespace orvane
