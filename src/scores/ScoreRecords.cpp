// SPDX-License-Identifier: GPL-3.0-or-later
#include "scores/ScoreRecords.h"

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

// Appends the UTF-8 form of a character below 256.
void AppendLatin1(std::string& out, uint8_t c)
{
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// The code point of the UTF-8 sequence at text[at], and its length in bytes; a byte
// that starts no valid sequence counts as one character that cannot be kept.
std::pair<uint32_t, std::size_t> NextCharacter(const std::string& text, std::size_t at)
{
    constexpr uint32_t Invalid = 0xFFFFFFFF;
    const auto lead = static_cast<uint8_t>(text[at]);
    if (lead < 0x80)
        return {lead, 1};
    const std::size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC2 ? 2 : 0;
    if (length == 0 || lead > 0xF4 || at + length > text.size())
        return {Invalid, 1};
    uint32_t code = lead & (0x7F >> length);
    for (std::size_t i = 1; i < length; ++i) {
        const auto next = static_cast<uint8_t>(text[at + i]);
        if ((next & 0xC0) != 0x80)
            return {Invalid, 1};
        code = (code << 6) | (next & 0x3F);
    }
    // An overlong form could smuggle in a control character.
    constexpr std::array<uint32_t, 5> Smallest {0, 0, 0x80, 0x800, 0x10000};
    if (code < Smallest[length])
        return {Invalid, 1};
    return {code, length};
}

} // namespace

std::string StoredName(const std::string& typed)
{
    std::string stored;
    std::size_t at = 0;
    for (std::size_t count = 0; count < NameCapacity && at < typed.size(); ++count) {
        const auto [code, length] = NextCharacter(typed, at);
        AppendLatin1(stored, code < 0x100 ? static_cast<uint8_t>(code) : '?');
        at += length;
    }
    return stored;
}

ScoreEntry DefaultEntry(int table)
{
    if (table < FirstTwoPlayerTable)
        return {"Unknown", 999, 9999};
    return {"Unknown", 0, 0};
}

RowRecord EncodeRow(const ScoreEntry& entry)
{
    RowRecord record {};
    const std::string name = StoredName(entry.Name);
    std::size_t length = 0;
    for (std::size_t at = 0; at < name.size(); ++length) {
        const auto [code, size] = NextCharacter(name, at);
        record[NameOffset + length] = static_cast<uint8_t>(code);
        at += size;
    }
    record[0] = static_cast<uint8_t>(length);
    PutInt32(&record[TimeOrWonOffset], entry.TimeOrWon);
    PutInt32(&record[ClicksOrLostOffset], entry.ClicksOrLost);
    return record;
}

std::optional<ScoreEntry> DecodeRow(const RowRecord& record)
{
    const std::size_t length = record[0];
    ScoreEntry entry {
        {}, GetInt32(&record[TimeOrWonOffset]), GetInt32(&record[ClicksOrLostOffset])};
    if (length > NameCapacity || entry.TimeOrWon < 0 || entry.ClicksOrLost < 0)
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

TableCounters DecodeStats(const StatsRecord& record)
{
    return {std::max(GetInt32(&record[0]), 0), std::max(GetInt32(&record[4]), 0)};
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
