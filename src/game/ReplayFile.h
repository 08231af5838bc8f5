// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "game/RecordedGame.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace orvane {

// A game to share: its record with who played it and when, in a file of Orvane's own
// (docs/REPLAY_FILES.md): a signature, the format's version, the board, the names, the
// start time, the encoded game, and a CRC-32 over all of it.
inline constexpr const char* ReplayFileExtension = ".orvreplay";
inline constexpr uint16_t ReplayFileVersion = 1;
// Far beyond any game's record; a larger file is refused before it is read.
inline constexpr std::size_t MostReplayFileBytes = 16 * 1024 * 1024;

struct ReplayFile {
    RecordedGame Game;
    // The player's name, and the second player's in the two-player modes; at most two.
    std::vector<std::string> PlayerNames;
    int64_t StartedAt = 0; // Unix seconds
    bool operator==(const ReplayFile&) const = default;
};

std::vector<uint8_t> EncodeReplayFile(const ReplayFile& replay);

struct ReplayFileReading {
    ReplayFile Replay;
    std::string Error; // why the bytes hold no replay, in plain words; empty when they do
};
ReplayFileReading DecodeReplayFile(std::span<const uint8_t> bytes);

// Replaces the file whole or not at all; returns the reason when it was not written.
std::string WriteReplayFile(const std::string& path, const ReplayFile& replay);
ReplayFileReading ReadReplayFile(const std::string& path);

} // namespace orvane
