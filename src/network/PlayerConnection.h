// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "netplay/Protocol.h"

#include <QObject>
#include <QString>
#include <QTcpSocket>
#include <QTimer>

#include <functional>

namespace orvane {

// A player's connection to a network game's host: opens it (an IPv4 or IPv6 address or a
// host name), writes the player's bytes and reads the host's messages with a bounded
// reader. Every failure is told once, in plain words: no host by that name, nobody
// hosting there, no answer within 10 seconds, the connection closed or broken, or
// bytes this program cannot read.
class PlayerConnection : public QObject {
    Q_OBJECT
public:
    explicit PlayerConnection(QObject* parent = nullptr);

    void Open(const QString& address, quint16 port);
    void Send(const std::vector<uint8_t>& bytes);
    // Sends what is waiting, then closes; nothing more is told.
    void Close();
    bool IsOpen() const { return socket_.state() == QAbstractSocket::ConnectedState; }

    std::function<void()> OnOpened;
    std::function<void(const net::Message&)> OnMessage;
    std::function<void(const QString& reason)> OnLost;

private:
    void Read();
    void Lose(const QString& reason);

    QTcpSocket socket_;
    QTimer openTimeout_;
    net::MessageReader reader_;
    QString address_;
    quint16 port_ = 0;
    bool lost_ = false;
};

} // namespace orvane
