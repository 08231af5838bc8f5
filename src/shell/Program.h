// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace orvane {

class RandomSource;

// The whole program: the window, its loop, and a clean end on the quit signals; only
// argv[0] is read, the toolkit is given no options. The game
// draws from the clock-seeded generator unless another source is given.
int RunProgram(char** argv, RandomSource* random = nullptr);

} // namespace orvane
