// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes as a datagram from the local network: an announcement read holds only clean
// texts within their limits, and written again it reads back the same.
#include "fuzz/FuzzCheck.h"
#include "network/Announcement.h"

#include <span>

using namespace orvane;
using namespace orvane::testing;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::optional<Announcement> read = DecodeAnnouncement(std::span(data, size));
    if (!read)
        return 0;
    FuzzCheck(read->Games.size() <= MostAnnouncedGames, "more games than a datagram holds");
    for (const AnnouncedGame& game : read->Games) {
        FuzzCheck(net::CleanedText(game.PlayerName, game.PlayerName.size(), net::MostNameCharacters)
                == game.PlayerName,
            "a player's name not cleaned or not cut");
        FuzzCheck(game.GameName.size() <= net::MostGameNameBytes, "a game name over its limit");
    }
    const std::vector<uint8_t> again = EncodeAnnouncement(*read);
    FuzzCheck(again.size() <= MostAnnouncementBytes, "an announcement written too long");
    FuzzCheck(DecodeAnnouncement(again) == read, "an announcement written again reads differently");
    return 0;
}
