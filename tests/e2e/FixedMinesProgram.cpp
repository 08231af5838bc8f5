// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Random.h"
#include "shell/Program.h"

namespace {

// Every draw is the pool's first slot, so a 9 x 9 board with 10 mines always holds them
// in the top left cell, the last cell of the eighth row and all the ninth row but its last
// cell, wherever the first open is outside those: one open of the middle clears all but
// the bottom right cell.
class FirstSlotRandom final : public orvane::RandomSource {
public:
    void SeedFromClock() override { }
    double NextReal() override { return 0.0; }
};

} // namespace

// The real program on boards laid the same way every game, for end-to-end tests that win.
int main(int, char** argv)
{
    FirstSlotRandom random;
    return orvane::RunProgram(argv, {}, &random);
}
