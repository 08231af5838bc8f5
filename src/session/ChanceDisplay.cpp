// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/ChanceDisplay.h"

#include "game/Game.h"
#include "game/PlayerView.h"
#include "render/model/ViewState.h"

namespace orvane {

namespace {

// The chance stands on the bar while the player reads it, then slides away.
constexpr float BarSlideSeconds = 0.3f;
constexpr float BarHoldSeconds = 3.0f;

bool SameBoard(const solver::BoardView& a, const solver::BoardView& b)
{
    return a.width == b.width && a.height == b.height && a.mines == b.mines && a.cells == b.cells;
}

} // namespace

std::string ChanceWords(double chance, bool certain, bool exact)
{
    return std::string("Mine chance: ") + (certain || exact ? "" : "\u2248")
        + std::to_string(ChancePercent(chance, certain)) + " %";
}

bool ChanceDisplay::Shows(const Game& game) const
{
    return on_ && game.CurrentMode() == PlayMode::Classic
        && game.CurrentState() == GameState::Playing && !game.Paused() && game.BoardMatchesSize();
}

void ChanceDisplay::Update(Game& game, int32_t pointedCell, ViewState& view)
{
    BoardChances& chances = view.Chances;
    if (Shows(game)) {
        FillPlayerView(game, seen_);
        if (!SameBoard(seen_, analysed_))
            Analyse();
    }
    chances.Shown = Shows(game) && solver_.Result().consistent;
    if (!chances.Shown) {
        // Words of a chance left on the bar go with the chances.
        if (view.Message.Running() && view.Message.Text == posted_)
            view.Message.Reset();
        postedCell_ = -1;
        posted_.clear();
        return;
    }
    game.MarkChancesShown();
    FillLooks(game, view);
    ShowPointedChance(pointedCell, view);
}

void ChanceDisplay::Analyse()
{
    solver_.Analyse(seen_);
    analysed_ = seen_;
    ++analyses_;
}

void ChanceDisplay::FillLooks(const Game& game, ViewState& view) const
{
    const solver::Analysis& analysis = solver_.Result();
    BoardChances& chances = view.Chances;
    const size_t count = game.Cells().size();
    chances.Looks.assign(count, ChanceLook::Tinted);
    chances.MineChance.assign(analysis.mineChance.begin(), analysis.mineChance.end());
    for (const int cell : analysis.certainSafe)
        chances.Looks[static_cast<size_t>(cell)] = ChanceLook::Safe;
    for (const int cell : analysis.certainMines)
        chances.Looks[static_cast<size_t>(cell)] = ChanceLook::Mine;
    for (size_t i = 0; i < count; ++i) {
        const Cell& cell = game.Cells()[i];
        const bool closed = cell.State == CellState::Closed || cell.State == CellState::Pressed;
        if (!closed || cell.Mark != CellMark::None)
            chances.Looks[i] = ChanceLook::None;
    }
}

void ChanceDisplay::ShowPointedChance(int32_t cell, ViewState& view)
{
    const BoardChances& chances = view.Chances;
    const bool onBoard = cell >= 0 && cell < static_cast<int32_t>(chances.Looks.size());
    const auto at = static_cast<size_t>(cell);
    if (!onBoard || chances.Looks[at] == ChanceLook::None) {
        postedCell_ = -1; // coming back to the cell shows its chance again
        return;
    }
    const ChanceLook look = chances.Looks[at];
    const std::string words
        = ChanceWords(chances.MineChance[at], look != ChanceLook::Tinted, solver_.Result().exact);
    if (cell == postedCell_ && words == posted_)
        return;
    MessageBar& bar = view.Message;
    // Moving from cell to cell changes the words on the standing bar.
    if (bar.Running() && bar.AlsoInClassic && bar.Text == posted_) {
        bar.Continue(words, BarSlideSeconds, BarHoldSeconds);
        bar.ShowWhole();
    } else {
        bar.Post(words, BarSlideSeconds, BarHoldSeconds);
        bar.AlsoInClassic = true;
    }
    postedCell_ = cell;
    posted_ = words;
}

} // namespace orvane
