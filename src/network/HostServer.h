// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "netplay/GameHost.h"
#include "network/Announcement.h"

#include <QObject>
#include <QTcpServer>
#include <QTimer>

#include <map>
#include <memory>

class QTcpSocket;

namespace orvane {
class GameAnnouncer;
}

namespace orvane {

// The network games' host on real sockets: it listens for players, reads each
// connection's messages with a bounded reader, hands them to a GameHost and writes back
// what it answers. A connection that sends what cannot be read, or reads too slowly
// what it is sent, is closed; so is one past the most connections held at once.
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
    // From now on the games waiting for a second player are told to the local network.
    void AnnounceOnLocalNetwork();

private:
    struct Peer;
    void Accept();
    void Read(net::ConnectionId id);
    void Drop(net::ConnectionId id);
    // Writes what the host answered and closes what it closed.
    void Flush();

    net::GameHost host_;
    QTcpServer server_;
    QTimer tick_;
    std::map<net::ConnectionId, std::unique_ptr<Peer>> peers_;
    net::ConnectionId nextId_ = 1;
    std::unique_ptr<GameAnnouncer> announcer_;
    Announcement announced_;
};

} // namespace orvane
