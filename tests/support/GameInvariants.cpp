// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/GameInvariants.h"

#include "game/Game.h"

#include <algorithm>
#include <numeric>
#include <vector>

namespace orvane::testing {

namespace {

bool IsOpen(const Cell& cell)
{
    return cell.State == CellState::Open;
}

int32_t CountCells(const Game& game, bool (*test)(const Cell&))
{
    return static_cast<int32_t>(std::count_if(game.Cells().begin(), game.Cells().end(), test));
}

int32_t CountMarked(const Game& game, CellMark mark)
{
    return static_cast<int32_t>(std::count_if(game.Cells().begin(), game.Cells().end(),
        [mark](const Cell& cell) { return cell.Mark == mark; }));
}

bool IsMine(const Cell& cell)
{
    return cell.Value == MineValue;
}

// Every index the game keeps points into the board, and the board is the grid it claims.
std::string CheckBoard(const Game& game)
{
    const auto cells = static_cast<int32_t>(game.Cells().size());
    if (!game.BoardMatchesSize())
        return "the cells do not match the board's size";
    if (game.CellOrder().size() != game.Cells().size())
        return "the cell order does not cover the board";
    if (game.LastSafeSlot() < -1 || game.LastSafeSlot() >= cells)
        return "the last safe slot lies outside the board";
    // The hint's mark goes with the next move, so it never stands on an open cell.
    if (game.HintCell() < -1 || game.HintCell() >= cells)
        return "the hint's cell lies outside the board";
    if (game.HintCell() >= 0 && IsOpen(game.CellAt(game.HintCell())))
        return "the hint marks an open cell";
    for (int32_t i = 0; i < cells; ++i) {
        const Cell& cell = game.Cells()[static_cast<size_t>(i)];
        if (cell.Index != i)
            return "a cell's index is not its place";
        if (cell.Value > MineValue || cell.Mark > CellMark::ExplodedMine
            || cell.State > CellState::Revealed)
            return "a cell holds a value, mark or state that does not exist";
        if (IsOpen(cell) && IsMine(cell))
            return "a mine is shown open";
    }
    return {};
}

// The costlier checks, run when the layout can have changed: a new board, or mines
// just placed. Each cell's neighbours are the cells around it, the cell order holds
// every cell once, and every number tells the mines around its cell.
std::string CheckLayout(const Game& game)
{
    const auto cells = static_cast<int32_t>(game.Cells().size());
    std::vector<int16_t> order = game.CellOrder();
    std::sort(order.begin(), order.end());
    std::vector<int16_t> all(order.size());
    std::iota(all.begin(), all.end(), int16_t {0});
    if (order != all)
        return "the cell order is not a permutation of the cells";
    for (int32_t i = 0; i < cells; ++i) {
        const Cell& cell = game.Cells()[static_cast<size_t>(i)];
        int neighbours = 0;
        bool outside = false;
        cell.ForEachNeighbour([&](int16_t n) {
            outside = outside || n < 0 || n >= cells;
            const int dx = n % game.BoardWidth() - i % game.BoardWidth();
            const int dy = n / game.BoardWidth() - i / game.BoardWidth();
            outside = outside || dx < -1 || dx > 1 || dy < -1 || dy > 1 || n == i;
            ++neighbours;
        });
        const int columns
            = 1 + (i % game.BoardWidth() > 0) + (i % game.BoardWidth() < game.BoardWidth() - 1);
        const int rows
            = 1 + (i / game.BoardWidth() > 0) + (i / game.BoardWidth() < game.BoardHeight() - 1);
        if (outside || neighbours != columns * rows - 1)
            return "a cell's neighbours are not the cells around it";
        if (game.CurrentState() != GameState::Ready && !IsMine(cell)
            && cell.Value != game.CountAdjacentMines(cell.Index))
            return "a number does not match the mines around it";
    }
    return {};
}

// Mines exist once the first cell was opened, as many as the game has, with at least one
// safe cell so that a game can end.
std::string CheckMines(const Game& game)
{
    const auto cells = static_cast<int32_t>(game.Cells().size());
    if (game.MineCount() < 1 || game.MineCount() >= cells)
        return "the mine count leaves no safe cell or no mine";
    const int32_t mines = CountCells(game, IsMine);
    if (game.CurrentState() == GameState::Ready) {
        if (mines != 0 || CountCells(game, IsOpen) != 0)
            return "a game not yet started has mines or open cells";
        return {};
    }
    if (mines != game.MineCount())
        return "the board holds " + std::to_string(mines) + " mines, the game counts "
            + std::to_string(game.MineCount());
    return {};
}

std::string CheckClassic(const Game& game)
{
    if (game.IsRunning() && game.FlagsLeft() != game.MineCount() - CountMarked(game, CellMark::Flag))
        return "the flag counter does not match the flags on the board";
    if (game.CurrentState() == GameState::Won) {
        for (const Cell& cell : game.Cells())
            if (!IsMine(cell) && !IsOpen(cell))
                return "a won game has a safe cell still closed";
    }
    const bool safeCellLeft
        = std::any_of(game.Cells().begin(), game.Cells().end(), [](const Cell& cell) {
              return !IsMine(cell) && (cell.State == CellState::Closed || cell.State == CellState::Pressed);
          });
    if (game.CurrentState() == GameState::Playing && !safeCellLeft)
        return "every safe cell is open but the game goes on";
    if (game.CurrentState() == GameState::Lost && CountMarked(game, CellMark::ExplodedMine) != 1)
        return "a lost game does not show exactly one exploded mine";
    return {};
}

std::string CheckTwoPlayer(const Game& game)
{
    if (game.MineCount() % 2 == 0 || game.FlagsToWin() != game.MineCount() / 2 + 1)
        return "a two-player board needs an odd mine count and a goal of half plus one";
    for (const PlayerIndex p : {Player1, Player2}) {
        const int32_t found = game.Players()[p].MinesFound;
        if (found != CountMarked(game, p == Player1 ? CellMark::Flag : CellMark::FoundByPlayer2))
            return "a player's mine counter does not match the board";
        // The walk of a bonus area goes on after the find that wins.
        const bool wonByBonus = game.CurrentState() == GameState::Won && game.BonusSpent();
        if (found > game.FlagsToWin() && !wonByBonus)
            return "a player found more mines than the goal";
    }
    for (const Cell& cell : game.Cells()) {
        if (cell.ShowsMine() && !IsMine(cell))
            return "a safe cell is marked as a found mine";
        if (cell.Mark > CellMark::FoundByPlayer2)
            return "a two-player board shows a Classic loss mark";
    }
    const int32_t hidden = static_cast<int32_t>(std::count_if(game.Cells().begin(), game.Cells().end(),
        [](const Cell& cell) { return IsMine(cell) && cell.Mark == CellMark::None; }));
    const int32_t ahead
        = std::max(game.Players()[Player1].MinesFound, game.Players()[Player2].MinesFound);
    if (game.CurrentState() == GameState::Playing && ahead + hidden < game.FlagsToWin())
        return "too few mines are left for anyone to win";
    const bool decided = game.Players()[Player1].MinesFound >= game.FlagsToWin()
        || game.Players()[Player2].MinesFound >= game.FlagsToWin();
    if (decided != (game.CurrentState() == GameState::Won))
        return "the game is won exactly when a player reached the goal";
    if (game.CurrentState() == GameState::Lost)
        return "a two-player game is lost";
    return {};
}

} // namespace

GameInvariants::Snapshot GameInvariants::Take(const Game& game)
{
    Snapshot s;
    s.State = game.CurrentState();
    s.Player = game.CurrentPlayer();
    s.Found = {game.Players()[Player1].MinesFound, game.Players()[Player2].MinesFound};
    s.Scores = {game.Players()[Player1].Score, game.Players()[Player2].Score};
    s.OpenCells = CountCells(game, IsOpen);
    s.BonusSpent = game.BonusSpent();
    s.CellCount = game.Cells().size();
    s.Width = game.BoardWidth();
    s.Mode = game.CurrentMode();
    return s;
}

void GameInvariants::Before(const Game& game)
{
    before_ = Take(game);
}

std::string GameInvariants::After(const Game& game, int results) const
{
    const Snapshot now = Take(game);
    const bool layoutChanged = now.CellCount != before_.CellCount || now.Width != before_.Width
        || (before_.State == GameState::Ready && now.State != GameState::Ready);
    std::string broken = CheckBoard(game);
    if (broken.empty() && layoutChanged)
        broken = CheckLayout(game);
    if (broken.empty())
        broken = CheckMines(game);
    if (broken.empty())
        broken = game.IsTwoPlayer() ? CheckTwoPlayer(game) : CheckClassic(game);
    if (!broken.empty())
        return broken;

    const bool ended = now.State != before_.State
        && (now.State == GameState::Won || now.State == GameState::Lost);
    // A two-player game also ends when the player to move gives up: a new one starts.
    const bool gaveUp = game.IsTwoPlayer() && before_.State == GameState::Playing
        && now.State == GameState::Ready;
    if (results != (ended ? 1 : 0) && !(gaveUp && results == 1))
        return "a game's end was handed to the scores " + std::to_string(results) + " times";
    const int32_t scoresBefore = before_.Scores[0] + before_.Scores[1];
    const int32_t scoresNow = now.Scores[0] + now.Scores[1];
    if (game.IsTwoPlayer() && scoresNow != scoresBefore + results
        && !(scoresNow == 0 && results == 0))
        return "the players' scores did not rise by the games decided";

    // Within one two-player game, a move that found mines and opened nothing keeps the
    // turn, a move that opened safe cells and found nothing passes it; the bonus always
    // passes it. A new game or mode starts from its own rules.
    const bool sameGame = game.IsTwoPlayer() && now.Mode == before_.Mode
        && now.CellCount == before_.CellCount && before_.State == GameState::Playing
        && now.State != GameState::Ready;
    if (!sameGame)
        return {};
    const int32_t found = now.Found[0] + now.Found[1] - before_.Found[0] - before_.Found[1];
    const int32_t opened = now.OpenCells - before_.OpenCells;
    if (found < 0 || opened < 0)
        return "cells closed again or found mines were lost during a game";
    const bool bonusUsed = now.BonusSpent && !before_.BonusSpent;
    if (bonusUsed || (found == 0 && opened == 0) || ended)
        return {};
    if (found > 0 && opened == 0 && now.Player != before_.Player)
        return "finding a mine passed the turn";
    if (found == 0 && opened > 0 && now.Player == before_.Player)
        return "opening a safe cell kept the turn";
    return {};
}

} // namespace orvane::testing
