// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>

namespace orvane {

class RandomSource;

// The whole program: the window, its loop, and a clean end on the quit signals; only
// argv[0] is read, the toolkit is given no options. A replay file, when named, opens in
// the replay window once the main window is up. The game draws from the clock-seeded
// generator unless another source is given.
int RunProgram(char** argv, const std::string& replayFile = {}, RandomSource* random = nullptr);

} // namespace orvane
