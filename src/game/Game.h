// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "game/GameEvents.h"
#include "game/GameTypes.h"
#include "game/RecordedGame.h"
#include "game/SeenState.h"

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <type_traits>
#include <utility>
#include <variant>
#include <vector>

namespace orvane {

class FrameClock;
class RandomSource;

inline constexpr int32_t HintPenaltySeconds = 10;

// Half width of the bonus area: 3 x 3 at Beginner, 7 x 7 at Expert, 5 x 5 otherwise.
uint8_t BonusRadiusFor(Level level);

// What a new game changes of the two-player series besides dealing the board.
struct SeriesChange {
    bool ResetScores = false;
    // Player1 is given the turn before the deal passes it on, so Player2 begins.
    bool Player2First = false;
    std::optional<std::string> SecondPlayerName;
};

// The one game: its rules behind commands and questions. Commands act by cell; every change
// is told as an event the session takes (TakeEvents); nothing here opens a window, plays a
// sound, lays out or waits. Each game keeps its start and its commands, stamped with the
// milliseconds since its deal, so that it can be played again exactly (Replay.h).
class Game {
public:
    Game(RandomSource& random, FrameClock& clock);

    // --- Commands ---
    // Gives up a game being played, then deals a new board from the setup. The board keeps
    // its cells when the setup's level and size stay.
    void NewGame(const BoardSetup& setup, const SeriesChange& series = {});
    // A new game on the same setup.
    void Restart() { NewGame(setup_); }
    // A deal whose first open lays the given layout instead of drawing one: the cell order
    // with the safe cells up to lastSafeSlot and the mines after it. The cell the board
    // was first opened at, when given, is framed as a hint is until the first move.
    void NewGameWithLayout(const BoardSetup& setup, const std::vector<int16_t>& cellOrder,
        int16_t lastSafeSlot, int16_t firstCell = -1);
    // Press, cancel or release of a cell by a gesture of the mouse, the keys or the computer.
    void ActOnCell(CellGesture gesture, CellAction action, int32_t cell);
    // A release that acts on the board counts as a click of the player.
    void CountClick();
    // The face shown sunken while the status button is held over it, or as the game stands.
    void PressFace(bool down);
    void PressBonusButton(bool down);
    // The bonus button: arms or disarms the bonus in the two-player modes; in Classic it
    // opens three random cells.
    void ToggleBonus();
    void RandomOpen();
    void ArmComputerBonus();
    // Only a game being played pauses; a new game ends the pause with the game it replaces.
    void PauseGame();
    void ResumeGame();
    void TogglePause();
    // Marks a cell that is certainly safe from what the player sees, or else the safest
    // one with its chance of a mine on the message bar.
    void GiveHint();
    // The player was shown the board's mine chances: the game keeps it until the next deal.
    void MarkChancesShown() { chancesShown_ = true; }
    // The player to move gives a two-player game up: the other player wins the series point.
    void GiveUp();
    void RenamePlayer(PlayerIndex player, const std::string& name);
    void ResetSeriesScores();
    void SetSoundOn(bool on);
    // Takes effect at the next board's first open.
    void SetNoGuessing(bool on);
    // Shows the game clock's whole seconds on the time counter while a game is played.
    void ShowGameClock();

    // The events of the commands since the last call, oldest first.
    std::vector<GameEvent> TakeEvents();

