// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/Game.h"

namespace orvane {

namespace {

void ShowSeenCell(Cell& cell, uint8_t code)
{
    cell.MoveMark = (code & seen_cell::MoveMark) != 0;
    code = static_cast<uint8_t>(code & ~seen_cell::MoveMark);
    cell.Mark = CellMark::None;
    cell.State = CellState::Closed;
    cell.Value = 0;
    if (code <= 8) {
        cell.State = CellState::Open;
        cell.Value = code;
    } else if (code == seen_cell::FoundByPlayer1 || code == seen_cell::FoundByPlayer2) {
        cell.Mark = code == seen_cell::FoundByPlayer1 ? CellMark::Flag : CellMark::FoundByPlayer2;
        cell.Value = MineValue;
    }
}

} // namespace

void Game::ShowNetworkGame(
    const SeenState& seen, PlayerIndex seat, uint32_t hostBoard, const SeenNews& news)
{
    const bool newBoard = !networkSeat_ || hostBoard != networkBoard_ || seen.Setup != setup_
        || seen.Cells.size() != cells_.size();
    if (!networkSeat_)
        localPlayers_ = players_;
    networkSeat_ = seat;
    networkBoard_ = hostBoard;
    if (newBoard) {
        const bool rebuild = seen.Setup.Width != setup_.Width || seen.Setup.Height != setup_.Height
            || !BoardMatchesSize();
        setup_ = seen.Setup;
        if (rebuild)
            RebuildBoard();
        record_ = RecordedGame {};
        record_.Start.Setup = setup_;
        ++boardNumber_;
        Tell(BoardDealt {});
    }
    const PlayerIndex turnBefore = currentPlayer_;
    for (size_t i = 0; i < cells_.size() && i < seen.Cells.size(); ++i) {
        Cell& cell = cells_[i];
        const bool foundBefore = cell.ShowsMine();
        ShowSeenCell(cell, seen.Cells[i]);
        if (!foundBefore && cell.ShowsMine())
            Tell(MineFound {cell.Index, cell.Mark == CellMark::Flag ? Player1 : Player2});
    }
    players_ = seen.Players;
    currentPlayer_ = seen.CurrentPlayer;
    state_ = seen.State;
    flagsToWin_ = seen.FlagsToWin;
    flagsLeft_ = MineCount();
    bonusAwarded_ = seen.BonusAwarded;
    bonusOwner_ = seen.BonusOwner;
    bonusArmed_ = seen.BonusArmed;
    bonusButtonEnabled_ = seen.BonusButtonEnabled;
    if (!bonusButtonEnabled_)
        bonusButtonDown_ = false;
    bonusRadius_ = seen.BonusRadius;
    showMoveMarks_ = seen.ShowMoveMarks;
    paused_ = false;
    SetFaceFromState();
    Tell(CellsChanged {});
    if (!newBoard && currentPlayer_ != turnBefore)
        Tell(TurnPassed {currentPlayer_});
    for (Sound sound : news.Sounds)
        PlaySoundIfOn(sound);
    for (const MessagePosted& message : news.Messages)
        Tell(message);
    if (news.Ended) {
        GameEnded ended;
        ended.Mode = CurrentMode();
        ended.BoardLevel = CurrentLevel();
        ended.Width = BoardWidth();
        ended.Height = BoardHeight();
        ended.Mines = MineCount();
        ended.Winner = news.Ended->Winner;
        ended.Seconds = news.Ended->Seconds;
        ended.ShownSeconds = static_cast<int32_t>(news.Ended->Seconds);
        ended.ScoreTable = ScoreTable();
        // The result is this player's: given up, won (also when the other gave up), or lost.
        const std::optional<PlayerIndex> gaveUp = news.Ended->GivenUpBy;
        ended.Result = gaveUp == seat                          ? GameResult::GivenUp
            : news.Ended->Winner == seat || gaveUp.has_value() ? GameResult::Won
                                                               : GameResult::Lost;
        ended.NetworkOpponent = players_[OtherPlayer(seat)].Name;
        ended.Record = record_;
        Tell(std::move(ended));
    }
}

void Game::LeaveNetworkGame()
{
    networkSeat_.reset();
    // The next deal starts from a board of this program's own.
    state_ = GameState::Ready;
    players_ = localPlayers_;
}

bool Game::AskHost(NetworkMove move, int32_t cell)
{
    if (!networkSeat_)
        return false;
    Tell(NetworkMoveWanted {move, static_cast<int16_t>(cell)});
    return true;
}

} // namespace orvane
