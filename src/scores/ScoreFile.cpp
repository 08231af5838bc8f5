// SPDX-License-Identifier: GPL-3.0-or-later
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

// Rows that the file does not hold whole, or that no program wrote, keep the defaults
// of their table, so that results can still enter it.
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
            if (offset + record.size() > rowBytes)
                continue;
            std::copy_n(
                rows.begin() + static_cast<std::ptrdiff_t>(offset), record.size(), record.begin());
            if (const auto entry = DecodeRow(record))
                Row(table, row) = *entry;
        }
    }

    for (int table = 0; table < ScoreTableCount; ++table) {
        StatsRecord record {};
        const auto offset = StatsOffset(file.Size(), table);
        if (offset && file.ReadAt(*offset, record.data(), record.size()) == record.size())
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

// Opens the file for one change. A file shorter than the full layout has been damaged
// (or has vanished since loading): its records have no safe place, so it is written
// whole from memory, which keeps every row that could be read, after its bytes have
// been kept beside it. Without that copy it is left alone.
void ScoreFile::WriteThrough(const std::function<void(RecordFile&)>& writeRecords)
{
    RecordFile file(path_, RecordFile::Access::ReadWrite);
    if (file.Size() >= ScoreFileSize) {
        writeRecords(file);
    } else if (file.Size() == 0) {
        WriteWholeFile(file);
    } else if (const std::string copy = KeepDamagedCopy(file); !copy.empty()) {
        WriteWholeFile(file);
        Report(Problem::Repaired, copy);
    } else {
        return;
    }
    file.Close();
    if (file.Failed())
        Report(Problem::Saving, file.FailureReason());
}

// The copy goes to "<path>.damaged", or "<path>.damaged.2" and on when earlier copies
// are there: each is a different damaged file, and none of them is overwritten. Returns
// the copy's name, or nothing when no copy could be kept.
std::string ScoreFile::KeepDamagedCopy(RecordFile& file)
{
    std::vector<uint8_t> bytes(file.Size());
    bytes.resize(file.ReadAt(0, bytes.data(), bytes.size()));
    if (file.Failed()) {
        Report(Problem::Saving, file.FailureReason());
        return {};
    }
    constexpr int MostCopies = 1000;
    for (int number = 1; number <= MostCopies; ++number) {
        // Appended piece by piece: GCC 12 at -O3 warns falsely (-Wrestrict) about "." + string.
        std::string name = path_ + ".damaged";
        if (number > 1)
            name.append(".").append(std::to_string(number));
        RecordFile copy(name, RecordFile::Access::CreateNew);
        if (copy.AlreadyExists())
            continue;
        copy.WriteAt(0, bytes.data(), bytes.size());
        copy.Close();
        if (!copy.Failed())
            return name;
        Report(Problem::KeepingDamaged, copy.FailureReason());
        return {};
    }
    Report(Problem::KeepingDamaged, "there are too many earlier copies");
    return {};
}

void ScoreFile::WriteScoreEntry(int table, int row)
{
    if (!IsScoreTable(table) || !IsRowNumber(row))
        return;
    ScoreEntry& entry = Row(table, row);
    entry.Name = StoredName(entry.Name);
    const RowRecord record = EncodeRow(entry);
    WriteThrough([&](RecordFile& file) {
        file.WriteAt(RowOffset(table, row), record.data(), record.size());
    });
}

void ScoreFile::WriteTableStats(int table)
{
    if (!IsScoreTable(table))
        return;
    const StatsRecord record = EncodeStats(TableStats[table]);
    WriteThrough([&](RecordFile& file) {
        // WriteThrough only hands over files of the full layout or longer.
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
        [&](RecordFile& file) { file.WriteAt(RowOffset(table, 1), rows.data(), rows.size()); });
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
    else if (problem == Problem::Saving)
        reportError_("The scores could not be saved to \"" + path_ + "\" (" + reason
            + "). The game goes on, but new scores and game counts may be lost when it closes.");
    else if (problem == Problem::Repaired)
        reportError_("The score file \"" + path_
            + "\" was damaged. It has been repaired, keeping every score that could be read;"
              " the damaged file is kept as \""
            + reason + "\".");
    else
        reportError_("The score file \"" + path_
            + "\" is damaged, and a copy of it could not be"
              " kept beside it ("
            + reason
            + "). It is left as it is; the game goes on, but new"
              " scores and game counts are not saved.");
}

} // namespace orvane
