// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "ai/SeenBoard.h"
#include "game/GameTypes.h"
#include "solver/Analysis.h"
#include "solver/BoardView.h"
#include "solver/MineSolver.h"

#include <array>
#include <vector>

namespace orvane {

// The Strong computer's choice, from what a player sees: the open numbers, the mines each
// player found and the mine count. It looks ahead over the outcomes of its likeliest
// moves and counts finds for each side: a mine found keeps the turn, a number shown hands
// the other player the turn and whatever that number makes certain. It weighs the bonus
// too: the finder of the mine that reaches half of the finds needed to win hands the other
// player a bonus, so that find is put off while a quiet safe cell can pass the turn; and
// its own bonus goes where the square holds many mines and shows little around it.
// Buffers are kept between calls: once warmed on a board size it allocates nothing.
class StrongChoice {
public:
    struct Pick {
        int cell = -1;         // -1 when what is seen fits no layout
        bool useBonus = false; // arm the bonus and open the square around the cell
    };

    // me: the seat of the player to move; bonusRadius: the half width of the bonus square
    // on this board; mayArm: whether that player may arm its bonus now.
    Pick Choose(const SeenBoard& board, PlayerIndex me, int bonusRadius, bool mayArm);

    // Moves weighed at each turn: the likeliest cells, those with at least this share of
    // the best chance, at most so many (one cell beside no number for all such cells),
    // besides the quietest certainly safe cell and, when it may be put off, a certain mine.
    static constexpr double NearTie = 0.5;
    static constexpr int MaxWeighed = 6;
    // Turns searched: this player's move, and what the player to move next can do then.
    static constexpr int Plies = 1;
    // A cell made certainly safe for the player to move counts this share of a find: it
    // opens more of the board (a 0 floods) and may pass the turn quietly later.
    static constexpr double SafeCellWeight = 0.1;
    // The bonus waits while a single guess is at least even odds: a find keeps the turn,
    // and with it the bonus for later.
    static constexpr double BonusWaitsAbove = 0.5;
    // Of the mines just outside the bonus square, the share its numbers are taken to show
    // the other player.
    static constexpr double BonusLeak = 0.5;
    // Search steps of one look-ahead analysis: past them its chances are estimated.
    static constexpr long LookAheadSearchLimit = 30'000;

private:
    struct Score {
        int mover = 0; // mines found by the player to move
        int other = 0;
    };
    struct Ranked {
        double chance;
        int closedAround;
        int cell;
        bool free;
    };
    // One ply of the search: its own view and solver, so that the plies below it leave
    // its analysis alone.
    struct Ply {
        solver::BoardView view;
        solver::MineSolver solver;
        std::vector<Ranked> ranked;
        std::vector<int> moves;
    };

    void See(const SeenBoard& board);
    double BestMove(int plies, const solver::BoardView& view, const solver::Analysis& analysis,
        int safeBefore, Score score, bool takeCertain, int* chosen);
    double OpenValue(int plies, Ply& ply, const solver::Analysis& analysis, int cell, Score score);
    double TurnValue(const solver::BoardView& view, const solver::Analysis& analysis,
        int safeBefore, Score score) const;
    double FindsWorth(int mines, Score score) const;
    void ListMoves(Ply& ply, const solver::Analysis& analysis, bool takeCertain) const;
    int QuietSafeCell(const solver::BoardView& view, const solver::Analysis& analysis) const;
    double BestSquare(
        const SeenBoard& board, const solver::Analysis& analysis, int radius, int& centre) const;

    solver::BoardView view_;
    solver::MineSolver solver_;
    std::array<Ply, Plies + 1> plies_;
    int findsToWin_ = 0;
    int bonusThreshold_ = 0; // finds that earn the other player the bonus
    double bonusWorth_ = 0;  // what the bonus would bring its owner now
};

} // namespace orvane
