// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstdint>
#include <random>

namespace orvane {

// The program's one pseudo-random generator. Tests replace the source to fix the draws.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual void SeedFromClock() = 0;
    // Uniform real in [0, 1).
    virtual double NextReal() = 0;
};

class ClockSeededRandom final : public RandomSource {
public:
    void SeedFromClock() override;
    double NextReal() override;

private:
    std::mt19937_64 engine_ {0x5eed};
};

// Whole number 0..n-1 drawn from a uniform real, as every caller in the game uses it.
int32_t RandomBelow(RandomSource& random, int32_t n);

} // namespace orvane
