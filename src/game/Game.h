// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "game/GameTypes.h"
#include "game/MessageBar.h"
#include "game/OpponentState.h"
#include "game/PanelLayout.h"
#include "platform/FileFolders.h"
#include "platform/FrameClock.h"

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace orvane {

class Platform;
class RandomSource;

inline constexpr uint8_t BonusUsed = 99; // BonusOwner once the bonus has been spent
inline constexpr int32_t HintPenaltySeconds = 10;

// Half width of the bonus area: 3 x 3 at Beginner, 7 x 7 at Expert, 5 x 5 otherwise.
uint8_t BonusRadiusFor(Level level);

// The one game: every variable the rules, renderers, commands and the opponent share,
// with its start value, and the rule operations on them. Tests build a fresh one each.
class Game {
public:
    Game(Platform& platform, RandomSource& random, CounterSource& counter);

    // Board
    int16_t BoardWidth = 9;
    int16_t BoardHeight = 9;
    int16_t MineCount = 10;
    std::vector<Cell> Cells;
    std::vector<int16_t> CellOrder;
    int16_t LastSafeSlot = 0;
    std::vector<int16_t> OpenQueue;
    int16_t OpenQueueLength = 0;

    // Game state
    GameState CurrentState = GameState::Ready; // the game's GameState (the enum takes the name)
    PlayMode CurrentMode = PlayMode::Classic;
    // The mode of the game on the board: a mode command changes CurrentMode before its
    // new game gives the old one up.
    PlayMode StartedMode = PlayMode::Classic;
    int32_t CurrentLevel = static_cast<int32_t>(Level::Beginner);
    PlayerIndex CurrentPlayer = Player1;
    std::array<PlayerData, 2> Players {PlayerData {"P1", 0, 0}, PlayerData {"P2", 0, 0}};
    int32_t FlagsLeft = 10;
    int16_t FlagsToWin = 99;
    int32_t ElapsedSeconds = 0;
    int32_t ClickCount = 0;
    uint8_t ScoreTable = 0;
    FaceLook Face = FaceLook::Smiling;
    bool BonusButtonEnabled = true;
    bool BonusButtonDown = false;
    bool BonusAwarded = false;
    uint8_t BonusOwner = 0;
    bool BonusArmed = false;
    uint8_t BonusRadius = 0;
    bool ShowMoveMarks = false;
    bool ClearMarksNextMove = false;
    bool RandomOpenRunning = false;
    bool SoundOn = true;
    // The player's pause: the board is hidden, the clocks and the opponent hold, and a
    // click on the board only resumes.
    bool Paused = false;
    // Counts the boards dealt, so that a gesture begun on one board ends with it.
    uint32_t BoardNumber = 0;
    FileFolders Folders;

    // Classic help. The hint's cell stays marked until the next move; each hint costs
    // HintPenaltySeconds on the game clock and is counted for the game.
    int32_t HintCell = -1;
    int32_t HintsUsed = 0;
    // The No Guessing option: Classic boards are dealt at the first open so that they can
    // be cleared from it by reasoning alone. Such a board's results stay out of the score
    // file, which the player is told on the first such win of a run.
    bool NoGuessing = false;
    bool DealtWithoutGuessing = false;
    bool NoGuessScoresExplained = false;

    // Single objects kept for the whole run
    FrameClock FrameTimer;
    MessageBar Message;
    OpponentState Opponent;

    Platform& platform;
    RandomSource& random;

    // Where results go: counted and recorded by the scores layer, which sets these.
    std::function<void()> OnClassicLoss;
    std::function<void()> OnClassicWin;
    std::function<void()> OnTwoPlayerGameStarted;
    std::function<void()> OnTwoPlayerResult;
    // Every game that ends, in any mode; kept in the history by the scores layer.
    std::function<void(GameResult)> OnGameEnded;

    // New game and mine placement
    void NewGame(Level level);
    void ShowFlagsToWin();
    void PlaceMines(int16_t first);
    uint8_t CountAdjacentMines(int16_t index) const;

    // Opening cells
    void OpenCell(Cell& cell, CellAction action);
    void FloodOpen();
    void ClearMoveMarks(PlayMode mode, bool clear);

    // Flags and chording
    void FlagCell(Cell& cell, CellAction action);
    void ChordCell(Cell& cell, CellAction action);

    // End of a Classic game
    void CheckClassicWin(uint8_t openedState);
    void RevealAfterLoss(int16_t index);

    // Two-player bonus, and the random open of the same button in Classic
    void ToggleBonus();
    void RandomOpen();
    void ForEachInBonusArea(const Cell& centre, const std::function<void(Cell&)>& visit);

    // A hint is offered in a Classic game being played (not before its first open, when
    // nothing is known yet, and not while paused).
    bool HintOffered() const;
    // Marks a cell that is certainly safe from what the player sees, or else the safest
    // one with its chance of a mine on the message bar.
    void GiveHint();

    // Only a game being played pauses; a new game ends the pause with the game it replaces.
    void PauseGame();
    void ResumeGame();
    void TogglePause();
    void EndGame(GameResult result);

    bool IsTwoPlayer() const { return CurrentMode != PlayMode::Classic; }
    // The computer's seat holds the turn in a "Vs Computer" game, whatever the game's
    // state: its pointer shows, and its panel is not the player's to use.
    bool ComputerHasTheTurn() const
    {
        return CurrentMode == PlayMode::VsComputer && CurrentPlayer == Player2;
    }
    // The computer holds the turn in a game being played: the board and the status
    // panel leave the mouse alone.
    bool ComputerIsToMove() const
    {
        return ComputerHasTheTurn() && CurrentState == GameState::Playing;
    }
    // The message bar runs across the player strip, or in Classic across the counters
    // for a message posted for Classic.
    bool MessageBarShown() const { return IsTwoPlayer() || Message.AlsoInClassic; }
    bool IsRunning() const
    {
        return CurrentState == GameState::Ready || CurrentState == GameState::Playing;
    }
    bool BoardMatchesSize() const
    {
        return Cells.size() == static_cast<size_t>(BoardWidth) * static_cast<size_t>(BoardHeight);
    }

private:
    void RebuildBoard();
    // Deals a board that needs no guess from the first open; false (and the player told)
    // when none could be found in reasonable time, so the usual placement deals it.
    bool PlaceMinesWithoutGuess(int16_t first);
    void OpenClassic(Cell& cell, CellAction action);
    void OpenTwoPlayer(Cell& cell, CellAction action);
    void StartClockIfReady(Cell& cell);
    void FloodFrom(Cell& cell);
    void LoseClassic(Cell& cell);
    bool AllSafeCellsOpen() const;
    void ShowWinningPace();
    void UnpressNeighbours(const Cell& cell);
    void PlaceFlag(Cell& cell);
    void ChordOpenNumber(Cell& cell);
    void FindMine(Cell& cell);
    void SingleOpen(Cell& cell);
    void BonusOpen(Cell& centre);
    void WinTwoPlayer(bool restartMessage);
    void HandOverToOpponentIfDue();
    void PlayClickIfOn();
    void PlaySoundIfOn(const char* name);
};

} // namespace orvane
