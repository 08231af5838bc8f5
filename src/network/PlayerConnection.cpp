// SPDX-License-Identifier: GPL-3.0-or-later
#include "network/PlayerConnection.h"

#include "network/ByteArrays.h"

#include <QCoreApplication>

namespace orvane {

namespace {
constexpr int OpenTimeoutMs = 10'000;
// The most read from the socket at once.
constexpr size_t ReadPiece = 4096;
} // namespace

PlayerConnection::PlayerConnection(QObject* parent) : QObject(parent)
{
    socket_.setReadBufferSize(qint64 {64} * 1024);
    openTimeout_.setSingleShot(true);
    connect(&openTimeout_, &QTimer::timeout, this, [this] {
        Lose(QCoreApplication::translate(
            "Network", "The host at %1, port %2, did not answer within 10 seconds.")
                 .arg(address_)
                 .arg(port_));
    });
    connect(&socket_, &QTcpSocket::connected, this, [this] {
        openTimeout_.stop();
        socket_.setSocketOption(QAbstractSocket::LowDelayOption, 1);
        if (OnOpened)
            OnOpened();
    });
    connect(&socket_, &QTcpSocket::readyRead, this, &PlayerConnection::Read);
    connect(&socket_, &QTcpSocket::errorOccurred, this, [this](QAbstractSocket::SocketError error) {
        switch (error) {
        case QAbstractSocket::HostNotFoundError:
            Lose(QCoreApplication::translate("Network", "No computer called \"%1\" was found.")
                     .arg(address_));
            break;
        case QAbstractSocket::ConnectionRefusedError:
            Lose(QCoreApplication::translate("Network", "Nobody hosts a game at %1, port %2.")
                     .arg(address_)
                     .arg(port_));
            break;
        case QAbstractSocket::RemoteHostClosedError:
            Lose(QCoreApplication::translate("Network", "The host closed the connection."));
            break;
        default:
            Lose(QCoreApplication::translate("Network", "The connection to the host failed: %1.")
                     .arg(socket_.errorString()));
            break;
        }
    });
}

void PlayerConnection::Open(const QString& address, quint16 port)
{
    address_ = address;
    port_ = port;
    openTimeout_.start(OpenTimeoutMs);
    socket_.connectToHost(address, port);
}

void PlayerConnection::Send(const std::vector<uint8_t>& bytes)
{
    if (!bytes.empty() && IsOpen())
        socket_.write(ToByteArray(bytes));
}

void PlayerConnection::Close()
{
    lost_ = true;
    openTimeout_.stop();
    socket_.disconnectFromHost();
}

void PlayerConnection::Read()
{
    while (!lost_ && socket_.bytesAvailable() > 0) {
        const auto wanted = static_cast<qint64>(std::min<size_t>(reader_.Wanted(), ReadPiece));
        const QByteArray read = socket_.read(std::max<qint64>(wanted, 1));
        if (read.isEmpty())
            break;
        reader_.Add(ToBytes(read));
        while (!lost_) {
            auto message = reader_.Next();
            if (!message)
                break;
            if (OnMessage)
                OnMessage(*message);
        }
        if (reader_.Broken())
            Lose(QString::fromStdString(reader_.Problem()));
    }
}

void PlayerConnection::Lose(const QString& reason)
{
    if (lost_)
        return;
    lost_ = true;
    openTimeout_.stop();
    socket_.abort();
    if (OnLost)
        OnLost(reason);
}

} // namespace orvane
