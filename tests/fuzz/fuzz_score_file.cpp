// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes as the score file: loading never fails the game, every name fits its record,
// a damaged file is kept whole beside the one put back, and after a save the file loads
// as the tables in memory.
#include "fuzz/FuzzCheck.h"
#include "scores/ScoreFile.h"
#include "support/TempDir.h"

#include <filesystem>

using namespace orvane;
using namespace orvane::testing;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const TempDir folder;
    const std::string path = folder.File("Orvane.cfg");
    const std::vector<uint8_t> bytes(data, data + size);
    WriteFileBytes(path, bytes);
    const bool damaged = DecodeScoreFile(bytes, size).Damaged;
    // The only word a readable file may bring is that a damaged one was repaired.
    ScoreFile scores(path, [damaged](const Text& message) {
        FuzzCheck(damaged && message.English().find("repaired") != std::string::npos,
            "a readable file was reported: " + message.English());
    });
    scores.LoadScores();
    FuzzCheck(
        !damaged || ReadFileBytes(path + ".damaged") == bytes, "the damaged file was not kept");
    for (int table = 0; table < ScoreTableCount; ++table) {
        table < FirstTwoPlayerTable ? scores.FindLowestByTime(table)
                                    : scores.FindLowestByWins(table);
        FuzzCheck(IsRowNumber(scores.LowestEntry[table]), "the slowest row is not a row");
        for (int row = 1; row <= RowsPerTable; ++row) {
            const std::string& name = scores.Row(table, row).Name;
            FuzzCheck(StoredName(name) == name, "a name the file cannot keep");
        }
    }
    scores.CountClassicLoss(0);
    ScoreFile reloaded(path, nullptr);
    reloaded.LoadScores();
    FuzzCheck(reloaded.ScoreTables == scores.ScoreTables, "the rows did not survive a save");
    FuzzCheck(reloaded.TableStats == scores.TableStats, "the counters did not survive a save");
    // The damaged copies the file leaves beside it would pile up over a run.
    for (const auto& file : std::filesystem::directory_iterator(folder.Path()))
        std::filesystem::remove(file.path());
    return 0;
}
