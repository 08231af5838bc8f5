// SPDX-License-Identifier: GPL-3.0-or-later
// Plays random inputs through the rules, without a display, in each mode, and checks every
// rule of the game after each one: soak_rules [events per mode, default 1000000] [seed]
// Prints the events per second and the games finished; ends with status 1 and the broken
// rule (with the seed and the input's number, to replay it) when one breaks.
#include "support/RulesDriver.h"
#include "support/TempDir.h"

#include <array>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <random>
#include <string>

using namespace orvane;
using namespace orvane::testing;

namespace {

constexpr size_t BytesPerEvent = 24; // more than any one input reads

// The first byte chooses the kind of input (as RulesDriver reads it, modulo 16). Drawn
// evenly, commands and the face would restart most games long before they end; weighted
// like a player's hand, most inputs are whole clicks on the board and one in about 500
// is a menu command.
constexpr uint8_t WholeClick = 14;
constexpr uint8_t MenuCommand = 12;
constexpr std::array<uint8_t, 24> OtherKinds {
    0, 1, 2, 3, 4, 5, 6, 0, 2, 4, 7, 7, 8, 9, 10, 11, 13, 13, 13, 13, 15, 15, MenuCommand, 6};

uint8_t NextKind(std::mt19937_64& engine)
{
    const uint64_t draw = engine();
    if (draw % 3 != 0)
        return WholeClick;
    const uint8_t kind = OtherKinds[(draw >> 8) % OtherKinds.size()];
    return kind == MenuCommand && (draw >> 16) % 20 != 0 ? WholeClick : kind;
}

struct ModeRun {
    PlayMode Mode;
    const char* Name;
};

int Soak(const ModeRun& run, long events, uint64_t seed, const std::string& folder)
{
    std::mt19937_64 engine(seed);
    RulesDriver driver(folder, run.Mode, Level::Beginner, true);
    std::array<uint8_t, BytesPerEvent> bytes {};
    long games = 0;
    const auto start = std::chrono::steady_clock::now();
    for (long event = 0; event < events; ++event) {
        for (size_t i = 0; i < bytes.size(); i += 8) {
            const uint64_t word = engine();
            for (size_t j = 0; j < 8; ++j)
                bytes[i + j] = static_cast<uint8_t>(word >> (8 * j));
        }
        bytes[0] = NextKind(engine);
        ByteReader in(bytes.data(), bytes.size());
        const bool wasRunning = driver.game().IsRunning();
        const std::string broken = driver.Step(in);
        if (!broken.empty()) {
            std::fprintf(stderr, "%s, seed %llu, input %ld: %s\n", run.Name,
                static_cast<unsigned long long>(seed), event, broken.c_str());
            return 1;
        }
        games += wasRunning && !driver.game().IsRunning();
    }
    const double seconds
        = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("%-12s %ld events in %.2f s: %.0f events per second, %ld games finished\n",
        run.Name, events, seconds, static_cast<double>(events) / seconds, games);
    std::fflush(stdout);
    return 0;
}

} // namespace

int main(int argc, char** argv)
try {
    const long events = argc > 1 ? std::atol(argv[1]) : 1'000'000;
    const uint64_t seed = argc > 2 ? std::strtoull(argv[2], nullptr, 10) : std::random_device {}();
    std::printf("seed %llu\n", static_cast<unsigned long long>(seed));
    std::fflush(stdout);
    const TempDir folder;
    for (const ModeRun& run :
        {ModeRun {PlayMode::Classic, "Classic"}, ModeRun {PlayMode::VsHuman, "Vs Human"},
            ModeRun {PlayMode::VsComputer, "Vs Computer"}}) {
        if (Soak(run, events, seed, folder.Path().string()) != 0)
            return 1;
    }
    return 0;
} catch (const std::exception& error) {
    std::fprintf(stderr, "soak_rules: %s\n", error.what());
    return 2;
}
