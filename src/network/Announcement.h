// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "netplay/Protocol.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace orvane {

// What a host tells the local network about itself about once a second: the port that
// players connect to and the games that wait for a second player.
struct AnnouncedGame {
    std::string GameName;   // UTF-8, at most net::MostGameNameBytes
    std::string PlayerName; // the first player's, at most net::MostNameCharacters
    std::string Board;      // "Expert 30x16, 99 mines", at most MostBoardBytes
    bool operator==(const AnnouncedGame&) const = default;
};

struct Announcement {
    uint16_t Version = net::ProtocolVersion;
    uint16_t Port = 0;
    std::vector<AnnouncedGame> Games;
    bool operator==(const Announcement&) const = default;
};

constexpr std::size_t MostAnnouncedGames = 32;
constexpr std::size_t MostBoardBytes = 40;
constexpr std::size_t MostAnnouncementBytes = 1400;

// The announcement as one datagram. Its texts are cleaned and cut to their limits, and
// only the leading games that fit (at most 32, at most 1,400 bytes in all) are written:
// SplitAnnouncement gives the parts that together carry every game.
std::vector<uint8_t> EncodeAnnouncement(const Announcement& announcement);

// The games in parts that each fit one datagram, in their order; none for no games.
std::vector<Announcement> SplitAnnouncement(const Announcement& announcement);

// A datagram read back. Anything malformed is refused: short or long, another signature
// or version, port 0, a text over its limit (a game name over 40 bytes is refused, not
// cut) or not UTF-8, more than 32 games. Control characters are removed and the player's
// name is cut to 20 characters.
std::optional<Announcement> DecodeAnnouncement(std::span<const uint8_t> datagram);

} // namespace orvane
