// SPDX-License-Identifier: GPL-3.0-or-later
// The game history with many games in it, in a fresh database in a temporary folder:
//   orvane_bench_history [games] [stores] [seed] [replays]
// (defaults 100000, 1000, 1 and 1). The games come from a generator of plausible play:
// most are Classic, fewer at the harder levels, which are won less often and take longer.
// With replays (1), every game is stored with the encoded record of a real game of its
// kind, played by the solver (two computers in the two-player modes), and kept for ever,
// so that all of them stay, but for the last 1,000 of the fill: each game stored after
// it drops one. Prints the wall-clock time to fill the history, to open it, to read
// everything the statistics window shows for one mode and level (median of repeats, and
// the slowest kind), and to store one more game with its replay (median, 95th percentile
// and slowest).
#include "Measures.h"
#include "game/RecordCodec.h"
#include "scores/History.h"
#include "support/ReplayCheck.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <span>
#include <string>
#include <vector>

namespace {

using namespace orvane;
using Clock = std::chrono::steady_clock;

double MillisecondsSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

using orvane::bench::Percentile;

// How a kind of game is played: its share of all games and its typical numbers.
struct Kind {
    PlayMode Mode;
    Level BoardLevel;
    int32_t Width, Height, Mines;
    double Share, WinRate, TypicalSeconds, TypicalThreeBV;
};

const std::vector<Kind> Kinds {
    {PlayMode::Classic, Level::Beginner, 9, 9, 10, 0.34, 0.75, 14, 30},
    {PlayMode::Classic, Level::Intermediate, 16, 16, 40, 0.28, 0.50, 55, 110},
    {PlayMode::Classic, Level::Expert, 30, 16, 99, 0.18, 0.30, 150, 180},
    {PlayMode::Classic, Level::Custom, 24, 20, 80, 0.04, 0.45, 90, 140},
    {PlayMode::VsComputer, Level::Intermediate, 16, 16, 51, 0.10, 0.55, 120, 100},
    {PlayMode::VsHuman, Level::Beginner, 9, 9, 21, 0.06, 0.50, 40, 20},
};

class GameGenerator {
public:
    explicit GameGenerator(unsigned seed) : random_(seed)
    {
        std::vector<double> shares;
        for (const Kind& kind : Kinds)
            shares.push_back(kind.Share);
        pick_ = std::discrete_distribution<size_t>(shares.begin(), shares.end());
    }

    GameRecord Next()
    {
        const Kind& kind = Kinds[pick_(random_)];
        GameRecord game;
        // A game every few minutes, with a break now and then.
        when_ += static_cast<int64_t>(std::exponential_distribution<double>(1.0 / 240)(random_));
        game.PlayedAt = when_;
        game.Mode = HistoryModeOf(kind.Mode);
        game.BoardLevel = kind.BoardLevel;
        game.Width = kind.Width;
        game.Height = kind.Height;
        game.Mines = kind.Mines;
        const double roll = share_(random_);
        game.Result = roll < kind.WinRate ? GameResult::Won
            : roll < 0.96                 ? GameResult::Lost
                                          : GameResult::GivenUp;
        const double spread = std::lognormal_distribution<double>(0.0, 0.35)(random_);
        const double fullTime = kind.TypicalSeconds * spread;
        // A lost or given-up game stopped somewhere along the way.
        game.Seconds = game.Result == GameResult::Won ? fullTime : fullTime * share_(random_);
        const int32_t threeBV = std::max(1,
            static_cast<int32_t>(std::normal_distribution<double>(
                kind.TypicalThreeBV, kind.TypicalThreeBV * 0.2)(random_)));
        const bool classic = kind.Mode == PlayMode::Classic;
        game.Clicks = classic ? static_cast<int32_t>(threeBV
                          * std::uniform_real_distribution<double>(1.0, 1.8)(random_)
                          * (game.Result == GameResult::Won ? 1.0 : share_(random_)))
                              : 0;
        game.Measures = MeasureBoard(threeBV, game.Seconds, game.Clicks);
        game.NoGuessBoard = share_(random_) < 0.2;
        game.HintsUsed = share_(random_) < 0.1 ? 1 + static_cast<int32_t>(share_(random_) * 3) : 0;
        return game;
    }

private:
    std::mt19937_64 random_;
    std::discrete_distribution<size_t> pick_;
    std::uniform_real_distribution<double> share_ {0.0, 1.0};
    int64_t when_ = 1600000000;
};

constexpr int RecordsPerKind = 40;

// Encoded records of real games of each kind, to be stored again and again.
class RecordPool {
public:
    explicit RecordPool(unsigned seed)
    {
        uint64_t gameSeed = seed * 1000003ull;
        for (const Kind& kind : Kinds) {
            BoardSetup setup;
            setup.Mode = kind.Mode;
            setup.BoardLevel = kind.BoardLevel;
            setup.Width = static_cast<int16_t>(kind.Width);
            setup.Height = static_cast<int16_t>(kind.Height);
            setup.Mines = static_cast<int16_t>(kind.Mines);
            setup.ScoreTable = kind.BoardLevel == Level::Custom ? NoScoreTable : 0;
            const auto player = kind.Mode == PlayMode::Classic ? testing::ReplayPlayer::Solver
                                                               : testing::ReplayPlayer::Computers;
            std::vector<std::vector<uint8_t>>& records = records_.emplace_back();
            for (int game = 0; game < RecordsPerKind; ++game) {
                records.push_back(
                    EncodeRecordedGame(testing::PlayOneGame(setup, player, ++gameSeed).Record));
                sizes_.push_back(static_cast<double>(records.back().size()));
            }
        }
    }