    // --- Questions ---
    const BoardSetup& Setup() const { return setup_; }
    int16_t BoardWidth() const { return setup_.Width; }
    int16_t BoardHeight() const { return setup_.Height; }
    int16_t MineCount() const { return setup_.Mines; }
    PlayMode CurrentMode() const { return setup_.Mode; }
    Level CurrentLevel() const { return setup_.BoardLevel; }
    uint8_t ScoreTable() const { return setup_.ScoreTable; }
    const std::vector<Cell>& Cells() const { return cells_; }
    const Cell& CellAt(int32_t index) const { return cells_[static_cast<size_t>(index)]; }
    GameState CurrentState() const { return state_; }
    PlayerIndex CurrentPlayer() const { return currentPlayer_; }
    const std::array<PlayerData, 2>& Players() const { return players_; }
    int32_t FlagsLeft() const { return flagsLeft_; }
    int16_t FlagsToWin() const { return flagsToWin_; }
    int32_t ElapsedSeconds() const { return elapsedSeconds_; }
    int32_t ClickCount() const { return clickCount_; }
    FaceLook Face() const { return face_; }
    bool BonusButtonEnabled() const { return bonusButtonEnabled_; }
    bool BonusButtonDown() const { return bonusButtonDown_; }
    bool BonusAwarded() const { return bonusAwarded_; }
    // The player who holds the bonus and has not spent it yet.
    std::optional<PlayerIndex> BonusOwner() const { return bonusOwner_; }
    // Awarded and used up: the bonus comes once a game.
    bool BonusSpent() const { return bonusAwarded_ && !bonusOwner_; }
    bool BonusArmed() const { return bonusArmed_; }
    uint8_t BonusRadius() const { return bonusRadius_; }
    // Turns the computer waits before it uses a bonus it was given (Normal strength).
    int32_t ComputerBonusDelay() const { return computerBonusDelay_; }
    bool ShowMoveMarks() const { return showMoveMarks_; }
    bool SoundOn() const { return soundOn_; }
    // The player's pause: the board is hidden, the clocks and the opponent hold, and a
    // click on the board only resumes.
    bool Paused() const { return paused_; }
    // Counts the boards dealt, so that a gesture begun on one board ends with it.
    uint32_t BoardNumber() const { return boardNumber_; }
    int32_t HintCell() const { return hintCell_; }
    int32_t HintsUsed() const { return hintsUsed_; }
    bool ChancesShown() const { return chancesShown_; }
    bool NoGuessing() const { return noGuessing_; }
    bool DealtWithoutGuessing() const { return dealtWithoutGuessing_; }
    // The mines on the board: after the first open, those the placement laid.
    int32_t MinesPlaced() const
    {
        return static_cast<int32_t>(cells_.size()) - (lastSafeSlot_ + 1);
    }
    // The placement's cell order: the safe cells up to LastSafeSlot, the mines after it.
    const std::vector<int16_t>& CellOrder() const { return cellOrder_; }
    int16_t LastSafeSlot() const { return lastSafeSlot_; }
    const RecordedGame& Recorded() const { return record_; }

    bool IsTwoPlayer() const { return CurrentMode() != PlayMode::Classic; }
    // The computer's seat holds the turn in a "Vs Computer" game, whatever the game's
    // state: its pointer shows, and its panel is not the player's to use.
    bool ComputerHasTheTurn() const
    {
        return CurrentMode() == PlayMode::VsComputer && currentPlayer_ == Player2;
    }
    // The computer holds the turn in a game being played: the board and the status
    // panel leave the mouse alone.
    bool ComputerIsToMove() const { return ComputerHasTheTurn() && state_ == GameState::Playing; }
    bool IsRunning() const { return state_ == GameState::Ready || state_ == GameState::Playing; }
    bool BoardMatchesSize() const
    {
        return cells_.size()
            == static_cast<size_t>(BoardWidth()) * static_cast<size_t>(BoardHeight());
    }
    // A hint is offered in a Classic game being played (not before its first open, when
    // nothing is known yet, and not while paused).
    bool HintOffered() const;
    uint8_t CountAdjacentMines(int16_t index) const;

    // The pointer over the board, kept with the game while it is played (at most a sample
    // a frame); places off the board are taken to its edge.
    void MovePointer(PointerPlace place);

    // --- A game played at a network host ---
    // Shows the host's game as the player in the seat sees it. From then on the player's
    // opens, bonus button, give-up and new game are asked of the host (NetworkMoveWanted)
    // instead of played, and pause, renaming and the series reset do nothing. A board
    // number other than the one shown deals the board afresh. The news are what the move
    // told besides the board: sounds, messages and, when it ended the game, its end.
    void ShowNetworkGame(
        const SeenState& seen, PlayerIndex seat, uint32_t hostBoard, const SeenNews& news = {});
    // Back to games of this program's own: the next NewGame deals one.
    void LeaveNetworkGame();
    std::optional<PlayerIndex> NetworkSeat() const { return networkSeat_; }
    // The player at this screen may not act: the computer, or the other player of a
    // network game, holds the turn of a game being played.
    bool OtherSideIsToMove() const
    {
        return ComputerIsToMove()
            || (networkSeat_ && currentPlayer_ != *networkSeat_ && IsRunning());
    }

    // Replays only: deals the recorded start's board, whose first open lays the recorded
    // layout and whose draws come from the record (see Replay.h).
    void BeginReplay(const GameStart& start);
    // Replays only: one recorded command; the clock's seconds are those recorded.
    void ReplayCommand(const Command& command);

private:
    Cell& MutableCell(int32_t index) { return cells_[static_cast<size_t>(index)]; }
    void Record(Command command);
    int64_t MillisecondsSinceDeal() const;
    void Record(CommandKind kind, int32_t value = 0);
    // Each event is built in the list: a GameEvent moved through a parameter makes GCC 12
    // at -O3 warn falsely that the variant's other members may be uninitialised.
    template<typename Event> void Tell(Event&& event)
    {
        events_.emplace_back(std::in_place_type<std::decay_t<Event>>, std::forward<Event>(event));
    }
    void PlaySoundIfOn(Sound sound);
    void PostMessage(const std::string& text, float slide, float hold, bool alsoInClassic = false);
    double DrawReal();

