// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/Game.h"


namespace orvane {

void Game::UnpressNeighbours(const Cell& cell)
{
    cell.ForEachNeighbour([this](int16_t index) {
        Cell& n = cells_[static_cast<size_t>(index)];
        if (n.State == CellState::Pressed)
            n.State = CellState::Closed;
    });
}

void Game::PlaceFlag(Cell& cell)
{
    cell.Mark = CellMark::Flag;
    --flagsLeft_;
    PlaySoundIfOn(Sound::Flag);
}

void Game::FlagCell(Cell& cell, CellAction action)
{
    if (CurrentMode() != PlayMode::Classic || !IsRunning())
        return;
    if (action != CellAction::Release) {
        face_ = action == CellAction::Press
            ? FaceLook::Pressing
            : FaceLook::Smiling; // a flag target is never drawn pressed
        return;
    }
    face_ = FaceLook::Smiling;
    ClearMoveMarks(PlayMode::Classic, false);
    if (cell.State == CellState::Closed) {
        if (cell.Mark == CellMark::None && flagsLeft_ > 0) {
            PlaceFlag(cell);
        } else if (cell.Mark == CellMark::Flag) {
            cell.Mark = CellMark::None;
            ++flagsLeft_;
        }
    } else if (cell.IsOpenNumber()) {
        ChordCell(cell, CellAction::Press);
        ChordCell(cell, CellAction::Release);
    }
}

void Game::ChordCell(Cell& cell, CellAction action)
{
    if (!IsRunning())
        return;
    switch (action) {
    case CellAction::Press:
        face_ = FaceLook::Pressing;
        if (cell.State == CellState::Closed || cell.IsOpenNumber()) {
            if (cell.State == CellState::Closed && cell.Mark == CellMark::None)
                cell.State = CellState::Pressed;
            cell.ForEachNeighbour([this](int16_t index) {
                Cell& n = cells_[static_cast<size_t>(index)];
                if (n.State == CellState::Closed && n.Mark == CellMark::None)
                    n.State = CellState::Pressed;
            });
        }
        return;
    case CellAction::Cancel:
        face_ = FaceLook::Smiling;
        if (cell.State == CellState::Pressed || (cell.State == CellState::Closed && cell.Mark != CellMark::None)
            || cell.IsOpenNumber()) {
            if (cell.State == CellState::Pressed)
                cell.State = CellState::Closed;
            UnpressNeighbours(cell);
        }
        return;
    case CellAction::Release:
        break;
    }

    face_ = FaceLook::Smiling;
    ClearMoveMarks(CurrentMode(), false);
    const bool pressedOrMarked
        = cell.State == CellState::Pressed || (cell.State == CellState::Closed && cell.Mark != CellMark::None);
    if (IsTwoPlayer() || pressedOrMarked) {
        // The two-player modes have no chord: only the sunken look is undone.
        if (cell.State == CellState::Pressed)
            cell.State = CellState::Closed;
        UnpressNeighbours(cell);
        return;
    }
    if (cell.IsOpenNumber())
        ChordOpenNumber(cell);
}

void Game::ChordOpenNumber(Cell& cell)
{
    int flags = 0;
    int pressed = 0;
    cell.ForEachNeighbour([&](int16_t index) {
        const Cell& n = cells_[static_cast<size_t>(index)];
        flags += n.Mark == CellMark::Flag;
        pressed += n.State == CellState::Pressed;
    });

    if (flags > 0 && flags == cell.Value) {
        cell.ForEachNeighbour([this](int16_t index) {
            Cell& n = cells_[static_cast<size_t>(index)];
            if (n.State == CellState::Pressed)
                OpenCell(n, CellAction::Release);
        });
        if (state_ == GameState::Lost)
            UnpressNeighbours(cell);
    } else if (flags == 0 && pressed == cell.Value) {
        cell.ForEachNeighbour([this](int16_t index) {
            Cell& n = cells_[static_cast<size_t>(index)];
            if (n.State != CellState::Pressed)
                return;
            n.State = CellState::Closed;
            if (flagsLeft_ > 0)
                PlaceFlag(n);
        });
    } else {
        PlaySoundIfOn(Sound::FlagError);
        UnpressNeighbours(cell);
    }
}

} // namespace orvane
