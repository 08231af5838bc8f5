// SPDX-License-Identifier: GPL-3.0-or-later
// The size of the recorded games: the median encoded record of an Expert Classic game won
// by the solver player (target: at most 1 KiB), and the pointer's way over an Expert
// board, moved along a generated human-like path and delivered 60 times a second (target:
// at most 200 bytes a second of movement). Sizes do not depend on the machine: a target
// missed ends with status 1.
//   build/bench/orvane_bench_replay_size [games] [seconds of movement] [seed]
#include "game/Game.h"
#include "game/RecordCodec.h"
#include "platform/FrameClock.h"
#include "support/FakeCounter.h"
#include "support/FixedRandom.h"
#include "support/ReplayCheck.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <vector>

using namespace orvane;
using namespace orvane::testing;

namespace {

constexpr size_t MostMedianBytes = 1024;
constexpr double MostPointerBytesPerSecond = 200.0;
constexpr double CellPixels = 22.0;
constexpr double FrameMilliseconds = 1000.0 / 60.0;
constexpr BoardSetup ExpertSetup {PlayMode::Classic, Level::Expert, 30, 16, 99};

size_t MedianExpertRecordBytes(long games)
{
    std::vector<size_t> sizes;
    for (long game = 0; game < games; ++game) {
        const auto seed = static_cast<uint64_t>(game + 1);
        const PlayedGame played = PlayOneGame(ExpertSetup, ReplayPlayer::Solver, seed);
        if (played.End.State == GameState::Won)
            sizes.push_back(EncodeRecordedGame(played.Record).size());
    }
    if (sizes.empty())
        return 0;
    const auto middle = sizes.begin() + static_cast<long>(sizes.size() / 2);
    std::nth_element(sizes.begin(), middle, sizes.end());
    std::printf("Expert Classic games won by the solver player: %zu of %ld, median record %zu "
                "bytes (target at most %zu)\n",
        sizes.size(), games, *middle, MostMedianBytes);
    return *middle;
}

// A hand's aimed moves: a smooth reach to a cell (the fast, then slow, minimum-jerk
// profile, taking longer for farther aims), a small correction at its end, a tremor of
// about a pixel, and a rest before the next aim, with no samples while at rest.
class HumanPointer {
public:
    HumanPointer(Game& game, FakeCounter& counter, uint64_t seed) :
        game_(game), counter_(counter), engine_(seed)
    {
    }

    // Moves for at least the given seconds; returns the seconds spent moving.
    double Move(double seconds)
    {
        double moving = 0.0;
        while (moving < seconds) {
            const double aimX = (Uniform(0, 30) + 0.5) * CellPixels;
            const double aimY = (Uniform(0, 16) + 0.5) * CellPixels;
            const double distance = std::hypot(aimX - x_, aimY - y_);
            moving += Reach(aimX + Uniform(-6, 6), aimY + Uniform(-6, 6),
                0.1 + 0.15 * std::log2(1.0 + distance / CellPixels));
            moving += Reach(aimX, aimY, 0.12);
            Rest(Uniform(0.2, 1.5));
        }
        return moving;
    }

private:
    double Uniform(double low, double high)
    {
        return std::uniform_real_distribution<double>(low, high)(engine_);
    }

    double Reach(double toX, double toY, double seconds)
    {
        const double fromX = x_;
        const double fromY = y_;
        const int frames = std::max(1, static_cast<int>(seconds * 1000.0 / FrameMilliseconds));
        for (int frame = 1; frame <= frames; ++frame) {
            const double t = static_cast<double>(frame) / frames;
            const double s = t * t * t * (10.0 - 15.0 * t + 6.0 * t * t);
            x_ = fromX + (toX - fromX) * s + Uniform(-0.7, 0.7);
            y_ = fromY + (toY - fromY) * s + Uniform(-0.7, 0.7);
            // Events reach the program a frame apart, give or take two milliseconds.
            Rest((FrameMilliseconds + Uniform(-2, 2)) / 1000.0);
            constexpr double StepsPerPixel = PointerStepsPerCell / CellPixels;
            game_.MovePointer({static_cast<int32_t>(x_ * StepsPerPixel),
                static_cast<int32_t>(y_ * StepsPerPixel)});
        }
        return frames * FrameMilliseconds / 1000.0;
    }

    void Rest(double seconds)
    {
        counter_.now += static_cast<int64_t>(seconds * static_cast<double>(counter_.frequency));
    }

    Game& game_;
    FakeCounter& counter_;
    std::mt19937_64 engine_;
    double x_ = 15 * CellPixels;
    double y_ = 8 * CellPixels;
};

double PointerBytesPerSecond(double seconds, uint64_t seed)
{
    FakeCounter counter;
    FrameClock clock {counter};
    clock.Create();
    clock.Start();
    FixedRandom random(seed);
    Game game {random, clock};
    game.NewGame(ExpertSetup);
    const int32_t middle = 8 * 30 + 15;
    game.ActOnCell(CellGesture::Open, CellAction::Press, middle);
    game.ActOnCell(CellGesture::Open, CellAction::Release, middle);
    const size_t before = EncodeRecordedGame(game.Recorded()).size();
    const size_t commandsBefore = game.Recorded().Commands.size();
    HumanPointer hand(game, counter, seed);
    const double moving = hand.Move(seconds);
    const size_t bytes = EncodeRecordedGame(game.Recorded()).size() - before;
    const double perSecond = static_cast<double>(bytes) / moving;
    std::printf("Pointer over an Expert board: %zu samples in %.1f s of movement, %zu bytes, "
                "%.1f bytes a second (target at most %.0f)\n",
        game.Recorded().Commands.size() - commandsBefore, moving, bytes, perSecond,
        MostPointerBytesPerSecond);
    return perSecond;
}

} // namespace

int main(int argc, char** argv)
{
    const long games = argc > 1 ? std::strtol(argv[1], nullptr, 10) : 1000;
    const double seconds = argc > 2 ? std::strtod(argv[2], nullptr) : 600.0;
    const auto seed = static_cast<uint64_t>(argc > 3 ? std::strtoull(argv[3], nullptr, 10) : 1);
    const size_t median = MedianExpertRecordBytes(games);
    const double perSecond = PointerBytesPerSecond(seconds, seed);
    return median <= MostMedianBytes && perSecond <= MostPointerBytesPerSecond ? 0 : 1;
}
