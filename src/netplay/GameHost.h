// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "netplay/Protocol.h"

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace orvane {
class CounterSource;
class RandomSource;
} // namespace orvane

namespace orvane::net {

using ConnectionId = uint64_t;

struct Outgoing {
    ConnectionId To = 0;
    std::vector<uint8_t> Bytes;
};

// A game waiting for its second player, for the local network to hear of.
struct WaitingGame {
    std::string GameName;
    std::string PlayerName;
    BoardSetup Board;
};

// The host of network games, without sockets: it takes each connection's messages, runs
// the rules of every game it holds, and answers with what each player may see, never a
// closed cell's content. Every move is checked against the rules (the right player, a
// cell that can be opened, the bonus only when it may be used) and refused otherwise.
// A seat keeps its player through a lost connection for RejoinMs; a game ends when a
// player leaves, stays away too long or runs out of time, as a give-up of that player.
class GameHost {
public:
    GameHost(RandomSource& random, CounterSource& counter);
    ~GameHost();
    GameHost(const GameHost&) = delete;
    GameHost& operator=(const GameHost&) = delete;

    void Connected(ConnectionId connection);
    void Received(ConnectionId connection, const Message& message);
    // The connection closed or broke; its seat waits for its player to come back.
    void Disconnected(ConnectionId connection);
    // Heartbeats, silent connections, seats left too long, turn limits.
    void Tick();
    // The host stops: every game ends, a game being played as given up by nobody, and
    // every player is told why.
    void EndAll(const std::string& why);

    // What to send, oldest first, and the connections to close once it is sent.
    std::vector<Outgoing> TakeOutgoing();
    std::vector<ConnectionId> TakeClosing();

    std::vector<WaitingGame> WaitingGames() const;
    std::size_t GameCount() const { return tables_.size(); }
    // Any game's state and the mines of its board, for tests of the host only.
    const Game* GameNamed(const std::string& name) const;
    // Tells each new token, so tests can hold a seat; the real host leaves it empty.
    std::function<uint64_t()> MakeToken;

private:
    struct Table;
    struct Link;
    int64_t NowMs() const;
    void Send(ConnectionId to, const Message& message);
    void Close(ConnectionId connection, const std::string& reason);
    void Greet(ConnectionId connection, const Hello& hello);
    Table& NewTable(const Hello& hello);
    void Seat(Table& table, PlayerIndex seat, ConnectionId connection, const std::string& name,
        uint64_t token);
    void Move(Table& table, PlayerIndex seat, const MoveAsked& move);
    std::string CheckMove(const Table& table, PlayerIndex seat, const MoveAsked& move) const;
    void GiveUp(Table& table, PlayerIndex seat, const std::string& why);
    void EndTable(Table& table, const std::string& why);
    // Tells both players the game as it now stands; the seat named gets the whole board.
    void ShowTable(Table& table, bool whole, SeenNews news = {},
        std::optional<PlayerIndex> wholeFor = std::nullopt);
    void SendShown(Table& table, PlayerIndex seat, bool whole);
    void ChargeTurn(Table& table);
    int32_t TurnMsLeft(const Table& table) const;

    RandomSource& random_;
    CounterSource& counter_;
    std::map<std::string, std::unique_ptr<Table>> tables_;
    std::map<ConnectionId, Link> links_;
    std::vector<Outgoing> outgoing_;
    std::vector<ConnectionId> closing_;
    uint64_t gamesNamed_ = 0;
};

} // namespace orvane::net
