// SPDX-License-Identifier: GPL-3.0-or-later
#include "network/HostServer.h"

#include "network/ByteArrays.h"
#include "network/GameFinder.h"
#include "platform/CounterSource.h"

#include <QCoreApplication>
#include <QTcpSocket>

#include <sys/resource.h>

#include <cmath>

namespace orvane {

namespace {
// Ticks often enough for a turn's last second to be noticed on time.
constexpr int TickMs = 250;
constexpr int PortsTried = 21;
// What the socket reads ahead of the message reader.
constexpr qint64 SocketReadBuffer = qint64 {64} * 1024;
// The most read from a socket at once.
constexpr size_t ReadPiece = 4096;
} // namespace

void MoveTimeRecord::Add(double ms)
{
    const double steps = std::floor(std::log10(ms / FastestMs) * StepsPerTenfold);
    const auto last = static_cast<double>(counts_.size() - 1);
    // Below the fastest (and zero) in the first count, beyond the slowest in the last.
    ++counts_[static_cast<size_t>(ms < FastestMs ? 0.0 : std::min(steps + 1, last))];
    ++count_;
    slowestMs_ = std::max(slowestMs_, ms);
}

double MoveTimeRecord::PercentileMs(double share) const
{
    // The time that this share of the moves took at most: the rank-th fastest.
    const auto rank = std::max<uint64_t>(
        1, static_cast<uint64_t>(std::ceil(share * static_cast<double>(count_))));
    uint64_t seen = 0;
    for (size_t i = 0; i < counts_.size(); ++i) {
        seen += counts_[i];
        if (seen >= rank)
            return std::min(
                slowestMs_, FastestMs * std::pow(10.0, static_cast<double>(i) / StepsPerTenfold));
    }
    return slowestMs_;
}

MoveTimeSummary MoveTimeRecord::Summary() const
{
    if (count_ == 0)
        return {};
    return {count_, PercentileMs(0.5), PercentileMs(0.95), slowestMs_};
}

struct HostServer::Peer {
    QTcpSocket* Socket = nullptr;
    net::MessageReader Reader;
};

HostServer::HostServer(RandomSource& random, CounterSource& counter, QObject* parent) :
    QObject(parent), counter_(counter), host_(random, counter)
{
    connect(&server_, &QTcpServer::newConnection, this, &HostServer::Accept);
    tick_.setInterval(TickMs);
    connect(&tick_, &QTimer::timeout, this, [this] {
        host_.Tick();
        Flush();
    });
    tick_.start();
}

HostServer::~HostServer()
{
    host_.EndAll(
        QT_TRANSLATE_NOOP("Messages", "The host has stopped hosting: the network game has ended."));
    Flush();
    // The local network hears no more of these games.
    if (announcer_)
        announcer_->Announce({});
    for (auto& [id, peer] : peers_)
        peer->Socket->disconnect(this);
}

void RaiseOpenFileLimit()
{
    rlimit limit {};
    if (getrlimit(RLIMIT_NOFILE, &limit) == 0 && limit.rlim_cur < limit.rlim_max) {
        limit.rlim_cur = limit.rlim_max;
        setrlimit(RLIMIT_NOFILE, &limit);
    }
}

bool HostServer::Listen(quint16 port, QString& problem)
{
    for (int i = 0; i < PortsTried && port + i <= 65535; ++i)
        if (server_.listen(QHostAddress::Any, static_cast<quint16>(port + i)))
            return true;
    problem = QCoreApplication::translate(
        "Network", "No port from %1 to %2 could be used for hosting: %3")
                  .arg(port)
                  .arg(std::min(port + PortsTried - 1, 65535))
                  .arg(server_.errorString());
    return false;
}

void HostServer::Accept()
{
    while (QTcpSocket* socket = server_.nextPendingConnection()) {
        if (peers_.size() >= MostConnections) {
            socket->abort();
            socket->deleteLater();
            continue;
        }
        socket->setParent(this);
        socket->setReadBufferSize(SocketReadBuffer);
        socket->setSocketOption(QAbstractSocket::LowDelayOption, 1);
        const net::ConnectionId id = nextId_++;
        auto peer = std::make_unique<Peer>();
        peer->Socket = socket;
        peers_.emplace(id, std::move(peer));
        connect(socket, &QTcpSocket::readyRead, this, [this, id] { Read(id); });
        connect(socket, &QTcpSocket::disconnected, this, [this, id] { Drop(id); });
        connect(socket, &QTcpSocket::errorOccurred, this, [this, id] { Drop(id); });
        host_.Connected(id);
    }
}

void HostServer::Read(net::ConnectionId id)
{
    const auto found = peers_.find(id);
    if (found == peers_.end())
        return;
    Peer& peer = *found->second;
    // The reader takes no more than the message it waits for: a peer sending faster than
    // it is read fills its own socket, not this program's memory.
    while (!peer.Reader.Broken() && peer.Socket->bytesAvailable() > 0) {
        const auto wanted = static_cast<qint64>(std::min<size_t>(peer.Reader.Wanted(), ReadPiece));
        const QByteArray read = peer.Socket->read(std::max<qint64>(wanted, 1));
        if (read.isEmpty())
            break;
        const int64_t readAt = counter_.Now();
        peer.Reader.Add(ToBytes(read));
        while (auto message = peer.Reader.Next()) {
            if (std::holds_alternative<net::MoveAsked>(*message))
                movesReadAt_.push_back(readAt);
            host_.Received(id, *message);
        }
    }
    const bool broken = peer.Reader.Broken();
    if (broken)
        host_.Received(id, net::Goodbye {});
    Flush();
    const int64_t answeredAt = counter_.Now();
    const auto ticksPerMs = static_cast<double>(counter_.Frequency()) / 1000.0;
    for (const int64_t readAt : movesReadAt_)
        moveTimes_.Add(static_cast<double>(answeredAt - readAt) / ticksPerMs);
    movesReadAt_.clear();
    if (broken)
        Drop(id);
}

void HostServer::Drop(net::ConnectionId id)
{
    const auto found = peers_.find(id);
    if (found == peers_.end())
        return;
    QTcpSocket* socket = found->second->Socket;
    peers_.erase(found);
    socket->disconnect(this);
    socket->disconnectFromHost();
    socket->deleteLater();
    host_.Disconnected(id);
    Flush();
}

void HostServer::Flush()
{
    for (const net::Outgoing& out : host_.TakeOutgoing()) {
        const auto found = peers_.find(out.To);
        if (found == peers_.end())
            continue;
        QTcpSocket& socket = *found->second->Socket;
        socket.write(ToByteArray(out.Bytes));
    }
    for (net::ConnectionId closed : host_.TakeClosing())
        if (const auto found = peers_.find(closed); found != peers_.end()) {
            // Written first, then closed: the goodbye reaches the player.
            QTcpSocket* socket = found->second->Socket;
            peers_.erase(found);
            socket->flush();
            socket->disconnect(this);
            socket->disconnectFromHost();
            socket->deleteLater();
        }
    std::vector<net::ConnectionId> slow;
    for (const auto& [id, peer] : peers_)
        if (peer->Socket->bytesToWrite() > MostUnsentBytes)
            slow.push_back(id);
    for (net::ConnectionId id : slow)
        Drop(id);
    if (!announcer_)
        return;
    Announcement waiting {net::ProtocolVersion, Port(), {}};
    for (const net::WaitingGame& game : host_.WaitingGames())
        waiting.Games.push_back({game.GameName, game.PlayerName, net::DescribeBoard(game.Board)});
    if (waiting != announced_) {
        announced_ = waiting;
        announcer_->Announce(waiting);
    }
}

void HostServer::AnnounceOnLocalNetwork()
{
    announcer_ = std::make_unique<GameAnnouncer>();
    Flush();
}

} // namespace orvane
