// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "platform/Text.h"
#include "scores/ScoreRecords.h"

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace orvane {

// The six score tables with their game counters, in memory for the whole run and in
// the file, which other copies of the program may change at the same time. Every change
// is saved at once, and is made to the file's latest tables: under the folder's lock
// the file is read afresh, this copy's changes not yet saved are made to what it holds,
// in the order they were made, and the records they changed go to a new file that is
// put in the old one's place. When the file cannot be read or written the tables go on
// working in memory, the changes wait for the next save, and the first such failure of
// the run is told in plain words.
class ScoreFile {
public:
    using ErrorReporter = std::function<void(const Text& message)>;
    // One change to the tables, made to the file's latest tables at every save until one
    // succeeds: it reads and writes only the tables it is given. It may return a number
    // for its caller (such as the row it wrote).
    using Change = std::function<int(ScoreFile& tables)>;

    // path is the full name of the score file; nothing is read before LoadScores. With
    // no path nothing is read or saved: the tables live in memory only.
    ScoreFile(std::string path, ErrorReporter reportError);

    ScoreTableRows ScoreTables;
    // Per table the row (1..10) that the next qualifying result replaces. A table that
    // another copy changed gets it anew by its table's rule when the change is read.
    std::array<uint8_t, ScoreTableCount> LowestEntry {1, 1, 1, 1, 1, 1};
    ScoreTableCounters TableStats {};

    // Row numbers run 1..10, as LowestEntry holds them.
    ScoreEntry& Row(int table, int row);
    const ScoreEntry& Row(int table, int row) const;

    // Reads the file, or creates it with the default tables when it is missing. A
    // damaged file (see DecodeScoreFile) is read for what it holds whole and in range;
    // its bytes are kept beside it as "<path>.damaged" (numbered on when such copies are
    // already there), it is put back to the full layout with what could be read, and the
    // player is told. Without that copy it is left alone.
    void LoadScores();
    // Makes the change and saves it; returns what the change returned.
    int Apply(const Change& change);

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

    void FindLowest(int table, bool (*replaces)(int32_t candidate, int32_t current));
    void FindLowestByRule(int table);
    void Count(int table, int32_t TableCounters::*counter);
    // The save of every change not yet saved; the result of the last one.
    int Save(bool loading);
    int ApplyUnsaved();
    void Report(Problem problem, const std::string& detail);

    std::string path_;
    ErrorReporter reportError_;
    bool reported_ = false;
    std::vector<Change> unsaved_;
    ScoreTableRows lastRead_; // the file's rows as this copy last read or wrote them
};

} // namespace orvane
