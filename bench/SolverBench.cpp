// SPDX-License-Identifier: GPL-3.0-or-later
// The solver's numbers, seeded, as one table:
//   orvane_bench_solver [games per level] [boards per kind] [positions] [seed]
// (defaults 100000, 1000, 10000 and 1). Times are the processor time of the one thread.
// - Classic games dealt by the game's own rules (the first opened cell is safe), played
//   from the corner by the solver's player and, on the same games, by the reference player
//   it is measured against: win rates, their paired difference and time per game.
// - Boards that need no guess: time per board and the share that fell back.
// - The mine chances against every layout counted one by one on small views.
#include "Measures.h"
#include "game/PlayerView.h"
#include "reference/ReferencePlayer.h"
#include "solver/ClassicPlayer.h"
#include "solver/MineSolver.h"
#include "solver/NoGuessBoard.h"
#include "support/BruteForceChances.h"
#include "support/QuietGame.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

using namespace orvane;
using namespace orvane::testing;
using namespace orvane::bench;

// Quiet Classic games, seen as a player sees them.
struct ClassicTable : QuietGame {
    solver::BoardView view;

    void Open(int cell)
    {
        if (game.CellAt(cell).State != CellState::Closed)
            return;
        game.ActOnCell(CellGesture::Open, CellAction::Press, cell);
        game.ActOnCell(CellGesture::Open, CellAction::Release, cell);
    }
    const solver::BoardView& Seen()
    {
        FillPlayerView(game, view);
        return view;
    }
    // One game on the level; true when won.
    template<typename Player> bool Play(Level level, uint64_t seed, Player& player)
    {
        NewGame(level, seed);
        Open(solver::ClassicPlayer::FirstCell(game.BoardWidth(), game.BoardHeight()));
        while (game.CurrentState() == GameState::Playing) {
            const std::vector<int>& next = player.NextCells(Seen());
            if (next.empty())
                break;
            for (const int cell : next)
                if (game.CurrentState() == GameState::Playing)
                    Open(cell);
        }
        return game.CurrentState() == GameState::Won;
    }
};

struct Tally {
    long wins = 0;
    std::vector<char> won;
    std::vector<double> times;
};

template<typename Player> Tally PlayGames(Level level, long games, uint64_t seed)
{
    ClassicTable table;
    Player player;
    Tally tally;
    tally.won.reserve(static_cast<size_t>(games));
    tally.times.reserve(static_cast<size_t>(games));
    for (long g = 0; g < games; ++g) {
        const double start = CpuMilliseconds();
        const bool won = table.Play(level, seed + static_cast<uint64_t>(g), player);
        tally.times.push_back(CpuMilliseconds() - start);
        tally.won.push_back(won);
        tally.wins += won;
    }
    return tally;
}

void PrintPlayer(const char* level, const char* player, long games, const Tally& tally)
{
    const double rate = static_cast<double>(tally.wins) / static_cast<double>(games);
    const double margin = 1.96 * std::sqrt(rate * (1 - rate) / static_cast<double>(games));
    std::printf("%-13s %-10s %8.2f%% %6.2f%% %10.3f %10.3f %10.3f\n", level, player, 100 * rate,
        100 * margin, Percentile(tally.times, 0.5), Mean(tally.times),
        Percentile(tally.times, 0.95));
}

// The same games played by both: the difference of the win rates with its 95 % interval,
// from the games that only one of them won.
void PrintDifference(long games, const Tally& solver, const Tally& reference)
{
    long onlySolver = 0, onlyReference = 0;
    for (size_t g = 0; g < solver.won.size(); ++g) {
        onlySolver += solver.won[g] && !reference.won[g];
        onlyReference += reference.won[g] && !solver.won[g];
    }
    const auto n = static_cast<double>(games);
    const double difference = static_cast<double>(onlySolver - onlyReference) / n;
    const double spread = std::sqrt(
        (static_cast<double>(onlySolver + onlyReference) / n - difference * difference) / n);
    std::printf("%-13s %-10s %+8.2f%%, 95 %% interval %+.2f%% to %+.2f%% (won by one only: "
                "solver %ld, reference %ld)\n",
        "", "difference", 100 * difference, 100 * (difference - 1.96 * spread),
        100 * (difference + 1.96 * spread), onlySolver, onlyReference);
}

