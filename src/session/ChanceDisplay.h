// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "solver/BoardView.h"
#include "solver/MineSolver.h"

#include <cstdint>
#include <string>

namespace orvane {

class Game;
struct ViewState;

// "Show Chances": the solver's chance of a mine in every closed cell, from what the player
// sees, over the board of a Classic game being played (not before its first open, nor
// while paused, nor once it ended). The analysis runs again only when the open cells
// change. Flagged cells keep their flag and show nothing, as the hint passes them over.
// The chance of the cell pointed at (the keyboard's cell while it shows, else the
// mouse's) goes on the message bar, marked as an estimate when the solver had to estimate.
// A game the chances were shown in is marked as such (Game::MarkChancesShown).
class ChanceDisplay {
public:
    void SetOn(bool on) { on_ = on; }
    bool On() const { return on_; }
    // Brings the view's chances and the message bar up to date with the game.
    void Update(Game& game, int32_t pointedCell, ViewState& view);
    // How many times the board was analysed since the start.
    int64_t Analyses() const { return analyses_; }

private:
    bool Shows(const Game& game) const;
    void Analyse();
    void FillLooks(const Game& game, ViewState& view) const;
    void ShowPointedChance(int32_t cell, ViewState& view);

    bool on_ = false;
    solver::MineSolver solver_;
    solver::BoardView seen_;     // the board as the player sees it now
    solver::BoardView analysed_; // the board the solver's result is of
    int64_t analyses_ = 0;
    // The cell whose chance this put on the message bar, and the words.
    int32_t postedCell_ = -1;
    std::string posted_;
};

// The message bar's words for a cell's chance of a mine: "Mine chance: 23 %", with "≈"
// before the figure of an estimate.
std::string ChanceWords(double chance, bool certain, bool exact);

} // namespace orvane
