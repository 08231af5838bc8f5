// SPDX-License-Identifier: GPL-3.0-or-later
#include "netplay/Protocol.h"

#include "game/ByteCoding.h"
#include "platform/Text.h"
#include "platform/Utf8.h"

#include <algorithm>
#include <cmath>

namespace orvane::net {

namespace {

enum class Type : uint8_t {
    Hello = 1,
    Welcome = 2,
    Refused = 3,
    MoveAsked = 4,
    MoveRefused = 5,
    Shown = 6,
    WholeWanted = 7,
    Heartbeat = 8,
    Goodbye = 9,
};

constexpr uint8_t NoPlayer = 2;

bool IsControl(uint32_t code)
{
    return code < 0x20 || (code >= 0x7F && code <= 0x9F);
}

void WriteText(ByteWriter& out, std::string_view text, std::size_t most)
{
    text = text.substr(0, most);
    out.Byte(static_cast<uint8_t>(text.size()));
    out.Text(text);
}

std::optional<std::string> ReadText(ByteReader& in, std::size_t most)
{
    const uint8_t length = in.Byte();
    if (length > most)
        return std::nullopt;
    std::string text = in.Text(length);
    if (in.Cut() || !IsValidUtf8(text))
        return std::nullopt;
    return text;
}

void WriteSetup(ByteWriter& out, const BoardSetup& setup)
{
    out.Byte(static_cast<uint8_t>(setup.BoardLevel));
    out.Byte(static_cast<uint8_t>(setup.Width));
    out.Byte(static_cast<uint8_t>(setup.Height));
    out.Fixed(static_cast<uint64_t>(setup.Mines), 2);
}

// Any board a player could choose, played as a two-player game counted in no score table.
std::optional<BoardSetup> ReadSetup(ByteReader& in)
{
    BoardSetup setup;
    setup.Mode = PlayMode::VsHuman;
    setup.ScoreTable = NoScoreTable;
    const uint8_t level = in.Byte();
    setup.Width = in.Byte();
    setup.Height = in.Byte();
    setup.Mines = static_cast<int16_t>(in.Fixed(2));
    if (level > static_cast<uint8_t>(Level::Custom) || setup.Width < 2 || setup.Width > MostColumns
        || setup.Height < 2 || setup.Height > MostRows || setup.Mines < 1
        || setup.Mines >= setup.Width * setup.Height)
        return std::nullopt;
    setup.BoardLevel = static_cast<Level>(level);
    return setup;
}

std::optional<PlayerIndex> ReadOptionalPlayer(ByteReader& in, bool& bad)
{
    const uint8_t value = in.Byte();
    if (value > NoPlayer)
        bad = true;
    if (value >= NoPlayer)
        return std::nullopt;
    return static_cast<PlayerIndex>(value);
}

uint8_t OptionalPlayerByte(std::optional<PlayerIndex> player)
{
    return player ? static_cast<uint8_t>(*player) : NoPlayer;
}

uint16_t SecondsToMs16(float seconds)
{
    return static_cast<uint16_t>(std::clamp(std::lround(seconds * 1000.0f), 0L, 60'000L));
}

void WriteShown(ByteWriter& out, const Shown& shown)
{
    const SeenState& seen = shown.Seen;
    out.Fixed(shown.Board, 4);
    out.Byte(static_cast<uint8_t>((shown.Whole ? 1 : 0) | (shown.Present[0] ? 2 : 0)
        | (shown.Present[1] ? 4 : 0) | (shown.News.Ended ? 8 : 0)));
    WriteSetup(out, shown.Setup);
    if (shown.Whole) {
        out.Append(seen.Cells);
    } else {
        out.Fixed(shown.ChangedCells.size(), 2);
        for (const auto& [index, code] : shown.ChangedCells) {
            out.Fixed(index, 2);
            out.Byte(code);
        }
    }
    for (const PlayerData& player : seen.Players) {
        WriteText(out, player.Name, 4 * MostNameCharacters);
        out.Fixed(static_cast<uint64_t>(player.MinesFound), 2);
        out.Fixed(static_cast<uint64_t>(player.Score), 4);
    }
    out.Byte(seen.CurrentPlayer);
    out.Byte(static_cast<uint8_t>(seen.State));
    out.Fixed(static_cast<uint64_t>(seen.FlagsToWin), 2);
    out.Byte(static_cast<uint8_t>((seen.BonusAwarded ? 1 : 0) | (seen.BonusArmed ? 2 : 0)
        | (seen.BonusButtonEnabled ? 4 : 0) | (seen.ShowMoveMarks ? 8 : 0)));
    out.Byte(OptionalPlayerByte(seen.BonusOwner));
    out.Byte(seen.BonusRadius);
    out.Fixed(static_cast<uint32_t>(shown.TurnMsLeft), 4);
    out.Byte(static_cast<uint8_t>(shown.News.Sounds.size()));
    for (Sound sound : shown.News.Sounds)
        out.Byte(static_cast<uint8_t>(sound));
    out.Byte(static_cast<uint8_t>(shown.News.Messages.size()));
    for (const MessagePosted& message : shown.News.Messages) {
        WriteText(out, message.Text, MostMessageTextBytes);
        out.Fixed(SecondsToMs16(message.SlideTime), 2);
        out.Fixed(SecondsToMs16(message.HoldTime), 2);
        out.Byte(static_cast<uint8_t>(
            (message.ContinuesRunning ? 1 : 0) | (message.AlsoInClassic ? 2 : 0)));
    }
    if (shown.News.Ended) {
        out.Byte(OptionalPlayerByte(shown.News.Ended->Winner));
        out.Byte(OptionalPlayerByte(shown.News.Ended->GivenUpBy));
        // Whole milliseconds, as many as four bytes hold.
        const double ms = std::clamp(shown.News.Ended->Seconds * 1000, 0.0, 4294967295.0);
        out.Fixed(static_cast<uint64_t>(std::llround(ms)), 4);
    }
    out.Fixed(shown.Hash, 8);
}

bool ValidCode(uint8_t code)
{
    return (code & ~seen_cell::MoveMark) <= seen_cell::LastCode;
}

std::optional<Shown> ReadShown(ByteReader& in)
{
    Shown shown;
    SeenState& seen = shown.Seen;
    shown.Board = static_cast<uint32_t>(in.Fixed(4));
    const uint8_t flags = in.Byte();
    shown.Whole = (flags & 1) != 0;
    shown.Present = {(flags & 2) != 0, (flags & 4) != 0};
    const auto setup = ReadSetup(in);
    if (!setup || flags > 15)
        return std::nullopt;
    shown.Setup = seen.Setup = *setup;
    const auto cells = static_cast<std::size_t>(setup->Width * setup->Height);
    bool bad = false;
    if (shown.Whole) {
        seen.Cells.resize(cells);
        for (uint8_t& code : seen.Cells) {
            code = in.Byte();
            bad = bad || !ValidCode(code);
        }
    } else {
        const auto count = static_cast<std::size_t>(in.Fixed(2));
        if (count > cells)
            return std::nullopt;
        shown.ChangedCells.reserve(count);
        for (std::size_t i = 0; i < count; ++i) {
            const auto index = static_cast<uint16_t>(in.Fixed(2));
            const uint8_t code = in.Byte();
            bad = bad || index >= cells || !ValidCode(code);
            shown.ChangedCells.emplace_back(index, code);
        }
    }
    for (PlayerData& player : seen.Players) {
        const auto name = ReadText(in, 4 * MostNameCharacters);
        if (!name)
            return std::nullopt;
        player.Name = CleanPlayerName(*name, "?");
        player.MinesFound = static_cast<int32_t>(in.Fixed(2));
        player.Score = static_cast<int32_t>(in.Fixed(4));
        bad = bad || player.MinesFound > setup->Mines || player.Score < 0;
    }
    const uint8_t current = in.Byte();
    const uint8_t state = in.Byte();
    seen.FlagsToWin = static_cast<int16_t>(in.Fixed(2));
    const uint8_t bonus = in.Byte();
    seen.BonusOwner = ReadOptionalPlayer(in, bad);
    seen.BonusRadius = in.Byte();
    if (bad || current > 1 || state > static_cast<uint8_t>(GameState::Won) || bonus > 15
        || seen.FlagsToWin < 1 || seen.FlagsToWin > setup->Mines || seen.BonusRadius > 3)
        return std::nullopt;
    seen.CurrentPlayer = static_cast<PlayerIndex>(current);
    seen.State = static_cast<GameState>(state);
    seen.BonusAwarded = (bonus & 1) != 0;
    seen.BonusArmed = (bonus & 2) != 0;
    seen.BonusButtonEnabled = (bonus & 4) != 0;
    seen.ShowMoveMarks = (bonus & 8) != 0;
    shown.TurnMsLeft = static_cast<int32_t>(static_cast<uint32_t>(in.Fixed(4)));
    const uint8_t sounds = in.Byte();
    for (uint8_t i = 0; i < sounds && !in.Cut(); ++i) {
        const uint8_t sound = in.Byte();
        if (sound > static_cast<uint8_t>(Sound::Click))
            return std::nullopt;
        shown.News.Sounds.push_back(static_cast<Sound>(sound));
    }
    const uint8_t messages = in.Byte();
    for (uint8_t i = 0; i < messages && !in.Cut(); ++i) {
        MessagePosted message;
        const auto text = ReadText(in, MostMessageTextBytes);
        if (!text)
            return std::nullopt;
        message.Text = *text;
        message.SlideTime = static_cast<float>(in.Fixed(2)) / 1000.0f;
        message.HoldTime = static_cast<float>(in.Fixed(2)) / 1000.0f;
        const uint8_t look = in.Byte();
        if (look > 3 || message.SlideTime > 60.0f || message.HoldTime > 60.0f)
            return std::nullopt;
        message.ContinuesRunning = (look & 1) != 0;
        message.AlsoInClassic = (look & 2) != 0;
        shown.News.Messages.push_back(std::move(message));
    }
    if ((flags & 8) != 0) {
        SeenEnd ended;
        ended.Winner = ReadOptionalPlayer(in, bad);
        ended.GivenUpBy = ReadOptionalPlayer(in, bad);
        ended.Seconds = static_cast<double>(in.Fixed(4)) / 1000.0;
        if (bad)
            return std::nullopt;
        shown.News.Ended = ended;
    }
    shown.Hash = in.Fixed(8);
    return shown;
}

void WriteBody(ByteWriter& out, const Message& message)
{
    std::visit(
        [&out](const auto& m) {
            using T = std::decay_t<decltype(m)>;
            if constexpr (std::is_same_v<T, Hello>) {
                out.Byte(static_cast<uint8_t>(Type::Hello));
                out.Fixed(m.Version, 2);
                WriteText(out, m.PlayerName, 4 * MostNameCharacters);
                WriteText(out, m.GameName, MostGameNameBytes);
                out.Fixed(m.Token, 8);
                out.Byte(static_cast<uint8_t>(m.Limit));
                WriteSetup(out, m.Board);
            } else if constexpr (std::is_same_v<T, Welcome>) {
                out.Byte(static_cast<uint8_t>(Type::Welcome));
                out.Byte(m.Seat);
                out.Fixed(m.Token, 8);
                WriteText(out, m.GameName, MostGameNameBytes);
                out.Byte(static_cast<uint8_t>(m.Limit));
            } else if constexpr (std::is_same_v<T, Refused>) {
                out.Byte(static_cast<uint8_t>(Type::Refused));
                WriteText(out, m.Reason, MostMessageTextBytes);
            } else if constexpr (std::is_same_v<T, MoveAsked>) {
                out.Byte(static_cast<uint8_t>(Type::MoveAsked));
                out.Fixed(m.Board, 4);
                out.Byte(static_cast<uint8_t>(m.Move));
                out.Fixed(static_cast<uint16_t>(m.Cell), 2);
            } else if constexpr (std::is_same_v<T, MoveRefused>) {
                out.Byte(static_cast<uint8_t>(Type::MoveRefused));
                WriteText(out, m.Reason, MostMessageTextBytes);
            } else if constexpr (std::is_same_v<T, Shown>) {
                out.Byte(static_cast<uint8_t>(Type::Shown));
                WriteShown(out, m);
            } else if constexpr (std::is_same_v<T, WholeWanted>) {
                out.Byte(static_cast<uint8_t>(Type::WholeWanted));
            } else if constexpr (std::is_same_v<T, Heartbeat>) {
                out.Byte(static_cast<uint8_t>(Type::Heartbeat));
            } else {
                static_assert(std::is_same_v<T, Goodbye>);
                out.Byte(static_cast<uint8_t>(Type::Goodbye));
                WriteText(out, m.Reason, MostMessageTextBytes);
            }
        },
        message);
}

std::optional<Message> ReadBody(ByteReader& in)
{
    switch (static_cast<Type>(in.Byte())) {
    case Type::Hello: {
        Hello hello;
        hello.Version = static_cast<uint16_t>(in.Fixed(2));
        const auto name = ReadText(in, 4 * MostNameCharacters);
        const auto game = ReadText(in, MostGameNameBytes);
        hello.Token = in.Fixed(8);
        const uint8_t limit = in.Byte();
        const auto setup = ReadSetup(in);
        if (!name || !game || !setup || limit > static_cast<uint8_t>(TurnLimit::BankOf120Seconds))
            return std::nullopt;
        hello.PlayerName = *name;
        hello.GameName = *game;
        hello.Limit = static_cast<TurnLimit>(limit);
        hello.Board = *setup;
        return hello;
    }
    case Type::Welcome: {
        Welcome welcome;
        const uint8_t seat = in.Byte();
        welcome.Token = in.Fixed(8);
        const auto game = ReadText(in, MostGameNameBytes);
        const uint8_t limit = in.Byte();
        if (seat > 1 || !game || limit > static_cast<uint8_t>(TurnLimit::BankOf120Seconds))
            return std::nullopt;
        welcome.Seat = static_cast<PlayerIndex>(seat);
        welcome.GameName = *game;
        welcome.Limit = static_cast<TurnLimit>(limit);
        return welcome;
    }
    case Type::Refused:
        if (auto reason = ReadText(in, MostMessageTextBytes))
            return Refused {*reason};
        return std::nullopt;
    case Type::MoveRefused:
        if (auto reason = ReadText(in, MostMessageTextBytes))
            return MoveRefused {*reason};
        return std::nullopt;
    case Type::Goodbye:
        if (auto reason = ReadText(in, MostMessageTextBytes))
            return Goodbye {*reason};
        return std::nullopt;
    case Type::MoveAsked: {
        MoveAsked move;
        move.Board = static_cast<uint32_t>(in.Fixed(4));
        const uint8_t kind = in.Byte();
        move.Cell = static_cast<int16_t>(in.Fixed(2));
        if (kind > static_cast<uint8_t>(NetworkMove::NewGame) || move.Cell < 0)
            return std::nullopt;
        move.Move = static_cast<NetworkMove>(kind);
        return move;
    }
    case Type::Shown:
        if (auto shown = ReadShown(in))
            return *shown;
        return std::nullopt;
    case Type::WholeWanted:
        return WholeWanted {};
    case Type::Heartbeat:
        return Heartbeat {};
    }
    return std::nullopt;
}

} // namespace

std::vector<uint8_t> EncodeMessage(const Message& message)
{
    ByteWriter body;
    WriteBody(body, message);
    ByteWriter out;
    out.Fixed(body.Bytes().size(), 4);
    out.Append(body.Bytes());
    return out.Take();
}

std::optional<Message> DecodeMessage(std::span<const uint8_t> body)
{
    ByteReader in(body);
    std::optional<Message> message = ReadBody(in);
    // Every byte must belong to the message: no more, no fewer.
    if (in.Cut() || in.Left() != 0)
        return std::nullopt;
    return message;
}

std::string CleanedText(std::string_view text, std::size_t mostBytes, std::size_t mostCharacters)
{
    std::string cleaned;
    std::size_t characters = 0;
    for (std::size_t at = 0; at < text.size() && characters < mostCharacters;) {
        const Utf8Character character = NextUtf8Character(text, at);
        const bool kept = character.Code != Utf8Character::Invalid && !IsControl(character.Code);
        if (kept) {
            if (cleaned.size() + character.Length > mostBytes)
                break;
            cleaned.append(text.substr(at, character.Length));
            ++characters;
        }
        at += character.Length;
    }
    return cleaned;
}

std::string DescribeBoard(const BoardSetup& board)
{
    constexpr std::array<const char*, 4> Levels {"Beginner", "Intermediate", "Expert", "Custom"};
    std::string text = Levels[static_cast<size_t>(board.BoardLevel) % Levels.size()];
    text += ' ';
    text += std::to_string(board.Width);
    text += 'x';
    text += std::to_string(board.Height);
    text += ", ";
    text += std::to_string(board.Mines);
    text += " mines";
    return text;
}

std::string CleanPlayerName(std::string_view name, std::string_view fallback)
{
    std::string clean = CleanedText(name, 4 * MostNameCharacters, MostNameCharacters);
    if (clean.find_first_not_of(' ') == std::string::npos)
        return std::string(fallback);
    return clean;
}

void MessageReader::Add(std::span<const uint8_t> bytes)
{
    pending_.insert(pending_.end(), bytes.begin(), bytes.end());
}

std::size_t MessageReader::Wanted() const
{
    const std::size_t have = pending_.size() - used_;
    if (have < 4)
        return 4 - have;
    std::size_t length = 0;
    for (int i = 0; i < 4; ++i)
        length |= static_cast<std::size_t>(pending_[used_ + static_cast<std::size_t>(i)])
            << (8 * i);
    // A length no message has is for Next to refuse.
    if (length == 0 || length > MostMessageBytes)
        return 0;
    return have >= 4 + length ? 0 : 4 + length - have;
}

std::optional<Message> MessageReader::Next()
{
    if (Broken())
        return std::nullopt;
    const std::size_t have = pending_.size() - used_;
    if (have < 4)
        return std::nullopt;
    std::size_t length = 0;
    for (int i = 0; i < 4; ++i)
        length |= static_cast<std::size_t>(pending_[used_ + static_cast<std::size_t>(i)])
            << (8 * i);
    if (length == 0 || length > MostMessageBytes) {
        problem_ = QT_TRANSLATE_NOOP(
            "Messages", "The other side sent a message too large to be one of this game's.");
        pending_.clear();
        used_ = 0;
        return std::nullopt;
    }
    if (have < 4 + length)
        return std::nullopt;
    const auto body = std::span<const uint8_t>(pending_).subspan(used_ + 4, length);
    auto message = DecodeMessage(body);
    used_ += 4 + length;
    if (used_ == pending_.size()) {
        pending_.clear();
        used_ = 0;
    } else if (used_ > MostMessageBytes) {
        pending_.erase(pending_.begin(), pending_.begin() + static_cast<std::ptrdiff_t>(used_));
        used_ = 0;
    }
    if (!message) {
        problem_
            = QT_TRANSLATE_NOOP("Messages", "The other side sent a message this game cannot read.");
        pending_.clear();
        used_ = 0;
    }
    return message;
}

} // namespace orvane::net