    const std::vector<uint8_t>& Of(const GameRecord& game)
    {
        for (size_t kind = 0; kind < Kinds.size(); ++kind)
            if (HistoryModeOf(Kinds[kind].Mode) == game.Mode
                && Kinds[kind].BoardLevel == game.BoardLevel)
                return records_[kind][next_++ % RecordsPerKind];
        return records_.front().front();
    }
    const std::vector<double>& Sizes() const { return sizes_; }

private:
    std::vector<std::vector<std::vector<uint8_t>>> records_;
    std::vector<double> sizes_;
    size_t next_ = 0;
};

// Everything the statistics window reads when it shows one kind.
double ReadWindowFigures(const History& history, const Kind& kind)
{
    const Clock::time_point start = Clock::now();
    const HistoryMode mode = HistoryModeOf(kind.Mode);
    const KindFigures figures = history.Figures(mode, kind.BoardLevel);
    const std::vector<double> times = history.LastWonTimes(mode, kind.BoardLevel, 50);
    const std::vector<GameRecord> latest = history.LatestGames(mode, kind.BoardLevel, 200);
    const double took = MillisecondsSince(start);
    if (figures.Played == 0 || times.empty() || latest.empty())
        std::printf("warning: no games of a kind that should have some\n");
    return took;
}

} // namespace

int main(int argc, char** argv)
{
    const int games = argc > 1 ? std::atoi(argv[1]) : 100000;
    const int stores = argc > 2 ? std::atoi(argv[2]) : 1000;
    const auto seed = static_cast<unsigned>(argc > 3 ? std::atoi(argv[3]) : 1);
    const bool replays = argc > 4 ? std::atoi(argv[4]) != 0 : true;

    std::string folder
        = (std::filesystem::temp_directory_path() / "orvane-history-XXXXXX").string();
    if (!::mkdtemp(folder.data())) {
        std::perror("mkdtemp");
        return 1;
    }
    const std::string path = folder + "/History.db";
    const auto report = [](const Text& message) { std::printf("%s\n", message.English().c_str()); };
    GameGenerator generator(seed);
    RecordPool pool(seed);
    const auto replayOf = [&](const GameRecord& game) {
        return replays ? std::span<const uint8_t>(pool.Of(game)) : std::span<const uint8_t>();
    };

    Clock::time_point start = Clock::now();
    {
        History history(path, report);
        history.Open();
        for (int i = 0; i < games; ++i) {
            const GameRecord game = generator.Next();
            history.Store(game, replayOf(game), i < games - History::KeptReplays);
        }
    }
    const double fillSeconds = MillisecondsSince(start) / 1000;
    std::error_code noSize;
    const double fileMegabytes = static_cast<double>(std::filesystem::file_size(path, noSize)
                                     + std::filesystem::file_size(path + "-wal", noSize))
        / 1e6;

    start = Clock::now();
    History history(path, report);
    history.Open();
    const double openMs = MillisecondsSince(start);

    // The first reading after the opening, then repeats of the largest kind; the slowest
    // kind of all.
    const double firstMs = ReadWindowFigures(history, Kinds[0]);
    std::vector<double> repeats;
    for (int i = 0; i < 20; ++i)
        repeats.push_back(ReadWindowFigures(history, Kinds[0]));
    double slowestKindMs = 0;
    for (const Kind& kind : Kinds)
        slowestKindMs = std::max(slowestKindMs, ReadWindowFigures(history, kind));

    std::vector<double> storeMs;
    for (int i = 0; i < stores; ++i) {
        const GameRecord game = generator.Next();
        const std::span<const uint8_t> replay = replayOf(game);
        start = Clock::now();
        history.Store(game, replay);
        storeMs.push_back(MillisecondsSince(start));
    }

    std::printf("replays: %s; the encoded records of %zu games: median %.0f bytes, "
                "smallest %.0f, largest %.0f\n",
        replays ? "kept" : "none", pool.Sizes().size(), Percentile(pool.Sizes(), 0.5),
        Percentile(pool.Sizes(), 0.0), Percentile(pool.Sizes(), 1.0));
    std::printf("| games | file MB | fill s | open ms | window figures, first ms | median ms "
                "| slowest kind ms | store median ms | store 95th pct. ms | store max ms |\n");
    std::printf("|---|---|---|---|---|---|---|---|---|---|\n");
    std::printf("| %d | %.1f | %.1f | %.2f | %.1f | %.1f | %.1f | %.3f | %.3f | %.3f |\n", games,
        fileMegabytes, fillSeconds, openMs, firstMs, Percentile(repeats, 0.5), slowestKindMs,
        Percentile(storeMs, 0.5), Percentile(storeMs, 0.95),
        *std::max_element(storeMs.begin(), storeMs.end()));

    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);
    return 0;
}
