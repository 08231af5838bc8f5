// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/Game.h"

#include "platform/FrameClock.h"

#include <algorithm>

namespace orvane {

void Game::OpenCell(Cell& cell, CellAction action)
{
    if (!IsRunning())
        return;
    if (IsTwoPlayer())
        OpenTwoPlayer(cell, action);
    else
        OpenClassic(cell, action);
}

void Game::StartClockIfReady(Cell& cell)
{
    if (state_ != GameState::Ready)
        return;
    PlaceMines(cell.Index);
    state_ = GameState::Playing;
    clock_.SetMark();
}

void Game::FloodFrom(Cell& cell)
{
    cell.State = CellState::Closed;
    openQueue_[0] = cell.Index;
    openQueueLength_ = 1;
    FloodOpen();
}

void Game::OpenClassic(Cell& cell, CellAction action)
{
    switch (action) {
    case CellAction::Press:
        face_ = FaceLook::Pressing;
        if (cell.State == CellState::Closed && cell.Mark == CellMark::None)
            cell.State = CellState::Pressed;
        return;
    case CellAction::Cancel:
        face_ = FaceLook::Smiling;
        if (cell.State == CellState::Pressed)
            cell.State = CellState::Closed;
        return;
    case CellAction::Release:
        break;
    }

    face_ = FaceLook::Smiling;
    ClearMoveMarks(PlayMode::Classic, false);
    StartClockIfReady(cell);
    // Only a cell opened by this release floods; an empty cell already open stays silent.
    if (cell.State == CellState::Pressed) {
        cell.State = CellState::Open;
        if (cell.IsOpenEmpty())
            FloodFrom(cell);
    }
    if (cell.Mark == CellMark::None && cell.Value == MineValue)
        LoseClassic(cell);
    else
        CheckClassicWin(cell.IsOpenEmpty());
}

void Game::OpenTwoPlayer(Cell& cell, CellAction action)
{
    switch (action) {
    case CellAction::Press:
        face_ = FaceLook::Pressing;
        if (bonusArmed_)
            ForEachInBonusArea(cell, [](Cell& c) {
                if (c.State == CellState::Closed && c.Mark == CellMark::None)
                    c.State = CellState::Pressed;
            });
        else if (cell.State == CellState::Closed && cell.Mark == CellMark::None)
            cell.State = CellState::Pressed;
        return;
    case CellAction::Cancel:
        face_ = FaceLook::Smiling;
        if (bonusArmed_)
            ForEachInBonusArea(cell, [](Cell& c) {
                if (c.State == CellState::Pressed)
                    c.State = CellState::Closed;
            });
        else if (cell.State == CellState::Pressed)
            cell.State = CellState::Closed;
        return;
    case CellAction::Release:
        break;
    }

    face_ = FaceLook::Smiling;
    if (networkSeat_) {
        // The host plays the move and tells the board back; the pressed look goes now.
        const bool wanted = bonusArmed_ || cell.State == CellState::Pressed;
        for (Cell& pressed : cells_)
            if (pressed.State == CellState::Pressed)
                pressed.State = CellState::Closed;
        if (wanted && currentPlayer_ == *networkSeat_)
            AskHost(NetworkMove::Open, cell.Index);
        return;
    }
    ClearMoveMarks(CurrentMode(), clearMarksNextMove_);
    StartClockIfReady(cell);
    if (bonusArmed_)
        BonusOpen(cell);
    else
        SingleOpen(cell);
}

void Game::FloodOpen()
{
    const auto queued = [this](int16_t index) {
        return std::find(openQueue_.begin(), openQueue_.begin() + openQueueLength_, index)
            != openQueue_.begin() + openQueueLength_;
    };
    for (int16_t i = 0; i < openQueueLength_; ++i) {
        Cell& q = cells_[static_cast<size_t>(openQueue_[static_cast<size_t>(i)])];
        if (q.State != CellState::Closed || q.Mark != CellMark::None)
            continue;
        q.State = CellState::Open;
        q.ForEachNeighbour([&](int16_t index) {
            Cell& n = cells_[static_cast<size_t>(index)];
            if (n.State != CellState::Closed || n.Mark != CellMark::None || n.Value == MineValue)
                return;
            n.State = CellState::Open;
            if (!n.IsOpenEmpty())
                return;
            // Empty neighbours wait closed in the queue and open when their turn comes.
            n.State = CellState::Closed;
            if (!queued(index) && static_cast<size_t>(openQueueLength_) < openQueue_.size())
                openQueue_[static_cast<size_t>(openQueueLength_++)] = index;
        });
    }
    if (openQueueLength_ > 1)
        PlaySoundIfOn(Sound::Open);
    else
        PlaySoundIfOn(Sound::Click);
}

void Game::ClearMoveMarks(PlayMode mode, bool clear)
{
    if (mode == PlayMode::Classic) {
        hintCell_ = -1;
        if (randomOpenRunning_ || !showMoveMarks_)
            return;
        showMoveMarks_ = false;
    } else if (!clear) {
        return;
    }
    for (Cell& cell : cells_)
        cell.MoveMark = false;
}

} // namespace orvane
