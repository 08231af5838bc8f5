// SPDX-License-Identifier: GPL-3.0-or-later
// The computer opponent's strength and cost, seeded, as one table:
//   orvane_bench_opponent [games per level] [seed]   (defaults 10000 and 1)
// Per level, "Vs Computer" games between two computers on the real rules, the frame clock
// driven by hand at 30 frames a second: Strong against the Strong computer as it first was
// (the reference), each of them against Normal, and Normal against Normal.
// One seed a game; the sides take the first move in turn and change seats every other
// game. Printed: the first side's wins, the processor time of its
// choices, and the allocations of the frames that neither choose nor click.
#include "CountedAllocations.h"
#include "Measures.h"
#include "ai/ComputerPlayer.h"
#include "reference/ReferenceStrongChoice.h"
#include "support/ComputerSeats.h"
#include "support/Duel.h"
#include "support/QuietGame.h"

#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <utility>
#include <vector>

namespace {

using namespace orvane;
using namespace orvane::testing;
using namespace orvane::bench;

struct Side {
    const char* name;
    ComputerStrength strength;
    bool reference;
};
const Side NormalSide {"Normal", ComputerStrength::Normal, false};
const Side StrongSide {"Strong", ComputerStrength::Strong, false};
const Side ReferenceSide {"Reference", ComputerStrength::Strong, true};

constexpr double FrameTime = 1.0 / 30.0;
constexpr int FrameLimit = 1'000'000;

// Quiet "Vs Computer" games between two seated computers.
struct Arena : QuietGame {
    ComputerSeats seats {game, random, clock};
    std::array<ReferenceStrongChoice, 2> references;

    Arena() { commands.VsComputer(); }
    // The deal passes the first move on: a second deal of the same board passes it back.
    void NewGame(Level level, uint64_t seed, PlayerIndex firstMover)
    {
        QuietGame::NewGame(level, seed);
        if (game.CurrentPlayer() != firstMover)
            game.Restart();
        static_cast<void>(game.TakeEvents());
    }
    void Seat(PlayerIndex seat, const Side& side)
    {
        ComputerPlayer& computer = seats.At(seat);
        computer.SetStrength(side.strength);
        if (!side.reference) {
            computer.SetStrongChooser({});
            return;
        }
        computer.SetStrongChooser([&reference = references[seat]](const SeenBoard& board,
                                      PlayerIndex, int bonusRadius, bool mayArm) {
            const ReferenceStrongChoice::Pick pick
                = reference.Choose(board, mayArm ? bonusRadius : 0);
            return StrongChoice::Pick {pick.cell, pick.useBonus};
        });
    }
};

struct Tally {
    long games = 0, wins = 0, undecided = 0, idleAllocations = 0;
    std::vector<double> choiceMs;
};

Tally PlayMatch(Level level, const Side& first, const Side& second, long games, uint64_t seed)
{
    Arena arena;
    Tally tally;
    tally.choiceMs.reserve(static_cast<size_t>(games) * 200);
    for (long g = 0; g < games; ++g) {
        const PlayerIndex firstSeat = (g / 2) % 2 == 0 ? Player2 : Player1;
        arena.Seat(firstSeat, first);
        arena.Seat(OtherPlayer(firstSeat), second);
        const uint64_t gameSeed = seed + static_cast<uint64_t>(g);
        Game& game = arena.game;
        const PlayerIndex firstMover = g % 2 == 0 ? firstSeat : OtherPlayer(firstSeat);
        arena.NewGame(level, gameSeed, firstMover);
        Duel duel(game, arena.clock, arena.seats.At(Player2), gameSeed, Rival::Computer);
        duel.SeatPhase = [&](PlayerIndex seat) { return arena.seats.At(seat).Phase(); };
        const DuelResult result = duel.Play(
            FrameTime, FrameLimit, [](PlayerIndex, int, bool) {},
            [&] {
                const PlayerIndex mover = game.CurrentPlayer();
                const OpponentPhase phase = arena.seats.At(mover).Phase();
                // A computer takes up its turn and chooses in the same frame.
                const bool chooses = phase == OpponentPhase::Idle || phase == OpponentPhase::Choose;
                const bool timed = chooses && mover == firstSeat;
                const long allocations = CountedAllocations();
                const double start = timed ? CpuMilliseconds() : 0;
                arena.seats.Frame();
                if (timed)
                    tally.choiceMs.push_back(CpuMilliseconds() - start);
                const bool clicked = phase == OpponentPhase::Travel
                    && arena.seats.At(mover).Phase() != OpponentPhase::Travel;
                if (!chooses && !clicked)
                    tally.idleAllocations += CountedAllocations() - allocations;
                static_cast<void>(game.TakeEvents());
            });
        ++tally.games;
        tally.undecided += !result.decided;
        tally.wins += game.Players()[firstSeat].MinesFound >= game.FlagsToWin();
    }
    return tally;
}

void PrintRow(const char* level, const Side& first, const Side& second, const Tally& tally)
{
    const double games = static_cast<double>(tally.games);
    const double rate = static_cast<double>(tally.wins) / games;
    const double margin = 1.96 * std::sqrt(rate * (1 - rate) / games);
    char match[40];
    std::snprintf(match, sizeof match, "%s vs %s", first.name, second.name);
    std::printf("%-13s %-20s %7ld %8.2f%% %6.2f%% %9.3f %9.3f %9.3f %9.3f %5ld %6ld\n", level,
        match, tally.games, 100 * rate, 100 * margin, Mean(tally.choiceMs),
        Percentile(tally.choiceMs, 0.95), Percentile(tally.choiceMs, 0.999),
        Percentile(tally.choiceMs, 1.0), tally.undecided, tally.idleAllocations);
    std::fflush(stdout);
}

} // namespace

int main(int argc, char** argv)
{
    const long games = argc > 1 ? std::atol(argv[1]) : 10'000;
    const uint64_t seed = argc > 2 ? std::strtoull(argv[2], nullptr, 10) : 1;
    if (games <= 0)
        return 0;
    std::printf("Computer against computer, %ld games per level and match (seeds %llu to %llu), "
                "30 frames a second\n(wins and choice times, the processor time of the "
                "thread, are the first side's)\n",
        games, static_cast<unsigned long long>(seed),
        static_cast<unsigned long long>(seed + static_cast<uint64_t>(games) - 1));
    std::printf("%-13s %-20s %7s %9s %7s %9s %9s %9s %9s %5s %6s\n", "level", "match", "games",
        "wins", "+-", "mean ms", "p95 ms", "p99.9 ms", "max ms", "undec", "allocs");
    const std::array<std::pair<Level, const char*>, 3> levels {
        std::pair {Level::Beginner, "Beginner"}, std::pair {Level::Intermediate, "Intermediate"},
        std::pair {Level::Expert, "Expert"}};
    const std::array<std::pair<const Side*, const Side*>, 4> matches {
        std::pair {&StrongSide, &ReferenceSide}, std::pair {&StrongSide, &NormalSide},
        std::pair {&ReferenceSide, &NormalSide}, std::pair {&NormalSide, &NormalSide}};
    for (const auto& [level, name] : levels)
        for (const auto& [first, second] : matches)
            PrintRow(name, *first, *second, PlayMatch(level, *first, *second, games, seed));
    return 0;
}
