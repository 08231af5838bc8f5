// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

namespace orvane {

class Game;
class ScoreFile;

// What the high-score window shows when it opens, and the row it marks with the arrow.
struct ScoreMarks {
    uint8_t ShownTable = 0; // 0..5
    uint8_t MarkTable = 0;
    uint8_t MarkRow = 0; // 1..10; 0 marks nothing
};

// The windows a Classic high score opens, both modal.
struct HighScoreWindows {
    // The name dialog: the name to store after OK, nothing when it was closed otherwise.
    std::function<std::optional<std::string>()> AskName;
    std::function<void()> ShowHighScores;
};

// A won Classic game: counts the win in the game's score table (nothing on a custom
// board, nor on a board dealt without guessing, whose results stay out of the file). A time no
// slower than the table's slowest row replaces that row: the finished board is drawn, the name is
// asked, the row is written, and the high-score window shows it marked.
void RecordClassicWin(
    Game& game, ScoreFile& scores, ScoreMarks& marks, const HighScoreWindows& windows);

// A decided two-player game, with CurrentPlayer the winner and the winner's Score already
// raised: the win and the loss go to the rows of the two names, or the winner takes the
// row with the fewest wins when its series score beats it. The computer is a name like
// any other.
void RecordTwoPlayerResult(Game& game, ScoreFile& scores);

// Hooks the game's results up to the score file for the rest of the run; marks and
// windows must live as long.
void ConnectScores(
    Game& game, ScoreFile& scores, ScoreMarks& marks, const HighScoreWindows& windows);

} // namespace orvane
