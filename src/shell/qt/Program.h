#pragma once

namespace orvane {

class RandomSource;

// The whole program: the window, its loop, and a clean end on the quit signals. The game
// draws from the clock-seeded generator unless another source is given.
int RunProgram(int argc, char** argv, RandomSource* random = nullptr);

} // namespace orvane
