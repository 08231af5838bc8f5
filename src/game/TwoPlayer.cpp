// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/Game.h"

#include "platform/Platform.h"
#include "platform/Random.h"

#include <algorithm>

namespace orvane {

void Game::ForEachInBonusArea(const Cell& centre, const std::function<void(Cell&)>& visit)
{
    const int x = centre.Index % BoardWidth;
    const int y = centre.Index / BoardWidth;
    const int r = BonusRadius;
    for (int row = std::max(y - r, 0); row <= std::min(y + r, BoardHeight - 1); ++row)
        for (int col = std::max(x - r, 0); col <= std::min(x + r, BoardWidth - 1); ++col)
            visit(Cells[static_cast<size_t>(col + row * BoardWidth)]);
}

void Game::HandOverToOpponentIfDue()
{
    if (CurrentPlayer == Player2 && CurrentMode == PlayMode::VsComputer)
        Opponent.Phase = OpponentState::Choose;
}

void Game::FindMine(Cell& cell)
{
    cell.State = Closed;
    cell.Mark = static_cast<uint8_t>(CurrentPlayer + 1);
    ++Players[CurrentPlayer].MinesFound;
}

void Game::SingleOpen(Cell& cell)
{
    if (cell.State == Pressed) {
        cell.MoveMark = 1;
        if (cell.Value == MineValue) {
            FindMine(cell);
            PlayerData& player = Players[CurrentPlayer];
            if (!BonusAwarded && player.MinesFound >= FlagsToWin / 2) {
                BonusOwner = OtherPlayer(CurrentPlayer);
                Message.Post(Players[BonusOwner].Name + " Earned Bonus", 0.5f, 2.5f);
                BonusAwarded = true;
                if (BonusOwner == Player2)
                    Opponent.BonusCountdown = 1 + RandomBelow(random, 5);
            }
            // The player keeps the turn and the marks of this turn collect.
            ClearMarksNextMove = false;
            ShowMoveMarks = false;
            if (player.MinesFound == FlagsToWin) {
                WinTwoPlayer(false);
                ClearMarksNextMove = true;
                ShowMoveMarks = true;
                PlaySoundIfOn("\\Win.wav");
            } else {
                PlaySoundIfOn("\\Flag.wav");
            }
        } else {
            cell.State = static_cast<uint8_t>(cell.Value + 2);
            if (cell.State == OpenEmpty)
                FloodFrom(cell);
            else
                PlayClickIfOn();
            CurrentPlayer = OtherPlayer(CurrentPlayer);
            BonusButtonEnabled = BonusAwarded && CurrentPlayer == BonusOwner;
            if (BonusButtonEnabled)
                BonusButtonDown = false;
            ClearMarksNextMove = true;
            ShowMoveMarks = true;
        }
    }
    HandOverToOpponentIfDue();
}

void Game::BonusOpen(Cell& centre)
{
    BonusArmed = false;
    BonusButtonEnabled = false;
    BonusOwner = BonusUsed;
    ClearMarksNextMove = true;
    ShowMoveMarks = true;
    ForEachInBonusArea(centre, [this](Cell& cell) {
        if (cell.State != Pressed)
            return;
        if (cell.Value == MineValue) {
            cell.MoveMark = 1;
            FindMine(cell);
        } else {
            // Empty cells opened by the bonus do not flood.
            cell.State = static_cast<uint8_t>(cell.Value + 2);
        }
        const bool won = Players[CurrentPlayer].MinesFound == FlagsToWin;
        // The walk goes on after the winning mine, but the game is decided only once.
        if (won && CurrentState != GameState::Won)
            WinTwoPlayer(true);
        PlaySoundIfOn(won ? "\\Win.wav" : "\\Open.wav");
    });
    CurrentPlayer = OtherPlayer(CurrentPlayer);
    HandOverToOpponentIfDue();
}

void Game::WinTwoPlayer(bool restartMessage)
{
    CurrentState = GameState::Won;
    BonusButtonEnabled = false;
    Face = FaceLook::Won;
    PlayerData& winner = Players[CurrentPlayer];
    ++winner.Score;
    const std::string text = winner.Name + " Won.";
    if (restartMessage)
        Message.Post(text, 1.0f, 5.0f);
    else
        Message.Continue(text, 1.0f, 5.0f);
    EndGame(CurrentPlayer == Player1 ? GameResult::Won : GameResult::Lost);
    if (OnTwoPlayerResult)
        OnTwoPlayerResult();
}

void Game::ToggleBonus()
{
    BonusArmed = !BonusArmed;
    if (BonusArmed) {
        BonusRadius = BonusRadiusFor(static_cast<Level>(CurrentLevel));
        Message.Post("Bonus Activated", 0.5f, 2.0f);
    } else {
        Message.Post("Bonus Deactivated", 0.5f, 2.0f);
    }
}

uint8_t BonusRadiusFor(Level level)
{
    switch (level) {
    case Level::Beginner:
        return 1;
    case Level::Expert:
        return 3;
    default:
        return 2;
    }
}

void Game::RandomOpen()
{
    ClearMoveMarks(PlayMode::Classic, false);
    RandomOpenRunning = true;
    ShowMoveMarks = true;
    ++ClickCount;
    const int32_t drawable = static_cast<int32_t>(CellOrder.size()) - 1;
    const auto closedUnmarked = [this](int16_t index) {
        const Cell& c = Cells[static_cast<size_t>(index)];
        return c.State == Closed && c.Mark == NoMark;
    };
    for (int opened = 0; opened < 3;) {
        const int32_t k = static_cast<int32_t>(random.NextReal() * drawable);
        if (CurrentState == GameState::Lost || CurrentState == GameState::Won)
            break;
        // Every remaining closed cell may carry a flag: stop instead of drawing forever.
        if (std::none_of(CellOrder.begin(), CellOrder.begin() + drawable, closedUnmarked))
            break;
        Cell& cell = Cells[static_cast<size_t>(CellOrder[static_cast<size_t>(k)])];
        if (cell.State != Closed || cell.Mark != NoMark)
            continue;
        cell.MoveMark = 1;
        cell.State = Pressed;
        OpenCell(cell, CellAction::Release);
        ++opened;
    }
    RandomOpenRunning = false;
}

} // namespace orvane
