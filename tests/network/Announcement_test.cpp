// SPDX-License-Identifier: GPL-3.0-or-later
#include "network/Announcement.h"

#include <gtest/gtest.h>

#include <string>

using namespace orvane;

namespace {

using Texts = std::vector<std::string>; // game name, player, board, game name, ...

// A datagram written byte by byte, as a host of any make might send it.
std::vector<uint8_t> Datagram(const Texts& texts, uint16_t version = net::ProtocolVersion)
{
    std::vector<uint8_t> bytes {'O', 'r', 'v', 'A', static_cast<uint8_t>(version >> 8),
        static_cast<uint8_t>(version), 0xB1, 0x65, static_cast<uint8_t>(texts.size() / 3)};
    for (const std::string& text : texts) {
        bytes.push_back(static_cast<uint8_t>(text.size()));
        bytes.insert(bytes.end(), text.begin(), text.end());
    }
    return bytes;
}

Texts Games(int count)
{
    Texts texts;
    for (int game = 0; game < count; ++game)
        texts.insert(texts.end(),
            {std::string("g") + std::to_string(game), "Ana", "Beginner 9x9, 11 mines"});
    return texts;
}

TEST(Announcement, ReadsBackWhatIsWritten)
{
    const Announcement sent {net::ProtocolVersion, 45413,
        {{"", "Zoë", "Expert 30x16, 99 mines"}, {"evening", "Bo", "Custom 20x10, 41 mines"}}};
    const auto read = DecodeAnnouncement(EncodeAnnouncement(sent));
    ASSERT_TRUE(read.has_value());
    EXPECT_EQ(*read, sent);
}

TEST(Announcement, RefusesWhatIsMalformed)
{
    EXPECT_TRUE(DecodeAnnouncement(Datagram(Games(1))));
    EXPECT_FALSE(DecodeAnnouncement(Datagram(Games(1), net::ProtocolVersion + 1)));
    std::vector<uint8_t> signature = Datagram(Games(1));
    signature[0] = 'o';
    EXPECT_FALSE(DecodeAnnouncement(signature));
    std::vector<uint8_t> portZero = Datagram(Games(1));
    portZero[6] = portZero[7] = 0;
    EXPECT_FALSE(DecodeAnnouncement(portZero));
    std::vector<uint8_t> longer = Datagram(Games(1));
    longer.push_back(0);
    EXPECT_FALSE(DecodeAnnouncement(longer));
    const std::vector<uint8_t> whole = Datagram(Games(2));
    for (std::size_t size = 0; size < whole.size(); ++size)
        EXPECT_FALSE(DecodeAnnouncement(std::span(whole).first(size))) << size;
    EXPECT_FALSE(DecodeAnnouncement(Datagram({"\xC0\xAF", "Ana", "Expert"})));
}

TEST(Announcement, KeepsTextsAndGamesWithinTheirLimits)
{
    const std::string longest(net::MostGameNameBytes, 'n');
    EXPECT_TRUE(DecodeAnnouncement(Datagram({longest, "p", "b"})));
    EXPECT_FALSE(DecodeAnnouncement(Datagram({longest + "n", "p", "b"})));
    // Written, a long name is cut at a whole character instead.
    const Announcement written {net::ProtocolVersion, 1, {{longest.substr(1) + "é", "p", "b"}}};
    EXPECT_EQ(
        DecodeAnnouncement(EncodeAnnouncement(written))->Games.at(0).GameName, longest.substr(1));

    EXPECT_EQ(DecodeAnnouncement(Datagram(Games(32)))->Games.size(), 32u);
    EXPECT_FALSE(DecodeAnnouncement(Datagram(Games(33))));

    // Twenty characters of two bytes each, and one more.
    std::string name;
    for (int character = 0; character < 21; ++character)
        name += "é";
    const auto read = DecodeAnnouncement(Datagram({"g", std::string("A\x07") + name,
        "Exp\x7F"
        "ert\n"}));
    ASSERT_TRUE(read.has_value());
    EXPECT_EQ(read->Games.at(0).PlayerName, std::string("A") + name.substr(0, 38));
    EXPECT_EQ(read->Games.at(0).Board, "Expert");
}

TEST(Announcement, ManyGamesAreSplitIntoDatagramsThatEachFit)
{
    const auto carried = [](const Announcement& many) {
        std::vector<AnnouncedGame> games;
        for (const Announcement& part : SplitAnnouncement(many)) {
            const std::vector<uint8_t> datagram = EncodeAnnouncement(part);
            EXPECT_LE(datagram.size(), MostAnnouncementBytes);
            const auto read = DecodeAnnouncement(datagram);
            EXPECT_TRUE(read.has_value());
            if (read)
                games.insert(games.end(), read->Games.begin(), read->Games.end());
        }
        return games;
    };
    // Long games fill a datagram's bytes, short ones its count of games.
    Announcement many {net::ProtocolVersion, 45413, {}};
    Announcement small {net::ProtocolVersion, 45413, {}};
    for (int game = 0; game < 100; ++game) {
        many.Games.push_back({std::to_string(game) + std::string(30, 'g'), std::string(20, 'p'),
            std::string(MostBoardBytes, 'b')});
        small.Games.push_back({std::to_string(game), "p", "b"});
    }
    EXPECT_EQ(carried(many), many.Games);
    EXPECT_EQ(carried(small), small.Games);
    EXPECT_TRUE(SplitAnnouncement({net::ProtocolVersion, 45413, {}}).empty());
}

} // namespace
