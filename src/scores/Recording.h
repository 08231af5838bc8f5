#pragma once

namespace orvane {

class Game;
class ScoreFile;

// A won Classic game: counts the win in the game's score table (nothing on a custom board).
void RecordClassicWin(Game& game, ScoreFile& scores);

// A decided two-player game, with CurrentPlayer the winner and the winner's Score already
// raised: the win and the loss go to the rows of the two names, or the winner takes the
// slowest row when its series score beats it.
void RecordTwoPlayerResult(Game& game, ScoreFile& scores);

// Hooks the game's results up to the score file for the rest of the run.
void ConnectScores(Game& game, ScoreFile& scores);

} // namespace orvane
