// SPDX-License-Identifier: GPL-3.0-or-later
#include "scores/ScoreFile.h"

#include "platform/DamagedCopies.h"
#include "platform/FileReplacement.h"
#include "platform/RecordFile.h"
#include "platform/ShortPath.h"

#include <algorithm>
#include <utility>

namespace orvane {

ScoreFile::ScoreFile(std::string path, ErrorReporter reportError) :
    path_(std::move(path)), reportError_(std::move(reportError))
{
    for (int table = 0; table < ScoreTableCount; ++table)
        ScoreTables.at(table).fill(DefaultEntry(table));
    lastRead_ = ScoreTables;
}

ScoreEntry& ScoreFile::Row(int table, int row)
{
    return ScoreTables.at(table).at(row - 1);
}

const ScoreEntry& ScoreFile::Row(int table, int row) const
{
    return ScoreTables.at(table).at(row - 1);
}

void ScoreFile::LoadScores()
{
    Save(true);
}

int ScoreFile::Apply(const Change& change)
{
    unsaved_.push_back(change);
    return Save(false);
}

// The changes not yet saved, made to the tables just read, oldest first; the names then
// are as the file keeps them, so that memory and file agree.
int ScoreFile::ApplyUnsaved()
{
    int result = 0;
    for (const Change& change : unsaved_)
        result = change(*this);
    for (auto& table : ScoreTables)
        for (ScoreEntry& entry : table)
            entry.Name = StoredName(entry.Name);
    return result;
}

int ScoreFile::Save(bool loading)
{
    // When the file cannot take the changes now, memory holds them until it can.
    const auto keepInMemory = [this] {
        const int result = unsaved_.empty() ? 0 : unsaved_.back()(*this);
        if (path_.empty())
            unsaved_.clear();
        return result;
    };
    if (path_.empty())
        return keepInMemory();
    const Problem failure = loading ? Problem::Reading : Problem::Saving;
    const FolderLock lock(path_);
    if (!lock.Failure().empty()) {
        Report(failure, lock.Failure());
        return keepInMemory();
    }
    const FileContents file = ReadFileStart(path_, MostScoreFileBytes);
    if (!file.Missing && !file.Failure.empty()) {
        Report(failure, file.Failure);
        return keepInMemory();
    }
    const ScoreFileContents read = DecodeScoreFile(file.Bytes, file.Size);
    // An empty file is what an interrupted creation leaves: there is nothing to keep.
    const bool whole = file.Size >= ScoreFileSize && !read.Damaged;
    if (read.Damaged) {
        const KeptCopy copy = KeepDamagedCopy(path_);
        if (copy.Name.empty()) {
            Report(Problem::KeepingDamaged, copy.Failure);
            return keepInMemory();
        }
        Report(Problem::Repaired, copy.Name);
    }

    ScoreTables = read.Rows;
    TableStats = read.Counters;
    for (int table = 0; table < ScoreTableCount; ++table)
        if (read.Rows.at(table) != lastRead_.at(table))
            FindLowestByRule(table);
    lastRead_ = read.Rows;
    const int result = ApplyUnsaved();

    std::vector<uint8_t> bytes = file.Bytes;
    if (!whole) {
        bytes = EncodeScoreFile(ScoreTables, TableStats);
    } else {
        for (int table = 0; table < ScoreTableCount; ++table) {
            for (int row = 1; row <= RowsPerTable; ++row) {
                if (Row(table, row) == read.Rows.at(table).at(row - 1))
                    continue;
                const RowRecord record = EncodeRow(Row(table, row));
                std::ranges::copy(
                    record, bytes.begin() + static_cast<std::ptrdiff_t>(RowOffset(table, row)));
            }
            if (TableStats.at(table) == read.Counters.at(table))
                continue;
            const StatsRecord record = EncodeStats(TableStats.at(table));
            // A whole file has the statistics block at its end.
            std::ranges::copy(record,
                bytes.begin() + static_cast<std::ptrdiff_t>(StatsOffset(file.Size, table).value()));
        }
    }
    if (!whole || bytes != file.Bytes) {
        if (const std::string reason = ReplaceFile(path_, bytes); !reason.empty()) {
            Report(Problem::Saving, reason);
            return result;
        }
    }
    unsaved_.clear();
    lastRead_ = ScoreTables;
    return result;
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

void ScoreFile::FindLowestByRule(int table)
{
    table < FirstTwoPlayerTable ? FindLowestByTime(table) : FindLowestByWins(table);
}

void ScoreFile::Count(int table, int32_t TableCounters::*counter)
{
    if (!IsScoreTable(table))
        return;
    Apply([table, counter](ScoreFile& scores) {
        int32_t& value = scores.TableStats.at(table).*counter;
        value = CountedUp(value);
        return 0;
    });
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
    Apply([table](ScoreFile& scores) {
        scores.ScoreTables.at(table).fill(DefaultEntry(table));
        scores.TableStats.at(table) = {};
        return 0;
    });
}

// Every word the player may read about the score file is here. Only the first failure
// of a run is shown: the same cause would otherwise interrupt every game that follows.
void ScoreFile::Report(Problem problem, const std::string& detail)
{
    if (reported_ || !reportError_)
        return;
    reported_ = true;
    const std::string path = QuotedShortPath(path_);
    if (problem == Problem::Reading)
        reportError_(Text(QT_TRANSLATE_NOOP("Messages",
                              "The scores could not be read from %1 (%2). The game goes on, and "
                              "the scores that could not be read start afresh."))
                         .Arg(path)
                         .Arg(Text::Reason(detail)));
    else if (problem == Problem::Saving)
        reportError_(Text(QT_TRANSLATE_NOOP("Messages",
                              "The scores could not be saved to %1 (%2). The game goes on, but new "
                              "scores and game counts may be lost when it closes."))
                         .Arg(path)
                         .Arg(Text::Reason(detail)));
    else if (problem == Problem::Repaired)
        reportError_(Text(QT_TRANSLATE_NOOP("Messages",
                              "The score file %1 was damaged. It has been repaired, keeping every "
                              "score that could be read; the damaged file is kept as \"%2\"."))
                         .Arg(path)
                         .Arg(ShortPath(detail)));
    else
        reportError_(Text(QT_TRANSLATE_NOOP("Messages",
                              "The score file %1 is damaged, and a copy of it could not be kept "
                              "beside it (%2). It is left as it is; the game goes on, but new "
                              "scores and game counts are not saved."))
                         .Arg(path)
                         .Arg(Text::Reason(detail)));
}

} // namespace orvane
