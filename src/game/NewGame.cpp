// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/Game.h"

#include "platform/Platform.h"
#include "platform/Random.h"

#include <algorithm>
#include <utility>

namespace orvane {

void Game::RebuildBoard()
{
    const size_t cells = static_cast<size_t>(BoardWidth) * static_cast<size_t>(BoardHeight);
    Cells.assign(cells, Cell {});
    CellOrder.assign(cells, 0);
    OpenQueueLength = 0;
    for (int y = 0; y < BoardHeight; ++y) {
        for (int x = 0; x < BoardWidth; ++x) {
            Cell& cell = Cells[static_cast<size_t>(x + y * BoardWidth)];
            cell.Index = static_cast<int16_t>(x + y * BoardWidth);
            cell.Neighbours.fill(-1);
            size_t stored = 0;
            for (int ny = std::max(y - 1, 0); ny <= std::min(y + 1, BoardHeight - 1); ++ny)
                for (int nx = std::max(x - 1, 0); nx <= std::min(x + 1, BoardWidth - 1); ++nx)
                    if (nx != x || ny != y)
                        cell.Neighbours[stored++] = static_cast<int16_t>(nx + ny * BoardWidth);
        }
    }
}

void Game::NewGame(Level level)
{
    ResumeGame();
    if (CurrentState == GameState::Playing)
        EndGame(GameResult::GivenUp);
    StartedMode = CurrentMode;
    FlagsLeft = MineCount;
    const bool rebuild = static_cast<int32_t>(level) != CurrentLevel || level > Level::Expert
        || !BoardMatchesSize();
    if (rebuild)
        RebuildBoard();
    // Room for every safe cell, also when a mode change lowered the mines without a rebuild.
    OpenQueue.assign(Cells.size(), 0);
    for (size_t i = 0; i < Cells.size(); ++i) {
        CellOrder[i] = static_cast<int16_t>(i);
        Cell& cell = Cells[i];
        cell.Value = 0;
        cell.Mark = NoMark;
        cell.State = Closed;
        cell.MoveMark = 0;
    }
    LastSafeSlot = static_cast<int16_t>(Cells.size() - 1);
    CurrentState = GameState::Ready;
    ElapsedSeconds = 0;
    HintCell = -1;
    HintsUsed = 0;
    DealtWithoutGuessing = false;

    platform.ApplyLayout();

    ++BoardNumber;
    Face = FaceLook::Smiling;
    // A level or mode command may come while the computer is gliding or pressing.
    Opponent.ClearForNewGame();

    if (!IsTwoPlayer()) {
        RandomOpenRunning = false;
        ShowMoveMarks = false;
        BonusButtonEnabled = true;
        BonusButtonDown = false;
        ClickCount = 0;
        return;
    }

    RandomOpenRunning = true;
    ShowMoveMarks = false;
    Players[Player1].MinesFound = 0;
    Players[Player2].MinesFound = 0;
    CurrentPlayer = OtherPlayer(CurrentPlayer);
    ClearMarksNextMove = true;
    BonusButtonEnabled = false;
    BonusAwarded = false;
    BonusArmed = false;
    ShowFlagsToWin();
    if (CurrentMode == PlayMode::VsComputer) {
        if (CurrentPlayer == Player2)
            Opponent.Phase = OpponentState::Choose;
        Opponent.BonusCountdown = -1;
    }
    if (OnTwoPlayerGameStarted)
        OnTwoPlayerGameStarted();
}

void Game::ShowFlagsToWin()
{
    FrameTimer.WaitFrame(30);
    Message.Post(std::to_string(FlagsToWin) + " Flags To WIN", 1.0f, 5.0f);
}

void Game::PlaceMines(int16_t first)
{
    if (NoGuessing && !IsTwoPlayer() && PlaceMinesWithoutGuess(first))
        return;
    const auto lastSlot = static_cast<int16_t>(CellOrder.size() - 1);
    std::swap(CellOrder[static_cast<size_t>(LastSafeSlot)], CellOrder[static_cast<size_t>(first)]);
    --LastSafeSlot;

    random.SeedFromClock();
    for (int16_t placed = 0; placed < MineCount && LastSafeSlot >= 0; ++placed) {
        // The factor is LastSafeSlot, not LastSafeSlot + 1: the top of the pool is skipped
        // in each draw, as the placement has always done.
        const int32_t k
            = LastSafeSlot <= 0 ? 0 : static_cast<int32_t>(random.NextReal() * LastSafeSlot);
        Cells[static_cast<size_t>(CellOrder[static_cast<size_t>(k)])].Value = MineValue;
        std::swap(CellOrder[static_cast<size_t>(LastSafeSlot)], CellOrder[static_cast<size_t>(k)]);
        --LastSafeSlot;
    }

    ++LastSafeSlot;
    std::swap(
        CellOrder[static_cast<size_t>(LastSafeSlot)], CellOrder[static_cast<size_t>(lastSlot)]);

    for (int16_t slot = 0; slot <= LastSafeSlot; ++slot) {
        const int16_t index = CellOrder[static_cast<size_t>(slot)];
        Cells[static_cast<size_t>(index)].Value = CountAdjacentMines(index);
    }
}

uint8_t Game::CountAdjacentMines(int16_t index) const
{
    uint8_t mines = 0;
    Cells[static_cast<size_t>(index)].ForEachNeighbour([&](int16_t n) {
        if (Cells[static_cast<size_t>(n)].Value == MineValue)
            ++mines;
    });
    return mines;
}

} // namespace orvane
