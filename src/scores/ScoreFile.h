// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "scores/ScoreRecords.h"

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace orvane {

class RecordFile;

// The six score tables with their game counters. Memory is the master copy for the
// whole run; every change is written through at once to the one record it touched.
// When the file cannot be read or written the tables go on working in memory, and
// the first such failure of the run is reported in plain words.
class ScoreFile {
public:
    using ErrorReporter = std::function<void(const std::string& message)>;

    // path is the full name of the score file; nothing is read before LoadScores.
    ScoreFile(std::string path, ErrorReporter reportError);

    std::array<std::array<ScoreEntry, RowsPerTable>, ScoreTableCount> ScoreTables;
    // Per table the row (1..10) that the next qualifying result replaces.
    std::array<uint8_t, ScoreTableCount> LowestEntry {1, 1, 1, 1, 1, 1};
    std::array<TableCounters, ScoreTableCount> TableStats {};

    // Row numbers run 1..10, as LowestEntry holds them.
    ScoreEntry& Row(int table, int row);
    const ScoreEntry& Row(int table, int row) const;

    // Reads the file, or creates it with the default tables when it is missing. A file
    // shorter than the full layout is damaged: it is read for what it holds whole and
    // brought back to the full layout at the first write, its bytes kept beside it
    // as "<path>.damaged" (numbered on when such copies are already there).
    void LoadScores();
    // Both ignore a table or row outside the file's records. The row's name is made
    // what the file can keep (StoredName) in memory too, so that memory and file agree.
    void WriteScoreEntry(int table, int row);
    void WriteTableStats(int table);

    void FindLowestByTime(int table); // Classic: the last row with the slowest time
    void FindLowestByWins(int table); // two-player: the last row with the fewest wins

    // The counters act on the given score table and do nothing for the custom board (6).
    void CountClassicWin(int table);
    void CountClassicLoss(int table);
    void CountTwoPlayerGame(int table);

    // Ten default rows and zero counters for the table; LowestEntry stays as it is.
    void ResetTable(int table);

private:
    enum class Problem { Reading, Saving, KeepingDamaged, Repaired };

    void SetDefaults(int table);
    void ReadFrom(RecordFile& file);
    void AppendRows(std::vector<uint8_t>& bytes, int table) const;
    void WriteWholeFile(RecordFile& file) const;
    void WriteThrough(const std::function<void(RecordFile&)>& writeRecords);
    std::string KeepDamagedCopy(RecordFile& file);
    void FindLowest(int table, bool (*replaces)(int32_t candidate, int32_t current));
    void Count(int table, int32_t TableCounters::*counter);
    void Report(Problem problem, const std::string& reason);

    std::string path_;
    ErrorReporter reportError_;
    bool reported_ = false;
};

} // namespace orvane
