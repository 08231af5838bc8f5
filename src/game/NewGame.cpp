// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/Game.h"

#include "platform/FrameClock.h"
#include "platform/Random.h"

#include <algorithm>
#include <utility>

namespace orvane {

void Game::RebuildBoard()
{
    const int width = BoardWidth();
    const int height = BoardHeight();
    const size_t cells = static_cast<size_t>(width) * static_cast<size_t>(height);
    cells_.assign(cells, Cell {});
    cellOrder_.assign(cells, 0);
    openQueueLength_ = 0;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            Cell& cell = cells_[static_cast<size_t>(x + y * width)];
            cell.Index = static_cast<int16_t>(x + y * width);
            cell.Neighbours.fill(-1);
            size_t stored = 0;
            for (int ny = std::max(y - 1, 0); ny <= std::min(y + 1, height - 1); ++ny)
                for (int nx = std::max(x - 1, 0); nx <= std::min(x + 1, width - 1); ++nx)
                    if (nx != x || ny != y)
                        cell.Neighbours[stored++] = static_cast<int16_t>(nx + ny * width);
        }
    }
}

void Game::NewGame(const BoardSetup& setup, const SeriesChange& series)
{
    if (AskHost(NetworkMove::NewGame))
        return;
    fixedOrder_.clear();
    // The game given up is kept with its own board, before the new setup replaces it.
    if (state_ == GameState::Playing)
        EndForNewGame();
    if (series.ResetScores)
        players_[Player1].Score = players_[Player2].Score = 0;
    if (series.Player2First)
        currentPlayer_ = Player1;
    if (series.SecondPlayerName)
        players_[Player2].Name = *series.SecondPlayerName;
    DealBoard(setup);
}

void Game::NewGameWithLayout(const BoardSetup& setup, const std::vector<int16_t>& cellOrder,
    int16_t lastSafeSlot, int16_t firstCell)
{
    NewGame(setup);
    if (cellOrder.size() != cells_.size() || lastSafeSlot < 0
        || static_cast<size_t>(lastSafeSlot) >= cellOrder.size())
        return;
    fixedOrder_ = cellOrder;
    fixedLastSafeSlot_ = lastSafeSlot;
    givenBoard_ = true;
    if (firstCell >= 0 && static_cast<size_t>(firstCell) < cells_.size())
        hintCell_ = firstCell;
}

void Game::BeginReplay(const GameStart& start)
{
    replaying_ = &start;
    nextDraw_ = 0;
    currentPlayer_ = start.TurnBeforeDeal;
    players_ = start.Players;
    clickCount_ = start.ClicksBeforeDeal;
    soundOn_ = start.SoundOn;
    noGuessing_ = start.NoGuessing;
    fixedOrder_.clear();
    DealBoard(start.Setup);
    if (start.LastSafeSlot >= 0) {
        fixedOrder_ = start.CellOrder;
        fixedLastSafeSlot_ = start.LastSafeSlot;
    }
}

// Only a game being played pauses, so a new game ends the pause with the game it replaces.
void Game::EndForNewGame()
{
    Record(CommandKind::EndForNewGame);
    if (paused_) {
        paused_ = false;
        clock_.ResumeGameClock();
    }
    EndGame(GameResult::GivenUp);
}

void Game::DealBoard(const BoardSetup& setup)
{
    const bool rebuild = setup.BoardLevel != setup_.BoardLevel || setup.BoardLevel > Level::Expert
        || setup.Width != setup_.Width || setup.Height != setup_.Height || !BoardMatchesSize();
    record_ = RecordedGame {};
    record_.Start.Setup = setup;
    record_.Start.TurnBeforeDeal = currentPlayer_;
    record_.Start.Players = players_;
    record_.Start.ClicksBeforeDeal = clickCount_;
    record_.Start.SoundOn = soundOn_;
    record_.Start.NoGuessing = noGuessing_;
    dealtAtCount_ = clock_.Now();
    lastPointerFrame_ = -1;

    setup_ = setup;
    flagsLeft_ = MineCount();
    if (rebuild || !BoardMatchesSize())
        RebuildBoard();
    // Room for every safe cell, also when a mode change lowered the mines without a rebuild.
    openQueue_.assign(cells_.size(), 0);
    for (size_t i = 0; i < cells_.size(); ++i) {
        cellOrder_[i] = static_cast<int16_t>(i);
        Cell& cell = cells_[i];
        cell.Value = 0;
        cell.Mark = CellMark::None;
        cell.State = CellState::Closed;
        cell.MoveMark = false;
    }
    lastSafeSlot_ = static_cast<int16_t>(cells_.size() - 1);
    state_ = GameState::Ready;
    elapsedSeconds_ = 0;
    hintCell_ = -1;
    hintsUsed_ = 0;
    chancesShown_ = false;
    dealtWithoutGuessing_ = false;
    givenBoard_ = false;
    seriesPointGivenUp_ = false;

    Tell(BoardDealt {});

    ++boardNumber_;
    face_ = FaceLook::Smiling;

    if (!IsTwoPlayer()) {
        randomOpenRunning_ = false;
        showMoveMarks_ = false;
        bonusButtonEnabled_ = true;
        bonusButtonDown_ = false;
        clickCount_ = 0;
        return;
    }

    randomOpenRunning_ = true;
    showMoveMarks_ = false;
    flagsToWin_ = FlagsToWinFor(MineCount());
    players_[Player1].MinesFound = 0;
    players_[Player2].MinesFound = 0;
    currentPlayer_ = OtherPlayer(currentPlayer_);
    clearMarksNextMove_ = true;
    bonusButtonEnabled_ = false;
    bonusAwarded_ = false;
    bonusOwner_.reset();
    bonusArmed_ = false;
    computerBonusDelay_ = -1;
    ShowFlagsToWin();
    Tell(TwoPlayerGameStarted {ScoreTable()});
}

