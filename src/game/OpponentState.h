// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstdint>

namespace orvane {

// The computer opponent's state. The rules write its orders (Phase, BonusCountdown,
// the travel's start) directly; how it chooses and moves lives in the ai layer.
struct OpponentState {
    enum Phase : uint8_t { Idle = 0, Choose = 1, Travel = 2, Click = 3 };

    void Reset()
    {
        Target = -1;
        Clock = 0.0;
        if (Phase != Choose)
            Phase = Idle;
    }

    // Nothing of a turn in an earlier game carries over: no target, no clock, and the
    // pointer's next travel starts from the top left cell.
    void ClearForNewGame()
    {
        Target = -1;
        Clock = MoveStart = MoveDuration = 0.0;
        Phase = Idle;
        FromColumn = FromRow = ToColumn = ToRow = 0;
        PointerX = PointerY = 0.0f;
    }

    int16_t Target = 0;
    double Clock = 0.0;
    double MoveStart = 0.0;
    double MoveDuration = 0.0;
    uint8_t Phase = Idle;
    int32_t BonusCountdown = -1;
    int16_t FromColumn = 0, FromRow = 0;
    int16_t ToColumn = 0, ToRow = 0;
    float PointerX = 0.0f, PointerY = 0.0f;
    uint8_t Speed = 0;
};

} // namespace orvane
