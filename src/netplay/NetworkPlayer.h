// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "netplay/Protocol.h"
#include "platform/Text.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace orvane {
class Game;
}

namespace orvane::net {

// One player's side of a network game, without sockets: says hello, shows the host's
// game in the player's Game (which then asks the host for each move instead of playing
// it), checks every state against the host's hash, and keeps the connection alive. Any
// failure ends it with the reason in plain words; the game then goes back to local play.
class NetworkPlayer {
public:
    enum class Phase { Greeting, Playing, Ended };

    NetworkPlayer(Game& game, Hello hello, int64_t nowMs);
    ~NetworkPlayer();
    NetworkPlayer(const NetworkPlayer&) = delete;
    NetworkPlayer& operator=(const NetworkPlayer&) = delete;

    void Received(const Message& message, int64_t nowMs);
    // The player's game asked for a move.
    void Ask(const NetworkMoveWanted& wanted, int64_t nowMs);
    // Heartbeats, and a host silent too long.
    void Tick(int64_t nowMs);
    // The connection broke; the reason is the socket's or the reader's.
    void ConnectionLost(const std::string& reason);
    // The player leaves: a game being played counts as given up.
    void Leave();

    std::vector<uint8_t> TakeOutgoing();
    Phase CurrentPhase() const { return phase_; }
    // Why the network game ended, for the player; empty while it goes on.
    const Text& EndReason() const { return endReason_; }
    // The player chose to leave, and needs no telling why it ended.
    bool LeftByChoice() const { return leftByChoice_; }
    std::optional<PlayerIndex> Seat() const { return seat_; }
    uint64_t Token() const { return token_; }
    const std::string& GameName() const { return gameName_; }
    TurnLimit Limit() const { return limit_; }
    bool OtherPlayerPresent() const;
    // The time the player to move had left when the host last told it, or -1 without a
    // limit; and counted down to now, for the screen.
    int32_t TurnMsLeft() const { return turnMsLeft_; }
    int32_t TurnMsLeftAt(int64_t nowMs) const;
    // How many states disagreed with the host's hash (each mended by asking for the whole).
    int HashMismatches() const { return hashMismatches_; }
    // The moves the host refused, the last one's reason.
    const std::string& LastRefusal() const { return lastRefusal_; }

private:
    void Send(const Message& message);
    void Show(const Shown& shown, int64_t nowMs);
    void End(Text reason);

    Game& game_;
    Hello hello_;
    Phase phase_ = Phase::Greeting;
    std::vector<uint8_t> outgoing_;
    Text endReason_;
    std::optional<PlayerIndex> seat_;
    uint64_t token_ = 0;
    std::string gameName_;
    TurnLimit limit_ = TurnLimit::Off;
    SeenState shown_;
    uint32_t board_ = 0;
    std::array<bool, 2> present_ {};
    int32_t turnMsLeft_ = -1;
    int64_t turnToldAtMs_ = 0;
    int64_t lastHeardMs_ = 0;
    int64_t lastSentMs_ = 0;
    bool wholeAsked_ = false;
    int hashMismatches_ = 0;
    bool leftByChoice_ = false;
    std::string lastRefusal_;
};

} // namespace orvane::net
