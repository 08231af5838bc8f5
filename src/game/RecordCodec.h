// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "game/RecordedGame.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace orvane {

// A recorded game as a compact blob, the history's and the replay file's: its first byte
// is the encoding's version. The layout is its swaps from the plain cell order, times are
// the milliseconds since the command before, and cells are steps from the cell acted on
// before (docs/REPLAY_FILES.md gives it byte by byte).
inline constexpr uint8_t RecordEncodingVersion = 1;
inline constexpr std::size_t MostNameBytes = 255;
// Beyond any game played: counters and times stay far from overflowing while replayed.
inline constexpr int64_t MostCount = 1'000'000'000;
inline constexpr int64_t MostMilliseconds = int64_t {1} << 40;

// The longest start of a name, in whole characters, that a record keeps.
std::string_view KeptName(std::string_view name);

// The game the rules recorded, encoded exactly: its times never go back and its cells lie
// on its board, as the game stamps them. Names longer than MostNameBytes keep their first
// whole characters within it.
std::vector<uint8_t> EncodeRecordedGame(const RecordedGame& game);

struct RecordDecoding {
    RecordedGame Game;
    std::string Error; // what is wrong with the bytes, in plain words; empty for a game
};

// Checks everything a replay relies on: a board the game can deal, a layout that is an
// order of its cells, draws the rules can use, cells on the board, and counts within the
// bytes present.
RecordDecoding DecodeRecordedGame(std::span<const uint8_t> bytes);

} // namespace orvane
