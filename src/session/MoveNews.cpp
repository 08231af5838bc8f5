// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/MoveNews.h"

#include "game/Game.h"

#include <algorithm>
#include <utility>

namespace orvane {

namespace {

int32_t OpenCellCount(const Game& game)
{
    return static_cast<int32_t>(std::ranges::count_if(
        game.Cells(), [](const Cell& cell) { return cell.State == CellState::Open; }));
}

const std::string& NameOf(const Game& game, PlayerIndex player)
{
    return game.Players()[player].Name;
}

} // namespace

void MoveNewsGatherer::Take(const Game& game, const GameEvent& event)
{
    if (std::holds_alternative<BoardDealt>(event)) {
        openCells_ = 0;
        cellsChanged_ = true;
    } else if (std::holds_alternative<CellsChanged>(event)) {
        cellsChanged_ = true;
    } else if (const auto* found = std::get_if<MineFound>(&event)) {
        news_.MineFinder = NameOf(game, found->Finder);
    } else if (const auto* turn = std::get_if<TurnPassed>(&event)) {
        news_.TurnTo = NameOf(game, turn->ToPlayer);
    } else if (const auto* ended = std::get_if<GameEnded>(&event)) {
        // A game given up for a new one has no news: the new board is the news.
        if (ended->Result == GameResult::GivenUp)
            return;
        news_.Result = ended->Result;
        news_.Seconds = ended->ShownSeconds;
        news_.Winner = ended->Winner ? NameOf(game, *ended->Winner) : std::string();
    }
}

MoveNews MoveNewsGatherer::Finish(const Game& game)
{
    if (std::exchange(cellsChanged_, false)) {
        const int32_t open = OpenCellCount(game);
        news_.CellsOpened = std::max(0, open - openCells_);
        openCells_ = open;
    }
    return std::exchange(news_, MoveNews {});
}

} // namespace orvane