    void EndGame(GameResult result, std::optional<PlayerIndex> winner = std::nullopt);
    void EndForNewGame();
    void DealBoard(const BoardSetup& setup);
    void RebuildBoard();
    void ShowFlagsToWin();
    void PlaceMines(int16_t first);
    // Deals a board that needs no guess from the first open; false (and the player told)
    // when none could be found in reasonable time, so the usual placement deals it.
    bool PlaceMinesWithoutGuess(int16_t first);
    void LayCellOrder();

    void OpenCell(Cell& cell, CellAction action);
    void FlagCell(Cell& cell, CellAction action);
    void ChordCell(Cell& cell, CellAction action);
    void OpenClassic(Cell& cell, CellAction action);
    void OpenTwoPlayer(Cell& cell, CellAction action);
    void StartClockIfReady(Cell& cell);
    void FloodFrom(Cell& cell);
    void FloodOpen();
    void ClearMoveMarks(PlayMode mode, bool clear);
    void LoseClassic(Cell& cell);
    void RevealAfterLoss(int16_t index);
    void CheckClassicWin(bool openedEmpty);
    bool AllSafeCellsOpen() const;
    void ShowWinningPace();
    void UnpressNeighbours(const Cell& cell);
    void PlaceFlag(Cell& cell);
    void ChordOpenNumber(Cell& cell);
    void FindMine(Cell& cell);
    void SingleOpen(Cell& cell);
    void BonusOpen(Cell& centre);
    void ForEachInBonusArea(const Cell& centre, const std::function<void(Cell&)>& visit);
    void WinTwoPlayer(bool restartMessage);
    void ArmBonus(const std::string& message);
    void SetFaceFromState();

    RandomSource& random_;
    FrameClock& clock_;

    BoardSetup setup_;
    std::vector<Cell> cells_;
    // The cell order of the placement: safe cells first, the mines after lastSafeSlot_.
    std::vector<int16_t> cellOrder_;
    int16_t lastSafeSlot_ = 0;
    std::vector<int16_t> openQueue_;
    int16_t openQueueLength_ = 0;

    GameState state_ = GameState::Ready;
    PlayerIndex currentPlayer_ = Player1;
    std::array<PlayerData, 2> players_ {PlayerData {"P1", 0, 0}, PlayerData {"P2", 0, 0}};
    int32_t flagsLeft_ = 10;
    int16_t flagsToWin_ = 99;
    int32_t elapsedSeconds_ = 0;
    int32_t clickCount_ = 0;
    FaceLook face_ = FaceLook::Smiling;
    bool bonusButtonEnabled_ = true;
    bool bonusButtonDown_ = false;
    bool bonusAwarded_ = false;
    std::optional<PlayerIndex> bonusOwner_;
    bool bonusArmed_ = false;
    uint8_t bonusRadius_ = 0;
    int32_t computerBonusDelay_ = -1;
    bool showMoveMarks_ = false;
    bool clearMarksNextMove_ = false;
    bool randomOpenRunning_ = false;
    bool soundOn_ = true;
    bool paused_ = false;
    uint32_t boardNumber_ = 0;
    int32_t hintCell_ = -1;
    int32_t hintsUsed_ = 0;
    bool chancesShown_ = false;
    bool noGuessing_ = false;
    bool dealtWithoutGuessing_ = false;
    bool seriesPointGivenUp_ = false;

    std::vector<GameEvent> events_;
    RecordedGame record_;
    int64_t dealtAtCount_ = 0;
    int64_t lastPointerFrame_ = -1;
    // While a record is replayed, the layout and draws come from it.
    const GameStart* replaying_ = nullptr;
    size_t nextDraw_ = 0;
    // The fixed layout of NewGameWithLayout, laid at the first open.
    std::vector<int16_t> fixedOrder_;
    int16_t fixedLastSafeSlot_ = -1;
    // The board was given (played again, or read from a board code), not dealt at random.
    bool givenBoard_ = false;
    // The seat at a network host whose game this shows, and the host's board number.
    std::optional<PlayerIndex> networkSeat_;
    uint32_t networkBoard_ = 0;
    std::array<PlayerData, 2> localPlayers_;
    // Asks the host instead of playing: true when this is a network game.
    bool AskHost(NetworkMove move, int32_t cell = 0);
};

} // namespace orvane
