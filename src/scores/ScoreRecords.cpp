// SPDX-License-Identifier: GPL-3.0-or-later
#include "scores/ScoreRecords.h"

#include "platform/Utf8.h"

#include <algorithm>
#include <limits>
#include <utility>

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

// Appends the UTF-8 form of a character below 256. A control character (a tab, an
// escape, a line feed, or one of Latin-1's own) would move or hide what a window shows
// around it, so it becomes a space.
void AppendLatin1(std::string& out, uint8_t c)
{
    if (c < 0x20 || (c >= 0x7F && c < 0xA0)) {
        out += ' ';
    } else if (c < 0x80) {
        out += static_cast<char>(c);
    } else {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

} // namespace

std::string StoredName(const std::string& typed)
{
    std::string stored;
    std::size_t at = 0;
    for (std::size_t count = 0; count < NameCapacity && at < typed.size(); ++count) {
        const auto [code, length] = NextUtf8Character(typed, at);
        AppendLatin1(stored, code < 0x100 ? static_cast<uint8_t>(code) : '?');
        at += length;
    }
    return stored;
}

ScoreEntry DefaultEntry(int table)
{
    if (table < FirstTwoPlayerTable)
        return {"Unknown", SlowestClassicTime, 9999};
    return {"Unknown", 0, 0};
}

RowRecord EncodeRow(const ScoreEntry& entry)
{
    RowRecord record {};
    const std::string name = StoredName(entry.Name);
    std::size_t length = 0;
    for (std::size_t at = 0; at < name.size(); ++length) {
        const auto [code, size] = NextUtf8Character(name, at);
        record[NameOffset + length] = static_cast<uint8_t>(code);
        at += size;
    }
    record[0] = static_cast<uint8_t>(length);
    PutInt32(&record[TimeOrWonOffset], entry.TimeOrWon);
    PutInt32(&record[ClicksOrLostOffset], entry.ClicksOrLost);
    return record;
}

std::optional<ScoreEntry> DecodeRow(const RowRecord& record, int table)
{
    const std::size_t length = record[0];
    ScoreEntry entry {
        {}, GetInt32(&record[TimeOrWonOffset]), GetInt32(&record[ClicksOrLostOffset])};
    const bool classic = table < FirstTwoPlayerTable;
    if (length > NameCapacity || entry.TimeOrWon < 0 || entry.ClicksOrLost < 0
        || (classic && entry.TimeOrWon > SlowestClassicTime))
        return std::nullopt;
    for (std::size_t i = 0; i < length; ++i)
        AppendLatin1(entry.Name, record[NameOffset + i]);
    return entry;
}

StatsRecord EncodeStats(const TableCounters& counters)
{
    StatsRecord record {};
    PutInt32(&record[0], counters.WonOrStarted);
    PutInt32(&record[4], counters.GamesLost);
    return record;
}

std::optional<TableCounters> DecodeStats(const StatsRecord& record)
{
    const TableCounters counters {GetInt32(&record[0]), GetInt32(&record[4])};
    if (counters.WonOrStarted < 0 || counters.GamesLost < 0)
        return std::nullopt;
    return counters;
}

ScoreFileContents DecodeScoreFile(const std::vector<uint8_t>& start, std::size_t fileSize)
{
    ScoreFileContents contents;
    contents.Damaged = (fileSize > 0 && fileSize < ScoreFileSize) || fileSize > MostScoreFileBytes;
    for (int table = 0; table < ScoreTableCount; ++table) {
        for (int row = 1; row <= RowsPerTable; ++row) {
            ScoreEntry& entry = contents.Rows.at(table).at(row - 1);
            entry = DefaultEntry(table);
            const std::size_t offset = RowOffset(table, row);
            RowRecord record {};
            if (offset + record.size() > start.size())
                continue;
            std::copy_n(
                start.begin() + static_cast<std::ptrdiff_t>(offset), record.size(), record.begin());
            const std::optional<ScoreEntry> read = DecodeRow(record, table);
            contents.Damaged = contents.Damaged || !read;
            entry = read.value_or(entry);
        }
        const std::optional<std::size_t> offset = StatsOffset(fileSize, table);
        StatsRecord record {};
        if (!offset || *offset + record.size() > start.size())
            continue;
        std::copy_n(
            start.begin() + static_cast<std::ptrdiff_t>(*offset), record.size(), record.begin());
        const std::optional<TableCounters> read = DecodeStats(record);
        contents.Damaged = contents.Damaged || !read;
        contents.Counters.at(table) = read.value_or(TableCounters {});
    }
    return contents;
}

std::vector<uint8_t> EncodeScoreFile(const ScoreTableRows& rows, const ScoreTableCounters& counters)
{
    std::vector<uint8_t> bytes;
    bytes.reserve(ScoreFileSize);
    for (const auto& table : rows) {
        for (const ScoreEntry& entry : table) {
            const RowRecord record = EncodeRow(entry);
            bytes.insert(bytes.end(), record.begin(), record.end());
        }
    }
    for (const TableCounters& table : counters) {
        const StatsRecord record = EncodeStats(table);
        bytes.insert(bytes.end(), record.begin(), record.end());
    }
    return bytes;
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
    const auto index = static_cast<std::size_t>(table);
    if (fileSize >= ScoreFileSize)
        return (fileSize / StatsRecordSize - ScoreTableCount + index) * StatsRecordSize;
    const std::size_t offset = RowBlockSize + index * StatsRecordSize;
    if (offset + StatsRecordSize > fileSize)
        return std::nullopt;
    return offset;
}

int32_t CountedUp(int32_t value)
{
    return value == std::numeric_limits<int32_t>::max() ? value : value + 1;
}

} // namespace orvane
