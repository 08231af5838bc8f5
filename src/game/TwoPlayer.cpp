// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/Game.h"

#include <algorithm>

namespace orvane {

void Game::ForEachInBonusArea(const Cell& centre, const std::function<void(Cell&)>& visit)
{
    const int x = centre.Index % BoardWidth();
    const int y = centre.Index / BoardWidth();
    const int r = bonusRadius_;
    for (int row = std::max(y - r, 0); row <= std::min(y + r, BoardHeight() - 1); ++row)
        for (int col = std::max(x - r, 0); col <= std::min(x + r, BoardWidth() - 1); ++col)
            visit(cells_[static_cast<size_t>(col + row * BoardWidth())]);
}

void Game::FindMine(Cell& cell)
{
    cell.State = CellState::Closed;
    cell.Mark = currentPlayer_ == Player1 ? CellMark::Flag : CellMark::FoundByPlayer2;
    ++players_[currentPlayer_].MinesFound;
    Tell(MineFound {cell.Index, currentPlayer_});
}

void Game::SingleOpen(Cell& cell)
{
    if (cell.State == CellState::Pressed) {
        cell.MoveMark = true;
        if (cell.Value == MineValue) {
            FindMine(cell);
            PlayerData& player = players_[currentPlayer_];
            if (!bonusAwarded_ && player.MinesFound >= flagsToWin_ / 2) {
                bonusOwner_ = OtherPlayer(currentPlayer_);
                PostMessage(players_[*bonusOwner_].Name + " Earned Bonus", 0.5f, 2.5f);
                bonusAwarded_ = true;
                if (bonusOwner_ == Player2)
                    computerBonusDelay_ = 1 + static_cast<int32_t>(DrawReal() * 5);
            }
            // The player keeps the turn and the marks of this turn collect.
            clearMarksNextMove_ = false;
            showMoveMarks_ = false;
            if (player.MinesFound == flagsToWin_) {
                WinTwoPlayer(false);
                clearMarksNextMove_ = true;
                showMoveMarks_ = true;
                PlaySoundIfOn(Sound::Win);
            } else {
                PlaySoundIfOn(Sound::Flag);
            }
        } else {
            cell.State = CellState::Open;
            if (cell.IsOpenEmpty())
                FloodFrom(cell);
            else
                PlaySoundIfOn(Sound::Click);
            currentPlayer_ = OtherPlayer(currentPlayer_);
            Tell(TurnPassed {currentPlayer_});
            bonusButtonEnabled_ = bonusAwarded_ && currentPlayer_ == bonusOwner_;
            if (bonusButtonEnabled_)
                bonusButtonDown_ = false;
            clearMarksNextMove_ = true;
            showMoveMarks_ = true;
        }
    }
}

void Game::BonusOpen(Cell& centre)
{
    bonusArmed_ = false;
    bonusButtonEnabled_ = false;
    bonusOwner_.reset();
    clearMarksNextMove_ = true;
    showMoveMarks_ = true;
    ForEachInBonusArea(centre, [this](Cell& cell) {
        if (cell.State != CellState::Pressed)
            return;
        if (cell.Value == MineValue) {
            cell.MoveMark = true;
            FindMine(cell);
        } else {
            // Empty cells opened by the bonus do not flood.
            cell.State = CellState::Open;
        }
        const bool won = players_[currentPlayer_].MinesFound == flagsToWin_;
        // The walk goes on after the winning mine, but the game is decided only once.
        if (won && state_ != GameState::Won)
            WinTwoPlayer(true);
        PlaySoundIfOn(won ? Sound::Win : Sound::Open);
    });
    currentPlayer_ = OtherPlayer(currentPlayer_);
    Tell(TurnPassed {currentPlayer_});
}

void Game::WinTwoPlayer(bool restartMessage)
{
    state_ = GameState::Won;
    bonusButtonEnabled_ = false;
    face_ = FaceLook::Won;
    PlayerData& winner = players_[currentPlayer_];
    ++winner.Score;
    const std::string text = winner.Name + " Won.";
    Tell(MessagePosted {text, 1.0f, 5.0f, !restartMessage, false});
    EndGame(currentPlayer_ == Player1 ? GameResult::Won : GameResult::Lost, currentPlayer_);
    const PlayerData& loser = players_[OtherPlayer(currentPlayer_)];
    Tell(SeriesPointWon {ScoreTable(), winner.Name, loser.Name, winner.Score, loser.Score});
}

void Game::GiveUp()
{
    // A game gives its point away once; the new game that follows ends it.
    if (!IsTwoPlayer() || state_ != GameState::Playing || seriesPointGivenUp_)
        return;
    if (AskHost(NetworkMove::GiveUp))
        return;
    Record(CommandKind::GiveUp);
    seriesPointGivenUp_ = true;
    const PlayerIndex winner = OtherPlayer(currentPlayer_);
    ++players_[winner].Score;
    Tell(SeriesPointWon {ScoreTable(), players_[winner].Name, players_[currentPlayer_].Name,
        players_[winner].Score, players_[currentPlayer_].Score});
}

void Game::ToggleBonus()
{
    if (AskHost(NetworkMove::ToggleBonus))
        return;
    Record(CommandKind::ToggleBonus);
    if (bonusArmed_) {
        bonusArmed_ = false;
        PostMessage("Bonus Deactivated", 0.5f, 2.0f);
    } else {
        ArmBonus("Bonus Activated");
    }
}

void Game::ArmComputerBonus()
{
    Record(CommandKind::ArmComputerBonus);
    ArmBonus("AI. Activated Bonus");
}

void Game::ArmBonus(const std::string& message)
{
    bonusArmed_ = true;
    bonusRadius_ = BonusRadiusFor(CurrentLevel());
    PostMessage(message, 0.5f, 2.0f);
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
    Record(CommandKind::RandomOpen);
    ClearMoveMarks(PlayMode::Classic, false);
    randomOpenRunning_ = true;
    showMoveMarks_ = true;
    ++clickCount_;
    const int32_t drawable = static_cast<int32_t>(cellOrder_.size()) - 1;
    const auto closedUnmarked = [this](int16_t index) {
        const Cell& c = cells_[static_cast<size_t>(index)];
        return c.State == CellState::Closed && c.Mark == CellMark::None;
    };
    for (int opened = 0; opened < 3;) {
        // A record cut short of its draws would keep drawing the same cell.
        if (replaying_ && nextDraw_ >= replaying_->Draws.size())
            break;
        const int32_t k = static_cast<int32_t>(DrawReal() * drawable);
        if (state_ == GameState::Lost || state_ == GameState::Won)
            break;
        // Every remaining closed cell may carry a flag: stop instead of drawing forever.
        if (std::none_of(cellOrder_.begin(), cellOrder_.begin() + drawable, closedUnmarked))
            break;
        Cell& cell = cells_[static_cast<size_t>(cellOrder_[static_cast<size_t>(k)])];
        if (cell.State != CellState::Closed || cell.Mark != CellMark::None)
            continue;
        cell.MoveMark = true;
        cell.State = CellState::Pressed;
        OpenCell(cell, CellAction::Release);
        ++opened;
    }
    randomOpenRunning_ = false;
    Tell(CellsChanged {});
}

} // namespace orvane
