// SPDX-License-Identifier: GPL-3.0-or-later
#include "network/HostServer.h"
#include "network/PlayerConnection.h"
#include "support/FakeCounter.h"
#include "support/FixedRandom.h"

#include <QCoreApplication>
#include <QTcpSocket>
#include <QtCore/qtestsupport_core.h>
#include <gtest/gtest.h>

#include <array>

using namespace orvane;
using namespace orvane::testing;

namespace {

constexpr int HangGuardMs = 30'000;

struct Application {
    Application() : app(argc, argv.data()) { }
    int argc = 1;
    std::array<char, 6> program {"tests"};
    std::array<char*, 1> argv {program.data()};
    QCoreApplication app;
};

} // namespace

// On real sockets: a peer sending what no message is loses its connection alone; the
// host goes on, and a player connecting after it is seated.
TEST(HostServer, AHostilePeerIsDroppedAndTheHostGoesOn)
{
    const Application application;
    FakeCounter counter(1000);
    FixedRandom random;
    HostServer server(random, counter);
    QString problem;
    ASSERT_TRUE(server.Listen(47310, problem)) << problem.toStdString();

    QTcpSocket hostile;
    hostile.connectToHost(QStringLiteral("127.0.0.1"), server.Port());
    ASSERT_TRUE(QTest::qWaitFor([&] { return server.ConnectionCount() == 1; }, HangGuardMs));
    const QByteArray huge("\xff\xff\xff\x7f", 4);
    hostile.write(huge);
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return hostile.state() == QAbstractSocket::UnconnectedState; }, HangGuardMs));
    EXPECT_EQ(server.ConnectionCount(), 0U);

    std::vector<net::Message> messages;
    QString lost;
    PlayerConnection player;
    player.OnMessage = [&messages](const net::Message& message) { messages.push_back(message); };
    player.OnLost = [&lost](const QString& reason) { lost = reason; };
    net::Hello hello;
    hello.PlayerName = "Ann";
    hello.Board = BoardSetup {PlayMode::VsHuman, Level::Beginner, 9, 9, 19, NoScoreTable, 8};
    player.OnOpened = [&] { player.Send(net::EncodeMessage(hello)); };
    player.Open(QStringLiteral("127.0.0.1"), server.Port());
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return messages.size() >= 2 || !lost.isEmpty(); }, HangGuardMs));
    ASSERT_TRUE(lost.isEmpty()) << lost.toStdString();
    EXPECT_TRUE(std::holds_alternative<net::Welcome>(messages[0]));
    EXPECT_TRUE(std::holds_alternative<net::Shown>(messages[1]));
}

TEST(HostServer, APortTakenGivesTheNextOneAndNobodyThereIsToldInWords)
{
    const Application application;
    FakeCounter counter(1000);
    FixedRandom random;
    HostServer first(random, counter);
    HostServer second(random, counter);
    QString problem;
    ASSERT_TRUE(first.Listen(47320, problem));
    ASSERT_TRUE(second.Listen(first.Port(), problem));
    EXPECT_GT(second.Port(), first.Port());

    const quint16 closedPort = second.Port() + 1;
    QString lost;
    PlayerConnection player;
    player.OnLost = [&lost](const QString& reason) { lost = reason; };
    player.Open(QStringLiteral("127.0.0.1"), closedPort);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !lost.isEmpty(); }, HangGuardMs));
    EXPECT_EQ(lost, QStringLiteral("Nobody hosts a game at 127.0.0.1, port %1.").arg(closedPort));
}
