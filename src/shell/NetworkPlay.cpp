// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/NetworkPlay.h"

#include "network/HostServer.h"
#include "network/PlayerConnection.h"
#include "platform/Platform.h"
#include "render/model/ViewState.h"
#include "session/GameSession.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QHostAddress>
#include <QStringList>

namespace orvane {

namespace {
constexpr int TickMs = 250;
// The player to move is warned once, this long before the turn's time runs out.
constexpr int32_t WarnAtMsLeft = 10'000;
} // namespace

NetworkPlay::NetworkPlay(GameSession& session, QObject* parent) : QObject(parent), session_(session)
{
    tick_.setInterval(TickMs);
    connect(&tick_, &QTimer::timeout, this, &NetworkPlay::Tick);
    // The player's wishes on the board go to the host as they are told.
    session_.OnGameEvent = [this](const GameEvent& event) {
        if (const auto* wanted = std::get_if<NetworkMoveWanted>(&event); wanted && player_) {
            player_->Ask(*wanted, NowMs());
            Flush();
        }
    };
}

NetworkPlay::~NetworkPlay()
{
    if (Active())
        Leave();
}

int64_t NetworkPlay::NowMs() const
{
    return session_.clock.Now() * 1000 / session_.clock.Frequency;
}

bool NetworkPlay::Host(const QString& playerName, quint16 port, TurnLimit limit)
{
    Leave();
    server_ = std::make_unique<HostServer>(session_.random, session_.counter);
    QString problem;
    if (!server_->Listen(port, problem)) {
        server_.reset();
        session_.platform.ShowMessage(Text::Verbatim(problem.toStdString()), MessageIcon::Error);
        return false;
    }
    server_->AnnounceOnLocalNetwork();
    // The address, not the name "localhost": a machine may lack that name, or give it an
    // IPv6 address first where IPv6 is off.
    Start(playerName, {QHostAddress(QHostAddress::LocalHost).toString(), server_->Port(), {}, 0},
        limit);
    return true;
}

void NetworkPlay::Join(const QString& playerName, const NetworkSeatAddress& seat)
{
    Leave();
    Start(playerName, seat, TurnLimit::Off);
}

void NetworkPlay::Start(const QString& playerName, const NetworkSeatAddress& seat, TurnLimit limit)
{
    seat_ = seat;
    playerName_ = net::CleanPlayerName(playerName.toStdString(), "Player");
    net::Hello hello;
    hello.PlayerName = playerName.toStdString();
    hello.GameName = seat.GameName.toStdString();
    hello.Token = seat.Token;
    hello.Limit = limit;
    hello.Board = session_.commands.NetworkBoard();
    player_ = std::make_unique<net::NetworkPlayer>(session_.game, hello, NowMs());
    warnedOfTime_ = false;
    connection_ = new PlayerConnection(this);
    connection_->OnOpened = [this] { Flush(); };
    connection_->OnMessage = [this](const net::Message& message) { Received(message); };
    connection_->OnLost = [this](const QString& reason) {
        if (player_)
            player_->ConnectionLost(reason.toStdString());
        Finish();
    };
    connection_->Open(seat.Address, seat.Port);
    tick_.start();
    if (OnChanged)
        OnChanged();
}

void NetworkPlay::Received(const net::Message& message)
{
    if (!player_)
        return;
    const bool welcomed = player_->Token() != 0;
    player_->Received(message, NowMs());
    session_.TakeGameEvents();
    if (!welcomed && player_->Token() != 0) {
        seat_.Token = player_->Token();
        seat_.GameName = QString::fromStdString(player_->GameName());
        KeepSeat(true);
    }
    // The names arrive with the board, after the welcome.
    if (const QString title = Title(); title != shownTitle_ && OnChanged) {
        shownTitle_ = title;
        OnChanged();
    }
    Flush();
    if (player_->CurrentPhase() == net::NetworkPlayer::Phase::Ended)
        Finish();
}

void NetworkPlay::Flush()
{
    if (player_ && connection_)
        connection_->Send(player_->TakeOutgoing());
}

void NetworkPlay::Tick()
{
    if (!player_)
        return;
    player_->Tick(NowMs());
    const int32_t left = player_->TurnMsLeftAt(NowMs());
    const bool mine = player_->Seat() == session_.game.CurrentPlayer();
    if (mine && left >= 0 && left <= WarnAtMsLeft && !warnedOfTime_ && session_.game.IsRunning()) {
        warnedOfTime_ = true;
        session_.view.Message.Post("10 Seconds Left", 0.5f, 3.0f);
    } else if (!mine || left > WarnAtMsLeft) {
        warnedOfTime_ = false;
    }
    Flush();
    if (player_->CurrentPhase() == net::NetworkPlayer::Phase::Ended)
        Finish();
}

// The network game has ended: the player is told why, and plays locally again.
void NetworkPlay::Finish()
{
    if (!player_)
        return;
    const Text reason = player_->EndReason();
    const bool leftByChoice = player_->LeftByChoice();
    Flush();
    player_.reset();
    tick_.stop();
    if (connection_) {
        connection_->Close();
        connection_->deleteLater();
        connection_ = nullptr;
    }
    // The other player hears who left a game hosted here, not only that it ended.
    if (server_ && leftByChoice)
        server_->Host().EndAll(playerName_ + " left the network game.");
    server_.reset();
    shownTitle_.clear();
    if (!leftByChoice)
        KeepSeat(false);
    session_.NewGameFromMenu();
    session_.TakeGameEvents();
    if (OnChanged)
        OnChanged();
    if (!leftByChoice && !reason.Empty())
        session_.platform.ShowMessage(reason, MessageIcon::Information);
}

bool NetworkPlay::ConfirmLeave()
{
    if (!Active())
        return true;
    if (!session_.platform.AskYesNo(QT_TRANSLATE_NOOP("Messages", "Leave the network game?")))
        return false;
    Leave();
    return true;
}

void NetworkPlay::Leave()
{
    if (!player_)
        return;
    player_->Leave();
    KeepSeat(false);
    Finish();
}

void NetworkPlay::KeepSeat(bool keep)
{
    PreferenceStore& preferences = session_.commands.Options();
    preferences.Values.NetworkSeat.clear();
    // A seat in a game hosted by this program ends with it.
    if (keep && !server_)
        preferences.Values.NetworkSeat = QStringLiteral("%1 %2 %3 %4 %5")
                                             .arg(seat_.Address)
                                             .arg(seat_.Port)
                                             .arg(seat_.Token)
                                             .arg(QDateTime::currentSecsSinceEpoch())
                                             .arg(seat_.GameName)
                                             .toStdString();
    preferences.Save(session_.platform);
}

void NetworkPlay::RejoinKeptSeat()
{
    const QString kept = QString::fromStdString(session_.commands.StoredPreferences().NetworkSeat);
    const QStringList parts = kept.split(QLatin1Char(' '));
    if (parts.size() < 4)
        return;
    bool portRead = false, tokenRead = false, timeRead = false;
    NetworkSeatAddress seat {parts[0], static_cast<quint16>(parts[1].toUInt(&portRead)),
        parts.mid(4).join(QLatin1Char(' ')), parts[2].toULongLong(&tokenRead)};
    const qint64 leftAt = parts[3].toLongLong(&timeRead);
    const qint64 now = QDateTime::currentSecsSinceEpoch();
    // A seat waits a minute for its player; after that the game is over.
    if (!portRead || !tokenRead || !timeRead || seat.Token == 0 || now - leftAt > 60
        || now < leftAt) {
        KeepSeat(false);
        return;
    }
    const QString name = QString::fromStdString(session_.commands.StoredPreferences().NetworkName);
    Join(name, seat);
}

QString NetworkPlay::Title() const
{
    if (!player_ || !player_->Seat())
        return QStringLiteral("Orvane");
    const PlayerIndex seat = *player_->Seat();
    const QString you = QString::fromStdString(session_.game.Players()[seat].Name);
    return QCoreApplication::translate(
        "NetworkPlay", "Orvane - network game \"%1\" - you are %2 (Player %3)")
        .arg(QString::fromStdString(player_->GameName()), you)
        .arg(seat + 1);
}

quint16 NetworkPlay::HostPort() const
{
    return server_ ? server_->Port() : 0;
}

} // namespace orvane
