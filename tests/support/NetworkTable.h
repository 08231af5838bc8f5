// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "game/Game.h"
#include "netplay/GameHost.h"
#include "netplay/NetworkPlayer.h"
#include "platform/CounterSource.h"
#include "platform/FrameClock.h"
#include "support/FixedRandom.h"

#include <algorithm>
#include <map>
#include <memory>
#include <vector>

namespace orvane::testing {

// A network host and its players joined by byte queues instead of sockets, on one
// counter the test moves by hand. Every byte goes through the messages' encoding and
// reader; each player's received messages are kept for the test to look at.
class NetworkTable {
public:
    struct Side {
        Side(CounterSource& counter, uint64_t seed) :
            random(seed), clock(counter), game(random, clock)
        {
        }
        FixedRandom random;
        FrameClock clock;
        Game game;
        std::unique_ptr<net::NetworkPlayer> player;
        net::MessageReader fromHost;
        net::MessageReader toHost;
        std::vector<net::Message> received;
        // The games that ended on the player's screen, as the history is told of them.
        std::vector<GameEnded> ended;
        bool connected = false;
    };

    NetworkTable() : host(hostRandom, counter) { }

    int64_t NowMs() const { return counter.Now(); }

    // A player connects and says hello; the replies arrive with the next Pump.
    Side& Join(const std::string& name, const std::string& gameName = {}, uint64_t token = 0,
        BoardSetup board = BeginnerBoard())
    {
        const net::ConnectionId id = nextConnection++;
        auto side = std::make_unique<Side>(counter, id);
        net::Hello hello;
        hello.PlayerName = name;
        hello.GameName = gameName;
        hello.Token = token;
        hello.Limit = limit;
        hello.Board = board;
        side->player = std::make_unique<net::NetworkPlayer>(side->game, hello, NowMs());
        side->connected = true;
        host.Connected(id);
        Side& added = *side;
        sides.emplace(id, std::move(side));
        Pump();
        return added;
    }

    // The connection drops without a word, as a killed program's does.
    void Drop(Side& side)
    {
        side.connected = false;
        host.Disconnected(IdOf(side));
        side.player->ConnectionLost("The connection to the host was lost.");
        Pump();
    }

    // Bytes both ways until nothing moves; the players' wanted moves go to the host.
    void Pump()
    {
        for (bool moved = true; moved;) {
            moved = false;
            for (auto& [id, side] : sides) {
                for (const GameEvent& event : side->game.TakeEvents())
                    if (const auto* wanted = std::get_if<NetworkMoveWanted>(&event))
                        side->player->Ask(*wanted, NowMs());
                    else if (const auto* ended = std::get_if<GameEnded>(&event))
                        side->ended.push_back(*ended);
                const std::vector<uint8_t> bytes = side->player->TakeOutgoing();
                if (!side->connected || bytes.empty())
                    continue;
                moved = true;
                side->toHost.Add(bytes);
                while (auto message = side->toHost.Next())
                    host.Received(id, *message);
            }
            for (net::Outgoing& out : host.TakeOutgoing()) {
                const auto found = sides.find(out.To);
                if (found == sides.end() || !found->second->connected)
                    continue;
                moved = true;
                Side& side = *found->second;
                side.fromHost.Add(out.Bytes);
                while (auto message = side.fromHost.Next()) {
                    side.received.push_back(*message);
                    side.player->Received(*message, NowMs());
                }
            }
            for (net::ConnectionId closed : host.TakeClosing())
                if (const auto found = sides.find(closed); found != sides.end())
                    found->second->connected = false;
        }
    }

    // Time passes in steps of at most half a second, as the programs' loops tick.
    void PassMs(int64_t ms)
    {
        for (int64_t passed = 0; passed < ms;) {
            const int64_t step = std::min<int64_t>(500, ms - passed);
            passed += step;
            counter.SetMilliseconds(counter.Now() + step);
            host.Tick();
            for (auto& [id, side] : sides)
                if (side->connected)
                    side->player->Tick(NowMs());
            Pump();
        }
    }

    // The player clicks a cell of the board it sees.
    void Click(Side& side, int32_t cell)
    {
        side.game.ActOnCell(CellGesture::Open, CellAction::Press, cell);
        side.game.ActOnCell(CellGesture::Open, CellAction::Release, cell);
        Pump();
    }

    net::ConnectionId IdOf(const Side& side) const
    {
        for (const auto& [id, s] : sides)
            if (s.get() == &side)
                return id;
        return 0;
    }

    static BoardSetup BeginnerBoard()
    {
        return BoardSetup {PlayMode::VsHuman, Level::Beginner, 9, 9, 19, NoScoreTable, 8};
    }

    ManualCounter counter;
    FixedRandom hostRandom {7};
    TurnLimit limit = TurnLimit::Off;
    net::GameHost host;
    std::map<net::ConnectionId, std::unique_ptr<Side>> sides;
    net::ConnectionId nextConnection = 1;
};

} // namespace orvane::testing
