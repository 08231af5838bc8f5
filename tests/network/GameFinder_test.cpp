// SPDX-License-Identifier: GPL-3.0-or-later
#include "network/GameFinder.h"
#include "support/FakeCounter.h"

#include <QCoreApplication>
#include <QtCore/qtestsupport_core.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>
#include <unistd.h>

using namespace orvane;
using namespace orvane::testing;

namespace {

// Other copies of the program may announce on this machine too: each test looks only
// for the games it names itself.
std::string OwnName(const char* what)
{
    return std::string(what) + "-" + std::to_string(getpid());
}

bool Finds(const GameFinder& finder, const std::string& gameName)
{
    const QList<FoundGame> found = finder.FoundGames();
    return std::any_of(found.begin(), found.end(), [&gameName](const FoundGame& game) {
        return game.GameName == QString::fromStdString(gameName);
    });
}

// An announcement whose datagram is exactly `bytes` long, its games named after `name`.
Announcement Filling(std::size_t bytes, const std::string& name)
{
    Announcement filling {net::ProtocolVersion, 50002, {}};
    for (std::size_t size = 9; size < bytes;) {
        const std::string gameName = name + std::to_string(filling.Games.size());
        const std::size_t rest = std::min(bytes - size - 3 - gameName.size(), std::size_t {60});
        const std::size_t player = std::min(rest, std::size_t {20});
        filling.Games.push_back(
            {gameName, std::string(player, 'p'), std::string(rest - player, 'b')});
        size += 3 + gameName.size() + rest;
    }
    return filling;
}

TEST(GameFinder, FindsAGameAnnouncedOnThisMachineAndForgetsItsSilentHost)
{
    int argc = 1;
    std::array<char, 6> program {"tests"};
    std::array<char*, 1> argv {program.data()};
    const QCoreApplication application(argc, argv.data());
    FakeCounter counter(1000);
    GameFinder finder(counter, nullptr);
    ASSERT_EQ(finder.Problem(), QString());
    int changes = 0;
    QObject::connect(&finder, &GameFinder::FoundGamesChanged, [&changes] { ++changes; });

    // A datagram one byte too long must not be read as the announcement it starts with.
    const std::string tooLongName = OwnName("long");
    std::vector<uint8_t> tooLong = EncodeAnnouncement(Filling(MostAnnouncementBytes, tooLongName));
    ASSERT_EQ(tooLong.size(), MostAnnouncementBytes);
    ASSERT_TRUE(DecodeAnnouncement(tooLong));
    tooLong.push_back(0);
    QUdpSocket sender;
    ASSERT_TRUE(sender.bind(QHostAddress::AnyIPv4, 0));
    sender.setSocketOption(QAbstractSocket::MulticastTtlOption, QVariant(1));
    sender.setSocketOption(QAbstractSocket::MulticastLoopbackOption, QVariant(1));
    sender.writeDatagram(reinterpret_cast<const char*>(tooLong.data()),
        static_cast<qint64>(tooLong.size()), AnnouncementGroup, AnnouncementPort);

    const std::string name = OwnName("evening");
    GameAnnouncer announcer(nullptr);
    announcer.Announce({net::ProtocolVersion, 50001, {{name, "Ana", "Expert 30x16, 99 mines"}}});
    ASSERT_TRUE(QTest::qWaitFor([&] { return Finds(finder, name); }, 30'000));
    for (const FoundGame& game : finder.FoundGames()) {
        EXPECT_FALSE(game.GameName.startsWith(QString::fromStdString(tooLongName)));
        if (game.GameName == QString::fromStdString(name)) {
            EXPECT_EQ(game.Port, 50001);
            EXPECT_EQ(game.PlayerName, "Ana");
            EXPECT_EQ(game.Board, "Expert 30x16, 99 mines");
        }
    }
    EXPECT_GE(changes, 1);

    // Silent from now on: what was sent is read at time 0, and forgotten 4 s later.
    announcer.Announce({net::ProtocolVersion, 50001, {}});
    QCoreApplication::processEvents();
    changes = 0;
    counter.now = 3999;
    finder.ForgetSilentHosts();
    EXPECT_TRUE(Finds(finder, name));
    counter.now = 4000;
    finder.ForgetSilentHosts();
    EXPECT_FALSE(Finds(finder, name));
    EXPECT_GE(changes, 1);
}

} // namespace
