#include "scores/ScoreFile.h"

#include "scores/RecordFile.h"

#include <algorithm>
#include <utility>

namespace orvane {

ScoreFile::ScoreFile(std::string path, ErrorReporter reportError) :
    path_(std::move(path)), reportError_(std::move(reportError))
{
    for (int table = 0; table < ScoreTableCount; ++table)
        SetDefaults(table);
}

ScoreEntry& ScoreFile::Row(int table, int row)
{
    return ScoreTables.at(table).at(row - 1);
}

const ScoreEntry& ScoreFile::Row(int table, int row) const
{
    return ScoreTables.at(table).at(row - 1);
}

void ScoreFile::SetDefaults(int table)
{
    ScoreTables.at(table).fill(DefaultEntry(table));
    TableStats.at(table) = {};
}

void ScoreFile::LoadScores()
{
    {
        RecordFile file(path_, RecordFile::Access::Read);
        if (!file.Missing()) {
            ReadFrom(file);
            if (file.Failed())
                Report(Problem::Reading, file.FailureReason());
            return;
        }
    }
    for (int table = 0; table < ScoreTableCount; ++table)
        SetDefaults(table);
    WriteThrough([this](RecordFile& file) { WriteWholeFile(file); });
}

void ScoreFile::ReadFrom(RecordFile& file)
{
    if (file.Failed())
        return; // the tables keep their defaults
    std::array<uint8_t, RowBlockSize> rows {};
    const std::size_t rowBytes = file.ReadAt(0, rows.data(), rows.size());
    for (int table = 0; table < ScoreTableCount; ++table) {
        for (int row = 1; row <= RowsPerTable; ++row) {
            const std::size_t offset = RowOffset(table, row);
            RowRecord record {};
            if (offset + record.size() > rowBytes) {
                Row(table, row) = ScoreEntry {}; // the file ends inside this record
                continue;
            }
            std::copy_n(
                rows.begin() + static_cast<std::ptrdiff_t>(offset), record.size(), record.begin());
            Row(table, row) = DecodeRow(record);
        }
    }

    TableStats.fill({});
    std::array<uint8_t, StatsBlockSize> stats {};
    const auto statsOffset = StatsOffset(file.Size(), 0);
    if (!statsOffset || file.ReadAt(*statsOffset, stats.data(), stats.size()) != stats.size())
        return;
    for (int table = 0; table < ScoreTableCount; ++table) {
        StatsRecord record {};
        std::copy_n(stats.begin() + table * static_cast<std::ptrdiff_t>(StatsRecordSize),
            record.size(), record.begin());
        TableStats[table] = DecodeStats(record);
    }
}

void ScoreFile::AppendRows(std::vector<uint8_t>& bytes, int table) const
{
    for (int row = 1; row <= RowsPerTable; ++row) {
        const RowRecord record = EncodeRow(Row(table, row));
        bytes.insert(bytes.end(), record.begin(), record.end());
    }
}

void ScoreFile::WriteWholeFile(RecordFile& file) const
{
    std::vector<uint8_t> bytes;
    bytes.reserve(ScoreFileSize);
    for (int table = 0; table < ScoreTableCount; ++table)
        AppendRows(bytes, table);
    for (const TableCounters& counters : TableStats) {
        const StatsRecord record = EncodeStats(counters);
        bytes.insert(bytes.end(), record.begin(), record.end());
    }
    file.WriteAt(0, bytes.data(), bytes.size());
}

// Opens the file for one change. A file too short to hold the statistics block (or
// one that has vanished since loading) has no place for the record, so it is written
// whole from memory instead, which gives every later record its normal place. So is a
// short file whose rows to be written reach into its statistics block or past its end:
// written in place they would overwrite the counters, or move the block, which is
// found from the end of the file, away from the counters already there.
void ScoreFile::WriteThrough(
    const std::function<void(RecordFile&)>& writeRecords, std::size_t rowsEnd)
{
    RecordFile file(path_, RecordFile::Access::ReadWrite);
    const auto statsStart = StatsOffset(file.Size(), 0);
    if (statsStart && rowsEnd <= *statsStart)
        writeRecords(file);
    else
        WriteWholeFile(file);
    file.Close();
    if (file.Failed())
        Report(Problem::Saving, file.FailureReason());
}

void ScoreFile::WriteScoreEntry(int table, int row)
{
    if (!IsScoreTable(table) || !IsRowNumber(row))
        return;
    ScoreEntry& entry = Row(table, row);
    if (entry.Name.size() > NameCapacity)
        entry.Name.resize(NameCapacity);
    const RowRecord record = EncodeRow(entry);
    WriteThrough(
        [&](RecordFile& file) {
            file.WriteAt(RowOffset(table, row), record.data(), record.size());
        },
        RowOffset(table, row) + record.size());
}

void ScoreFile::WriteTableStats(int table)
{
    if (!IsScoreTable(table))
        return;
    const StatsRecord record = EncodeStats(TableStats[table]);
    WriteThrough([&](RecordFile& file) {
        // WriteThrough only hands over files long enough for the statistics block.
        file.WriteAt(StatsOffset(file.Size(), table).value(), record.data(), record.size());
    });
}

// Both searches end on the last row holding the extreme value whichever row they
// start from, so starting at row 1 keeps a stray LowestEntry from mattering.
void ScoreFile::FindLowest(int table, bool (*replaces)(int32_t candidate, int32_t current))
{
    if (!IsScoreTable(table))
        return;
    int lowest = 1;
    for (int row = 1; row <= RowsPerTable; ++row) {
        if (replaces(Row(table, row).TimeOrWon, Row(table, lowest).TimeOrWon))
            lowest = row;
    }
    LowestEntry[table] = static_cast<uint8_t>(lowest);
}

void ScoreFile::FindLowestByTime(int table)
{
    FindLowest(table, [](int32_t candidate, int32_t current) { return candidate >= current; });
}

void ScoreFile::FindLowestByWins(int table)
{
    FindLowest(table, [](int32_t candidate, int32_t current) { return candidate <= current; });
}

void ScoreFile::Count(int table, int32_t TableCounters::*counter)
{
    if (!IsScoreTable(table))
        return;
    int32_t& value = TableStats[table].*counter;
    value = CountedUp(value);
    WriteTableStats(table);
}

void ScoreFile::CountClassicWin(int table)
{
    Count(table, &TableCounters::WonOrStarted);
}

void ScoreFile::CountClassicLoss(int table)
{
    Count(table, &TableCounters::GamesLost);
}

void ScoreFile::CountTwoPlayerGame(int table)
{
    Count(table, &TableCounters::WonOrStarted);
}

void ScoreFile::ResetTable(int table)
{
    if (!IsScoreTable(table))
        return;
    SetDefaults(table);
    std::vector<uint8_t> rows;
    AppendRows(rows, table);
    WriteThrough(
        [&](RecordFile& file) { file.WriteAt(RowOffset(table, 1), rows.data(), rows.size()); },
        RowOffset(table, 1) + rows.size());
    WriteTableStats(table);
}

// Every word the player may read about the score file is here. Only the first failure
// of a run is shown: the same cause would otherwise interrupt every game that follows.
void ScoreFile::Report(Problem problem, const std::string& reason)
{
    if (reported_ || !reportError_)
        return;
    reported_ = true;
    if (problem == Problem::Reading)
        reportError_("The scores could not be read from \"" + path_ + "\" (" + reason
            + "). The game goes on, and the scores that could not be read start afresh.");
    else
        reportError_("The scores could not be saved to \"" + path_ + "\" (" + reason
            + "). The game goes on, but new scores and game counts may be lost when it closes.");
}

} // namespace orvane
