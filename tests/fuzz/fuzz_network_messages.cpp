// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes as a network peer's stream, to the host and to a player: every message read
// writes back to the same bytes' meaning, and neither side breaks, whatever arrives.
#include "fuzz/FuzzCheck.h"
#include "game/Game.h"
#include "netplay/GameHost.h"
#include "netplay/NetworkPlayer.h"
#include "platform/CounterSource.h"
#include "platform/FrameClock.h"
#include "support/FixedRandom.h"

#include <span>

using namespace orvane;
using namespace orvane::testing;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    ManualCounter counter;
    FixedRandom random;
    net::GameHost host(random, counter);
    FrameClock clock(counter);
    Game game(random, clock);
    net::Hello hello;
    hello.Board = BoardSetup {PlayMode::VsHuman, Level::Beginner, 9, 9, 19, NoScoreTable, 8};
    net::NetworkPlayer player(game, hello, 0);

    // A fair first player holds a game the stream's messages can act on.
    host.Connected(1);
    host.Received(1, hello);
    host.Connected(2);

    net::MessageReader reader;
    std::span<const uint8_t> bytes(data, size);
    // The bytes arrive in pieces of the sizes the stream's own bytes choose.
    while (!bytes.empty() && !reader.Broken()) {
        const size_t piece = std::min<size_t>(bytes.size(), 1 + bytes[0] % 64);
        reader.Add(bytes.first(piece));
        bytes = bytes.subspan(piece);
        FuzzCheck(reader.Wanted() <= 4 + net::MostMessageBytes, "a reader that wants too much");
        while (auto message = reader.Next()) {
            const auto again = net::EncodeMessage(*message);
            net::MessageReader back;
            back.Add(again);
            FuzzCheck(back.Next() == message, "a message that writes back differently");
            host.Received(2, *message);
            player.Received(*message, counter.Now());
            counter.SetMilliseconds(counter.Now() + 700);
            host.Tick();
            player.Tick(counter.Now());
            for (const GameEvent& event : game.TakeEvents())
                if (const auto* wanted = std::get_if<NetworkMoveWanted>(&event))
                    player.Ask(*wanted, counter.Now());
            for (const net::Outgoing& out : host.TakeOutgoing())
                FuzzCheck(
                    out.Bytes.size() <= 4 + net::MostMessageBytes, "a host message too large");
        }
    }
    FuzzCheck(player.CurrentPhase() != net::NetworkPlayer::Phase::Ended || !game.NetworkSeat(),
        "a player still shown a network game that ended");
    return 0;
}
