// SPDX-License-Identifier: GPL-3.0-or-later
// The computer opponent's strength and cost: seeded "Vs Computer" games against a player
// who clicks random closed cells, with the computer's win rate and finds per turn per
// level, the mean time of one Update on Expert, and the allocations made inside Update.
#include "CountedAllocations.h"
#include "ai/ComputerPlayer.h"
#include "support/Duel.h"
#include "support/QuietGame.h"

#include <benchmark/benchmark.h>

#include <chrono>

namespace {

using namespace orvane;
using namespace orvane::testing;

// Quiet "Vs Computer" games.
struct Arena : QuietGame {
    ComputerPlayer computer {game};

    Arena()
    {
        computer.Create();
        commands.VsComputer();
    }
};

constexpr int GamesPerLevel = 10'000;
constexpr int FrameLimit = 1'000'000;

void BM_StrengthAgainstRandomClicks(benchmark::State& state)
{
    const auto level = static_cast<Level>(state.range(0));
    Arena arena;
    long wins = 0, turns = 0, finds = 0, undecided = 0;
    for (auto _ : state) {
        for (int g = 0; g < GamesPerLevel; ++g) {
            const auto seed = static_cast<uint64_t>(g) + 1;
            arena.NewGame(level, seed);
            Duel duel(arena.game, arena.computer, seed, Rival::RandomOpener);
            const DuelResult result = duel.Play(0.5, FrameLimit, [](PlayerIndex, int, bool) {});
            undecided += !result.decided;
            wins += arena.game.Players[Player2].MinesFound >= arena.game.FlagsToWin;
            turns += result.computerTurns;
            finds += result.computerFinds;
        }
    }
    const double games
        = static_cast<double>(GamesPerLevel) * static_cast<double>(state.iterations());
    state.counters["win_rate"] = static_cast<double>(wins) / games;
    state.counters["finds_per_turn"] = static_cast<double>(finds) / static_cast<double>(turns);
    state.counters["undecided"] = static_cast<double>(undecided);
}
BENCHMARK(BM_StrengthAgainstRandomClicks)
    ->DenseRange(0, 2)
    ->ArgName("level")
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

// Expert games of the computer against itself (so that either side falls behind and the
// computer also arms its bonus) at 30 frames a second; only the Update calls are timed.
// Frames that make no move (choosing, gliding, pressing) must not allocate; the click
// hands the move to the rules, whose messages may.
void BM_UpdateOnExpert(benchmark::State& state)
{
    using Clock = std::chrono::steady_clock;
    Arena arena;
    long updates = 0, choosingAllocations = 0, clickAllocations = 0;
    uint64_t seed = 0;
    for (auto _ : state) {
        arena.NewGame(Level::Expert, ++seed);
        Clock::duration spent {};
        Duel duel(arena.game, arena.computer, seed, Rival::Computer);
        duel.Play(
            1.0 / 30.0, FrameLimit, [](PlayerIndex, int, bool) {},
            [&] {
                const uint8_t phase = arena.game.Opponent.Phase;
                const long before = bench::CountedAllocations();
                const auto start = Clock::now();
                arena.computer.Update();
                spent += Clock::now() - start;
                const bool clicked = phase == OpponentState::Travel
                    && arena.game.Opponent.Phase != OpponentState::Travel;
                (clicked ? clickAllocations : choosingAllocations)
                    += bench::CountedAllocations() - before;
                ++updates;
            });
        state.SetIterationTime(std::chrono::duration<double>(spent).count());
    }
    if (choosingAllocations != 0)
        state.SkipWithError("a frame without a move allocated");
    state.counters["updates_per_game"]
        = static_cast<double>(updates) / static_cast<double>(state.iterations());
    state.counters["ns_per_update"] = benchmark::Counter(
        static_cast<double>(updates), benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
    state.counters["allocs_without_move"] = static_cast<double>(choosingAllocations);
    state.counters["allocs_per_click_game"]
        = static_cast<double>(clickAllocations) / static_cast<double>(state.iterations());
}
BENCHMARK(BM_UpdateOnExpert)->UseManualTime()->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
