// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "network/Announcement.h"

#include <QByteArray>
#include <QHostAddress>
#include <QList>
#include <QObject>
#include <QString>
#include <QTimer>
#include <QUdpSocket>
#include <QVariant>

#include <cstdint>
#include <vector>

namespace orvane {

class CounterSource;

// Hosts announce themselves to this IPv4 multicast group, seen only on their own network
// (time to live 1), and looped back so that two programs on one machine see each other.
inline const QHostAddress AnnouncementGroup {QStringLiteral("239.255.45.13")};
constexpr quint16 AnnouncementPort = 45413;

// Tells the local network of the games a host holds that wait for a second player: every
// second, and at once when they change.
class GameAnnouncer : public QObject {
    Q_OBJECT
public:
    explicit GameAnnouncer(QObject* parent = nullptr);

    // What to send from now on; no games stops the sending.
    void Announce(const Announcement& announcement);

private:
    void Send();

    QUdpSocket socket_;
    QTimer timer_;
    QList<QByteArray> datagrams_;
};

struct FoundGame {
    QHostAddress Address;
    quint16 Port = 0;
    QString GameName;
    QString PlayerName;
    QString Board;
    bool operator==(const FoundGame&) const = default;
};

// The games announced on the local network, each known by its host's address and port
// and its name there, and forgotten once its host has been silent for 4 seconds. At most
// 64 hosts are kept; a datagram that is too long or malformed is dropped.
class GameFinder : public QObject {
    Q_OBJECT
public:
    explicit GameFinder(QObject* parent = nullptr);
    // Time comes from the counter: tests move it by hand.
    GameFinder(CounterSource& counter, QObject* parent);

    QList<FoundGame> FoundGames() const;
    // Why no game can be found here (no network that carries multicast), or empty.
    QString Problem() const { return problem_; }

    // Drops the games not heard of for 4 seconds; a timer calls it every second.
    void ForgetSilentHosts();

signals:
    void FoundGamesChanged();

private:
    struct HeardGame {
        FoundGame Game;
        int64_t LastHeardMs = 0;
    };

    void ReadDatagrams();
    bool Take(const QHostAddress& sender, const Announcement& announcement);
    int64_t NowMs() const;

    CounterSource& counter_;
    QUdpSocket socket_;
    QTimer expiry_;
    QString problem_;
    std::vector<HeardGame> games_;
};

} // namespace orvane
