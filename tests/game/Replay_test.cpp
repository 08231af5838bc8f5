// SPDX-License-Identifier: GPL-3.0-or-later
// A game is its start and its commands: every game played here, by random input, by the
// solver player or by two computers, is played again from its record alone, as a replay
// file gives it back, and must end the same, tell the same events (its history row among
// them) and never draw.
#include "support/ReplayCheck.h"

#include <gtest/gtest.h>

using namespace orvane;
using namespace orvane::testing;

namespace {

void CheckGames(PlayMode mode, ReplayPlayer player, uint64_t games)
{
    int decided = 0;
    for (uint64_t seed = 1; seed <= games; ++seed) {
        const PlayedGame played = PlayOneGame(BoardOfSeed(mode, seed), player, seed);
        decided += played.End.State == GameState::Won || played.End.State == GameState::Lost;
        ASSERT_EQ(ReplayDiffers(played), "") << "seed " << seed;
    }
    // The games reach their ends, so the win's and the loss's paths are replayed too.
    EXPECT_GT(decided, 0);
}

} // namespace

TEST(Replay, ClassicGamesOfRandomInputAndOfTheSolverPlayer)
{
    CheckGames(PlayMode::Classic, ReplayPlayer::Random, 150);
    CheckGames(PlayMode::Classic, ReplayPlayer::Solver, 150);
}

TEST(Replay, VsHumanGamesOfRandomInputAndOfTwoComputers)
{
    CheckGames(PlayMode::VsHuman, ReplayPlayer::Random, 150);
    CheckGames(PlayMode::VsHuman, ReplayPlayer::Computers, 150);
}

TEST(Replay, VsComputerGamesOfRandomInputAndOfTwoComputers)
{
    CheckGames(PlayMode::VsComputer, ReplayPlayer::Random, 150);
    CheckGames(PlayMode::VsComputer, ReplayPlayer::Computers, 150);
}

// A record that lost a command no longer plays the same game: the check can fail.
TEST(Replay, ARecordMissingACommandIsCaught)
{
    PlayedGame played = PlayOneGame(BoardOfSeed(PlayMode::Classic, 1), ReplayPlayer::Solver, 1);
    ASSERT_GT(played.Record.Commands.size(), 3U);
    played.Record.Commands.erase(played.Record.Commands.begin() + 3);
    EXPECT_NE(ReplayDiffers(played), "");
}
