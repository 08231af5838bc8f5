// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "netplay/GameHost.h"
#include "network/Announcement.h"

#include <QObject>
#include <QTcpServer>
#include <QTimer>

#include <array>
#include <map>
#include <memory>
#include <vector>

class QTcpSocket;

namespace orvane {
class GameAnnouncer;
}

namespace orvane {

struct MoveTimeSummary {
    uint64_t Count = 0;
    double MedianMs = 0;
    double Percentile95Ms = 0;
    double SlowestMs = 0;
};

// The host's times for moves, on a log scale from 1 µs to 10 s in steps of 12 %: a host
// that runs for months keeps no more than at its start. A percentile reads as the top of
// its step, and never above the slowest time.
class MoveTimeRecord {
public:
    void Add(double ms);
    MoveTimeSummary Summary() const;

private:
    static constexpr int StepsPerTenfold = 20;
    static constexpr int Tenfolds = 7;
    static constexpr double FastestMs = 1e-3;
    double PercentileMs(double share) const;

    // Below the fastest, the steps, at or above the slowest.
    std::array<uint64_t, StepsPerTenfold * Tenfolds + 2> counts_ {};
    uint64_t count_ = 0;
    double slowestMs_ = 0;
};

// The network games' host on real sockets: it listens for players, reads each
// connection's messages with a bounded reader, hands them to a GameHost and writes back
// what it answers. A connection that sends what cannot be read, or reads too slowly
// what it is sent, is closed; so is one past the most connections held at once.
// Each connection holds a file: a process holding many raises its limit as far as the
// system lets it.
void RaiseOpenFileLimit();

class HostServer : public QObject {
    Q_OBJECT
public:
    static constexpr int MostConnections = 4096;
    // Bytes waiting to go to one player before that player is taken as gone.
    static constexpr qint64 MostUnsentBytes = qint64 {1} << 20;

    HostServer(RandomSource& random, CounterSource& counter, QObject* parent = nullptr);
    ~HostServer() override;

    // Listens on every address at the port or, when it is taken, at the first free one of
    // the next 20; false, with the reason in problem, when none could be had.
    bool Listen(quint16 port, QString& problem);
    quint16 Port() const { return server_.serverPort(); }
    std::size_t ConnectionCount() const { return peers_.size(); }
    net::GameHost& Host() { return host_; }
    // From each move's bytes read to its answer written, on the host's counter.
    MoveTimeSummary MoveTimes() const { return moveTimes_.Summary(); }
    // From now on the games waiting for a second player are told to the local network.
    void AnnounceOnLocalNetwork();

private:
    struct Peer;
    void Accept();
    void Read(net::ConnectionId id);
    void Drop(net::ConnectionId id);
    // Writes what the host answered and closes what it closed.
    void Flush();

    CounterSource& counter_;
    net::GameHost host_;
    QTcpServer server_;
    QTimer tick_;
    std::map<net::ConnectionId, std::unique_ptr<Peer>> peers_;
    net::ConnectionId nextId_ = 1;
    std::unique_ptr<GameAnnouncer> announcer_;
    Announcement announced_;
    MoveTimeRecord moveTimes_;
    // When the moves being answered were read, kept between reads to spare allocations.
    std::vector<int64_t> movesReadAt_;
};

} // namespace orvane
