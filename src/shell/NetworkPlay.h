// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "netplay/NetworkPlayer.h"
#include "netplay/TurnLimit.h"

#include <QObject>
#include <QString>
#include <QTimer>

#include <functional>
#include <memory>

namespace orvane {

class GameSession;
class HostServer;
class PlayerConnection;

// Where a network game is played: the host's address and port, the game's name there
// and, to come back to a seat, its token.
struct NetworkSeatAddress {
    QString Address;
    quint16 Port = 0;
    QString GameName;
    uint64_t Token = 0;
};

// The network game this program plays, if any: hosting one here (a HostServer in this
// program, joined by this player's own connection like any other) or joining one, the
// connection, and this player's side of the game shown in the session's game. Every
// failure is told in a box and leaves the program playing locally.
class NetworkPlay : public QObject {
    Q_OBJECT
public:
    NetworkPlay(GameSession& session, QObject* parent = nullptr);
    ~NetworkPlay() override;

    // Hosts a game here on the port or the next free one; false after telling why not.
    bool Host(const QString& playerName, quint16 port, TurnLimit limit);
    void Join(const QString& playerName, const NetworkSeatAddress& seat);
    // The seat left last, when the program ended less than a minute ago: back to it.
    void RejoinKeptSeat();

    bool Active() const { return player_ != nullptr; }
    // While a network game is played, asks "Leave the network game?" and leaves when the
    // player says yes; true when no network game is played any more.
    bool ConfirmLeave();
    // Leaves without asking: a game being played counts as given up.
    void Leave();
    // The window's title: the program's name, and in a network game its name and who
    // this player is.
    QString Title() const;
    // The port this program hosts on, or 0.
    quint16 HostPort() const;
    HostServer* Server() { return server_.get(); }

    std::function<void()> OnChanged;

private:
    void Start(const QString& playerName, const NetworkSeatAddress& seat, TurnLimit limit);
    void Received(const net::Message& message);
    void Flush();
    void Tick();
    void Finish();
    int64_t NowMs() const;
    void KeepSeat(bool keep);

    GameSession& session_;
    std::unique_ptr<HostServer> server_;
    PlayerConnection* connection_ = nullptr;
    std::unique_ptr<net::NetworkPlayer> player_;
    NetworkSeatAddress seat_;
    QTimer tick_;
    bool warnedOfTime_ = false;
    QString shownTitle_;
    std::string playerName_;
};

} // namespace orvane
