// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <array>
#include <cstdint>
#include <string>

namespace orvane {

enum class GameState : uint8_t { Ready = 0, Playing = 1, Lost = 2, Won = 3 };
enum class PlayMode : uint8_t { Classic = 0, VsComputer = 1, VsHuman = 2 };
enum class Level : uint8_t { Beginner = 0, Intermediate = 1, Expert = 2, Custom = 3 };
enum PlayerIndex : uint8_t { Player1 = 0, Player2 = 1 };
enum class CellAction : uint8_t { Press, Cancel, Release };
// How a game ended, for the first player in the two-player modes; a game left for a new
// one while it was being played is given up.
enum class GameResult : uint8_t { Won = 0, Lost = 1, GivenUp = 2 };

// How the computer opponent chooses its cells; its moves on screen are the same for both.
enum class ComputerStrength : uint8_t { Normal, Strong };
// The status face: its picture, in the order of the face pictures.
enum class FaceLook : uint8_t { Smiling = 0, Pressing = 1, Lost = 2, Won = 3 };

inline PlayerIndex OtherPlayer(PlayerIndex player)
{
    return player == Player1 ? Player2 : Player1;
}

// Cell values and marks as the rules, the renderer and the opponent compare them.
inline constexpr uint8_t MineValue = 9;
enum CellMark : uint8_t {
    NoMark = 0,
    FlagMark = 1, // a Classic flag, or a mine found by Player1
    FoundByPlayer2 = 2,
    MissedMine = 3, // shown after a loss
    FalseFlag = 4,  // shown after a loss
    ExplodedMine = 5,
};
enum CellState : uint8_t {
    Closed = 0,
    Pressed = 1,
    OpenEmpty = 2, // open cells are Value + 2: 2 empty, 3..10 showing 1..8
    OpenEight = 10,
    Revealed = 11, // after a loss, drawn by its mark
};

inline bool IsOpenNumber(uint8_t state)
{
    return state >= 3 && state <= OpenEight;
}

struct Cell {
    int16_t Index = 0;
    uint8_t Value = 0;
    uint8_t Mark = NoMark;
    uint8_t State = Closed;
    uint8_t MoveMark = 0;
    // Row-major neighbours; -1 after the last when there are fewer than eight.
    std::array<int16_t, 8> Neighbours {};

    template<typename Visit> void ForEachNeighbour(Visit visit) const
    {
        for (int16_t n : Neighbours) {
            if (n < 0)
                break;
            visit(n);
        }
    }
};

struct PlayerData {
    std::string Name;
    int32_t MinesFound = 0;
    int32_t Score = 0;
};

} // namespace orvane
