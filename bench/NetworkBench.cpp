// SPDX-License-Identifier: GPL-3.0-or-later
// Network games on loopback, with the host in a process of its own as `orvane --serve`
// runs it, so that host and players share the processor as two programs do:
//   orvane_bench_network [path to orvane] [games] [moves]
// (defaults build/app/orvane, 1000 and 2000). First one game of two players plays the
// moves, whoever is to move opening a closed cell it sees (a new game when one ends), and
// each move's round trip is timed from writing it to reading the board it changed. Then a
// fresh host seats the games at once, each plays a few moves in turn with the others, and
// its resident memory per game is read; on quitting, that host tells its own time per
// move, from reading a move to writing its answer. Prints each figure beside its target;
// exits non-zero only when something could not be run or read.
#include "Measures.h"
#include "game/Game.h"
#include "netplay/NetworkPlayer.h"
#include "network/HostServer.h"
#include "network/PlayerConnection.h"
#include "platform/CounterSource.h"
#include "platform/FrameClock.h"
#include "support/FixedRandom.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QProcess>
#include <QTcpServer>
#include <QTimer>

#include <sys/prctl.h>

#include <csignal>

#include <chrono>
#include <cstdio>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <random>
#include <string>
#include <vector>

namespace {

using namespace orvane;

// Each wait gives up after this long: a host that stopped answering ends the run.
constexpr int HangGuardMs = 60'000;
// Connections opening at once: more would overflow the host's queue of new connections.
constexpr int OpeningAtOnce = 16;
// The moves each game plays while all the games are seated.
constexpr int MovesAtLoad = 4;
constexpr int TickMs = 500;
constexpr double RoundTripTargetMs = 5.0;
constexpr double HostMoveTargetMs = 20.0;
constexpr double MemoryTargetKiB = 64.0;

double NowMs()
{
    return std::chrono::duration<double, std::milli>(
        std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

// The largest of the usual two-player boards, so that a game's memory is not understated.
BoardSetup ExpertDuel()
{
    return BoardSetup {PlayMode::VsHuman, Level::Expert, 30, 16, 111, NoScoreTable, 8};
}

// Runs the events until done says so; false when the hang guard ran out first.
bool WaitUntil(const std::function<bool()>& done)
{
    const QDeadlineTimer guard(HangGuardMs);
    while (!done()) {
        if (guard.hasExpired())
            return false;
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    return true;
}

struct HostFigures {
    unsigned long long Moves = 0;
    double MedianMs = 0, Percentile95Ms = 0, SlowestMs = 0;
};

// `orvane --serve` on a free port, in a process of its own that ends with this object.
class HostProcess {
public:
    ~HostProcess()
    {
        if (process_.state() != QProcess::NotRunning) {
            process_.kill();
            process_.waitForFinished(HangGuardMs);
        }
    }

    bool Start(const QString& program, std::string& problem)
    {
        QTcpServer probe;
        if (!probe.listen(QHostAddress::LocalHost, 0)) {
            problem = "no free port: " + probe.errorString().toStdString();
            return false;
        }
        const quint16 free = probe.serverPort();
        probe.close();
        process_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        // The host goes with this program, however this program ends.
        process_.setChildProcessModifier([] { prctl(PR_SET_PDEATHSIG, SIGTERM); });
        process_.start(program, {"--serve", "--port", QString::number(free)});
        if (!process_.waitForStarted(HangGuardMs)) {
            problem = "could not start " + program.toStdString() + ": "
                + process_.errorString().toStdString();
            return false;
        }
        const QByteArray said = ReadLine();
        if (std::sscanf(said.constData(), "orvane: hosting network games on port %hu", &port_)
            != 1) {
            problem
                = "the host did not say its port; it said \"" + said.trimmed().toStdString() + "\"";
            return false;
        }
        return true;
    }

    quint16 Port() const { return port_; }

    // The host's resident memory in KiB, as the system counts it; nullopt if unreadable.
    std::optional<long> ResidentKiB() const
    {
        QFile status(QStringLiteral("/proc/%1/status").arg(process_.processId()));
        if (!status.open(QIODevice::ReadOnly))
            return std::nullopt;
        for (QByteArray line = status.readLine(); !line.isEmpty(); line = status.readLine()) {
            long kib = 0;
            if (std::sscanf(line.constData(), "VmRSS: %ld kB", &kib) == 1)
                return kib;
        }
        return std::nullopt;
    }

    // Asks the host to quit as a service manager does and reads what it told on quitting.
    std::optional<HostFigures> Stop()
    {
        process_.terminate();
        if (!process_.waitForFinished(HangGuardMs))
            return std::nullopt;
        for (QByteArray line = process_.readLine(); !line.isEmpty(); line = process_.readLine()) {
            HostFigures figures;
            if (std::sscanf(line.constData(),
                    "orvane: %llu moves; host move time median %lf ms, 95th percentile %lf "
                    "ms, slowest %lf ms",
                    &figures.Moves, &figures.MedianMs, &figures.Percentile95Ms, &figures.SlowestMs)
                == 4)
                return figures;
        }
        return std::nullopt;
    }

private:
    QByteArray ReadLine()
    {
        WaitUntil(
            [this] { return process_.canReadLine() || process_.state() == QProcess::NotRunning; });
        return process_.readLine();
    }

    QProcess process_;
    quint16 port_ = 0;
};

// One player's program: the game it shows, its side of the protocol and its socket.
struct Player {
    Player(CounterSource& counter, uint64_t seed) :
        random(seed), clock(counter), game(random, clock)
    {
    }
    void Send()
    {
        // Whatever the player says before its connection opens waits for it.
        if (connection.IsOpen())
            connection.Send(side->TakeOutgoing());
    }

    testing::FixedRandom random;
    FrameClock clock;
    Game game;
    std::unique_ptr<net::NetworkPlayer> side;
    PlayerConnection connection;
    Player* partner = nullptr;
    // Waits for the board a move changed, or the mover for the host's refusal.
    bool waiting = false;
    double askedAtMs = -1;
    bool lost = false;
};

// The players of one run against one host, and what they measured.
class Players {
public:
    explicit Players(quint16 port) : port_(port)
    {
        ticker_.setInterval(TickMs);
        QObject::connect(&ticker_, &QTimer::timeout, [this] {
            for (auto& player : players_) {
                player->side->Tick(static_cast<int64_t>(NowMs()));
                player->Send();
            }
        });
        ticker_.start();
    }

    ~Players()
    {
        for (auto& player : players_)
            player->connection.Close();
    }

    // Opens the games' connections, a few at a time, and waits until every game has its two
    // players and its first board.
    bool Seat(int games)
    {
        for (int i = 0; i < 2 * games; ++i) {
            if (!WaitUntil([this] { return Opening() < OpeningAtOnce || Lost(); }) || Lost())
                return false;
            Open();
        }
        if (!WaitUntil([this] { return Lost() || AllSeated(); }) || Lost())
            return false;
        std::map<std::string, Player*> firstOfGame;
        for (auto& player : players_) {
            auto [first, added] = firstOfGame.try_emplace(player->side->GameName(), player.get());
            if (!added) {
                player->partner = first->second;
                first->second->partner = player.get();
            }
        }
        return true;
    }

    // Each game plays one move at a time, all games at once; a round ends when every
    // player has seen its game's move. With one game, its moves one after the other.
    bool PlayRounds(int rounds)
    {
        for (int round = 0; round < rounds; ++round) {
            for (auto& player : players_)
                if (player->side->Seat() == Player1)
                    AskMove(*player);
            if (!WaitUntil([this] { return Lost() || !AnyWaiting(); }) || Lost())
                return false;
        }
        return true;
    }

    std::vector<double> TakeRoundTrips() { return std::exchange(roundTrips_, {}); }
    unsigned long long MovesAsked() const { return movesAsked_; }
    int Refusals() const { return refusals_; }
    const std::string& Problem() const { return problem_; }

private:
    int Opening() const
    {
        int opening = 0;
        for (const auto& player : players_)
            opening += player->side->CurrentPhase() == net::NetworkPlayer::Phase::Greeting;
        return opening;
    }

    bool AllSeated() const
    {
        for (const auto& player : players_)
            if (!player->side->OtherPlayerPresent())
                return false;
        return true;
    }

    bool AnyWaiting() const
    {
        for (const auto& player : players_)
            if (player->waiting)
                return true;
        return false;
    }

    bool Lost() const { return !problem_.empty(); }

    void Open()
    {
        auto player = std::make_unique<Player>(counter_, players_.size() + 1);
        Player& opened = *player;
        players_.push_back(std::move(player));
        net::Hello hello;
        hello.PlayerName = "Bench";
        hello.Board = ExpertDuel();
        opened.side = std::make_unique<net::NetworkPlayer>(
            opened.game, hello, static_cast<int64_t>(NowMs()));
        opened.connection.OnOpened = [&opened] { opened.Send(); };
        opened.connection.OnMessage
            = [this, &opened](const net::Message& message) { Received(opened, message); };
        opened.connection.OnLost = [this](const QString& reason) {
            problem_ = "a player lost its connection: " + reason.toStdString();
        };
        opened.connection.Open(QStringLiteral("127.0.0.1"), port_);
    }

    void Received(Player& player, const net::Message& message)
    {
        const double now = NowMs();
        player.side->Received(message, static_cast<int64_t>(now));
        // The game's events are for a window; none here.
        player.game.TakeEvents();
        const bool shown = std::holds_alternative<net::Shown>(message);
        if (shown && player.askedAtMs >= 0)
            roundTrips_.push_back(now - player.askedAtMs);
        if (shown || std::holds_alternative<net::MoveRefused>(message)) {
            player.askedAtMs = -1;
            player.waiting = false;
        }
        if (std::holds_alternative<net::MoveRefused>(message)) {
            // The other player sees nothing of a refused move.
            ++refusals_;
            player.partner->waiting = false;
        }
        if (player.side->CurrentPhase() == net::NetworkPlayer::Phase::Ended)
            problem_ = "a network game ended: " + player.side->EndReason().English();
        player.Send();
    }

    // The player to move in this game, as its players see it, opens a closed cell at
    // random, or asks for a new game when the last one has ended.
    void AskMove(Player& player)
    {
        Player& mover
            = player.game.CurrentPlayer() == player.side->Seat() ? player : *player.partner;
        NetworkMoveWanted move {NetworkMove::NewGame, 0};
        if (mover.game.IsRunning()) {
            std::vector<int16_t> closed;
            for (size_t i = 0; i < mover.game.Cells().size(); ++i)
                if (mover.game.CellAt(static_cast<int32_t>(i)).IsClosedUnmarked())
                    closed.push_back(static_cast<int16_t>(i));
            if (!closed.empty())
                move = {NetworkMove::Open, closed[pick_() % closed.size()]};
        }
        mover.waiting = mover.partner->waiting = true;
        mover.askedAtMs = NowMs();
        mover.side->Ask(move, static_cast<int64_t>(mover.askedAtMs));
        mover.Send();
        ++movesAsked_;
    }

    quint16 port_;
    SteadyCounter counter_;
    QTimer ticker_;
    std::vector<double> roundTrips_;
    std::mt19937 pick_ {20240611};
    unsigned long long movesAsked_ = 0;
    int refusals_ = 0;
    std::string problem_;
    // Last, so that the players go before anything they tell of.
    std::vector<std::unique_ptr<Player>> players_;
};

int Fail(const std::string& problem)
{
    std::fprintf(stderr, "orvane_bench_network: %s\n", problem.c_str());
    return 1;
}

void PrintRow(const char* what, double figure, const char* unit, double target = 0)
{
    if (target > 0)
        std::printf("| %-48s | %10.3f %-3s | at most %g %s |\n", what, figure, unit, target, unit);
    else
        std::printf("| %-48s | %10.3f %-3s | |\n", what, figure, unit);
}

} // namespace

int main(int argc, char** argv)
{
    int toolkitArgc = 1;
    QCoreApplication app(toolkitArgc, argv);
    const QString program
        = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("build/app/orvane");
    const int games = argc > 2 ? std::max(1, std::atoi(argv[2])) : 1000;
    const int moves = argc > 3 ? std::max(1, std::atoi(argv[3])) : 2000;
    orvane::RaiseOpenFileLimit();
    std::string problem;

    HostProcess oneGameHost;
    if (!oneGameHost.Start(program, problem))
        return Fail(problem);
    std::vector<double> roundTrips;
    unsigned long long oneGameMoves = 0;
    {
        Players pair(oneGameHost.Port());
        if (!pair.Seat(1) || !pair.PlayRounds(moves))
            return Fail("one game: " + pair.Problem());
        roundTrips = pair.TakeRoundTrips();
        oneGameMoves = pair.MovesAsked();
    }
    const std::optional<HostFigures> oneGame = oneGameHost.Stop();
    if (!oneGame)
        return Fail("the host of one game told no move times on quitting");

    HostProcess loadHost;
    if (!loadHost.Start(program, problem))
        return Fail(problem);
    const std::optional<long> residentAtNone = loadHost.ResidentKiB();
    std::optional<long> residentAtAll;
    unsigned long long loadMoves = 0;
    int refusals = 0;
    {
        Players all(loadHost.Port());
        if (!all.Seat(games) || !all.PlayRounds(MovesAtLoad))
            return Fail(std::to_string(games) + " games: " + all.Problem());
        residentAtAll = loadHost.ResidentKiB();
        loadMoves = all.MovesAsked();
        refusals = all.Refusals();
    }
    const std::optional<HostFigures> load = loadHost.Stop();
    if (!load)
        return Fail("the host of many games told no move times on quitting");
    if (!residentAtNone || !residentAtAll)
        return Fail("the host's resident memory could not be read");
    // Every move asked must be in the host's record, or its figures say nothing.
    if (oneGame->Moves != oneGameMoves || load->Moves != loadMoves)
        return Fail("the hosts counted " + std::to_string(oneGame->Moves) + " and "
            + std::to_string(load->Moves) + " moves of the " + std::to_string(oneGameMoves)
            + " and " + std::to_string(loadMoves) + " asked");

    const double perGameKiB = static_cast<double>(*residentAtAll - *residentAtNone) / games;
    std::printf("%d moves in one game, then %d games at once with %llu moves (%d refused); "
                "host resident %ld KiB with no game, %ld KiB with all\n",
        moves, games, loadMoves, refusals, *residentAtNone, *residentAtAll);
    std::printf("| figure | measured | target |\n|---|---|---|\n");
    PrintRow("round trip of a move, median", bench::Percentile(roundTrips, 0.5), "ms");
    PrintRow("round trip of a move, 95th percentile", bench::Percentile(roundTrips, 0.95), "ms",
        RoundTripTargetMs);
    PrintRow("round trip of a move, slowest", bench::Percentile(roundTrips, 1.0), "ms");
    PrintRow("host move time in one game, 95th percentile", oneGame->Percentile95Ms, "ms");
    PrintRow("host move time with all games, median", load->MedianMs, "ms");
    PrintRow("host move time with all games, 95th percentile", load->Percentile95Ms, "ms",
        HostMoveTargetMs);
    PrintRow("host move time with all games, slowest", load->SlowestMs, "ms");
    PrintRow("host memory per game", perGameKiB, "KiB", MemoryTargetKiB);
    return 0;
}
