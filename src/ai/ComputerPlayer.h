// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "ai/OpponentState.h"
#include "ai/SeenBoard.h"
#include "ai/StrongChoice.h"
#include "game/GameTypes.h"

#include <functional>
#include <utility>

namespace orvane {

class FrameClock;
class Game;
class RandomSource;

// The computer's moves in "Vs Computer": it picks a cell as a player would (a square for
// its bonus, a mine certain from the open numbers, else a guess), glides the pointer
// there, shows the cell pressed for a moment and then clicks it through the same cell
// command as the mouse. It takes its turn whenever the rules give the turn to its seat.
// Its strength decides only how it picks: Normal uses its bonus after a random count of
// turns and guesses at random; Strong reasons with the mine chances (StrongChoice). The
// glide, the press, the click and the bonus message are the same for both.
class ComputerPlayer {
public:
    // Its guesses draw from the random source; its glide runs on the clock's frames. It
    // plays the second seat of "Vs Computer" games only.
    ComputerPlayer(Game& game, RandomSource& random, const FrameClock& clock);
    // A computer matched against another: it plays the given seat of any two-player game.
    ComputerPlayer(Game& game, RandomSource& random, const FrameClock& clock, PlayerIndex seat);

    // The start values. The renderer draws the pointer from its own texture slot: the
    // textures are made when the board's GL context starts, after this.
    void Create();
    // One frame of the computer's turn, by the frame timer's FrameTime.
    void Update();
    // The computer holds the turn and its move is under way, or due: it then chooses,
    // glides and presses frame by frame.
    bool MoveUnderWay() const;
    // Where its pointer is, in cells (the middle of a cell is half a cell further).
    float PointerX() const { return me_.PointerX; }
    float PointerY() const { return me_.PointerY; }
    OpponentPhase Phase() const { return me_.Phase; }

    void SetStrength(ComputerStrength strength) { strength_ = strength; }
    ComputerStrength Strength() const { return strength_; }
    // Another Strong choice in place of StrongChoice: the benchmark seats the Strong
    // computer as it first was this way. An empty one restores StrongChoice.
    using StrongChooser = std::function<StrongChoice::Pick(
        const SeenBoard& board, PlayerIndex me, int bonusRadius, bool mayArm)>;
    void SetStrongChooser(StrongChooser chooser) { chooser_ = std::move(chooser); }

    static constexpr double MinimumTravel = 0.4; // seconds, also for a short or no distance
    static constexpr double PressTime = 0.2;     // seconds the target is shown pressed

private:
    void ChooseTarget();
    void UseBonusIfDue();
    void ChooseStrongly();
    void ArmBonus();
    int BestBonusSquare(int radius, int stopCount) const;
    int CertainMine() const;
    int RandomCell() const;
    void SetUpTravel();
    void Glide();
    bool TargetOnBoard() const;

    void FollowTheGame();
    bool HoldsTheTurn() const;

    Game& game_;
    RandomSource& random_;
    const FrameClock& clock_;
    PlayerIndex seat_;
    bool inEveryTwoPlayerMode_;
    OpponentState me_;
    SeenBoard board_;
    ComputerStrength strength_ = ComputerStrength::Normal;
    StrongChoice strong_;
    StrongChooser chooser_;
};

} // namespace orvane
