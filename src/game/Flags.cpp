// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/Game.h"

#include "platform/Platform.h"

namespace orvane {

void Game::UnpressNeighbours(const Cell& cell)
{
    cell.ForEachNeighbour([this](int16_t index) {
        Cell& n = Cells[static_cast<size_t>(index)];
        if (n.State == Pressed)
            n.State = Closed;
    });
}

void Game::PlaceFlag(Cell& cell)
{
    cell.Mark = FlagMark;
    --FlagsLeft;
    PlaySoundIfOn("\\flag.wav");
}

void Game::FlagCell(Cell& cell, CellAction action)
{
    if (CurrentMode != PlayMode::Classic || !IsRunning())
        return;
    if (action != CellAction::Release) {
        Face = action == CellAction::Press
            ? FaceLook::Pressing
            : FaceLook::Smiling; // a flag target is never drawn pressed
        return;
    }
    Face = FaceLook::Smiling;
    ClearMoveMarks(PlayMode::Classic, false);
    if (cell.State == Closed) {
        if (cell.Mark == NoMark && FlagsLeft > 0) {
            PlaceFlag(cell);
        } else if (cell.Mark == FlagMark) {
            cell.Mark = NoMark;
            ++FlagsLeft;
        }
    } else if (IsOpenNumber(cell.State)) {
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
        Face = FaceLook::Pressing;
        if (cell.State == Closed || IsOpenNumber(cell.State)) {
            if (cell.State == Closed && cell.Mark == NoMark)
                cell.State = Pressed;
            cell.ForEachNeighbour([this](int16_t index) {
                Cell& n = Cells[static_cast<size_t>(index)];
                if (n.State == Closed && n.Mark == NoMark)
                    n.State = Pressed;
            });
        }
        return;
    case CellAction::Cancel:
        Face = FaceLook::Smiling;
        if (cell.State == Pressed || (cell.State == Closed && cell.Mark != NoMark)
            || IsOpenNumber(cell.State)) {
            if (cell.State == Pressed)
                cell.State = Closed;
            UnpressNeighbours(cell);
        }
        return;
    case CellAction::Release:
        break;
    }

    Face = FaceLook::Smiling;
    ClearMoveMarks(CurrentMode, false);
    const bool pressedOrMarked
        = cell.State == Pressed || (cell.State == Closed && cell.Mark != NoMark);
    if (IsTwoPlayer() || pressedOrMarked) {
        // The two-player modes have no chord: only the sunken look is undone.
        if (cell.State == Pressed)
            cell.State = Closed;
        UnpressNeighbours(cell);
        return;
    }
    if (IsOpenNumber(cell.State))
        ChordOpenNumber(cell);
}

void Game::ChordOpenNumber(Cell& cell)
{
    int flags = 0;
    int pressed = 0;
    cell.ForEachNeighbour([&](int16_t index) {
        const Cell& n = Cells[static_cast<size_t>(index)];
        flags += n.Mark == FlagMark;
        pressed += n.State == Pressed;
    });

    if (flags > 0 && flags == cell.Value) {
        cell.ForEachNeighbour([this](int16_t index) {
            Cell& n = Cells[static_cast<size_t>(index)];
            if (n.State == Pressed)
                OpenCell(n, CellAction::Release);
        });
        if (CurrentState == GameState::Lost)
            UnpressNeighbours(cell);
    } else if (flags == 0 && pressed == cell.Value) {
        cell.ForEachNeighbour([this](int16_t index) {
            Cell& n = Cells[static_cast<size_t>(index)];
            if (n.State != Pressed)
                return;
            n.State = Closed;
            if (FlagsLeft > 0)
                PlaceFlag(n);
        });
    } else {
        PlaySoundIfOn("\\FlagErr.wav");
        UnpressNeighbours(cell);
    }
}

} // namespace orvane
