// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/ReplayFile.h"

#include "game/ByteCoding.h"
#include "game/RecordCodec.h"
#include "platform/FileReplacement.h"
#include "platform/RecordFile.h"
#include "platform/Utf8.h"

#include <algorithm>
#include <array>
#include <zlib.h>

namespace orvane {

namespace {

// A byte with the top bit set catches a copy that kept seven bits; the line feed at the
// end, one that changed line ends.
constexpr std::array<uint8_t, 8> Signature {0x89, 'O', 'R', 'V', 'R', 'E', 'P', 0x0A};

constexpr const char* NotAReplay = "it is not an Orvane replay file";
constexpr const char* CutShort = "the file is cut short";
constexpr const char* Damaged = "the file has been changed or damaged";

uint32_t Crc32(std::span<const uint8_t> bytes)
{
    return static_cast<uint32_t>(
        crc32(crc32(0L, Z_NULL, 0), bytes.data(), static_cast<uInt>(bytes.size())));
}

// The names and the game as laid out in the file, before they are checked.
struct FileFields {
    uint8_t Mode = 0, BoardLevel = 0;
    uint16_t Width = 0, Height = 0, Mines = 0;
    std::vector<std::string> Names;
    int64_t StartedAt = 0;
    std::span<const uint8_t> Game;
};

bool MatchesGame(const FileFields& fields, const BoardSetup& setup)
{
    return fields.Mode == static_cast<uint8_t>(setup.Mode)
        && fields.BoardLevel == static_cast<uint8_t>(setup.BoardLevel)
        && fields.Width == setup.Width && fields.Height == setup.Height
        && fields.Mines == setup.Mines;
}

} // namespace

std::vector<uint8_t> EncodeReplayFile(const ReplayFile& replay)
{
    const BoardSetup& setup = replay.Game.Start.Setup;
    ByteWriter out;
    out.Append(Signature);
    out.Fixed(ReplayFileVersion, 2);
    out.Byte(static_cast<uint8_t>(setup.Mode));
    out.Byte(static_cast<uint8_t>(setup.BoardLevel));
    out.Fixed(static_cast<uint16_t>(setup.Width), 2);
    out.Fixed(static_cast<uint16_t>(setup.Height), 2);
    out.Fixed(static_cast<uint16_t>(setup.Mines), 2);
    const size_t names = std::min<size_t>(replay.PlayerNames.size(), 2);
    out.Byte(static_cast<uint8_t>(names));
    for (size_t i = 0; i < names; ++i) {
        const std::string_view name = KeptName(replay.PlayerNames[i]);
        out.Byte(static_cast<uint8_t>(name.size()));
        out.Text(name);
    }
    out.Fixed(static_cast<uint64_t>(replay.StartedAt), 8);
    const std::vector<uint8_t> game = EncodeRecordedGame(replay.Game);
    out.Fixed(game.size(), 4);
    out.Append(game);
    out.Fixed(Crc32(out.Bytes()), 4);
    return out.Take();
}

ReplayFileReading DecodeReplayFile(std::span<const uint8_t> bytes)
{
    const size_t signatureBytes = std::min(bytes.size(), Signature.size());
    if (bytes.empty()
        || !std::ranges::equal(
            bytes.first(signatureBytes), std::span(Signature).first(signatureBytes)))
        return {{}, NotAReplay};
    ByteReader in(bytes.subspan(signatureBytes));
    const auto version = static_cast<uint16_t>(in.Fixed(2));
    if (in.Cut())
        return {{}, CutShort};
    if (version > ReplayFileVersion)
        return {{}, "it was saved by a newer version of Orvane"};

    FileFields fields;
    fields.Mode = in.Byte();
    fields.BoardLevel = in.Byte();
    fields.Width = static_cast<uint16_t>(in.Fixed(2));
    fields.Height = static_cast<uint16_t>(in.Fixed(2));
    fields.Mines = static_cast<uint16_t>(in.Fixed(2));
    fields.Names.resize(std::min<size_t>(in.Byte(), in.Left()));
    for (std::string& name : fields.Names)
        name = in.Text(in.Byte());
    fields.StartedAt = static_cast<int64_t>(in.Fixed(8));
    const uint64_t gameBytes = in.Fixed(4);
    const size_t gameAt = signatureBytes + in.Skip(gameBytes);
    const size_t crcAt = signatureBytes + in.Offset();
    const auto crc = static_cast<uint32_t>(in.Fixed(4));
    if (in.Cut())
        return {{}, CutShort};
    if (in.Left() > 0 || version == 0 || crc != Crc32(bytes.first(crcAt)))
        return {{}, Damaged};
    fields.Game = bytes.subspan(gameAt, gameBytes);

    // The CRC holds: what is wrong now was written so.
    if (fields.Names.size() > 2
        || !std::all_of(fields.Names.begin(), fields.Names.end(), IsValidUtf8))
        return {{}, "its player names are not readable"};
    RecordDecoding decoded = DecodeRecordedGame(fields.Game);
    if (!decoded.Error.empty())
        return {{}, "its game cannot be played: " + decoded.Error};
    if (!MatchesGame(fields, decoded.Game.Start.Setup))
        return {{}, "its board does not match its game"};
    return {{std::move(decoded.Game), std::move(fields.Names), fields.StartedAt}, {}};
}

std::string WriteReplayFile(const std::string& path, const ReplayFile& replay)
{
    return ReplaceFile(path, EncodeReplayFile(replay));
}

ReplayFileReading ReadReplayFile(const std::string& path)
{
    RecordFile file(path, RecordFile::Access::Read);
    if (file.Failed())
        return {{}, file.FailureReason()};
    if (file.Size() > MostReplayFileBytes)
        return {{}, "it is larger than 16 MiB, more than any replay"};
    std::vector<uint8_t> bytes(file.Size());
    bytes.resize(file.ReadAt(0, bytes.data(), bytes.size()));
    if (file.Failed())
        return {{}, file.FailureReason()};
    return DecodeReplayFile(bytes);
}

} // namespace orvane
