// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/Game.h"

#include "game/PlayerView.h"
#include "platform/FrameClock.h"
#include "solver/MineSolver.h"

#include <algorithm>
#include <string>

namespace orvane {

namespace {

std::string ChanceText(double chance)
{
    return std::to_string(ChancePercent(chance, false)) + "% mine";
}

} // namespace

bool Game::HintOffered() const
{
    return CurrentMode() == PlayMode::Classic && state_ == GameState::Playing && !paused_
        && BoardMatchesSize();
}

void Game::GiveHint()
{
    if (!HintOffered())
        return;
    Record(CommandKind::Hint);
    solver::BoardView view;
    FillPlayerView(*this, view);
    solver::MineSolver solver;
    const solver::Analysis& analysis = solver.Analyse(view);
    if (!analysis.consistent)
        return;

    // A flagged cell is pointed at only when no other closed cell is left to point at.
    const auto unflagged
        = [this](int cell) { return cells_[static_cast<size_t>(cell)].Mark == CellMark::None; };
    const auto& safe = analysis.certainSafe;
    const auto certain = std::find_if(safe.begin(), safe.end(), unflagged);
    int chosen = -1;
    if (certain != safe.end()) {
        chosen = *certain;
    } else if (!safe.empty()) {
        chosen = safe.front();
    } else {
        double lowest = 2.0;
        for (size_t i = 0; i < cells_.size(); ++i) {
            const Cell& cell = cells_[i];
            if (cell.State != CellState::Closed && cell.State != CellState::Pressed)
                continue;
            // Unflagged cells come first: a flag adds one to the chance compared.
            const double chance
                = analysis.mineChance[i] + (unflagged(static_cast<int>(i)) ? 0.0 : 1.0);
            if (chance < lowest) {
                lowest = chance;
                chosen = static_cast<int>(i);
            }
        }
        if (chosen < 0)
            return;
        PostMessage(ChanceText(analysis.mineChance[static_cast<size_t>(chosen)]), 0.5f, 2.5f, true);
    }

    hintCell_ = chosen;
    ++hintsUsed_;
    clock_.AddToGameClock(HintPenaltySeconds);
    elapsedSeconds_ += HintPenaltySeconds;
}

} // namespace orvane
