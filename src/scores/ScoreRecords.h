#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

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

struct ScoreEntry {
    std::string Name; // single-byte characters, at most NameCapacity of them in the file
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

// A fresh or reset row: Classic tables hold a time nobody is slower than.
ScoreEntry DefaultEntry(int table);

// Names longer than the record holds keep their first NameCapacity bytes.
RowRecord EncodeRow(const ScoreEntry& entry);
ScoreEntry DecodeRow(const RowRecord& record);
StatsRecord EncodeStats(const TableCounters& counters);
TableCounters DecodeStats(const StatsRecord& record);

bool IsScoreTable(int table);
bool IsRowNumber(int row);
std::size_t RowOffset(int table, int row);
// The statistics block lies in the last six whole 8-byte units of the file; a file
// shorter than that has no place for it.
std::optional<std::size_t> StatsOffset(std::size_t fileSize, int table);

// Counters stop at the largest value instead of wrapping to negative.
int32_t CountedUp(int32_t value);

} // namespace orvane
