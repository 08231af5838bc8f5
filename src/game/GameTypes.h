// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "platform/Sound.h"

#include <array>
#include <cstdint>
#include <string>

namespace orvane {

enum class GameState : uint8_t { Ready = 0, Playing = 1, Lost = 2, Won = 3 };
enum class PlayMode : uint8_t { Classic = 0, VsComputer = 1, VsHuman = 2 };
enum class Level : uint8_t { Beginner = 0, Intermediate = 1, Expert = 2, Custom = 3 };
enum PlayerIndex : uint8_t { Player1 = 0, Player2 = 1 };
enum class CellAction : uint8_t { Press, Cancel, Release };
// What a button held on a cell does when it comes up: open it, flag it, or chord around it.
enum class CellGesture : uint8_t { Open, Flag, Chord };
// How a game ended, for the first player in the two-player modes; a game left for a new
// one while it was being played is given up.
enum class GameResult : uint8_t { Won = 0, Lost = 1, GivenUp = 2 };

// How the computer opponent chooses its cells; its moves on screen are the same for both.
enum class ComputerStrength : uint8_t { Normal, Strong };
// What a player of a network game asks the host for: an open (or the armed bonus) at a
// cell, arming or disarming the bonus, giving up, a new game.
enum class NetworkMove : uint8_t { Open = 0, ToggleBonus = 1, GiveUp = 2, NewGame = 3 };
// The status face: its picture, in the order of the face pictures.
enum class FaceLook : uint8_t { Smiling = 0, Pressing = 1, Lost = 2, Won = 3 };

inline PlayerIndex OtherPlayer(PlayerIndex player)
{
    return player == Player1 ? Player2 : Player1;
}

inline constexpr uint8_t MineValue = 9;

enum class CellState : uint8_t {
    Closed,
    Pressed,
    Open,     // shows its Value: empty or a number
    Revealed, // after a loss, drawn by its mark
};

enum class CellMark : uint8_t {
    None = 0,
    Flag = 1, // a Classic flag; in the two-player modes a mine found by Player1
    FoundByPlayer2 = 2,
    MissedMine = 3, // shown after a loss
    FalseFlag = 4,  // shown after a loss
    ExplodedMine = 5,
};

struct Cell {
    int16_t Index = 0;
    uint8_t Value = 0; // mines around it, or MineValue
    CellMark Mark = CellMark::None;
    CellState State = CellState::Closed;
    // Opened or found in the last move, drawn marked.
    bool MoveMark = false;
    // Row-major neighbours; -1 after the last when there are fewer than eight.
    std::array<int16_t, 8> Neighbours {};

    bool IsOpenNumber() const { return State == CellState::Open && Value >= 1 && Value <= 8; }
    bool IsOpenEmpty() const { return State == CellState::Open && Value == 0; }
    bool IsClosedUnmarked() const { return State == CellState::Closed && Mark == CellMark::None; }
    // A flag or a found mine: a mine everybody can see.
    bool ShowsMine() const { return Mark == CellMark::Flag || Mark == CellMark::FoundByPlayer2; }

    template<typename Visit> void ForEachNeighbour(Visit visit) const
    {
        for (int16_t n : Neighbours) {
            if (n < 0)
                break;
            visit(n);
        }
    }
    bool operator==(const Cell&) const = default;
};

struct PlayerData {
    std::string Name;
    int32_t MinesFound = 0;
    int32_t Score = 0;
    bool operator==(const PlayerData&) const = default;
};

// What a new game is dealt from: the mode, the board, the score table its results count
// in and how fast the computer moves. The two-player goal comes from the mines.
struct BoardSetup {
    PlayMode Mode = PlayMode::Classic;
    Level BoardLevel = Level::Beginner;
    int16_t Width = 9;
    int16_t Height = 9;
    int16_t Mines = 10;
    uint8_t ScoreTable = 0;
    uint8_t ComputerSpeed = 8; // cells per second of the computer's pointer
    bool operator==(const BoardSetup&) const = default;
};

// The largest board a player can choose.
inline constexpr int16_t MostColumns = 35, MostRows = 25;
// The score table of boards whose results count in none (custom sizes and played codes);
// tables 0..5 come before it.
inline constexpr uint8_t NoScoreTable = 6;

// The goal of a two-player game: more than half of the mines.
inline int16_t FlagsToWinFor(int16_t mines)
{
    return static_cast<int16_t>(mines / 2 + 1);
}

} // namespace orvane
