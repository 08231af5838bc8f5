// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "render/model/BoardChances.h"
#include "render/model/FlagAnimation.h"
#include "render/model/MessageBar.h"

namespace orvane {

// What only the picture keeps between frames, apart from the rules: advanced by the
// loop's frame step, read by the renderers.
struct ViewState {
    // Every flag on the board waves through this one playback.
    FlagAnimation WavingFlags;
    // Degrees; turns the glow over missed mines after a loss.
    float SpinAngle = 0.0f;
    // Brightness of the active player's panel, swinging between 0.9 and 1.0.
    float PulseScale = 1.0f;
    float PulseStep = -0.1f;
    // The one on-screen message.
    MessageBar Message;
    // Where the computer's pointer is, in cells from the top left cell.
    float ComputerPointerX = 0.0f;
    float ComputerPointerY = 0.0f;
    // The mine chances over the closed cells, while "Show Chances" shows them.
    BoardChances Chances;
};

} // namespace orvane
