// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "game/SeenState.h"
#include "netplay/TurnLimit.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace orvane::net {

// The messages between a network game's host and its players. Each travels as a
// little-endian 32-bit length, then a type byte and its fields; a length over
// MostMessageBytes ends the connection. docs/NETWORK.md gives the bytes.
inline constexpr uint16_t ProtocolVersion = 1;
inline constexpr uint16_t DefaultPort = 45413;
inline constexpr std::size_t MostMessageBytes = 8 * 1024;
inline constexpr std::size_t MostNameCharacters = 20;
inline constexpr std::size_t MostGameNameBytes = 40;
inline constexpr std::size_t MostMessageTextBytes = 200;
// A side silent this long is gone; each side speaks at least every HeartbeatMs.
inline constexpr int64_t SilenceMs = 10'000;
inline constexpr int64_t HeartbeatMs = 2'000;
// A seat whose player went away waits this long for the player to come back.
inline constexpr int64_t RejoinMs = 60'000;

// A player asks for a seat: in the named game (the host's own when empty), a new seat
// (token 0) or the one the token holds. The limit and the board make a new game.
struct Hello {
    uint16_t Version = ProtocolVersion;
    std::string PlayerName;
    std::string GameName;
    uint64_t Token = 0;
    TurnLimit Limit = TurnLimit::Off;
    BoardSetup Board;
    bool operator==(const Hello&) const = default;
};

struct Welcome {
    PlayerIndex Seat = Player1;
    uint64_t Token = 0;
    std::string GameName;
    TurnLimit Limit = TurnLimit::Off;
    bool operator==(const Welcome&) const = default;
};

// The host refuses a hello, in words for the player.
struct Refused {
    std::string Reason;
    bool operator==(const Refused&) const = default;
};

// A move on the board the player sees (a move asked for an older board is dropped).
struct MoveAsked {
    uint32_t Board = 0;
    NetworkMove Move = NetworkMove::Open;
    int16_t Cell = 0;
    bool operator==(const MoveAsked&) const = default;
};

struct MoveRefused {
    std::string Reason;
    bool operator==(const MoveRefused&) const = default;
};

// What both players see after a move: the whole board (at a new board, a welcome and on
// request) or the cells that changed, the rest whole, and the hash of the state after it.
struct Shown {
    uint32_t Board = 0;
    bool Whole = false;
    BoardSetup Setup;
    std::vector<std::pair<uint16_t, uint8_t>> ChangedCells; // when not whole
    SeenState Seen;                                         // cells only when whole
    std::array<bool, 2> Present {};
    // The time the player to move has left, or -1 without a limit.
    int32_t TurnMsLeft = -1;
    SeenNews News;
    uint64_t Hash = 0;
    bool operator==(const Shown&) const = default;
};

// A player whose hash disagreed asks for the whole state.
struct WholeWanted {
    bool operator==(const WholeWanted&) const = default;
};

struct Heartbeat {
    bool operator==(const Heartbeat&) const = default;
};

struct Goodbye {
    std::string Reason;
    bool operator==(const Goodbye&) const = default;
};

using Message = std::variant<Hello, Welcome, Refused, MoveAsked, MoveRefused, Shown, WholeWanted,
    Heartbeat, Goodbye>;

// A message with its length in front.
std::vector<uint8_t> EncodeMessage(const Message& message);

// The text without control characters (C0, DEL, C1) or broken UTF-8, cut at whole
// characters to at most mostBytes bytes and mostCharacters characters.
std::string CleanedText(std::string_view text, std::size_t mostBytes, std::size_t mostCharacters);
// "Expert 30x16, 99 mines": a board as a list of games shows it.
std::string DescribeBoard(const BoardSetup& board);
// A name from the other side: cleaned and cut to MostNameCharacters; a name left empty
// becomes fallback.
std::string CleanPlayerName(std::string_view name, std::string_view fallback);

// The messages in a stream of bytes as they arrive in any pieces. The first malformed or
// oversized message breaks the stream for good, and tells why; what is kept waiting
// never exceeds one message.
class MessageReader {
public:
    void Add(std::span<const uint8_t> bytes);
    // The next whole message, if one has arrived and the stream is sound.
    std::optional<Message> Next();
    bool Broken() const { return !problem_.empty(); }
    const std::string& Problem() const { return problem_; }
    // How many more bytes the reader takes before it must hand a message out: the
    // socket is read no further than that.
    std::size_t Wanted() const;

private:
    std::vector<uint8_t> pending_;
    std::size_t used_ = 0;
    std::string problem_;
};

// One message's type and fields, without the length; nullopt when malformed.
std::optional<Message> DecodeMessage(std::span<const uint8_t> body);

} // namespace orvane::net
