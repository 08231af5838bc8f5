// SPDX-License-Identifier: GPL-3.0-or-later
#include "network/GameFinder.h"

#include "platform/CounterSource.h"

#include <QCoreApplication>
#include <QNetworkDatagram>

#include <algorithm>
#include <set>
#include <utility>

namespace orvane {

namespace {

constexpr int SendEveryMs = 1000;
constexpr int64_t SilenceForgottenMs = 4000;
constexpr std::size_t MostHosts = 64;
// A flood is read a bounded slice at a time, so the window keeps answering.
constexpr int MostDatagramsAPass = 256;

CounterSource& SteadyTime()
{
    static SteadyCounter steady;
    return steady;
}

QString FromUtf8(const std::string& text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

bool SameHost(const FoundGame& one, const FoundGame& other)
{
    return one.Address == other.Address && one.Port == other.Port;
}

} // namespace

GameAnnouncer::GameAnnouncer(QObject* parent) : QObject(parent)
{
    // The options need a bound socket; any free port sends.
    if (socket_.bind(QHostAddress::AnyIPv4, 0)) {
        socket_.setSocketOption(QAbstractSocket::MulticastTtlOption, QVariant(1));
        socket_.setSocketOption(QAbstractSocket::MulticastLoopbackOption, QVariant(1));
    }
    timer_.setInterval(SendEveryMs);
    connect(&timer_, &QTimer::timeout, this, &GameAnnouncer::Send);
}

void GameAnnouncer::Announce(const Announcement& announcement)
{
    QList<QByteArray> datagrams;
    for (const Announcement& part : SplitAnnouncement(announcement)) {
        QByteArray& datagram = datagrams.emplace_back();
        for (const uint8_t byte : EncodeAnnouncement(part))
            datagram.append(static_cast<char>(byte));
    }
    if (datagrams == datagrams_)
        return;
    datagrams_ = std::move(datagrams);
    if (datagrams_.isEmpty()) {
        timer_.stop();
        return;
    }
    Send();
    timer_.start();
}

// A datagram that cannot leave (no network) is dropped: players can still type the address.
void GameAnnouncer::Send()
{
    for (const QByteArray& datagram : datagrams_)
        socket_.writeDatagram(datagram, AnnouncementGroup, AnnouncementPort);
}

GameFinder::GameFinder(QObject* parent) : GameFinder(SteadyTime(), parent) { }

GameFinder::GameFinder(CounterSource& counter, QObject* parent) : QObject(parent), counter_(counter)
{
    const auto sharing = QUdpSocket::ShareAddress | QUdpSocket::ReuseAddressHint;
    if (!socket_.bind(QHostAddress::AnyIPv4, AnnouncementPort, sharing)) {
        problem_ = QCoreApplication::translate(
            "Network", "Games on the local network cannot be listed (%1).")
                       .arg(socket_.errorString());
        return;
    }
    if (!socket_.joinMulticastGroup(AnnouncementGroup)) {
        problem_ = QCoreApplication::translate("Network",
            "Games on the local network cannot be listed: no network connection here carries "
            "multicast.");
        socket_.close();
        return;
    }
    connect(&socket_, &QUdpSocket::readyRead, this, &GameFinder::ReadDatagrams);
    expiry_.setInterval(SendEveryMs);
    connect(&expiry_, &QTimer::timeout, this, &GameFinder::ForgetSilentHosts);
    expiry_.start();
}

QList<FoundGame> GameFinder::FoundGames() const
{
    QList<FoundGame> found;
    for (const HeardGame& heard : games_)
        found.append(heard.Game);
    return found;
}

void GameFinder::ForgetSilentHosts()
{
    const int64_t now = NowMs();
    const auto silent
        = [now](const HeardGame& heard) { return now - heard.LastHeardMs >= SilenceForgottenMs; };
    if (std::erase_if(games_, silent) > 0)
        emit FoundGamesChanged();
}

void GameFinder::ReadDatagrams()
{
    bool changed = false;
    for (int read = 0; read < MostDatagramsAPass && socket_.hasPendingDatagrams(); ++read) {
        // One byte more than the largest announcement shows a datagram that is too long.
        const QNetworkDatagram datagram = socket_.receiveDatagram(MostAnnouncementBytes + 1);
        const QByteArray& data = datagram.data();
        if (static_cast<std::size_t>(data.size()) > MostAnnouncementBytes)
            continue;
        const std::vector<uint8_t> bytes(data.begin(), data.end());
        if (const auto announcement = DecodeAnnouncement(bytes))
            changed = Take(datagram.senderAddress(), *announcement) || changed;
    }
    if (changed)
        emit FoundGamesChanged();
}

// Notes the host's games as heard now; true when the list shown changes.
bool GameFinder::Take(const QHostAddress& sender, const Announcement& announcement)
{
    const FoundGame host {sender, announcement.Port, {}, {}, {}};
    const bool known = std::any_of(games_.begin(), games_.end(),
        [&host](const HeardGame& heard) { return SameHost(heard.Game, host); });
    if (!known) {
        std::set<std::pair<QString, quint16>> hosts;
        for (const HeardGame& heard : games_)
            hosts.emplace(heard.Game.Address.toString(), heard.Game.Port);
        if (hosts.size() >= MostHosts)
            return false;
    }
    const int64_t now = NowMs();
    bool changed = false;
    for (const AnnouncedGame& announced : announcement.Games) {
        const FoundGame game {sender, announcement.Port, FromUtf8(announced.GameName),
            FromUtf8(announced.PlayerName), FromUtf8(announced.Board)};
        const auto same
            = std::find_if(games_.begin(), games_.end(), [&game](const HeardGame& heard) {
                  return SameHost(heard.Game, game) && heard.Game.GameName == game.GameName;
              });
        if (same == games_.end()) {
            games_.push_back({game, now});
            changed = true;
            continue;
        }
        changed = changed || same->Game != game;
        *same = {game, now};
    }
    return changed;
}

int64_t GameFinder::NowMs() const
{
    const int64_t frequency = counter_.Frequency();
    const int64_t now = counter_.Now();
    return now / frequency * 1000 + now % frequency * 1000 / frequency;
}

} // namespace orvane
