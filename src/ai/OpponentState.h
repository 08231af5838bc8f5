// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstdint>

namespace orvane {

// Where the computer is in its turn: waiting, choosing a cell, gliding the pointer to it
// and pressing it, or clicking it.
enum class OpponentPhase : uint8_t { Idle, Choose, Travel, Click };

// The computer opponent's state from one frame to the next.
struct OpponentState {
    // After a click: the next turn, when the rules give it one, starts afresh.
    void Reset()
    {
        Target = -1;
        Clock = 0.0;
        Phase = OpponentPhase::Idle;
        ChoseBeforeFirstOpen = false;
    }

    // Nothing of a turn in an earlier game carries over: no target, no clock, and the
    // pointer's next travel starts from the top left cell.
    void ClearForNewGame()
    {
        Target = -1;
        Clock = MoveStart = MoveDuration = 0.0;
        Phase = OpponentPhase::Idle;
        ChoseBeforeFirstOpen = false;
        BonusCountdown = -1;
        BonusSeen = false;
        FromColumn = FromRow = ToColumn = ToRow = 0;
        PointerX = PointerY = 0.0f;
    }

    int16_t Target = 0;
    double Clock = 0.0;
    double MoveStart = 0.0;
    double MoveDuration = 0.0;
    OpponentPhase Phase = OpponentPhase::Idle;
    // The target was chosen on a board not yet opened: a click of the other player may
    // have made the first open, and so the move, meanwhile.
    bool ChoseBeforeFirstOpen = false;
    // Turns until the Normal computer uses a bonus it was given; -1 without one.
    int32_t BonusCountdown = -1;
    bool BonusSeen = false;
    // The board the turn belongs to: a new board clears the turn.
    uint32_t BoardNumber = 0;
    int16_t FromColumn = 0, FromRow = 0;
    int16_t ToColumn = 0, ToRow = 0;
    float PointerX = 0.0f, PointerY = 0.0f;
};

} // namespace orvane
