// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/Game.h"

#include "game/BoardMeasures.h"
#include "platform/Platform.h"

#include <cstdio>

namespace orvane {

void Game::LoseClassic(Cell& cell)
{
    PlaySoundIfOn("\\Loose.wav");
    if (OnClassicLoss)
        OnClassicLoss();
    Face = FaceLook::Lost;
    CurrentState = GameState::Lost;
    BonusButtonEnabled = false;
    RevealAfterLoss(cell.Index);
    EndGame(GameResult::Lost);
}

void Game::EndGame(GameResult result)
{
    if (OnGameEnded)
        OnGameEnded(result);
}

void Game::RevealAfterLoss(int16_t index)
{
    for (size_t slot = static_cast<size_t>(LastSafeSlot + 1); slot < CellOrder.size(); ++slot) {
        Cell& mine = Cells[static_cast<size_t>(CellOrder[slot])];
        if (mine.Mark != FlagMark) {
            mine.State = Revealed;
            mine.Mark = MissedMine;
        }
    }
    for (int16_t slot = 0; slot <= LastSafeSlot; ++slot) {
        Cell& safe = Cells[static_cast<size_t>(CellOrder[static_cast<size_t>(slot)])];
        if (safe.Mark == FlagMark) {
            safe.State = Revealed;
            safe.Mark = FalseFlag;
        }
    }
    Cells[static_cast<size_t>(index)].Mark = ExplodedMine;
}

// How fast the board was cleared, on the message bar over the counters.
void Game::ShowWinningPace()
{
    const BoardMeasures measures
        = MeasureBoard(ThreeBVOf(*this), FrameTimer.GameSeconds(), ClickCount);
    char text[32];
    std::snprintf(text, sizeof text, "3BV/s %.2f", measures.ThreeBVPerSecond);
    Message.Post(text, 0.5f, 4.0f);
    Message.AlsoInClassic = true;
}

bool Game::AllSafeCellsOpen() const
{
    for (int16_t slot = 0; slot <= LastSafeSlot; ++slot)
        if (Cells[static_cast<size_t>(CellOrder[static_cast<size_t>(slot)])].State == Closed)
            return false;
    return true;
}

void Game::CheckClassicWin(uint8_t openedState)
{
    if (CurrentState != GameState::Playing)
        return;
    if (!AllSafeCellsOpen()) {
        // An empty cell already had its sound from the flood.
        if (openedState != OpenEmpty)
            PlayClickIfOn();
        return;
    }

    PlaySoundIfOn("\\Win.wav");
    CurrentState = GameState::Won;
    BonusButtonEnabled = false;
    Face = FaceLook::Won;
    for (size_t slot = static_cast<size_t>(LastSafeSlot + 1); slot < CellOrder.size(); ++slot) {
        Cell& mine = Cells[static_cast<size_t>(CellOrder[slot])];
        if (mine.Mark != FlagMark) {
            mine.Mark = FlagMark;
            --FlagsLeft;
        }
    }
    for (Cell& cell : Cells)
        if (cell.State == Pressed)
            cell.State = static_cast<uint8_t>(cell.Value + 2);
    // Kept before the name dialog, so a game is not lost while the dialog is open.
    EndGame(GameResult::Won);
    ShowWinningPace();
    if (OnClassicWin)
        OnClassicWin();
}

} // namespace orvane