void PlayLevels(long games, uint64_t seed)
{
    std::printf("Classic games, the first opened cell safe, %ld per level (seeds %llu to %llu)\n",
        games, static_cast<unsigned long long>(seed),
        static_cast<unsigned long long>(seed + static_cast<uint64_t>(games) - 1));
    std::printf("%-13s %-10s %9s %7s %10s %10s %10s\n", "level", "player", "wins", "+-",
        "median ms", "mean ms", "p95 ms");
    const std::array<std::pair<Level, const char*>, 3> levels {
        std::pair {Level::Beginner, "Beginner"}, std::pair {Level::Intermediate, "Intermediate"},
        std::pair {Level::Expert, "Expert"}};
    for (const auto& [level, name] : levels) {
        const Tally solver = PlayGames<solver::ClassicPlayer>(level, games, seed);
        PrintPlayer(name, "solver", games, solver);
        const Tally reference = PlayGames<ReferencePlayer>(level, games, seed);
        PrintPlayer(name, "reference", games, reference);
        PrintDifference(games, solver, reference);
        std::fflush(stdout);
    }
}

void MakeBoards(long boards, uint64_t seed)
{
    struct Kind {
        const char* name;
        int width, height, mines;
    };
    const std::array<Kind, 5> kinds {Kind {"Beginner", 9, 9, 10}, Kind {"Intermediate", 16, 16, 40},
        Kind {"Expert", 30, 16, 99}, Kind {"30x16, 120", 30, 16, 120},
        Kind {"30x16, 140", 30, 16, 140}};
    std::printf("\nBoards that need no guess, %ld per kind, first cell at random\n", boards);
    std::printf("%-14s %10s %10s %10s %10s %10s %10s\n", "board", "mean ms", "p95 ms", "max ms",
        "fell back", "repairs", "plays");
    for (const Kind& kind : kinds) {
        std::mt19937_64 random(seed);
        solver::NoGuessBoard maker;
        std::vector<uint8_t> mines;
        std::vector<double> times;
        long failed = 0, repairs = 0, plays = 0;
        for (long b = 0; b < boards; ++b) {
            const int first
                = static_cast<int>(random() % static_cast<uint64_t>(kind.width * kind.height));
            const double start = CpuMilliseconds();
            failed += !maker.Generate(kind.width, kind.height, kind.mines, first, random, mines);
            times.push_back(CpuMilliseconds() - start);
            repairs += maker.Repairs();
            plays += maker.Plays();
        }
        const double count = static_cast<double>(boards);
        std::printf("%-14s %10.3f %10.3f %10.3f %9.2f%% %10.1f %10.2f\n", kind.name, Mean(times),
            Percentile(times, 0.95), Percentile(times, 1.0),
            100.0 * static_cast<double>(failed) / count, static_cast<double>(repairs) / count,
            static_cast<double>(plays) / count);
        std::fflush(stdout);
    }
}

void CompareWithCounting(long positions, uint64_t seed)
{
    std::mt19937_64 engine(seed);
    solver::MineSolver solver;
    double worst = 0;
    long wronglyCertain = 0, missedCertain = 0, notExact = 0;
    for (long p = 0; p < positions; ++p) {
        const solver::BoardView view = RandomSmallView(engine, 20);
        const CountedChances counted = CountEveryLayout(view);
        const solver::Analysis& result = solver.Analyse(view);
        notExact += !result.exact;
        std::vector<int> certain(static_cast<size_t>(view.CellCount()), 0);
        for (const int cell : result.certainSafe)
            certain[static_cast<size_t>(cell)] = 1;
        for (const int cell : result.certainMines)
            certain[static_cast<size_t>(cell)] = 2;
        for (int cell = 0; cell < view.CellCount(); ++cell) {
            if (view.At(cell) != solver::SeenClosed)
                continue;
            const double truth = counted.chance[static_cast<size_t>(cell)];
            worst = std::max(worst, std::abs(result.mineChance[static_cast<size_t>(cell)] - truth));
            const int said = certain[static_cast<size_t>(cell)];
            const int is = truth == 0 ? 1 : truth == 1 ? 2 : 0;
            wronglyCertain += said != 0 && said != is;
            missedCertain += said == 0 && is != 0;
        }
    }
    std::printf("\nMine chances against every layout counted, %ld views of at most 20 closed "
                "cells\n",
        positions);
    std::printf("largest difference %.3g, cells wrongly called certain %ld, certain cells "
                "missed %ld, not exact %ld\n",
        worst, wronglyCertain, missedCertain, notExact);
}

} // namespace

int main(int argc, char** argv)
{
    const long games = argc > 1 ? std::atol(argv[1]) : 100'000;
    const long boards = argc > 2 ? std::atol(argv[2]) : 1'000;
    const long positions = argc > 3 ? std::atol(argv[3]) : 10'000;
    const uint64_t seed = argc > 4 ? std::strtoull(argv[4], nullptr, 10) : 1;
    if (games > 0)
        PlayLevels(games, seed);
    if (boards > 0)
        MakeBoards(boards, seed);
    if (positions > 0)
        CompareWithCounting(positions, seed);
    return 0;
}
