#include "scores/ScoreRecords.h"

#include <algorithm>
#include <limits>

namespace orvane {

namespace {

constexpr std::size_t NameOffset = 1;
constexpr std::size_t TimeOrWonOffset = 24;
constexpr std::size_t ClicksOrLostOffset = 28;

void PutInt32(uint8_t* out, int32_t value)
{
    const auto bits = static_cast<uint32_t>(value);
    for (int i = 0; i < 4; ++i)
        out[i] = static_cast<uint8_t>(bits >> (8 * i));
}

int32_t GetInt32(const uint8_t* in)
{
    uint32_t bits = 0;
    for (int i = 0; i < 4; ++i)
        bits |= static_cast<uint32_t>(in[i]) << (8 * i);
    return static_cast<int32_t>(bits);
}

} // namespace

ScoreEntry DefaultEntry(int table)
{
    if (table < FirstTwoPlayerTable)
        return {"Unknown", 999, 9999};
    return {"Unknown", 0, 0};
}

RowRecord EncodeRow(const ScoreEntry& entry)
{
    RowRecord record {};
    const std::size_t length = std::min(entry.Name.size(), NameCapacity);
    record[0] = static_cast<uint8_t>(length);
    std::copy_n(entry.Name.begin(), length, record.begin() + NameOffset);
    PutInt32(&record[TimeOrWonOffset], entry.TimeOrWon);
    PutInt32(&record[ClicksOrLostOffset], entry.ClicksOrLost);
    return record;
}

ScoreEntry DecodeRow(const RowRecord& record)
{
    // A length byte beyond the capacity comes from a damaged file: read what fits.
    const std::size_t length = std::min<std::size_t>(record[0], NameCapacity);
    const auto name = record.begin() + NameOffset;
    return {std::string(name, name + length), GetInt32(&record[TimeOrWonOffset]),
        GetInt32(&record[ClicksOrLostOffset])};
}

StatsRecord EncodeStats(const TableCounters& counters)
{
    StatsRecord record {};
    PutInt32(&record[0], counters.WonOrStarted);
    PutInt32(&record[4], counters.GamesLost);
    return record;
}

TableCounters DecodeStats(const StatsRecord& record)
{
    return {GetInt32(&record[0]), GetInt32(&record[4])};
}

bool IsScoreTable(int table)
{
    return table >= 0 && table < ScoreTableCount;
}

bool IsRowNumber(int row)
{
    return row >= 1 && row <= RowsPerTable;
}

std::size_t RowOffset(int table, int row)
{
    return static_cast<std::size_t>(table * RowsPerTable + row - 1) * RowRecordSize;
}

std::optional<std::size_t> StatsOffset(std::size_t fileSize, int table)
{
    const std::size_t units = fileSize / StatsRecordSize;
    if (units < static_cast<std::size_t>(ScoreTableCount))
        return std::nullopt;
    return (units - ScoreTableCount + static_cast<std::size_t>(table)) * StatsRecordSize;
}

int32_t CountedUp(int32_t value)
{
    return value == std::numeric_limits<int32_t>::max() ? value : value + 1;
}

} // namespace orvane