void Game::ShowFlagsToWin()
{
    PostMessage(std::to_string(flagsToWin_) + " Flags To WIN", 1.0f, 5.0f);
}

void Game::PlaceMines(int16_t first)
{
    if (!fixedOrder_.empty()) {
        LayCellOrder();
        return;
    }
    // A replay without a recorded layout (never one the game recorded) takes the plain
    // placement: the search for a board without guesses stops at a time limit, so its
    // board would hang on the machine's speed.
    if (!(noGuessing_ && !IsTwoPlayer() && !replaying_ && PlaceMinesWithoutGuess(first))) {
        const auto lastSlot = static_cast<int16_t>(cellOrder_.size() - 1);
        std::swap(
            cellOrder_[static_cast<size_t>(lastSafeSlot_)], cellOrder_[static_cast<size_t>(first)]);
        --lastSafeSlot_;

        random_.SeedFromClock();
        for (int16_t placed = 0; placed < MineCount() && lastSafeSlot_ >= 0; ++placed) {
            // The factor is lastSafeSlot_, not lastSafeSlot_ + 1: the top of the pool is
            // skipped in each draw, as the placement has always done.
            const int32_t k
                = lastSafeSlot_ <= 0 ? 0 : static_cast<int32_t>(random_.NextReal() * lastSafeSlot_);
            cells_[static_cast<size_t>(cellOrder_[static_cast<size_t>(k)])].Value = MineValue;
            std::swap(
                cellOrder_[static_cast<size_t>(lastSafeSlot_)], cellOrder_[static_cast<size_t>(k)]);
            --lastSafeSlot_;
        }

        ++lastSafeSlot_;
        std::swap(cellOrder_[static_cast<size_t>(lastSafeSlot_)],
            cellOrder_[static_cast<size_t>(lastSlot)]);

        for (int16_t slot = 0; slot <= lastSafeSlot_; ++slot) {
            const int16_t index = cellOrder_[static_cast<size_t>(slot)];
            cells_[static_cast<size_t>(index)].Value = CountAdjacentMines(index);
        }
    }
    record_.Start.CellOrder = cellOrder_;
    record_.Start.LastSafeSlot = lastSafeSlot_;
    record_.Start.DealtWithoutGuessing = dealtWithoutGuessing_;
}

// Lays a layout given before the first open: a replayed game's, or a board played again.
void Game::LayCellOrder()
{
    cellOrder_ = fixedOrder_;
    lastSafeSlot_ = fixedLastSafeSlot_;
    for (Cell& cell : cells_)
        cell.Value = 0;
    for (size_t slot = static_cast<size_t>(lastSafeSlot_ + 1); slot < cellOrder_.size(); ++slot)
        cells_[static_cast<size_t>(cellOrder_[slot])].Value = MineValue;
    for (int16_t slot = 0; slot <= lastSafeSlot_; ++slot) {
        const int16_t index = cellOrder_[static_cast<size_t>(slot)];
        cells_[static_cast<size_t>(index)].Value = CountAdjacentMines(index);
    }
    if (replaying_)
        dealtWithoutGuessing_ = replaying_->DealtWithoutGuessing;
    record_.Start.CellOrder = cellOrder_;
    record_.Start.LastSafeSlot = lastSafeSlot_;
    record_.Start.DealtWithoutGuessing = dealtWithoutGuessing_;
    fixedOrder_.clear();
}

uint8_t Game::CountAdjacentMines(int16_t index) const
{
    uint8_t mines = 0;
    cells_[static_cast<size_t>(index)].ForEachNeighbour([&](int16_t n) {
        if (cells_[static_cast<size_t>(n)].Value == MineValue)
            ++mines;
    });
    return mines;
}

} // namespace orvane
