// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/Game.h"

#include "platform/Platform.h"

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
    if (CurrentState != GameState::Ready)
        return;
    PlaceMines(cell.Index);
    CurrentState = GameState::Playing;
    FrameTimer.SetMark();
}

void Game::FloodFrom(Cell& cell)
{
    cell.State = Closed;
    OpenQueue[0] = cell.Index;
    OpenQueueLength = 1;
    FloodOpen();
}

void Game::OpenClassic(Cell& cell, CellAction action)
{
    switch (action) {
    case CellAction::Press:
        Face = FaceLook::Pressing;
        if (cell.State == Closed && cell.Mark == NoMark)
            cell.State = Pressed;
        return;
    case CellAction::Cancel:
        Face = FaceLook::Smiling;
        if (cell.State == Pressed)
            cell.State = Closed;
        return;
    case CellAction::Release:
        break;
    }

    Face = FaceLook::Smiling;
    ClearMoveMarks(PlayMode::Classic, false);
    StartClockIfReady(cell);
    // Only a cell opened by this release floods; an empty cell already open stays silent.
    if (cell.State == Pressed) {
        cell.State = static_cast<uint8_t>(cell.Value + 2);
        if (cell.State == OpenEmpty)
            FloodFrom(cell);
    }
    if (cell.Mark == NoMark && cell.Value == MineValue)
        LoseClassic(cell);
    else
        CheckClassicWin(cell.State);
}

void Game::OpenTwoPlayer(Cell& cell, CellAction action)
{
    switch (action) {
    case CellAction::Press:
        Face = FaceLook::Pressing;
        if (BonusArmed)
            ForEachInBonusArea(cell, [](Cell& c) {
                if (c.State == Closed && c.Mark == NoMark)
                    c.State = Pressed;
            });
        else if (cell.State == Closed && cell.Mark == NoMark)
            cell.State = Pressed;
        return;
    case CellAction::Cancel:
        Face = FaceLook::Smiling;
        if (BonusArmed)
            ForEachInBonusArea(cell, [](Cell& c) {
                if (c.State == Pressed)
                    c.State = Closed;
            });
        else if (cell.State == Pressed)
            cell.State = Closed;
        return;
    case CellAction::Release:
        break;
    }

    Face = FaceLook::Smiling;
    ClearMoveMarks(CurrentMode, ClearMarksNextMove);
    StartClockIfReady(cell);
    if (BonusArmed)
        BonusOpen(cell);
    else
        SingleOpen(cell);
}

void Game::FloodOpen()
{
    const auto queued = [this](int16_t index) {
        return std::find(OpenQueue.begin(), OpenQueue.begin() + OpenQueueLength, index)
            != OpenQueue.begin() + OpenQueueLength;
    };
    for (int16_t i = 0; i < OpenQueueLength; ++i) {
        Cell& q = Cells[static_cast<size_t>(OpenQueue[static_cast<size_t>(i)])];
        if (q.State != Closed || q.Mark != NoMark)
            continue;
        q.State = OpenEmpty;
        q.ForEachNeighbour([&](int16_t index) {
            Cell& n = Cells[static_cast<size_t>(index)];
            if (n.State != Closed || n.Mark != NoMark || n.Value == MineValue)
                return;
            n.State = static_cast<uint8_t>(n.Value + 2);
            if (n.State != OpenEmpty)
                return;
            // Empty neighbours wait closed in the queue and open when their turn comes.
            n.State = Closed;
            if (!queued(index) && static_cast<size_t>(OpenQueueLength) < OpenQueue.size())
                OpenQueue[static_cast<size_t>(OpenQueueLength++)] = index;
        });
    }
    if (OpenQueueLength > 1)
        PlaySoundIfOn("\\Open.wav");
    else
        PlayClickIfOn();
}

void Game::ClearMoveMarks(PlayMode mode, bool clear)
{
    if (mode == PlayMode::Classic) {
        HintCell = -1;
        if (RandomOpenRunning || !ShowMoveMarks)
            return;
        ShowMoveMarks = false;
    } else if (!clear) {
        return;
    }
    for (Cell& cell : Cells)
        cell.MoveMark = 0;
}

} // namespace orvane
