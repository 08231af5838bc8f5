// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace orvane {

// Layout of "\Orvane.cfg": 60 row records from the start of the file, then six
// statistics records that are always found by counting back from its end.
inline constexpr int ScoreTableCount = 6; // tables 0..5; ScoreTable 6 is the custom board
inline constexpr int FirstTwoPlayerTable = 3;
inline constexpr int RowsPerTable = 10; // rows are numbered 1..10
inline constexpr std::size_t NameCapacity = 20;
inline constexpr std::size_t RowRecordSize = 32;
inline constexpr std::size_t StatsRecordSize = 8;
inline constexpr std::size_t RowBlockSize = RowRecordSize * RowsPerTable * ScoreTableCount;
inline constexpr std::size_t StatsBlockSize = StatsRecordSize * ScoreTableCount;
inline constexpr std::size_t ScoreFileSize = RowBlockSize + StatsBlockSize;
// Far beyond the file this program writes: a larger one is no score file, and only its
// start is read.
inline constexpr std::size_t MostScoreFileBytes = std::size_t {64} * 1024;
// The time of a fresh Classic row. A result enters only when no slower than a row, so no
// Classic row that a program wrote holds a slower time.
inline constexpr int32_t SlowestClassicTime = 999;

struct ScoreEntry {
    // UTF-8 in memory; in the file one Latin-1 byte per character (see StoredName).
    std::string Name;
    int32_t TimeOrWon = 0;
    int32_t ClicksOrLost = 0;

    bool operator==(const ScoreEntry&) const = default;
};

// One table's game counters: Classic games won and lost, or two-player games started.
struct TableCounters {
    int32_t WonOrStarted = 0;
    int32_t GamesLost = 0;

    bool operator==(const TableCounters&) const = default;
};

using RowRecord = std::array<uint8_t, RowRecordSize>;
using StatsRecord = std::array<uint8_t, StatsRecordSize>;
using ScoreTableRows = std::array<std::array<ScoreEntry, RowsPerTable>, ScoreTableCount>;
using ScoreTableCounters = std::array<TableCounters, ScoreTableCount>;

// A fresh or reset row: Classic tables hold a time nobody is slower than.
ScoreEntry DefaultEntry(int table);

// A typed name as the file can keep it: its first NameCapacity characters, each one
// that Latin-1 cannot hold (or a broken UTF-8 byte) replaced by '?' and each control
// character by a space. UTF-8 again.
std::string StoredName(const std::string& typed);

// The name goes in as StoredName makes it.
RowRecord EncodeRow(const ScoreEntry& entry);
// Nothing for a record of the table that no program wrote: a name longer than its field,
// a negative time, click count, win or loss count, or a Classic time past the slowest.
// Control characters of the name read as spaces, as they are shown.
std::optional<ScoreEntry> DecodeRow(const RowRecord& record, int table);
StatsRecord EncodeStats(const TableCounters& counters);
// Nothing for a negative count, which no program wrote.
std::optional<TableCounters> DecodeStats(const StatsRecord& record);

// What a score file holds: each row and counter it holds whole and in range, the
// table's defaults for the others. A file that is not as the program writes it (shorter
// than the full layout but not empty, larger than any score file, or holding anything
// out of range) is damaged.
struct ScoreFileContents {
    ScoreTableRows Rows;
    ScoreTableCounters Counters {};
    bool Damaged = false;
};
// start holds the first bytes of a file of fileSize bytes, at least MostScoreFileBytes
// of them when it has that many.
ScoreFileContents DecodeScoreFile(const std::vector<uint8_t>& start, std::size_t fileSize);
// The full layout.
std::vector<uint8_t> EncodeScoreFile(
    const ScoreTableRows& rows, const ScoreTableCounters& counters);

bool IsScoreTable(int table);
bool IsRowNumber(int row);
std::size_t RowOffset(int table, int row);
// In a file of the full layout or longer, the statistics block lies in the last six
// whole 8-byte units. A shorter file is damaged: its record t can only be where the
// full layout has it, and is there only when the file holds all of it.
std::optional<std::size_t> StatsOffset(std::size_t fileSize, int table);

// Counters stop at the largest value instead of wrapping to negative.
int32_t CountedUp(int32_t value);

} // namespace orvane
