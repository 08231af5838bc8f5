// SPDX-License-Identifier: GPL-3.0-or-later
// Plays games in every mode (random input, the solver player, two computers) and plays
// each again from its record alone, which must end the same and tell the same events:
// soak_replays [games per mode, default 10000]. Ends with status 1 and the seed of the
// first game that replays otherwise. Then prints the median size of the encoded records
// of the Expert Classic games that the solver player won, of as many games.
#include "game/RecordCodec.h"
#include "support/ReplayCheck.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

using namespace orvane;
using namespace orvane::testing;

namespace {

void PrintExpertRecordSize(long games)
{
    std::vector<size_t> sizes;
    for (long game = 0; game < games; ++game) {
        // Every fourth seed deals Expert.
        const auto seed = static_cast<uint64_t>(4 * game + 2);
        const PlayedGame played
            = PlayOneGame(BoardOfSeed(PlayMode::Classic, seed), ReplayPlayer::Solver, seed);
        if (played.End.State == GameState::Won)
            sizes.push_back(EncodeRecordedGame(played.Record).size());
    }
    if (sizes.empty())
        return;
    const auto middle = sizes.begin() + static_cast<long>(sizes.size() / 2);
    std::nth_element(sizes.begin(), middle, sizes.end());
    std::printf("Expert Classic records of %zu games won by the solver player: median %zu bytes\n",
        sizes.size(), *middle);
}

} // namespace

int main(int argc, char** argv)
{
    const long games = argc > 1 ? std::strtol(argv[1], nullptr, 10) : 10000;
    const struct {
        PlayMode Mode;
        const char* Name;
    } modes[] = {{PlayMode::Classic, "Classic"}, {PlayMode::VsHuman, "Vs Human"},
        {PlayMode::VsComputer, "Vs Computer"}};
    for (const auto& mode : modes) {
        const ReplayPlayer second
            = mode.Mode == PlayMode::Classic ? ReplayPlayer::Solver : ReplayPlayer::Computers;
        for (long game = 1; game <= games; ++game) {
            const auto seed = static_cast<uint64_t>(game);
            const PlayedGame played = PlayOneGame(
                BoardOfSeed(mode.Mode, seed), game % 2 == 0 ? ReplayPlayer::Random : second, seed);
            const std::string differs = ReplayDiffers(played);
            if (!differs.empty()) {
                std::fprintf(stderr, "%s, seed %llu: %s\n", mode.Name,
                    static_cast<unsigned long long>(seed), differs.c_str());
                return 1;
            }
        }
        std::printf("%-12s %ld games replayed alike\n", mode.Name, games);
        std::fflush(stdout);
    }
    PrintExpertRecordSize(games);
    return 0;
}
