// SPDX-License-Identifier: GPL-3.0-or-later
// Writes a replay file of a Beginner game won by the solver player, for the end-to-end
// tests that open one: orvane_write_replay FILE.
#include "game/ReplayFile.h"
#include "support/ReplayCheck.h"

#include <cstdio>

using namespace orvane;
using namespace orvane::testing;

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FILE\n", argv[0]);
        return 2;
    }
    const BoardSetup beginner {PlayMode::Classic, Level::Beginner, 9, 9, 10};
    for (uint64_t seed = 1; seed < 1000; ++seed) {
        const PlayedGame played = PlayOneGame(beginner, ReplayPlayer::Solver, seed);
        if (played.End.State != GameState::Won)
            continue;
        const std::string error = WriteReplayFile(argv[1], {played.Record, {"Ada"}, 1'800'000'000});
        if (!error.empty())
            std::fprintf(stderr, "%s\n", error.c_str());
        return error.empty() ? 0 : 1;
    }
    return 1;
}
