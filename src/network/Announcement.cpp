// SPDX-License-Identifier: GPL-3.0-or-later
#include "network/Announcement.h"

#include "platform/Utf8.h"

#include <algorithm>
#include <array>

namespace orvane {

namespace {

// Datagram layout, numbers big-endian: the signature, version (2 bytes), port (2), the
// number of games (1), then per game three texts, each its length (1) and its bytes.
constexpr std::array<uint8_t, 4> Signature {'O', 'r', 'v', 'A'};
constexpr std::size_t HeaderBytes = Signature.size() + 2 + 2 + 1;
// A name of 20 characters takes at most four bytes a character.
constexpr std::size_t MostPlayerNameBytes = 4 * net::MostNameCharacters;

AnnouncedGame CleanedGame(const AnnouncedGame& game)
{
    return {net::CleanedText(game.GameName, net::MostGameNameBytes, net::MostGameNameBytes),
        net::CleanedText(game.PlayerName, MostPlayerNameBytes, net::MostNameCharacters),
        net::CleanedText(game.Board, MostBoardBytes, MostBoardBytes)};
}

std::size_t EncodedSize(const AnnouncedGame& cleaned)
{
    return 3 + cleaned.GameName.size() + cleaned.PlayerName.size() + cleaned.Board.size();
}

void PutText(std::vector<uint8_t>& bytes, const std::string& text)
{
    bytes.push_back(static_cast<uint8_t>(text.size()));
    bytes.insert(bytes.end(), text.begin(), text.end());
}

// Reads the datagram front to back; any read past its end fails the whole reading.
class DatagramReader {
public:
    explicit DatagramReader(std::span<const uint8_t> bytes) : bytes_(bytes) { }

    bool AtEnd() const { return at_ == bytes_.size(); }

    std::optional<uint8_t> Byte()
    {
        if (at_ >= bytes_.size())
            return std::nullopt;
        return bytes_[at_++];
    }

    std::optional<uint16_t> Number()
    {
        const auto high = Byte();
        const auto low = Byte();
        if (!high || !low)
            return std::nullopt;
        return static_cast<uint16_t>(*high << 8 | *low);
    }

    // A text of at most mostBytes bytes of UTF-8, cleaned and cut to mostCharacters.
    std::optional<std::string> Text(std::size_t mostBytes, std::size_t mostCharacters)
    {
        const auto length = Byte();
        if (!length || *length > mostBytes || bytes_.size() - at_ < *length)
            return std::nullopt;
        const std::string raw(bytes_.begin() + static_cast<std::ptrdiff_t>(at_),
            bytes_.begin() + static_cast<std::ptrdiff_t>(at_ + *length));
        at_ += *length;
        if (!IsValidUtf8(raw))
            return std::nullopt;
        return net::CleanedText(raw, mostBytes, mostCharacters);
    }

private:
    std::span<const uint8_t> bytes_;
    std::size_t at_ = 0;
};

} // namespace

std::vector<uint8_t> EncodeAnnouncement(const Announcement& announcement)
{
    std::vector<uint8_t> bytes(Signature.begin(), Signature.end());
    for (const uint16_t number : {announcement.Version, announcement.Port}) {
        bytes.push_back(static_cast<uint8_t>(number >> 8));
        bytes.push_back(static_cast<uint8_t>(number & 0xFF));
    }
    bytes.push_back(0);
    const std::size_t countAt = bytes.size() - 1;
    for (const AnnouncedGame& game : announcement.Games) {
        const AnnouncedGame cleaned = CleanedGame(game);
        if (bytes[countAt] == MostAnnouncedGames
            || bytes.size() + EncodedSize(cleaned) > MostAnnouncementBytes)
            break;
        PutText(bytes, cleaned.GameName);
        PutText(bytes, cleaned.PlayerName);
        PutText(bytes, cleaned.Board);
        ++bytes[countAt];
    }
    return bytes;
}

std::vector<Announcement> SplitAnnouncement(const Announcement& announcement)
{
    std::vector<Announcement> parts;
    std::size_t size = MostAnnouncementBytes;
    for (const AnnouncedGame& game : announcement.Games) {
        const std::size_t gameSize = EncodedSize(CleanedGame(game));
        if (parts.empty() || parts.back().Games.size() == MostAnnouncedGames
            || size + gameSize > MostAnnouncementBytes) {
            parts.push_back({announcement.Version, announcement.Port, {}});
            size = HeaderBytes;
        }
        parts.back().Games.push_back(game);
        size += gameSize;
    }
    return parts;
}

std::optional<Announcement> DecodeAnnouncement(std::span<const uint8_t> datagram)
{
    if (datagram.size() > MostAnnouncementBytes || datagram.size() < HeaderBytes
        || !std::equal(Signature.begin(), Signature.end(), datagram.begin()))
        return std::nullopt;
    DatagramReader reader(datagram.subspan(Signature.size()));
    Announcement announcement;
    const auto version = reader.Number();
    const auto port = reader.Number();
    const auto count = reader.Byte();
    if (version != net::ProtocolVersion || !port || *port == 0 || !count
        || *count > MostAnnouncedGames)
        return std::nullopt;
    announcement.Port = *port;
    for (int game = 0; game < *count; ++game) {
        auto name = reader.Text(net::MostGameNameBytes, net::MostGameNameBytes);
        auto player = reader.Text(MostPlayerNameBytes, net::MostNameCharacters);
        auto board = reader.Text(MostBoardBytes, MostBoardBytes);
        if (!name || !player || !board)
            return std::nullopt;
        announcement.Games.push_back({std::move(*name), std::move(*player), std::move(*board)});
    }
    if (!reader.AtEnd())
        return std::nullopt;
    return announcement;
}

} // namespace orvane
