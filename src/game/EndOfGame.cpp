// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/Game.h"

#include "game/BoardMeasures.h"

#include "platform/FrameClock.h"

#include <cstdio>
#include <utility>

namespace orvane {

void Game::LoseClassic(Cell& cell)
{
    PlaySoundIfOn(Sound::Loss);
    face_ = FaceLook::Lost;
    state_ = GameState::Lost;
    bonusButtonEnabled_ = false;
    RevealAfterLoss(cell.Index);
    EndGame(GameResult::Lost);
}

void Game::EndGame(GameResult result, std::optional<PlayerIndex> winner)
{
    GameEnded ended;
    ended.Mode = CurrentMode();
    ended.BoardLevel = CurrentLevel();
    ended.Width = BoardWidth();
    ended.Height = BoardHeight();
    ended.Mines = static_cast<int16_t>(MinesPlaced());
    ended.Result = result;
    ended.Winner = winner;
    ended.Seconds = clock_.GameSeconds();
    ended.ShownSeconds = elapsedSeconds_;
    ended.Clicks = IsTwoPlayer() ? 0 : clickCount_;
    ended.ThreeBV = ThreeBVOf(*this);
    ended.NoGuessBoard = dealtWithoutGuessing_;
    ended.GivenBoard = givenBoard_;
    ended.HintsUsed = hintsUsed_;
    ended.ChancesShown = chancesShown_;
    ended.ScoreTable = ScoreTable();
    ended.Record = record_;
    Tell(std::move(ended));
}

void Game::RevealAfterLoss(int16_t index)
{
    for (size_t slot = static_cast<size_t>(lastSafeSlot_ + 1); slot < cellOrder_.size(); ++slot) {
        Cell& mine = cells_[static_cast<size_t>(cellOrder_[slot])];
        if (mine.Mark != CellMark::Flag) {
            mine.State = CellState::Revealed;
            mine.Mark = CellMark::MissedMine;
        }
    }
    for (int16_t slot = 0; slot <= lastSafeSlot_; ++slot) {
        Cell& safe = cells_[static_cast<size_t>(cellOrder_[static_cast<size_t>(slot)])];
        if (safe.Mark == CellMark::Flag) {
            safe.State = CellState::Revealed;
            safe.Mark = CellMark::FalseFlag;
        }
    }
    cells_[static_cast<size_t>(index)].Mark = CellMark::ExplodedMine;
}

// How fast the board was cleared, on the message bar over the counters.
void Game::ShowWinningPace()
{
    const BoardMeasures measures
        = MeasureBoard(ThreeBVOf(*this), clock_.GameSeconds(), clickCount_);
    char text[32];
    std::snprintf(text, sizeof text, "3BV/s %.2f", measures.ThreeBVPerSecond);
    PostMessage(text, 0.5f, 4.0f, true);
}

bool Game::AllSafeCellsOpen() const
{
    for (int16_t slot = 0; slot <= lastSafeSlot_; ++slot)
        if (cells_[static_cast<size_t>(cellOrder_[static_cast<size_t>(slot)])].State
            == CellState::Closed)
            return false;
    return true;
}

void Game::CheckClassicWin(bool openedEmpty)
{
    if (state_ != GameState::Playing)
        return;
    if (!AllSafeCellsOpen()) {
        // An empty cell already had its sound from the flood.
        if (!openedEmpty)
            PlaySoundIfOn(Sound::Click);
        return;
    }

    PlaySoundIfOn(Sound::Win);
    state_ = GameState::Won;
    bonusButtonEnabled_ = false;
    face_ = FaceLook::Won;
    for (size_t slot = static_cast<size_t>(lastSafeSlot_ + 1); slot < cellOrder_.size(); ++slot) {
        Cell& mine = cells_[static_cast<size_t>(cellOrder_[slot])];
        if (mine.Mark != CellMark::Flag) {
            mine.Mark = CellMark::Flag;
            --flagsLeft_;
        }
    }
    for (Cell& cell : cells_)
        if (cell.State == CellState::Pressed)
            cell.State = CellState::Open;
    EndGame(GameResult::Won);
    ShowWinningPace();
}

} // namespace orvane
